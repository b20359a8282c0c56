// TCustomStatusBar: panels sent as SB_SETPARTS and SB_SETTEXT; the framework places the bar.
#include "framework/controls/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TStatusPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStatusPanel>(L"TStatusPanel", TCollectionItem::StaticClass())
                                        .Property(L"Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
                                        .Property(L"Text", &TStatusPanel::Text, &TStatusPanel::SetText)
                                        .Property(L"Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
                                        .Build();
    return info;
}

void TStatusPanel::Changed()
{
    if (TCollection* c = Collection())
        c->OnChange.Fire(c);
}

void TStatusPanel::SetText(const std::wstring& value)
{
    text_ = value;
    Changed();
}

void TStatusPanel::SetWidth(int value)
{
    width_ = value;
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Changed();
}

const TClassInfo& TCustomStatusBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomStatusBar>(L"TCustomStatusBar", TWinControl::StaticClass())
            .Property(L"Panels", &TCustomStatusBar::Panels)
            .Property(L"SimplePanel", &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel)
            .Property(L"SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText)
            .Property(L"SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip)
            .Build();
    return info;
}

const TClassInfo& TStatusBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TStatusBar>(L"TStatusBar", TCustomStatusBar::StaticClass()).Creatable().Build();
    return info;
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner),
      panels_(std::make_unique<TCollection>([](TCollection* c) { return std::make_unique<TStatusPanel>(c); }, this))
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    panels_->OnChange = TNotifyEvent(this, &TCustomStatusBar::PanelsChanged);
}

TCustomStatusBar::~TCustomStatusBar() { panels_->OnChange = {}; }

TStatusPanel* TCustomStatusBar::AddPanel(const std::wstring& text, int width)
{
    auto panel = static_cast<TStatusPanel*>(panels_->Add());
    panel->SetText(text);
    panel->SetWidth(width);
    return panel;
}

void TCustomStatusBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, STATUSCLASSNAMEW);
    // The framework places the bar (CCS_NORESIZE); the grip is the bar's own, not a scroll bar.
    params.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (sizeGrip_)
        params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd()
{
    TWinControl::CreateWnd();
    PanelsChanged();
}

void TCustomStatusBar::PanelsChanged(TObject*)
{
    HWND window = WindowHandle();
    if (!window)
        return;
    SendMessageW(window, SB_SIMPLE, simplePanel_, 0);
    if (simplePanel_) {
        SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
        return;
    }
    // Each part's right edge; the last panel takes the rest of the bar.
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < panels_->Count(); ++i) {
        right += Panel(i)->Width();
        edges.push_back(i + 1 == panels_->Count() ? -1 : right);
    }
    if (edges.empty())
        edges.push_back(-1);
    SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < panels_->Count(); ++i) {
        // Tabs in the text centre or right-align it within the part.
        static const wchar_t* const kAlignment[] = {L"", L"\t\t", L"\t"};
        std::wstring text = kAlignment[Panel(i)->Alignment()] + Panel(i)->Text();
        SendMessageW(window, SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TCustomStatusBar::SetSimplePanel(bool value)
{
    simplePanel_ = value;
    PanelsChanged();
}

void TCustomStatusBar::SetSimpleText(const std::wstring& value)
{
    simpleText_ = value;
    PanelsChanged();
}

void TCustomStatusBar::SetSizeGrip(bool value)
{
    if (sizeGrip_ == value)
        return;
    sizeGrip_ = value;
    RecreateWnd();
}

}  // namespace ov
