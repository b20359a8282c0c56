// One of each value control, combo box, picker, grid, list view and scroll bar under the skin:
// switching the skin off and on, loading it again and using the controls a hundred times leaves the
// process's GDI objects and windows where they were.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/progress_bar.h"
#include "tests/test_counts.h"
#include "framework/controls/track_bar.h"
#include "framework/core/unicode.h"
#include "skin/controls/control_skinners.h"
#include "skin/engine/engine_test_support.h"

namespace ov {
namespace {

const char* kEverything = R"(  object ProgressBar1: TProgressBar
    Left = 10
    Top = 10
    Width = 150
    Height = 18
    Position = 40
  end
  object TrackBar1: TTrackBar
    Left = 10
    Top = 40
    Width = 150
    Height = 40
    SelStart = 2
    SelEnd = 6
  end
  object UpDown1: TUpDown
    Left = 170
    Top = 10
    Width = 17
    Height = 24
  end
  object ScrollBar1: TScrollBar
    Left = 10
    Top = 90
    Width = 150
    Height = 18
  end
  object ComboBox1: TComboBox
    Left = 200
    Top = 10
    Width = 120
    Height = 24
    Style = csDropDownList
  end
  object ComboBoxEx1: TComboBoxEx
    Left = 200
    Top = 40
    Width = 120
    Height = 24
  end
  object DateTimePicker1: TDateTimePicker
    Left = 200
    Top = 70
    Width = 120
    Height = 24
    Kind = dtkTime
  end
  object DateTimePicker2: TDateTimePicker
    Left = 200
    Top = 100
    Width = 120
    Height = 24
  end
  object StringGrid1: TStringGrid
    Left = 10
    Top = 120
    Width = 150
    Height = 80
  end
  object ListView1: TListView
    Left = 170
    Top = 130
    Width = 150
    Height = 70
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Name'
        Width = 80
      end>
  end
)";

TEST(ValueListAndComboSkinnersLongRun, SwitchingReloadingAndUsingKeepObjectCountsLevel)
{
    RegisterControlSkinners();
    test::SkinnedForm skinned(test::FormLayout(340, 220, kEverything));
    skinned.ShowInFront();
    TkrvSkinEngine* engine = skinned.Engine();
    auto* progress = static_cast<TProgressBar*>(skinned.Form()->FindComponent(L"ProgressBar1"));
    auto* track = static_cast<TTrackBar*>(skinned.Form()->FindComponent(L"TrackBar1"));
    auto* combo = static_cast<TComboBox*>(skinned.Form()->FindComponent(L"ComboBox1"));
    combo->Items()->Add(L"One");
    combo->Items()->Add(L"Two");
    const std::wstring package = Utf8ToWide(test::BuiltinSkinPath());
    auto round = [&](int i) {
        engine->SetActive(false);
        Application->ProcessMessages();
        engine->SetActive(true);
        progress->SetPosition(i % 100);
        track->SetPosition(i % 10);
        combo->SetDroppedDown(true);
        Application->ProcessMessages();
        combo->SetDroppedDown(false);
        RedrawWindow(skinned.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Application->ProcessMessages();
        if (i % 10 == 0) {
            engine->SetSkinFile(package);
            Application->ProcessMessages();
        }
    };
    round(0);
    round(1);
    test::Pump(50);
    const int windows = testing::LiveThreadWindows();
    const int gdi = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i)
        round(i);
    test::Pump(50);
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
}

}  // namespace
}  // namespace ov
