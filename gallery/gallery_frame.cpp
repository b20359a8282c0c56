// TGalleryFrame: its own layout read on construction; its components are its own.
#include "gallery/gallery_frame.h"

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TGalleryFrame::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGalleryFrame>(L"TGalleryFrame", TFrame::StaticClass())
                                        .Creatable()
                                        .Field(L"FrameLabel", &TGalleryFrame::FrameLabel)
                                        .Field(L"FrameEdit", &TGalleryFrame::FrameEdit)
                                        .Field(L"FrameButton", &TGalleryFrame::FrameButton)
                                        .Method(L"FrameButtonClick", &TGalleryFrame::FrameButtonClick)
                                        .Build();
    return info;
}

TGalleryFrame::TGalleryFrame(TComponent* owner) : TFrame(owner) { InitFrame(); }

void TGalleryFrame::FrameButtonClick(TObject*)
{
    FrameEdit->SetText(L"Pressed " + std::to_wstring(++presses_) + L" times");
}

}  // namespace ov
