// TCustomLabel: text drawn with DrawText on the parent's DC.
#include "framework/controls/label.h"

#include <cwctype>

#include "framework/controls/button.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "framework/core/properties.h"
#include "framework/forms/win_control.h"

namespace ov {

const TClassInfo& TCustomLabel::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomLabel>(L"TCustomLabel", TGraphicControl::StaticClass())
            .Property(L"Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment)
            .Property(L"AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize)
            .Property(L"FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
            .Property(L"Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout)
            .Property(L"ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar)
            .Property(L"Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent)
            .Property(L"WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap)
            .Build();
    return info;
}

const TClassInfo& TLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TLabel>(L"TLabel", TCustomLabel::StaticClass()).Creatable().Build();
    return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (alignment_ != value) {
        alignment_ = value;
        Invalidate();
    }
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (autoSize_ != value) {
        autoSize_ = value;
        AdjustBounds();
    }
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (wordWrap_ != value) {
        wordWrap_ = value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    TControlStyle style = ControlStyle();
    SetControlStyle(value ? style - TControlStyle{csOpaque} : style + TControlStyle{csOpaque});
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (layout_ != value) {
        layout_ = value;
        Invalidate();
    }
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (showAccelChar_ != value) {
        showAccelChar_ = value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::SetFocusControl(TWinControl* value)
{
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR: {
        wchar_t accelerator = AcceleratorOf(Caption());
        if (showAccelChar_ && focusControl_ && accelerator &&
            accelerator == std::towupper(static_cast<wchar_t>(message.WParam)) && focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            message.Result = 1;
        }
        return;
    }
    default:
        TGraphicControl::WndProc(message);
    }
}

UINT TCustomLabel::TextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DrawCaption(HDC dc, RECT& rect, UINT flags)
{
    std::wstring text = Caption();
    if (text.empty() || ((flags & DT_CALCRECT) && showAccelChar_ && text.front() == L'&' && text.size() == 1))
        text += L' ';
    if (!(flags & DT_CALCRECT) && !Enabled()) {
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextW(dc, text.c_str(), -1, &shifted, flags);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
    }
    DrawTextW(dc, text.c_str(), -1, &rect, flags);
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = *Canvas();
    RECT r = ClientRect();
    if (!transparent_) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(r);
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.RequireFont();
    HDC dc = canvas.Handle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    UINT flags = TextFlags() | (alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT);
    if (layout_ != tlTop) {
        RECT measured = r;
        DrawCaption(dc, measured, flags | DT_CALCRECT);
        int height = measured.bottom - measured.top;
        r.top = layout_ == tlBottom ? r.bottom - height : (r.top + r.bottom - height) / 2;
    }
    DrawCaption(dc, r, flags);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading))
        return;
    UniqueWindowDC screen = GetWindowDCOwned(nullptr);
    TCanvas canvas(screen.get());
    canvas.Font()->Assign(*Font());
    canvas.RequireFont();
    RECT r = ClientRect();
    if (!wordWrap_)
        r.right = r.left;
    DrawCaption(canvas.Handle(), r, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify)
        left += Width() - (r.right - r.left);
    SetBounds(left, Top(), r.right - r.left, r.bottom - r.top);
}

}  // namespace ov
