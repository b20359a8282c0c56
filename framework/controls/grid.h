// TCustomGrid: a table of cells that paints itself: fixed rows and columns (in FixedColor) that
// stay in place, scrollable cells with their own scroll bars, a current cell moved by the arrow
// keys and the mouse, and a selected range. TDrawGrid leaves each cell's drawing to OnDrawCell.
#pragma once

#include <vector>

#include "framework/controls/custom_control.h"
#include "framework/forms/form.h"
#include "framework/controls/memo.h"

namespace ov {

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
};
using TGridOptions = TSet<TGridOption>;
enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;
OV_ENUM_TYPE(TGridOption, L"goFixedVertLine", L"goFixedHorzLine", L"goVertLine", L"goHorzLine", L"goRangeSelect",
             L"goDrawFocusSelected", L"goRowSizing", L"goColSizing", L"goRowMoving", L"goColMoving", L"goEditing",
             L"goTabs", L"goRowSelect", L"goAlwaysShowEditor", L"goThumbTracking")
OV_SET_TYPE(TGridOptions)
OV_ENUM_TYPE(TGridDrawStateItem, L"gdSelected", L"gdFocused", L"gdFixed")
OV_SET_TYPE(TGridDrawState)

// A range of cells, corners included.
struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    [[nodiscard]] bool Contains(int col, int row) const noexcept
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
};

class TCustomGrid : public TCustomControl {
    OV_CLASS(TCustomGrid, TCustomControl)

    explicit TCustomGrid(TComponent* owner);

    [[nodiscard]] int ColCount() const noexcept { return colCount_; }
    void SetColCount(int value);
    [[nodiscard]] int RowCount() const noexcept { return rowCount_; }
    void SetRowCount(int value);
    [[nodiscard]] int FixedCols() const noexcept { return fixedCols_; }
    void SetFixedCols(int value);
    [[nodiscard]] int FixedRows() const noexcept { return fixedRows_; }
    void SetFixedRows(int value);
    [[nodiscard]] int DefaultColWidth() const noexcept { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    [[nodiscard]] int DefaultRowHeight() const noexcept { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    [[nodiscard]] int ColWidths(int col) const;
    void SetColWidths(int col, int value);
    [[nodiscard]] int RowHeights(int row) const;
    void SetRowHeights(int row, int value);
    [[nodiscard]] TColor FixedColor() const noexcept { return fixedColor_; }
    void SetFixedColor(TColor value);
    [[nodiscard]] int GridLineWidth() const noexcept { return gridLineWidth_; }
    void SetGridLineWidth(int value);
    [[nodiscard]] TGridOptions Options() const noexcept { return options_; }
    void SetOptions(TGridOptions value);
    [[nodiscard]] TScrollStyle ScrollBars() const noexcept { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    [[nodiscard]] TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

    // The current cell, and the first scrollable row and column shown.
    [[nodiscard]] int Col() const noexcept { return col_; }
    void SetCol(int value) { MoveCurrent(value, row_); }
    [[nodiscard]] int Row() const noexcept { return row_; }
    void SetRow(int value) { MoveCurrent(col_, value); }
    [[nodiscard]] int TopRow() const noexcept { return topRow_; }
    void SetTopRow(int value);
    [[nodiscard]] int LeftCol() const noexcept { return leftCol_; }
    void SetLeftCol(int value);
    [[nodiscard]] TGridRect Selection() const;
    // Scrollable rows and columns that show whole.
    [[nodiscard]] int VisibleRowCount() const;
    [[nodiscard]] int VisibleColCount() const;

    // A cell's rectangle in client co-ordinates (empty when it does not show).
    [[nodiscard]] RECT CellRect(int col, int row) const;
    // The cell under a client point; false outside the cells.
    bool MouseToCell(int x, int y, int& col, int& row) const;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnTopLeftChanged;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Resize() override;
    // Paints one cell into rect of Canvas (the background is already filled for its state).
    virtual void DrawCell(int col, int row, const RECT& rect, TGridDrawState state) {}
    // Whether the current cell may move to (col, row).
    virtual bool SelectCell(int col, int row) { return true; }
    // The grid's layout changed (counts, sizes): scroll bars and painting follow.
    void LayoutChanged();

private:
    void MoveCurrent(int col, int row, bool extend = false);
    void ScrollInView(int col, int row);
    void UpdateScrollBars();
    void Scroll(bool vertical, WORD request);
    void PaintCell(int col, int row, const RECT& rect);
    void PaintLines(const RECT& rect, bool fixed);
    [[nodiscard]] int Extent(bool vertical, int from, int to) const;  // pixels of rows/cols [from, to)
    [[nodiscard]] int FixedExtent(bool vertical) const;
    [[nodiscard]] int LastTop(bool vertical) const;  // the largest first scrollable row / column

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    TColor fixedColor_ = clBtnFace;
    int gridLineWidth_ = 1;
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle scrollBars_ = ssBoth;
    TBorderStyle borderStyle_ = bsSingle;
    int col_ = 1, row_ = 1;
    int anchorCol_ = 1, anchorRow_ = 1;  // the other corner of the selection
    int topRow_ = 1, leftCol_ = 1;
    bool selecting_ = false;
    bool updatingBars_ = false;
};

using TDrawCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, RECT Rect, TGridDrawState State)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
OV_EVENT_TYPE(TDrawCellEvent)

// A grid whose cells OnDrawCell paints (on Canvas); OnSelectCell may refuse a cell. OnSelectCell is
// assigned in code only: its signature is another published event type's already.
class TDrawGrid : public TCustomGrid {
    OV_CLASS(TDrawGrid, TCustomGrid)

    explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

protected:
    void DrawCell(int col, int row, const RECT& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
};

}  // namespace ov
