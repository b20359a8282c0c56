// TCustomGroupBox: the frame and caption drawn on the group box's canvas.
#include "framework/controls/group_box.h"

#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCustomGroupBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomGroupBox>(L"TCustomGroupBox", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TGroupBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TGroupBox>(L"TGroupBox", TCustomGroupBox::StaticClass()).Creatable().Build();
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks});
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() const { return ScreenLineHeight(*Font()); }

void TCustomGroupBox::AdjustClientRect(RECT& rect) const
{
    rect.top += CaptionHeight();
    InflateRect(&rect, -2, -2);
}

void TCustomGroupBox::WndProc(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;  // Paint covers the whole client area
        return;
    }
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) {
        Realign();
        Invalidate();
    }
    TCustomControl::WndProc(message);
}

void TCustomGroupBox::Paint()
{
    TCanvas& canvas = *Canvas();
    RECT client = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    canvas.SetFont(*Font());
    int lineHeight = canvas.TextHeight(L"0");
    RECT frame{client.left, client.top + lineHeight / 2, client.right, client.bottom};
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    std::wstring caption = Caption();
    if (caption.empty())
        return;
    RECT text{8, 0, client.right - 8, lineHeight};
    canvas.DrawText(caption, text, DT_CALCRECT | DT_SINGLELINE);
    canvas.Brush()->SetColor(Color());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    canvas.DrawText(caption, text, DT_SINGLELINE);
}

}  // namespace ov
