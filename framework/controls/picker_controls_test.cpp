// Hot keys and date and time pickers: built from a stored layout, their values reaching the
// system controls and back, their styles following Kind and DateMode, and real keys under Wine
// changing them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/controls/date_time_picker.h"
#include "framework/forms/form.h"
#include "framework/controls/hot_key.h"
#include "tests/test_input.h"
#include "tests/test_layout_form.h"

namespace ov {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  ClientWidth = 400
  ClientHeight = 200
  object HotKey1: THotKey
    Left = 10
    Top = 10
    HotKey = 16449
    Modifiers = [hkCtrl]
    InvalidKeys = [hcNone]
  end
  object DateTimePicker1: TDateTimePicker
    Left = 10
    Top = 50
    Date = '2026-12-07'
    Time = '08:30:15'
  end
  object DateTimePicker2: TDateTimePicker
    Left = 10
    Top = 90
    Kind = dtkTime
    Time = '23:59:00'
  end
  object DateTimePicker3: TDateTimePicker
    Left = 10
    Top = 130
    DateMode = dmUpDown
    DateFormat = dfLong
    Date = '2024-02-29'
  end
end
)";

struct PickerControlsTest : testing::TLayoutFormTest {
    void SetUp() override { Open(kLayout); }
    static bool HasChildOfClass(HWND parent, const wchar_t* className)
    {
        return FindWindowExW(parent, nullptr, className, nullptr) != nullptr;
    }
};

TEST_F(PickerControlsTest, HotKeyReachesTheSystemControlAndBack)
{
    auto hotKey = Find<THotKey>(L"HotKey1");
    // 16449 = scCtrl + 'A'.
    EXPECT_EQ(hotKey->HotKey(), scCtrl + 'A');
    EXPECT_EQ(SendMessageW(hotKey->Handle(), HKM_GETHOTKEY, 0, 0), MAKEWORD('A', HOTKEYF_CONTROL));
    hotKey->SetHotKey(scShift + scAlt + VK_F5);
    EXPECT_EQ(SendMessageW(hotKey->Handle(), HKM_GETHOTKEY, 0, 0), MAKEWORD(VK_F5, HOTKEYF_SHIFT | HOTKEYF_ALT));
    EXPECT_EQ(hotKey->Modifiers(), THKModifiers{hkCtrl});
}

TEST_F(PickerControlsTest, AKeyPressedInAHotKeyBecomesItsHotKey)
{
    auto hotKey = Find<THotKey>(L"HotKey1");
    int changes = 0;
    hotKey->OnChange = [&](TObject*) { ++changes; };
    hotKey->SetFocus();
    testing::PressKey(VK_F7, true);
    EXPECT_EQ(hotKey->HotKey(), scShift + VK_F7);
    EXPECT_GE(changes, 1);
    // Survives a new window.
    hotKey->SetHotKey(scCtrl + 'Q');
    hotKey->SetParent(nullptr);
    hotKey->SetParent(form.get());
    EXPECT_EQ(SendMessageW(hotKey->Handle(), HKM_GETHOTKEY, 0, 0), MAKEWORD('Q', HOTKEYF_CONTROL));
}

TEST_F(PickerControlsTest, DateAndTimeReachThePickerAndBack)
{
    auto picker = Find<TDateTimePicker>(L"DateTimePicker1");
    SYSTEMTIME shown{};
    ASSERT_EQ(DateTime_GetSystemtime(picker->Handle(), &shown), GDT_VALID);
    EXPECT_EQ(shown.wYear, 2026);
    EXPECT_EQ(shown.wMonth, 12);
    EXPECT_EQ(shown.wDay, 7);
    EXPECT_EQ(shown.wHour, 8);
    EXPECT_EQ(shown.wMinute, 30);
    EXPECT_EQ(picker->Date(), L"2026-12-07");
    EXPECT_EQ(picker->Time(), L"08:30:15");
    picker->SetDate(L"2025-02-31");  // not a date: nothing changes
    EXPECT_EQ(picker->Date(), L"2026-12-07");
    // A date picker in combo mode drops down a calendar: no spin buttons.
    EXPECT_FALSE(GetWindowLongW(picker->Handle(), GWL_STYLE) & (DTS_UPDOWN | DTS_TIMEFORMAT));
    EXPECT_FALSE(HasChildOfClass(picker->Handle(), UPDOWN_CLASSW));
    EXPECT_TRUE(picker->ControlStyle().Contains(csAcceptsControls));
}

TEST_F(PickerControlsTest, TimeAndUpDownPickersShowSpinButtons)
{
    auto time = Find<TDateTimePicker>(L"DateTimePicker2");
    EXPECT_TRUE(GetWindowLongW(time->Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
    EXPECT_TRUE(HasChildOfClass(time->Handle(), UPDOWN_CLASSW));
    EXPECT_EQ(time->Time(), L"23:59:00");
    auto upDown = Find<TDateTimePicker>(L"DateTimePicker3");
    EXPECT_TRUE(GetWindowLongW(upDown->Handle(), GWL_STYLE) & DTS_UPDOWN);
    EXPECT_TRUE(GetWindowLongW(upDown->Handle(), GWL_STYLE) & DTS_LONGDATEFORMAT);
    EXPECT_TRUE(HasChildOfClass(upDown->Handle(), UPDOWN_CLASSW));
    // Switching the kind keeps the value.
    upDown->SetKind(dtkTime);
    EXPECT_TRUE(GetWindowLongW(upDown->Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
    EXPECT_EQ(upDown->Date(), L"2024-02-29");
}

TEST_F(PickerControlsTest, TheUpArrowKeyStepsTheFieldAndFiresOnChange)
{
    auto picker = Find<TDateTimePicker>(L"DateTimePicker1");  // short date: the month comes first
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    // A click on the first field selects it; the up arrow steps it.
    testing::Click(*picker, {6, picker->ClientHeight() / 2});
    std::wstring before = picker->Date();
    testing::PressKey(VK_UP);
    EXPECT_NE(picker->Date(), before);
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace ov
