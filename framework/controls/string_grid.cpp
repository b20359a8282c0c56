// TStringGrid: cell texts by column and row.
#include "framework/controls/string_grid.h"

#include "framework/graphics/canvas.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TStringGrid::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TStringGrid>(L"TStringGrid", TDrawGrid::StaticClass()).Creatable().Build();
    return info;
}

std::wstring TStringGrid::Cells(int col, int row) const
{
    auto found = cells_.find({col, row});
    return found == cells_.end() ? std::wstring() : found->second;
}

void TStringGrid::SetCells(int col, int row, const std::wstring& value)
{
    if (value.empty())
        cells_.erase({col, row});
    else
        cells_[{col, row}] = value;
    RECT r = CellRect(col, row);
    if (HWND window = WindowHandle(); window && r.right > r.left)
        InvalidateRect(window, &r, FALSE);
}

void TStringGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state)
{
    std::wstring text = Cells(col, row);
    if (!text.empty()) {
        RECT r{rect.left + 2, rect.top, rect.right - 2, rect.bottom};
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    TDrawGrid::DrawCell(col, row, rect, state);
}

}  // namespace ov
