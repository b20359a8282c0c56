// The combo box and date picker skinners: the button's face, and real combo boxes and pickers read
// back from the screen and used with real input.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/controls/combo_box_ex.h"
#include "framework/controls/date_time_picker.h"
#include "skin/controls/combo_skinners.h"
#include "skin/controls/control_skinners.h"
#include "skin/controls/value_skinners.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_window.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"

namespace ov {
namespace {

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

COLORREF ScreenColour(POINT p)
{
    test::ScreenPixels shot({p.x, p.y, p.x + 1, p.y + 1});
    return shot.At(0, 0);
}

POINT ClientToScreenPoint(HWND window, POINT p)
{
    ClientToScreen(window, &p);
    return p;
}

TEST(ComboButtonLook, SeparatorBesideTheButtonAndTheArrowInItsMiddle)
{
    const RECT button{181, 2, 198, 20};
    TkrvComboButtonLook look = ComboButtonLook(button, false);
    EXPECT_TRUE(EqualRect(&look.face, &button));
    EXPECT_EQ(look.lineFrom.x, 181);
    EXPECT_EQ(look.lineFrom.y, 1) << "one pixel above the button";
    EXPECT_EQ(look.lineTo.y, 21) << "to one pixel below it";
    EXPECT_EQ(look.arrow.x, 181 + 17 / 2 - 3);
    EXPECT_EQ(look.arrow.y, 18 / 2) << "measured from the top of the client area";
    EXPECT_EQ(ComboButtonLook(button, true).lineFrom.x, 197) << "right to left: at the button's right edge";
}

const char* kCombos = R"(  object ComboBox1: TComboBox
    Left = 10
    Top = 10
    Width = 150
    Height = 24
    Style = csDropDownList
    Items.Strings = (
      'First'
      'Second'
      'Third')
  end
  object ComboBox2: TComboBox
    Left = 10
    Top = 150
    Width = 150
    Height = 80
    Style = csSimple
  end
  object ComboBoxEx1: TComboBoxEx
    Left = 10
    Top = 50
    Width = 150
    Height = 24
    Style = csDropDownList
  end
  object DateTimePicker1: TDateTimePicker
    Left = 200
    Top = 10
    Width = 150
    Height = 24
    Kind = dtkTime
    Time = '10:20:30'
  end
  object DateTimePicker2: TDateTimePicker
    Left = 200
    Top = 50
    Width = 150
    Height = 24
    Date = '2026-03-15'
  end
  object DateTimePicker3: TDateTimePicker
    Tag = 9998
    Left = 200
    Top = 90
    Width = 150
    Height = 24
    Kind = dtkTime
  end
)";

class ComboSkinners : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlSkinners();
        skinned_ = std::make_unique<test::SkinnedForm>(test::FormLayout(380, 250, kCombos));
        skinned_->ShowInFront();
    }
    template <typename T>
    T* Find(const wchar_t* name) const
    {
        return static_cast<T*>(skinned_->Form()->FindComponent(name));
    }
    template <typename Skinner>
    Skinner* SkinnerOf(TControl* control) const
    {
        TkrvSkinWindow* frame = skinned_->Engine()->FindSkinWindow(skinned_->Window());
        for (const auto& s : frame->ControlSkinners())
            if (s->Control() == control)
                return dynamic_cast<Skinner*>(s.get());
        return nullptr;
    }
    [[nodiscard]] TColor Colour(Skin2Color id) const { return skinned_->Engine()->GetColor(id); }

    std::unique_ptr<test::SkinnedForm> skinned_;
};

// The button drawn over the system's own: the control colour, the border colour's separator, the
// black arrow; the two rings of the frame. (Dropping down is tried on the gallery.)
TEST_F(ComboSkinners, ADropDownListShowsTheSkinsButton)
{
    auto* combo = Find<TComboBox>(L"ComboBox1");
    ASSERT_NE(SkinnerOf<TkrvSkinComboBox>(combo), nullptr);
    HWND window = combo->Handle();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(window, &info));
    TkrvComboButtonLook look = ComboButtonLook(info.rcButton, false);
    COLORREF face = Rgb(Colour(SKIN2_CONTROLCOLOR));
    COLORREF border = Rgb(Colour(SKIN2_CONTROLBORDERCOLOR));
    EXPECT_EQ(ScreenColour(ClientToScreenPoint(window, {info.rcButton.right - 2, info.rcButton.top + 1})), face);
    EXPECT_EQ(ScreenColour(ClientToScreenPoint(window, {look.lineFrom.x, look.lineFrom.y + 3})), border);
    EXPECT_EQ(ScreenColour(ClientToScreenPoint(window, {look.arrow.x + 3, look.arrow.y + 1})), RGB(0, 0, 0));
    EXPECT_EQ(ScreenColour(ClientToScreenPoint(window, {0, 5})), border) << "the outer ring";
}

// An extended combo box is drawn on its inner combo box, which covers it.
TEST_F(ComboSkinners, AnExtendedComboBoxShowsTheSkinsButton)
{
    auto* combo = Find<TComboBox>(L"ComboBoxEx1");
    ASSERT_NE(SkinnerOf<TkrvSkinComboBoxEx>(combo), nullptr);
    HWND inner = reinterpret_cast<HWND>(SendMessageW(combo->Handle(), CBEM_GETCOMBOCONTROL, 0, 0));
    ASSERT_NE(inner, nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(inner, &info));
    EXPECT_EQ(ScreenColour(ClientToScreenPoint(inner, {info.rcButton.right - 2, info.rcButton.top + 1})),
              Rgb(Colour(SKIN2_CONTROLCOLOR)));
    EXPECT_EQ(ScreenColour(ClientToScreenPoint(inner, {info.rcButton.left, info.rcButton.top + 2})),
              Rgb(Colour(SKIN2_CONTROLBORDERCOLOR)));
}

TEST_F(ComboSkinners, ASimpleComboBoxKeepsItsOwnLook)
{
    auto* combo = Find<TComboBox>(L"ComboBox2");
    ASSERT_NE(SkinnerOf<TkrvSkinComboBox>(combo), nullptr);
    POINT corner = ClientToScreenPoint(combo->Handle(), {0, 0});
    EXPECT_NE(ScreenColour(corner), Rgb(Colour(SKIN2_CONTROLBORDERCOLOR)));
}

// A time picker's spin buttons are covered by the skinned up-down, which steps the time exactly as
// the picker's own buttons do (the skin switched off shows them again).
TEST_F(ComboSkinners, ATimePickersSkinnedUpDownStepsTheTimeAsItsOwnButtons)
{
    auto* picker = Find<TDateTimePicker>(L"DateTimePicker1");
    auto* skinner = SkinnerOf<TkrvSkinDateTimePicker>(picker);
    ASSERT_NE(skinner, nullptr);
    ASSERT_NE(skinner->UpDown(), nullptr);
    EXPECT_FALSE(skinner->Button()->Visible()) << "no drop-down button on a time picker";
    HWND spin = FindPickerSpin(picker->Handle());
    ASSERT_NE(spin, nullptr);
    EXPECT_TRUE(skinner->UpDown()->Visible());
    EXPECT_FALSE(IsWindowVisible(spin));
    RECT overlay{};
    GetWindowRect(skinner->UpDown()->Handle(), &overlay);
    RECT pickerRect{};
    GetWindowRect(picker->Handle(), &pickerRect);
    EXPECT_LE(pickerRect.right - overlay.right, 2) << "at the picker's right edge";
    EXPECT_EQ(ScreenColour({overlay.left + 3, overlay.top + 3}), Rgb(Colour(SKIN2_FORMCOLOR))) << "the skin's up-down";

    POINT upper{overlay.left + (overlay.right - overlay.left) / 2, overlay.top + 4};
    POINT hour{pickerRect.left + 8, (pickerRect.top + pickerRect.bottom) / 2};
    std::wstring before = picker->Time();
    test::ClickAt(hour);  // the spin buttons step the field that is selected
    test::Pump(100);
    test::ClickAt(upper);
    test::Pump(150);
    std::wstring skinnedStep = picker->Time();
    EXPECT_NE(skinnedStep, before);

    skinned_->Engine()->SetActive(false);
    test::Pump(100);
    EXPECT_TRUE(IsWindowVisible(spin)) << "the picker's own buttons are back";
    EXPECT_FALSE(skinner->UpDown()->Visible());
    picker->SetTime(before);
    test::ClickAt(hour);
    test::Pump(100);
    test::ClickAt(upper);
    test::Pump(150);
    EXPECT_EQ(picker->Time(), skinnedStep) << "the same step as the picker's own up button";
    skinned_->Engine()->SetActive(true);
    test::Pump(100);
    EXPECT_FALSE(IsWindowVisible(spin));
}

// A date picker in combo mode gets the button panel; a click on it opens the calendar.
TEST_F(ComboSkinners, ADatePickersButtonPanelOpensTheCalendar)
{
    auto* picker = Find<TDateTimePicker>(L"DateTimePicker2");
    auto* skinner = SkinnerOf<TkrvSkinDateTimePicker>(picker);
    ASSERT_NE(skinner, nullptr);
    ASSERT_NE(skinner->Button(), nullptr);
    EXPECT_TRUE(skinner->Button()->Visible());
    EXPECT_FALSE(skinner->UpDown()->Visible());
    RECT panel{};
    GetWindowRect(skinner->Button()->Handle(), &panel);
    EXPECT_EQ(panel.right - panel.left, 16);
    EXPECT_EQ(ScreenColour({panel.right - 2, panel.top + 1}), Rgb(Colour(SKIN2_CONTROLCOLOR)));
    EXPECT_EQ(ScreenColour({panel.left, panel.top + 3}), Rgb(Colour(SKIN2_CONTROLBORDERCOLOR)));
    auto calendarShown = [&] {
        HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
        return calendar && IsWindowVisible(calendar);
    };
    EXPECT_FALSE(calendarShown());
    test::ClickAt({(panel.left + panel.right) / 2, (panel.top + panel.bottom) / 2});
    test::Pump(200);
    EXPECT_TRUE(calendarShown());
    PostMessageW(reinterpret_cast<HWND>(SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0)), WM_KEYDOWN, VK_ESCAPE,
                 0);
    test::Pump(100);
}

TEST_F(ComboSkinners, APickerTaggedToKeepItsSpinButtonsGetsNoOverlay)
{
    auto* picker = Find<TDateTimePicker>(L"DateTimePicker3");
    auto* skinner = SkinnerOf<TkrvSkinDateTimePicker>(picker);
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->UpDown(), nullptr);
    HWND spin = FindPickerSpin(picker->Handle());
    ASSERT_NE(spin, nullptr);
    EXPECT_TRUE(IsWindowVisible(spin));
}

}  // namespace
}  // namespace ov
