// TStringGrid: a draw grid that keeps a text per cell and draws it.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "framework/controls/grid.h"

namespace ov {

class TStringGrid : public TDrawGrid {
    OV_CLASS(TStringGrid, TDrawGrid)

    explicit TStringGrid(TComponent* owner) : TDrawGrid(owner) {}

    [[nodiscard]] std::wstring Cells(int col, int row) const;
    void SetCells(int col, int row, const std::wstring& value);

protected:
    // The cell's text 2 pixels in from its left edge, then OnDrawCell over it.
    void DrawCell(int col, int row, const RECT& rect, TGridDrawState state) override;

private:
    std::map<std::pair<int, int>, std::wstring> cells_;
};

}  // namespace ov
