// The real ovalune-gallery.exe under Wine, used from outside with real input: its value controls,
// combo boxes, date pickers, scroll bars and lists show the skin's own pictures (read here from
// the same package), behave as the controls do unskinned, and go back to their own look and
// return when the skin is switched off and on.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/reader_driver.h"
#include "tests/gallery_process.h"
#include "gallery/plain_dialog_ids.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/data/skin_reader_win.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"

namespace ov::test {
namespace {

enum Page { kButtons, kText, kChoices, kValues, kLists, kContainers };
constexpr int kPlainDialogButton = 3;  // the tool bar's "Plain dialog" button
constexpr int kSkinButton = 6;         // and its "Skin" button

TkrvSkinReader& Skin()
{
    static TkrvSkinReader reader(OV_BUILTIN_SKIN_PATH, "");
    return reader;
}

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }
COLORREF SkinColour(Skin2Color id) { return Rgb(Skin().GetColor(id)); }

COLORREF ScreenColour(POINT p)
{
    ScreenPixels shot({p.x, p.y, p.x + 1, p.y + 1});
    return shot.At(0, 0);
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

RECT ClientToScreenRect(HWND window, RECT r)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The gallery, started for one test and ended after it.
class Gallery {
public:
    Gallery() : process_(GALLERY_EXE, L""), main_(process_.Main())
    {
        if (main_)
            SetForegroundWindow(main_);
    }

    [[nodiscard]] HWND Main() const noexcept { return main_; }

    // Brings a page to the front by clicking its tab.
    void ShowPage(Page page) const
    {
        HWND pages = Find(main_, L"TPageControl");
        RECT tab = QueryRemote<RECT>(pages, TCM_GETITEMRECT, page);
        ClickAt(Centre(ClientToScreenRect(pages, tab)));
        WaitUntil([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == page; });
        Sleep(300);  // the page's controls paint
    }
    void ClickToolButton(int index) const
    {
        HWND toolBar = Find(main_, L"TToolBar");
        RECT button = QueryRemote<RECT>(toolBar, TB_GETITEMRECT, index);
        ClickAt(Centre(ClientToScreenRect(toolBar, button)));
    }
    void ClickSkinButton() const { ClickToolButton(kSkinButton); }
    // The control of a window class at a place of its parent's client area (its layout's Left, Top).
    static HWND ControlAt(HWND root, const wchar_t* className, POINT place)
    {
        for (HWND window : Descendants(root)) {
            if (WindowClass(window) != className)
                continue;
            RECT r{};
            GetWindowRect(window, &r);
            MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
            if (r.left == place.x && r.top == place.y)
                return window;
        }
        return nullptr;
    }
    static HWND Find(HWND root, const wchar_t* className) { return GalleryProcess::Child(root, className); }

private:
    GalleryProcess process_;
    HWND main_;
};

// The filled and empty pieces' cap rows are copied as they are, so those rows of a bar are the
// pieces' own.
TEST(GalleryValues, AProgressBarShowsTheSkinsPiecesAndSwitchesWithTheSkin)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kValues);
    HWND bar = Gallery::ControlAt(gallery.Main(), L"TProgressBar", {8, 8});  // Position 40 of 100
    ASSERT_NE(bar, nullptr);
    RECT bounds = ScreenRect(bar);
    int width = bounds.right - bounds.left;
    int firstCap = Skin().GetBitmap(SKIN2_PROGRESSBAR1)->Width(),
        lastCap = Skin().GetBitmap(SKIN2_PROGRESSBAR4)->Width();
    int filled = static_cast<int>(std::lrint(0.4 * (width - firstCap - lastCap)));
    int filledMiddle = firstCap + filled / 2;
    int emptyMiddle = firstCap + filled + (width - firstCap - lastCap - filled) / 2;
    const TBitmap* full = Skin().GetBitmap(SKIN2_PROGRESSBAR2);
    const TBitmap* empty = Skin().GetBitmap(SKIN2_PROGRESSBAR3);
    auto check = [&](const char* when) {
        ScreenPixels shot(bounds);
        for (int row : {0, 1}) {
            EXPECT_EQ(shot.At(filledMiddle, row), Rgb(full->Pixel(full->Width() / 2, row))) << when << row;
            EXPECT_EQ(shot.At(emptyMiddle, row), Rgb(empty->Pixel(empty->Width() / 2, row))) << when << row;
        }
        int last = shot.Height() - 1, pieceLast = full->Height() - 1;
        EXPECT_EQ(shot.At(filledMiddle, last), Rgb(full->Pixel(full->Width() / 2, pieceLast))) << when;
    };
    check("skinned: ");

    gallery.ClickSkinButton();
    Sleep(300);
    ScreenPixels own(bounds);
    EXPECT_NE(own.At(emptyMiddle, 0), Rgb(empty->Pixel(empty->Width() / 2, 0))) << "the system's own bar";
    gallery.ClickSkinButton();
    Sleep(300);
    check("skin on again: ");
}

// The slider image stands where the thumb is; dragged with the mouse it moves to the new place.
TEST(GalleryValues, ATrackBarsSliderFollowsADrag)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kValues);
    HWND track = Gallery::ControlAt(gallery.Main(), L"TTrackBar", {8, 90});
    ASSERT_NE(track, nullptr);
    RECT thumb = QueryRemote<RECT>(track, TBM_GETTHUMBRECT);
    ASSERT_GT(thumb.right, thumb.left);
    TBitmap slider(thumb.right - thumb.left, thumb.bottom - thumb.top);
    slider.Canvas()->StretchDraw({0, 0, slider.Width(), slider.Height()}, *Skin().GetBitmap(SKIN2_TRACKBARSLIDER));
    COLORREF sliderCentre = Rgb(slider.Pixel(slider.Width() / 2, slider.Height() / 2));
    POINT centre = Centre(ClientToScreenRect(track, thumb));
    EXPECT_EQ(ScreenColour(centre), sliderCentre);

    int before = static_cast<int>(SendMessageW(track, TBM_GETPOS, 0, 0));
    DragTo(centre, {centre.x + 70, centre.y});
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(track, TBM_GETPOS, 0, 0) > before; }));
    Sleep(200);
    RECT moved = QueryRemote<RECT>(track, TBM_GETTHUMBRECT);
    EXPECT_GT(moved.left, thumb.left);
    EXPECT_EQ(ScreenColour(Centre(ClientToScreenRect(track, moved))), sliderCentre);
    EXPECT_NE(ScreenColour(centre), sliderCentre) << "nothing left where the thumb was";
}

// A held arrow of the skinned up-down shows the tool bar's pressed colour; the click steps the
// number in the edit it serves.
TEST(GalleryValues, AnUpDownShowsItsPressedHalfAndSteps)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kValues);
    HWND upDown = nullptr, edit = nullptr;  // the up-down that serves an edit, beside it
    for (HWND window : Descendants(gallery.Main()))
        if (WindowClass(window) == L"TUpDown" && SendMessageW(window, UDM_GETBUDDY, 0, 0))
            upDown = window, edit = reinterpret_cast<HWND>(SendMessageW(window, UDM_GETBUDDY, 0, 0));
    ASSERT_NE(upDown, nullptr);
    RECT bounds = ScreenRect(upDown);
    POINT upper{bounds.left + 3, bounds.top + 3};
    EXPECT_EQ(ScreenColour(upper), SkinColour(SKIN2_FORMCOLOR));
    auto text = [&] {
        wchar_t buffer[32] = {};
        SendMessageW(edit, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(buffer));
        return std::wstring(buffer);
    };
    EXPECT_EQ(text(), L"5");
    PressLeftAt(upper);
    EXPECT_TRUE(WaitUntil([&] { return ScreenColour(upper) == SkinColour(SKIN2_TOOLBARDOWNCOLOR); }));
    ReleaseLeftAt(upper);
    EXPECT_TRUE(WaitUntil([&] { return ScreenColour(upper) == SkinColour(SKIN2_FORMCOLOR); }));
    EXPECT_EQ(text(), L"6");
    EXPECT_EQ(SendMessageW(upDown, UDM_GETPOS32, 0, 0), 6);
}

// The stand-alone scroll bar is covered by the skin's bar; a click on its arrow moves it as its own
// arrow would, and the cover follows.
TEST(GalleryValues, AStandAloneScrollBarIsTheSkinsAndScrolls)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kValues);
    HWND bar = Gallery::ControlAt(gallery.Main(), L"TScrollBar", {440, 50});  // vertical, at 60
    ASSERT_NE(bar, nullptr);
    RECT bounds = ScreenRect(bar);
    HWND cover = nullptr;
    for (HWND window : Descendants(GetParent(bar))) {
        RECT r = ScreenRect(window);
        if (WindowClass(window) == L"TkrvSkinInternalScrollBar2" && EqualRect(&r, &bounds) && IsWindowVisible(window))
            cover = window;
    }
    ASSERT_NE(cover, nullptr) << "a visible cover over the scroll bar";
    int before = GetScrollPos(bar, SB_CTL);
    int side = bounds.right - bounds.left;
    ClickAt({bounds.left + side / 2, bounds.bottom - side / 2});
    EXPECT_TRUE(WaitUntil([&] { return GetScrollPos(bar, SB_CTL) == before + 1; }));
}

// A drop-down list opens from its skinned button, and the item clicked is the one shown.
TEST(GalleryValues, AComboBoxDropsDownFromItsSkinnedButton)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kChoices);
    HWND combo = Gallery::ControlAt(gallery.Main(), L"TComboBox", {8, 40});
    ASSERT_NE(combo, nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    info = QueryRemote<COMBOBOXINFO>(combo, CB_GETCOMBOBOXINFO, 0, info);
    RECT button = ClientToScreenRect(combo, info.rcButton);
    ASSERT_GT(button.right, button.left);
    EXPECT_EQ(ScreenColour({button.right - 2, button.top + 1}), SkinColour(SKIN2_CONTROLCOLOR));
    EXPECT_EQ(ScreenColour({button.left, button.top + 2}), SkinColour(SKIN2_CONTROLBORDERCOLOR));

    ClickAt(Centre(button));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    Sleep(200);
    RECT list = ScreenRect(info.hwndList);
    EXPECT_EQ(ScreenColour({list.left, Centre(list).y}), SkinColour(SKIN2_CONTROLBORDERCOLOR));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    int itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    ClickAt({list.left + 20, list.top + 2 + itemHeight / 2});  // the first item
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
}

// The time picker's skinned up-down steps the selected field, as the picker's own buttons do.
TEST(GalleryValues, ATimePickersUpDownStepsTheTime)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kText);
    HWND picker = nullptr;
    HWND cover = nullptr;
    for (HWND window : Descendants(gallery.Main()))
        if (WindowClass(window) == L"TDateTimePicker")
            for (HWND child : Descendants(window))
                if (WindowClass(child) == L"TkrvSkinInternalUpDown" && IsWindowVisible(child))
                    picker = window, cover = child;
    ASSERT_NE(cover, nullptr) << "a picker with the skinned up-down";
    RECT bounds = ScreenRect(picker);
    RECT spin = ScreenRect(cover);
    EXPECT_EQ(ScreenColour({spin.left + 3, spin.top + 3}), SkinColour(SKIN2_FORMCOLOR));
    SYSTEMTIME before = QueryRemote<SYSTEMTIME>(picker, DTM_GETSYSTEMTIME);
    ClickAt({bounds.left + 8, Centre(bounds).y});  // the first field (the hour, or the month)
    Sleep(150);
    ClickAt({Centre(spin).x, spin.top + 3});
    ASSERT_TRUE(WaitUntil([&] {
        SYSTEMTIME now = QueryRemote<SYSTEMTIME>(picker, DTM_GETSYSTEMTIME);
        return now.wHour != before.wHour || now.wMonth != before.wMonth;
    }));
    SYSTEMTIME after = QueryRemote<SYSTEMTIME>(picker, DTM_GETSYSTEMTIME);
    EXPECT_EQ(after.wMinute, before.wMinute) << "only the selected field moves";
}

// Each drop-down combo box of a plain dialog shows the skin's button and opens from it; the
// extended one is drawn on its inner combo box.
TEST(GalleryValues, APlainDialogsComboBoxesAreSkinnedAndWork)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ClickToolButton(kPlainDialogButton);
    HWND dialog = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (dialog = FindWindowW(L"#32770", L"Plain dialog")) && IsWindowVisible(dialog); }));
    Sleep(300);
    HWND extended = GetDlgItem(dialog, IDC_PLAIN_COMBOEX);
    const HWND combos[] = {GetDlgItem(dialog, IDC_PLAIN_COMBO_DROPDOWN), GetWindow(extended, GW_CHILD)};
    for (HWND combo : combos) {
        ASSERT_NE(combo, nullptr);
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        info = QueryRemote<COMBOBOXINFO>(combo, CB_GETCOMBOBOXINFO, 0, info);
        RECT button = ClientToScreenRect(combo, info.rcButton);
        ASSERT_GT(button.right, button.left);
        EXPECT_EQ(ScreenColour({button.right - 2, button.top + 1}), SkinColour(SKIN2_CONTROLCOLOR));
        EXPECT_EQ(ScreenColour({button.left, button.top + 2}), SkinColour(SKIN2_CONTROLBORDERCOLOR));
        ClickAt(Centre(button));
        EXPECT_TRUE(WaitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
        ClickAt(Centre(button));
        EXPECT_TRUE(WaitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}

// List boxes, tree views, hot keys and scroll boxes wear the skin's frame in place of their sunken
// border; off, the frame goes, and on again it is back.
TEST(GalleryValues, ScrolledControlsWearTheSkinsFrame)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    const std::pair<Page, const wchar_t*> controls[] = {
        {kChoices, L"TListBox"}, {kLists, L"TTreeView"}, {kText, L"THotKey"}, {kContainers, L"TScrollBox"}};
    for (auto [page, className] : controls) {
        gallery.ShowPage(page);
        HWND control = Gallery::Find(gallery.Main(), className);
        ASSERT_NE(control, nullptr) << className;
        RECT r = ScreenRect(control);
        POINT edge{r.left, Centre(r).y};
        EXPECT_EQ(ScreenColour(edge), SkinColour(SKIN2_CONTROLBORDERCOLOR)) << className;
        if (page != kText)
            continue;
        gallery.ClickSkinButton();
        EXPECT_TRUE(WaitUntil([&] { return ScreenColour(edge) != SkinColour(SKIN2_CONTROLBORDERCOLOR); }));
        gallery.ClickSkinButton();
        EXPECT_TRUE(WaitUntil([&] { return ScreenColour(edge) == SkinColour(SKIN2_CONTROLBORDERCOLOR); }));
    }
}

// The list view's header and the grid's fixed cells in the skin's colours.
TEST(GalleryValues, TheListsPageIsInTheSkinsColours)
{
    Gallery gallery;
    ASSERT_NE(gallery.Main(), nullptr);
    gallery.ShowPage(kLists);
    HWND list = Gallery::Find(gallery.Main(), L"TListView");
    ASSERT_NE(list, nullptr);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    RECT h = ScreenRect(header);
    EXPECT_EQ(ScreenColour({h.right - 3, h.top + 3}), SkinColour(SKIN2_FORMCOLOR)) << "past the last column";
    EXPECT_EQ(ScreenColour({h.right - 3, h.bottom - 1}), SkinColour(SKIN2_CONTROLBORDERCOLOR));
    HWND grid = Gallery::Find(gallery.Main(), L"TStringGrid");
    ASSERT_NE(grid, nullptr);
    RECT g = ScreenRect(grid);
    EXPECT_EQ(ScreenColour({g.left + 10, g.top + 8}), SkinColour(SKIN2_FORMCOLOR)) << "a fixed cell";
}

}  // namespace
}  // namespace ov::test
