// Run-time User32 entry points with their failure rules, and the version flags.
#include "skin/data/user32_entries_win.h"

#include <gtest/gtest.h>

#include "skin/data/windows_version_win.h"

namespace ov {
namespace {

// A hidden top-level window with a child, owned for one test.
struct TwoWindows {
    UniqueWindow parent{::CreateWindowExW(0, L"STATIC", L"Zelvo健康咨询系列", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0,
                                          200, 100, nullptr, nullptr, nullptr, nullptr)};
    HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent.get(), nullptr, nullptr, nullptr);
};

TEST(RuntimeUser32, GetAncestorWorksWithOrWithoutAnEarlierComboBoxCall)
{
    TwoWindows w;
    ASSERT_TRUE(w.child);
    RuntimeUser32 fresh;
    EXPECT_EQ(fresh.GetAncestor(w.child, GA_PARENT), w.parent.get());

    RuntimeUser32 afterCombo;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(afterCombo.GetComboBoxInfo(w.child, &info));  // a static control is no combo box
    EXPECT_EQ(afterCombo.GetAncestor(w.child, GA_PARENT), w.parent.get());
    EXPECT_FALSE(afterCombo.LookupFailed());

    EXPECT_EQ(SkinGetAncestor(w.child, GA_ROOT), w.parent.get());
}

TEST(RuntimeUser32, AFailedLookupSwitchesOffTheFirstThreeButNotTheWindowText)
{
    TwoWindows w;
    RuntimeUser32 kernel(L"kernel32.dll");  // a real module without these functions
    EXPECT_EQ(kernel.GetAncestor(w.child, GA_PARENT), nullptr);
    EXPECT_TRUE(kernel.LookupFailed());
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    EXPECT_FALSE(kernel.GetScrollBarInfo(w.parent.get(), OBJID_VSCROLL, &bar));
    EXPECT_EQ(kernel.InternalWindowText(w.parent.get()), L"");

    RuntimeUser32 missing(L"no-such-module.dll");
    EXPECT_EQ(missing.GetAncestor(w.child, GA_PARENT), nullptr);
    EXPECT_TRUE(missing.LookupFailed());
}

TEST(RuntimeUser32, WindowCaptionIsReadAsWideText)
{
    TwoWindows w;
    EXPECT_EQ(GetWindowCaptionW(w.parent.get()), L"Zelvo健康咨询系列");
    EXPECT_EQ(GetWindowCaptionW(w.child), L"");
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    EXPECT_TRUE(SkinGetScrollBarInfo(w.parent.get(), OBJID_VSCROLL, &bar));
    EXPECT_GT(bar.rcScrollBar.bottom, bar.rcScrollBar.top);
}

TEST(WindowsVersion, FlagsFromPlatformAndVersion)
{
    const auto nt = [](unsigned long major, unsigned long minor) {
        return ClassifyWindowsVersion(VER_PLATFORM_WIN32_NT, major, minor);
    };
    EXPECT_TRUE(ClassifyWindowsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 0).isWin95);
    EXPECT_FALSE(ClassifyWindowsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10).isWin95);
    EXPECT_FALSE(nt(4, 0).isWin95);
    EXPECT_FALSE(nt(5, 0).isWinXP);
    EXPECT_TRUE(nt(5, 1).isWinXP);
    EXPECT_TRUE(nt(6, 0).isWinXP);
    EXPECT_TRUE(nt(6, 0).isVista);
    EXPECT_FALSE(nt(6, 1).isVista);
    EXPECT_TRUE(nt(10, 0).isWinXP);
    EXPECT_TRUE(WindowsVersion().isNT);  // Wine and every supported Windows are NT
}

}  // namespace
}  // namespace ov
