// Grids: built from a stored layout, fixed rows and columns in FixedColor that stay in place,
// cells drawn by OnDrawCell and by the string grid, the current cell moved by real arrow keys and
// clicks under Wine, the selection range, and the grid's own scroll bars following it.
#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/controls/string_grid.h"
#include "tests/test_input.h"
#include "tests/test_layout_form.h"

namespace ov {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  ClientWidth = 420
  ClientHeight = 300
  object StringGrid1: TStringGrid
    Left = 10
    Top = 10
    Width = 300
    Height = 150
    ColCount = 10
    RowCount = 30
    FixedCols = 1
    FixedRows = 1
    DefaultColWidth = 60
    DefaultRowHeight = 20
    FixedColor = clYellow
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect]
  end
  object DrawGrid1: TDrawGrid
    Left = 10
    Top = 170
    Width = 200
    Height = 100
    ColCount = 3
    RowCount = 3
    ScrollBars = ssNone
  end
end
)";

struct GridTest : testing::TLayoutFormTest {
    TStringGrid* grid = nullptr;

    void SetUp() override
    {
        Open(kLayout);
        grid = Find<TStringGrid>(L"StringGrid1");
        ASSERT_NE(grid, nullptr);
    }
    // The grid as it paints its client area.
    TBitmap Painted(TCustomGrid& target)
    {
        RECT client = target.ClientRect();
        TBitmap picture(client.right, client.bottom);
        target.Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas()->Handle()), 0);
        return picture;
    }
    SCROLLINFO VerticalBar()
    {
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(grid->Handle(), SB_VERT, &info);
        return info;
    }
};

TEST_F(GridTest, LayoutPropertiesShapeTheCells)
{
    EXPECT_EQ(grid->ColCount(), 10);
    EXPECT_EQ(grid->RowCount(), 30);
    EXPECT_EQ(grid->FixedColor(), clYellow);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    // Cells follow each other with one line of grid between them.
    RECT cell = grid->CellRect(2, 3);
    EXPECT_EQ(cell.left, 2 * 61);
    EXPECT_EQ(cell.top, 3 * 21);
    EXPECT_EQ(cell.right - cell.left, 60);
    grid->SetColWidths(1, 100);
    EXPECT_EQ(grid->CellRect(2, 3).left, 61 + 101);
    int col = -1, row = -1;
    ASSERT_TRUE(grid->MouseToCell(61 + 101 + 5, 3 * 21 + 5, col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
}

TEST_F(GridTest, FixedCellsShowFixedColorAndTextIsDrawn)
{
    grid->SetCells(2, 1, L"\u2588\u2588\u2588\u2588");  // full blocks: plenty of text-coloured pixels
    TBitmap picture = Painted(*grid);
    EXPECT_EQ(picture.Pixel(30, 10), clYellow);  // the fixed corner
    EXPECT_EQ(picture.Pixel(30, 50), clYellow);  // a fixed row header
    EXPECT_EQ(picture.Pixel(100, 5), clYellow);  // a fixed column header
    EXPECT_EQ(picture.Pixel(61 + 30, 3 * 21 + 10), ColorToRGB(clWindow));
    // The current cell (1, 1) is drawn focused but not highlighted; the text is in the window text colour.
    int dark = 0;
    RECT text = grid->CellRect(2, 1);
    for (int x = text.left; x < text.right; ++x)
        dark += picture.Pixel(x, (text.top + text.bottom) / 2) == static_cast<TColor>(ColorToRGB(clWindowText));
    EXPECT_GT(dark, 5);
    grid->SetFixedColor(clAqua);
    EXPECT_EQ(Painted(*grid).Pixel(30, 10), clAqua);
}

TEST_F(GridTest, ArrowKeysMoveTheCurrentCellAndScrollIt)
{
    grid->SetFocus();
    testing::PressKey(VK_DOWN);
    testing::PressKey(VK_RIGHT);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->TopRow(), 1);
    // Down past the last row that shows: the rows scroll, the fixed row stays.
    int visible = grid->VisibleRowCount();
    for (int i = 0; i < visible; ++i)
        testing::PressKey(VK_DOWN);
    EXPECT_EQ(grid->Row(), 2 + visible);
    EXPECT_GT(grid->TopRow(), 1);
    EXPECT_EQ(grid->Row(), grid->TopRow() + visible - 1);
    EXPECT_EQ(grid->CellRect(0, 0).top, 0);
    EXPECT_EQ(VerticalBar().nPos, grid->TopRow());
    // Ctrl+End: the last cell; the bar at its end.
    testing::PressKey(VK_NEXT);
    testing::PressKey(VK_END);
    EXPECT_EQ(grid->Col(), 9);
    EXPECT_EQ(grid->Row(), std::min(29, 2 + 2 * visible));
}

TEST_F(GridTest, ShiftArrowsSelectARangeAndAClickSelectsOneCell)
{
    grid->SetFocus();
    testing::PressKey(VK_RIGHT, true);
    testing::PressKey(VK_DOWN, true);
    TGridRect selection = grid->Selection();
    EXPECT_EQ(selection.Left, 1);
    EXPECT_EQ(selection.Top, 1);
    EXPECT_EQ(selection.Right, 2);
    EXPECT_EQ(selection.Bottom, 2);
    TBitmap picture = Painted(*grid);
    RECT other = grid->CellRect(2, 1);
    EXPECT_EQ(picture.Pixel(other.left + 5, other.top + 5), ColorToRGB(clHighlight));
    RECT cell = grid->CellRect(3, 4);
    testing::Click(*grid, {cell.left + 5, cell.top + 5});
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
    selection = grid->Selection();
    EXPECT_EQ(selection.Left, 3);
    EXPECT_EQ(selection.Bottom, 4);
}

TEST_F(GridTest, DraggingTheMouseSelectsTheCellsItPasses)
{
    RECT from = grid->CellRect(1, 2), to = grid->CellRect(3, 4);
    POINT start = grid->ClientToScreen({from.left + 5, from.top + 5});
    POINT end = grid->ClientToScreen({to.left + 5, to.top + 5});
    INPUT inputs[] = {testing::MouseInput(start, 0), testing::MouseInput(start, MOUSEEVENTF_LEFTDOWN),
                      testing::MouseInput({(start.x + end.x) / 2, (start.y + end.y) / 2}, 0),
                      testing::MouseInput(end, 0), testing::MouseInput(end, MOUSEEVENTF_LEFTUP)};
    SendInput(5, inputs, sizeof(INPUT));
    testing::PumpInput();
    TGridRect selection = grid->Selection();
    EXPECT_EQ(selection.Left, 1);
    EXPECT_EQ(selection.Top, 2);
    EXPECT_EQ(selection.Right, 3);
    EXPECT_EQ(selection.Bottom, 4);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
    // With goRangeSelect off, a drag keeps one cell.
    grid->SetOptions(grid->Options().Exclude(goRangeSelect));
    SendInput(5, inputs, sizeof(INPUT));
    testing::PumpInput();
    selection = grid->Selection();
    EXPECT_EQ(selection.Left, selection.Right);
    EXPECT_EQ(selection.Top, selection.Bottom);
}

TEST_F(GridTest, ItsOwnScrollBarScrollsTheRows)
{
    SCROLLINFO bar = VerticalBar();
    EXPECT_EQ(bar.nMin, 1);
    EXPECT_EQ(bar.nMax, 29);
    EXPECT_EQ(bar.nPos, 1);
    int top = 0;
    grid->OnTopLeftChanged = [&](TObject*) { top = grid->TopRow(); };
    RECT window;
    GetWindowRect(grid->Handle(), &window);
    int arrow = GetSystemMetrics(SM_CYVSCROLL), edge = 2;
    // The lower arrow of the vertical bar (above the horizontal bar).
    testing::ClickAtScreen({window.right - edge - arrow / 2, window.bottom - edge - arrow - arrow / 2});
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(top, 2);
    EXPECT_EQ(VerticalBar().nPos, 2);
    // The current cell stays where it was, out of view now.
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->CellRect(1, 1).bottom, 0);
}

TEST_F(GridTest, DrawGridCellsArePaintedByOnDrawCellAndSelectionCanBeRefused)
{
    auto drawGrid = Find<TDrawGrid>(L"DrawGrid1");
    ASSERT_NE(drawGrid, nullptr);
    std::vector<std::pair<int, int>> drawn;
    drawGrid->OnDrawCell = [&](TObject*, int col, int row, RECT rect, TGridDrawState state) {
        drawn.push_back({col, row});
        if (col == 2 && row == 2) {
            drawGrid->Canvas()->Brush()->SetColor(clLime);
            drawGrid->Canvas()->FillRect(rect);
        }
        EXPECT_EQ(state.Contains(gdFixed), col == 0 || row == 0);
    };
    TBitmap picture = Painted(*drawGrid);
    EXPECT_EQ(drawn.size(), 9u);
    RECT cell = drawGrid->CellRect(2, 2);
    EXPECT_EQ(picture.Pixel(cell.left + 5, cell.top + 5), clLime);
    drawGrid->OnSelectCell = [](TObject*, int col, int, bool& canSelect) { canSelect = col != 2; };
    drawGrid->SetFocus();
    testing::PressKey(VK_RIGHT);
    EXPECT_EQ(drawGrid->Col(), 1);
    testing::PressKey(VK_DOWN);
    EXPECT_EQ(drawGrid->Row(), 2);
}

}  // namespace
}  // namespace ov
