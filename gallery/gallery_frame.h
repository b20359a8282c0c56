// TGalleryFrame: a frame with a layout of its own (TGALLERYFRAME), placed on the gallery's
// Containers page by the gallery form's layout.
#pragma once

#include "framework/controls/frame.h"

namespace ov {

class TLabel;
class TEdit;
class TButton;

class TGalleryFrame : public TFrame {
    OV_CLASS(TGalleryFrame, TFrame)

    explicit TGalleryFrame(TComponent* owner);

    TLabel* FrameLabel = nullptr;
    TEdit* FrameEdit = nullptr;
    TButton* FrameButton = nullptr;

    // Counts its presses into the frame's edit.
    void FrameButtonClick(TObject* Sender);

private:
    int presses_ = 0;
};

}  // namespace ov
