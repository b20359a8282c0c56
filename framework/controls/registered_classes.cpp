// The list of framework classes that a layout can name. Building each class's information
// registers it by name, and this file builds them all while the program starts. The build links
// this file's object into every program that uses the framework (it is not taken from a library
// only when something refers to it), which also keeps the linker from dropping classes that only
// layouts refer to.
#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/combo_box_ex.h"
#include "framework/core/component.h"
#include "framework/controls/cool_bar.h"
#include "framework/controls/date_time_picker.h"
#include "framework/controls/edit.h"
#include "framework/forms/form.h"
#include "framework/controls/frame.h"
#include "framework/controls/group_box.h"
#include "framework/controls/hot_key.h"
#include "framework/controls/image.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/label.h"
#include "framework/controls/list_box.h"
#include "framework/controls/list_view.h"
#include "framework/controls/memo.h"
#include "framework/forms/menus.h"
#include "framework/controls/page_control.h"
#include "framework/controls/panel.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/radio_button.h"
#include "framework/controls/scroll_bar.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/speed_button.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/string_grid.h"
#include "framework/controls/tab_control.h"
#include "framework/forms/timer.h"
#include "framework/controls/tool_bar.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/tree_view.h"
#include "framework/controls/up_down.h"

namespace ov {

namespace {

void RegisterFrameworkClasses()
{
    const TClassInfo& (*const classes[])() = {
        &TComponent::StaticClass,      &TForm::StaticClass,        &TMainMenu::StaticClass,
        &TPopupMenu::StaticClass,      &TMenuItem::StaticClass,    &TApplicationEvents::StaticClass,
        &TButton::StaticClass,         &TPanel::StaticClass,       &TLabel::StaticClass,
        &TImage::StaticClass,          &TTimer::StaticClass,       &TEdit::StaticClass,
        &TMemo::StaticClass,           &TImageList::StaticClass,   &TTabControl::StaticClass,
        &TPageControl::StaticClass,    &TTabSheet::StaticClass,    &TToolBar::StaticClass,
        &TToolButton::StaticClass,     &TCheckBox::StaticClass,    &TRadioButton::StaticClass,
        &TGroupBox::StaticClass,       &TSpeedButton::StaticClass, &TProgressBar::StaticClass,
        &TTrackBar::StaticClass,       &TUpDown::StaticClass,      &TScrollBar::StaticClass,
        &TComboBox::StaticClass,       &TComboBoxEx::StaticClass,  &TListBox::StaticClass,
        &TListView::StaticClass,       &TTreeView::StaticClass,    &TScrollBox::StaticClass,
        &TFrame::StaticClass,          &TCoolBar::StaticClass,     &THotKey::StaticClass,
        &TDateTimePicker::StaticClass, &TDrawGrid::StaticClass,    &TStringGrid::StaticClass,
        &TStatusBar::StaticClass,
    };
    for (auto staticClass : classes)
        staticClass();
}

[[maybe_unused]] const bool kRegistered = (RegisterFrameworkClasses(), true);

}  // namespace

}  // namespace ov
