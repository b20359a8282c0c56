// TScrollBox: a sunken edge around a scrolling container of our own window class.
#include "framework/controls/scroll_box.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TScrollBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TScrollBox>(L"TScrollBox", TScrollingWinControl::StaticClass())
            .Creatable()
            .Property(L"BorderStyle", BorderStyleType(), &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle)
            .Build();
    return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& params)
{
    TScrollingWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    if (borderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle value)
{
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

}  // namespace ov
