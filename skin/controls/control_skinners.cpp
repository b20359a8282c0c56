// The rows of the skinner tables, in the order the tables are searched by: framework classes from
// the last row back (a more specific class placed later wins), window classes from the first row.
#include "skin/controls/control_skinners.h"

#include <memory>

#include "skin/controls/button_skinners.h"
#include "skin/controls/check_skinners.h"
#include "skin/controls/combo_skinners.h"
#include "skin/controls/list_skinners.h"
#include "skin/controls/panel_skinners.h"
#include "skin/controls/scroll_skinners.h"
#include "skin/controls/speed_button_skinner.h"
#include "skin/controls/tab_skinners.h"
#include "skin/controls/tool_bar_skinners.h"
#include "skin/controls/value_skinners.h"
#include "skin/engine/skinner_tables.h"

namespace ov {

namespace {

template <typename Skinner>
std::unique_ptr<TkrvSkinControl> MakeForControl(TControl* control, TkrvSkinWindow* owner)
{
    return std::make_unique<Skinner>(control, owner);
}

template <typename Skinner>
std::unique_ptr<TkrvSkinControl> MakeForWindow(HWND window, TkrvSkinWindow* owner)
{
    return std::make_unique<Skinner>(window, owner);
}

const TkrvFrameworkSkinnerRow kFrameworkRows[] = {
    {L"TCustomControl", MakeForControl<TkrvSkinScrollWinControl>},
    {L"TScrollBox", MakeForControl<TkrvSkinScrollWinControl>},
    {L"TToolBar", MakeForControl<TkrvSkinToolBar>},
    {L"TCustomStatusBar", MakeForControl<TkrvSkinStatusBar>},
    {L"TCustomTreeView", MakeForControl<TkrvSkinScrollWinControl>},
    {L"TCustomHotKey", MakeForControl<TkrvSkinBorderWinControl>},
    {L"TCustomTabControl", MakeForControl<TkrvSkinTabControl>},
    {L"TCustomListControl", MakeForControl<TkrvSkinScrollWinControl>},
    {L"TCustomEdit", MakeForControl<TkrvSkinScrollWinControl>},
    // Buttons, check boxes and radio buttons; labels and containers.
    {L"TButton", MakeForControl<TkrvSkinButton>},
    {L"TSpeedButton", MakeForControl<TkrvSkinSpeedButton>},
    {L"TCustomCheckBox", MakeForControl<TkrvSkinCheckBox>},
    {L"TRadioButton", MakeForControl<TkrvSkinRadioButton>},
    {L"TCustomLabel", MakeForControl<TkrvSkinLabel>},
    {L"TCustomPanel", MakeForControl<TkrvSkinPanel>},
    {L"TCoolBar", MakeForControl<TkrvSkinPanel>},
    {L"TCustomGroupBox", MakeForControl<TkrvSkinGroupBox>},
    {L"TCustomFrame", MakeForControl<TkrvSkinFrame>},
    // Value controls, combo boxes, grids, lists and stand-alone scroll bars. Searched backwards, so
    // the extended combo box comes after the combo box, and both and the list view after the list
    // controls above.
    {L"TDateTimePicker", MakeForControl<TkrvSkinDateTimePicker>},
    {L"TCustomUpDown", MakeForControl<TkrvSkinUpDown>},
    {L"TProgressBar", MakeForControl<TkrvSkinProgressBar>},
    {L"TTrackBar", MakeForControl<TkrvSkinTrackBar>},
    {L"TCustomGrid", MakeForControl<TkrvSkinGrid>},
    {L"TScrollBar", MakeForControl<TkrvSkinScrollBar>},
    {L"TCustomListView", MakeForControl<TkrvSkinListView>},
    {L"TCustomComboBox", MakeForControl<TkrvSkinComboBox>},
    {L"TCustomComboBoxEx", MakeForControl<TkrvSkinComboBoxEx>},
};

const TkrvWindowClassSkinnerRow kWindowClassRows[] = {
    {L"COMBOBOX", MakeForWindow<TkrvSkinWndComboBox>},
    {L"COMBOBOXEX32", MakeForWindow<TkrvSkinWndComboBox>},
    {L"SYSTABCONTROL32", MakeForWindow<TkrvSkinWndTabControl>},
    {L"TOOLBARWINDOW32", MakeForWindow<TkrvSkinWndToolbarWindow32>},
    // Push buttons, check boxes and radio buttons of message boxes and system dialogs.
    {L"BUTTON", MakeForWindow<TkrvSkinWndButton>},
    {L"BUTTON_CHECKBOX", MakeForWindow<TkrvSkinWndCheckBox>},
    {L"BUTTON_RADIOBUTTON", MakeForWindow<TkrvSkinWndRadioButton>},
};

}  // namespace

void RegisterControlSkinners()
{
    static const bool registered = [] {
        AddFrameworkSkinners(kFrameworkRows);
        AddWindowClassSkinners(kWindowClassRows);
        return true;
    }();
    (void)registered;
}

}  // namespace ov
