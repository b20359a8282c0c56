// The rows of the skinner tables, in the order the tables are searched by: framework classes from
// the last row back (a more specific class placed later wins), window classes from the first row.
#include "skin/controls/control_skinners.h"

#include <memory>

#include "skin/controls/tab_skinners.h"
#include "skin/controls/tool_bar_skinners.h"
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
    {L"TToolBar", MakeForControl<TkrvSkinToolBar>},
    {L"TCustomTabControl", MakeForControl<TkrvSkinTabControl>},
};

const TkrvWindowClassSkinnerRow kWindowClassRows[] = {
    {L"SYSTABCONTROL32", MakeForWindow<TkrvSkinWndTabControl>},
    {L"TOOLBARWINDOW32", MakeForWindow<TkrvSkinWndToolbarWindow32>},
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
