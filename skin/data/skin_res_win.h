// TkrvSkinRes: the base of the resource objects that cut, turn and recolour a few skin bitmaps once
// per skin load, so that painting code only picks a prepared image.
#pragma once

#include "skin/data/skin_reader_win.h"

namespace ov {

class TkrvSkinRes {
public:
    virtual ~TkrvSkinRes() = default;

    // Stores the reader (not owned) and rebuilds the images from it.
    void SetReader(TkrvSkinReader* reader)
    {
        FReader = reader;
        Reload();
    }
    virtual void Reload() {}

protected:
    TkrvSkinReader* FReader = nullptr;
};

}  // namespace ov
