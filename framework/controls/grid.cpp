// TCustomGrid: geometry of rows and columns, painting cell by cell, the current cell and the
// selection moved by keys and mouse, and the scroll bars measured in rows and columns.
#include "framework/controls/grid.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCustomGrid::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomGrid>(L"TCustomGrid", TCustomControl::StaticClass())
            .Property(L"BorderStyle", BorderStyleType(), &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle)
            .Property(L"ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount)
            .Property(L"DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth)
            .Property(L"DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight)
            .Property(L"FixedColor", ColorType(), &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor)
            .Property(L"FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols)
            .Property(L"FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows)
            .Property(L"GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth)
            .Property(L"Options", &TCustomGrid::Options, &TCustomGrid::SetOptions)
            .Property(L"RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount)
            .Property(L"ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars)
            .Event(L"OnTopLeftChanged", &TCustomGrid::OnTopLeftChanged)
            .Build();
    return info;
}

const TClassInfo& TDrawGrid::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDrawGrid>(L"TDrawGrid", TCustomGrid::StaticClass())
                                        .Creatable()
                                        .Event(L"OnDrawCell", &TDrawGrid::OnDrawCell)
                                        .Build();
    return info;
}

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents});
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TCustomGrid::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

// --- geometry ----------------------------------------------------------------------------------------

int TCustomGrid::ColWidths(int col) const
{
    return col >= 0 && col < static_cast<int>(colWidths_.size()) && colWidths_[static_cast<size_t>(col)] >= 0
               ? colWidths_[static_cast<size_t>(col)]
               : defaultColWidth_;
}

int TCustomGrid::RowHeights(int row) const
{
    return row >= 0 && row < static_cast<int>(rowHeights_.size()) && rowHeights_[static_cast<size_t>(row)] >= 0
               ? rowHeights_[static_cast<size_t>(row)]
               : defaultRowHeight_;
}

int TCustomGrid::Extent(bool vertical, int from, int to) const
{
    int pixels = 0;
    for (int i = from; i < to; ++i)
        pixels += (vertical ? RowHeights(i) : ColWidths(i)) + gridLineWidth_;
    return pixels;
}

int TCustomGrid::FixedExtent(bool vertical) const { return Extent(vertical, 0, vertical ? fixedRows_ : fixedCols_); }

int TCustomGrid::LastTop(bool vertical) const
{
    RECT client = ClientRect();
    int room = (vertical ? client.bottom : client.right) - FixedExtent(vertical);
    int count = vertical ? rowCount_ : colCount_, fixed = vertical ? fixedRows_ : fixedCols_;
    int top = count;
    while (top > fixed && room >= (vertical ? RowHeights(top - 1) : ColWidths(top - 1)) + gridLineWidth_) {
        --top;
        room -= (vertical ? RowHeights(top) : ColWidths(top)) + gridLineWidth_;
    }
    return std::clamp(top, fixed, std::max(fixed, count - 1));
}

int TCustomGrid::VisibleRowCount() const
{
    RECT client = ClientRect();
    int y = FixedExtent(true), count = 0;
    for (int row = topRow_; row < rowCount_ && (y += RowHeights(row) + gridLineWidth_) <= client.bottom; ++row)
        ++count;
    return count;
}

int TCustomGrid::VisibleColCount() const
{
    RECT client = ClientRect();
    int x = FixedExtent(false), count = 0;
    for (int col = leftCol_; col < colCount_ && (x += ColWidths(col) + gridLineWidth_) <= client.right; ++col)
        ++count;
    return count;
}

RECT TCustomGrid::CellRect(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_ || (col >= fixedCols_ && col < leftCol_) ||
        (row >= fixedRows_ && row < topRow_))
        return {};
    int x = col < fixedCols_ ? Extent(false, 0, col) : FixedExtent(false) + Extent(false, leftCol_, col);
    int y = row < fixedRows_ ? Extent(true, 0, row) : FixedExtent(true) + Extent(true, topRow_, row);
    return {x, y, x + ColWidths(col), y + RowHeights(row)};
}

bool TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    auto find = [this](bool vertical, int position, int& index) {
        int fixed = vertical ? fixedRows_ : fixedCols_, count = vertical ? rowCount_ : colCount_;
        int start = 0;
        for (int i = 0; i < count; ++i) {
            if (i == fixed)
                i = vertical ? topRow_ : leftCol_;
            if (i >= count)
                break;
            start += (vertical ? RowHeights(i) : ColWidths(i)) + gridLineWidth_;
            if (position < start) {
                index = i;
                return true;
            }
        }
        return false;
    };
    return x >= 0 && y >= 0 && find(false, x, col) && find(true, y, row);
}

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(col_, anchorCol_), std::min(row_, anchorRow_), std::max(col_, anchorCol_),
                std::max(row_, anchorRow_)};
    if (options_.Contains(goRowSelect)) {
        r.Left = fixedCols_;
        r.Right = colCount_ - 1;
    }
    return r;
}

// --- properties --------------------------------------------------------------------------------------

void TCustomGrid::LayoutChanged()
{
    col_ = std::clamp(col_, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    row_ = std::clamp(row_, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    anchorCol_ = std::clamp(anchorCol_, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    anchorRow_ = std::clamp(anchorRow_, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    topRow_ = std::clamp(topRow_, fixedRows_, LastTop(true));
    leftCol_ = std::clamp(leftCol_, fixedCols_, LastTop(false));
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetColCount(int value)
{
    colCount_ = std::max(value, 1);
    fixedCols_ = std::min(fixedCols_, colCount_ - 1);
    LayoutChanged();
}

void TCustomGrid::SetRowCount(int value)
{
    rowCount_ = std::max(value, 1);
    fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
    LayoutChanged();
}

void TCustomGrid::SetFixedCols(int value)
{
    fixedCols_ = std::clamp(value, 0, colCount_ - 1);
    leftCol_ = std::max(leftCol_, fixedCols_);
    LayoutChanged();
}

void TCustomGrid::SetFixedRows(int value)
{
    fixedRows_ = std::clamp(value, 0, rowCount_ - 1);
    topRow_ = std::max(topRow_, fixedRows_);
    LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int value)
{
    defaultColWidth_ = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    defaultRowHeight_ = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetColWidths(int col, int value)
{
    if (col < 0)
        return;
    if (col >= static_cast<int>(colWidths_.size()))
        colWidths_.resize(static_cast<size_t>(col) + 1, -1);
    colWidths_[static_cast<size_t>(col)] = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetRowHeights(int row, int value)
{
    if (row < 0)
        return;
    if (row >= static_cast<int>(rowHeights_.size()))
        rowHeights_.resize(static_cast<size_t>(row) + 1, -1);
    rowHeights_[static_cast<size_t>(row)] = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor value)
{
    fixedColor_ = value;
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int value)
{
    gridLineWidth_ = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetOptions(TGridOptions value)
{
    options_ = value;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    scrollBars_ = value;
    UpdateScrollBars();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value)
{
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomGrid::SetTopRow(int value)
{
    value = std::clamp(value, fixedRows_, LastTop(true));
    if (value == topRow_)
        return;
    topRow_ = value;
    UpdateScrollBars();
    Invalidate();
    OnTopLeftChanged.Fire(this);
}

void TCustomGrid::SetLeftCol(int value)
{
    value = std::clamp(value, fixedCols_, LastTop(false));
    if (value == leftCol_)
        return;
    leftCol_ = value;
    UpdateScrollBars();
    Invalidate();
    OnTopLeftChanged.Fire(this);
}

void TCustomGrid::Resize()
{
    TCustomControl::Resize();
    LayoutChanged();
}

// --- scroll bars -------------------------------------------------------------------------------------

// Each bar counts scrollable rows (columns); its page is what shows whole, its position TopRow.
void TCustomGrid::UpdateScrollBars()
{
    HWND window = WindowHandle();
    if (!window || updatingBars_)
        return;
    // Showing or hiding a bar resizes the client area, which asks for this again.
    updatingBars_ = true;
    auto update = [&](bool vertical, bool wanted) {
        int bar = vertical ? SB_VERT : SB_HORZ;
        int fixed = vertical ? fixedRows_ : fixedCols_, count = vertical ? rowCount_ : colCount_;
        bool needed = wanted && LastTop(vertical) > fixed;
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        if (needed) {
            info.nMin = fixed;
            info.nMax = count - 1;
            info.nPage = static_cast<UINT>(LastTop(vertical) > fixed ? count - LastTop(vertical) : count - fixed);
            info.nPos = vertical ? topRow_ : leftCol_;
        }
        SetScrollInfo(window, bar, &info, TRUE);
        ShowScrollBar(window, bar, needed);
    };
    update(true, scrollBars_ == ssVertical || scrollBars_ == ssBoth);
    update(false, scrollBars_ == ssHorizontal || scrollBars_ == ssBoth);
    updatingBars_ = false;
}

void TCustomGrid::Scroll(bool vertical, WORD request)
{
    int top = vertical ? topRow_ : leftCol_;
    int page = std::max(vertical ? VisibleRowCount() : VisibleColCount(), 1);
    switch (request) {
    case SB_LINEUP:
        --top;
        break;
    case SB_LINEDOWN:
        ++top;
        break;
    case SB_PAGEUP:
        top -= page;
        break;
    case SB_PAGEDOWN:
        top += page;
        break;
    case SB_THUMBTRACK:
        if (!options_.Contains(goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(WindowHandle(), vertical ? SB_VERT : SB_HORZ, &info);
        top = info.nTrackPos;
        break;
    }
    case SB_TOP:
        top = 0;
        break;
    case SB_BOTTOM:
        top = vertical ? rowCount_ : colCount_;
        break;
    default:
        return;
    }
    if (vertical)
        SetTopRow(top);
    else
        SetLeftCol(top);
}

// --- the current cell --------------------------------------------------------------------------------

void TCustomGrid::ScrollInView(int col, int row)
{
    if (row >= fixedRows_) {
        if (row < topRow_)
            SetTopRow(row);
        else
            while (row >= topRow_ + std::max(VisibleRowCount(), 1) && topRow_ < LastTop(true))
                SetTopRow(topRow_ + 1);
    }
    if (col >= fixedCols_) {
        if (col < leftCol_)
            SetLeftCol(col);
        else
            while (col >= leftCol_ + std::max(VisibleColCount(), 1) && leftCol_ < LastTop(false))
                SetLeftCol(leftCol_ + 1);
    }
}

void TCustomGrid::MoveCurrent(int col, int row, bool extend)
{
    col = std::clamp(col, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    if ((col != col_ || row != row_) && !SelectCell(col, row))
        return;
    col_ = col;
    row_ = row;
    if (!extend || !options_.Contains(goRangeSelect)) {
        anchorCol_ = col;
        anchorRow_ = row;
    }
    ScrollInView(col, row);
    Invalidate();
}

void TCustomGrid::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    bool extend = shift.Contains(ssShift), ctrl = shift.Contains(ssCtrl);
    int page = std::max(VisibleRowCount(), 1);
    switch (key) {
    case VK_LEFT:
        MoveCurrent(col_ - 1, row_, extend);
        break;
    case VK_RIGHT:
        MoveCurrent(col_ + 1, row_, extend);
        break;
    case VK_UP:
        MoveCurrent(col_, row_ - 1, extend);
        break;
    case VK_DOWN:
        MoveCurrent(col_, row_ + 1, extend);
        break;
    case VK_PRIOR:
        MoveCurrent(col_, row_ - page, extend);
        break;
    case VK_NEXT:
        MoveCurrent(col_, row_ + page, extend);
        break;
    case VK_HOME:
        MoveCurrent(fixedCols_, ctrl ? fixedRows_ : row_, extend);
        break;
    case VK_END:
        MoveCurrent(colCount_ - 1, ctrl ? rowCount_ - 1 : row_, extend);
        break;
    default:
        return;
    }
    key = 0;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (CanFocus() && !Focused())
        SetFocus();
    int col, row;
    if (button == mbLeft && MouseToCell(x, y, col, row) && col >= fixedCols_ && row >= fixedRows_) {
        MoveCurrent(col, row, shift.Contains(ssShift));
        selecting_ = true;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    int col, row;
    if (selecting_ && MouseToCell(x, y, col, row) && col >= fixedCols_ && row >= fixedRows_ &&
        (col != col_ || row != row_))
        MoveCurrent(col, row, true);
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    selecting_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | (options_.Contains(goTabs) ? DLGC_WANTTAB : 0);
        return;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (message.LParam == 0) {  // the grid's own bars
            Scroll(message.Msg == WM_VSCROLL, LOWORD(message.WParam));
            return;
        }
        break;
    case WM_ERASEBKGND:
        message.Result = 1;  // Paint covers the client area
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// --- painting ----------------------------------------------------------------------------------------

void TCustomGrid::PaintLines(const RECT& rect, bool fixed)
{
    if (gridLineWidth_ == 0)
        return;
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(fixed ? clBtnShadow : clSilver);
    bool vertical = options_.Contains(fixed ? goFixedVertLine : goVertLine);
    bool horizontal = options_.Contains(fixed ? goFixedHorzLine : goHorzLine);
    if (vertical)
        canvas.FillRect(RECT{rect.right, rect.top, rect.right + gridLineWidth_, rect.bottom + gridLineWidth_});
    if (horizontal)
        canvas.FillRect(RECT{rect.left, rect.bottom, rect.right + gridLineWidth_, rect.bottom + gridLineWidth_});
}

void TCustomGrid::PaintCell(int col, int row, const RECT& rect)
{
    TCanvas& canvas = *Canvas();
    bool fixed = col < fixedCols_ || row < fixedRows_;
    bool focused = col == col_ && row == row_ && Focused();
    bool selected =
        !fixed && Selection().Contains(col, row) &&
        (!(col == col_ && row == row_) || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect));
    TGridDrawState state;
    state.Set(gdFixed, fixed).Set(gdSelected, selected).Set(gdFocused, focused);
    canvas.Brush()->SetColor(fixed ? fixedColor_ : selected ? clHighlight : Color());
    canvas.FillRect(rect);
    canvas.SetFont(*Font());
    if (selected)
        canvas.Font()->SetColor(clHighlightText);
    DrawCell(col, row, rect, state);
    if (focused && !options_.Contains(goRowSelect))
        DrawFocusRect(canvas.Handle(), &rect);
    PaintLines(rect, fixed);
}

void TCustomGrid::Paint()
{
    TCanvas& canvas = *Canvas();
    RECT client = ClientRect();
    auto visible = [&](bool vertical, std::vector<int>& indexes) {
        int fixed = vertical ? fixedRows_ : fixedCols_, count = vertical ? rowCount_ : colCount_;
        int limit = vertical ? client.bottom : client.right, position = 0;
        for (int i = 0; i < count && position < limit; ++i) {
            if (i == fixed)
                i = vertical ? topRow_ : leftCol_;
            if (i >= count)
                break;
            indexes.push_back(i);
            position += (vertical ? RowHeights(i) : ColWidths(i)) + gridLineWidth_;
        }
        return position;
    };
    std::vector<int> rows, cols;
    int bottom = visible(true, rows), right = visible(false, cols);
    for (int row : rows)
        for (int col : cols)
            PaintCell(col, row, CellRect(col, row));
    // What no cell covers shows the grid's colour.
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(RECT{right, 0, client.right, client.bottom});
    canvas.FillRect(RECT{0, bottom, right, client.bottom});
}

// --- TDrawGrid ---------------------------------------------------------------------------------------

void TDrawGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state)
{
    if (OnDrawCell.Assigned())
        OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    if (OnSelectCell.Assigned())
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

}  // namespace ov
