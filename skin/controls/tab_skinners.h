// Tab controls painted from the skin: TkrvSkinTabControl for the framework's tab and page controls,
// TkrvSkinWndTabControl for plain "SysTabControl32" windows in dialogs. Both answer the control's
// paint messages themselves and build the whole picture off-screen: the page area framed in the
// control border colour, each tab from the skin's tab face (selected or not), and the skin's line
// along the edge of the page area on the tab side.
#pragma once

#include <string>

#include "framework/controls/tab_control.h"
#include "skin/engine/skin_control.h"

namespace ov {

class TkrvSkinTabControl : public TkrvSkinControlVCL {
public:
    TkrvSkinTabControl(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;
    virtual std::wstring GetWideTabCaption(int index);

private:
    [[nodiscard]] TCustomTabControl& Tabs() const { return static_cast<TCustomTabControl&>(*FControl); }
    void DrawTab(TBitmap& target, int index, bool selected, const RECT& tabRect);
};

class TkrvSkinWndTabControl : public TkrvSkinControlWnd {
public:
    TkrvSkinWndTabControl(HWND window, TkrvSkinWindow* owner) : TkrvSkinControlWnd(window, owner) {}

    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Initialize() override;
    void Update() override;
    void Paint() override;

private:
    void DrawTab(TBitmap& target, int index, bool selected, const RECT& tabRect);
    int FTabHeight = 0;
};

// Where a tab row lies, as the skin's tab resources number their turns: as stored (top), turned
// counter-clockwise (left), half a turn (bottom), turned clockwise (right).
int TabTurn(TTabPosition position);
// The rectangle the skin's tab line is stretched into, along the page area `page` on the tab side,
// for a line `lineThickness` pixels across.
RECT TabLineRect(TTabPosition position, const RECT& page, int lineThickness);

}  // namespace ov
