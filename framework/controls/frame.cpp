// TCustomFrame: the frame's own layout read with the frame as the root.
#include "framework/controls/frame.h"

#include <cwctype>

#include "framework/layout/layout_reader.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCustomFrame::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomFrame>(L"TCustomFrame", TScrollingWinControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TFrame::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TFrame>(L"TFrame", TCustomFrame::StaticClass()).Creatable().Build();
    return info;
}

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 320, 240);
}

void TCustomFrame::InitFrame()
{
    std::wstring name = ClassName();
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    ReadLayoutResource(*this, name);
}

void TCustomFrame::InitFrame(std::string_view layoutUtf8) { ReadLayout(*this, layoutUtf8); }

}  // namespace ov
