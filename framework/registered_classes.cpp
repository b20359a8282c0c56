// The list of framework classes that a layout can name. Building each class's information
// registers it by name; listing them here also keeps the linker from dropping classes that only
// layouts refer to.
#include "framework/application.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/combo_box_ex.h"
#include "framework/component.h"
#include "framework/cool_bar.h"
#include "framework/date_time_picker.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/frame.h"
#include "framework/group_box.h"
#include "framework/hot_key.h"
#include "framework/image.h"
#include "framework/image_list.h"
#include "framework/label.h"
#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/memo.h"
#include "framework/menus.h"
#include "framework/page_control.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"
#include "framework/radio_button.h"
#include "framework/scroll_bar.h"
#include "framework/scroll_box.h"
#include "framework/speed_button.h"
#include "framework/status_bar.h"
#include "framework/string_grid.h"
#include "framework/tab_control.h"
#include "framework/timer.h"
#include "framework/tool_bar.h"
#include "framework/track_bar.h"
#include "framework/tree_view.h"
#include "framework/up_down.h"

namespace ov {

void RegisterFrameworkClasses()
{
    static const bool registered = [] {
        const TClassInfo& (*const classes[])() = {
            &TComponent::StaticClass,
            &TForm::StaticClass,
            &TMainMenu::StaticClass,
            &TPopupMenu::StaticClass,
            &TMenuItem::StaticClass,
            &TApplicationEvents::StaticClass,
            &TButton::StaticClass,
            &TPanel::StaticClass,
            &TLabel::StaticClass,
            &TImage::StaticClass,
            &TTimer::StaticClass,
            &TEdit::StaticClass,
            &TMemo::StaticClass,
            &TImageList::StaticClass,
            &TTabControl::StaticClass,
            &TPageControl::StaticClass,
            &TTabSheet::StaticClass,
            &TToolBar::StaticClass,
            &TToolButton::StaticClass,
            &TCheckBox::StaticClass,
            &TRadioButton::StaticClass,
            &TGroupBox::StaticClass,
            &TSpeedButton::StaticClass,
            &TProgressBar::StaticClass,
            &TTrackBar::StaticClass,
            &TUpDown::StaticClass,
            &TScrollBar::StaticClass,
            &TComboBox::StaticClass,
            &TComboBoxEx::StaticClass,
            &TListBox::StaticClass,
            &TListView::StaticClass,
            &TTreeView::StaticClass,
            &TScrollBox::StaticClass,
            &TFrame::StaticClass,
            &TCoolBar::StaticClass,
            &THotKey::StaticClass,
            &TDateTimePicker::StaticClass,
            &TDrawGrid::StaticClass,
            &TStringGrid::StaticClass,
            &TStatusBar::StaticClass,
        };
        for (auto staticClass : classes)
            staticClass();
        return true;
    }();
    (void)registered;
}

}  // namespace ov
