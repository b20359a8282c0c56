// The real ovalune-gallery.exe's MDI window under the built-in skin, used with real input and read
// back from the screen: its menu bar and a hot item in the skin's colours, an open menu's selected
// item and check mark, a shortcut, cascading, the buttons of a maximised child and the Window menu.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/reader_driver.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_reader_win.h"
#include "skin/data/skin_test_builders.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"

namespace ov::test {
namespace {

constexpr int kMDIButtonIndex = 7;        // the tool bar button opening the MDI window
constexpr int kGalleryButtonWidth = 100;  // the gallery tool bar's ButtonWidth
constexpr int kItemHeight = 21;           // a menu item of the skin (images 16 high + 5)
constexpr int kLineHeight = 5;            // a separator
constexpr COLORREF kSeparatorColour = 0x848284;

TkrvSkinReader& Skin()
{
    static TkrvSkinReader reader(testing::HostPath(OV_BUILTIN_SKIN_PATH), "");
    return reader;
}

COLORREF SkinColour(Skin2Color id) { return static_cast<COLORREF>(ColorToRGB(Skin().GetColor(id))); }

void Key(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}

void PressKey(WORD key)
{
    Key(key, false);
    Key(key, true);
}

void PressChord(WORD modifier, WORD key)
{
    Key(modifier, false);
    PressKey(key);
    Key(modifier, true);
}

COLORREF PixelAt(POINT screen) { return ScreenPixels({screen.x, screen.y, screen.x + 1, screen.y + 1}).At(0, 0); }

std::wstring GalleryPath()
{
    std::string exe = GALLERY_EXE;
    return std::wstring(exe.begin(), exe.end());
}

// A bitmap resource of the gallery program (the engine's own pictures).
TBitmap GalleryBitmap(const wchar_t* name)
{
    TBitmap bitmap;
    std::wstring path = L"Z:" + GalleryPath();
    for (wchar_t& c : path)
        c = c == L'/' ? L'\\' : c;
    if (HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        bitmap.LoadFromResourceName(module, name);
        FreeLibrary(module);
    }
    return bitmap;
}

// The gallery with its MDI window open (three children), ended when the test is done.
class MDIGallery : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::wstring command = L"\"" + GalleryPath() + L"\"";
        STARTUPINFOW startup{sizeof(startup)};
        PROCESS_INFORMATION info{};
        ASSERT_TRUE(
            CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        HWND main = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (main = TopLevel(L"TGalleryForm")) != nullptr; }));
        HWND toolBar = nullptr;
        for (HWND w : Descendants(main))
            if (WindowClass(w) == L"TToolBar")
                toolBar = w;
        ASSERT_NE(toolBar, nullptr);
        SetForegroundWindow(main);
        POINT button{kMDIButtonIndex * kGalleryButtonWidth + kGalleryButtonWidth / 2, 11};
        ClientToScreen(toolBar, &button);
        ClickAt(button);
        ASSERT_TRUE(WaitUntil([&] { return (form_ = TopLevel(L"TGalleryMDIForm")) != nullptr; }));
        for (HWND w : Descendants(form_)) {
            if (WindowClass(w) == L"MDIClient")
                client_ = w;
            if (WindowClass(w) == L"TkrvSkinMenuBar")
                bar_ = w;
        }
        ASSERT_NE(client_, nullptr);
        ASSERT_NE(bar_, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return Children().size() == 3 && IsWindowVisible(bar_); }));
        MoveMouseTo({1200, 1000});
    }
    // Ends the gallery the way a user does (an open menu first), so that nothing of this run is
    // left on the desktop for the next one.
    void TearDown() override
    {
        if (!process_)
            return;
        if (TopLevel(L"#32768"))
            PressKey(VK_ESCAPE);
        WaitUntil([&] { return TopLevel(L"#32768") == nullptr; });
        if (HWND main = TopLevel(L"TGalleryForm"))
            PostMessageW(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 20000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, INFINITE);
        }
        CloseHandle(process_);
    }

    HWND TopLevel(const wchar_t* className) const
    {
        struct Search {
            DWORD process;
            const wchar_t* className;
            HWND found = nullptr;
        } search{processId_, className};
        EnumWindows(
            [](HWND w, LPARAM data) {
                auto s = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == s->process && IsWindowVisible(w) && WindowClass(w) == s->className)
                    s->found = w;
                return s->found ? FALSE : TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The MDI children in the order they were made (their captions are numbered).
    [[nodiscard]] std::vector<HWND> Children() const
    {
        std::vector<HWND> children;
        for (HWND w = GetWindow(client_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            if (WindowClass(w) == L"TGalleryMDIChild")
                children.push_back(w);
        std::sort(children.begin(), children.end(), [](HWND a, HWND b) { return WindowText(a) < WindowText(b); });
        return children;
    }
    [[nodiscard]] HWND Active() const { return reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0)); }
    // A bar button's rectangle on the screen (asked through memory in the gallery's process).
    [[nodiscard]] RECT BarButton(int index) const
    {
        RECT r{};
        void* remote = VirtualAllocEx(process_, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
        SendMessageW(bar_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process_, remote, &r, sizeof(r), nullptr);
        VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
        MapWindowPoints(bar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // Opens a bar menu with a click; its popup window. Both menus opened here have a separator
    // as their third item, which tells that the menu stands painted on the screen (under Wine a
    // popup is now and then reported visible but never mapped; then it is closed and clicked again).
    HWND OpenMenu(int index)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            // The gallery done with what it had to do (repaints after a change): a menu opened
            // meanwhile may not show under Wine.
            WaitForInputIdle(process_, 5000);
            RECT b = BarButton(index);
            ClickAt({(b.left + b.right) / 2, (b.top + b.bottom) / 2});
            HWND popup = nullptr;
            if (!WaitUntil([&] { return (popup = TopLevel(L"#32768")) != nullptr; }))
                continue;
            for (int round = 0; round < 60; ++round, Sleep(50)) {
                POINT first = FirstItem(popup);
                if (PixelAt({first.x + 26 + 10, first.y + 2 * kItemHeight + 2}) == kSeparatorColour)
                    return popup;
            }
            PressKey(VK_ESCAPE);
            WaitUntil([&] { return TopLevel(L"#32768") == nullptr; });
        }
        ADD_FAILURE() << "the menu did not show";
        return nullptr;
    }
    // The top-left corner of the popup's first item: inside the menu window's border and margin.
    static POINT FirstItem(HWND popup)
    {
        RECT r = ScreenRect(popup);
        return {r.left + 3, r.top + 3};
    }

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND form_ = nullptr;
    HWND client_ = nullptr;
    HWND bar_ = nullptr;
};

// The bar's ground is the skin's menu bar picture; the item under the pointer is filled and framed
// in the skin's top-level selection colours.
TEST_F(MDIGallery, MenuBarAndItsHotItemAreInTheSkinsColours)
{
    RECT bar = ScreenRect(bar_);
    int height = bar.bottom - bar.top, x = bar.right - 40;
    COLORREF start = SkinColour(SKIN2_MENUBARSTARTCOLOR), end = SkinColour(SKIN2_MENUBARENDCOLOR);
    if (const TBitmap* picture = Skin().GetBitmap(SKIN2_MENUBAR)) {
        bool ground = false;
        for (int y : {height / 2 - 1, height / 2, height / 2 + 1}) {
            COLORREF expected = ColorToRGB(picture->Pixel(picture->Width() * (x - bar.left) / (bar.right - bar.left),
                                                          picture->Height() * y / height));
            ground = ground || PixelAt({x, bar.top + height / 2}) == expected;
        }
        EXPECT_TRUE(ground) << "the menu bar picture stretched over the bar";
    } else {
        EXPECT_EQ(PixelAt({x, bar.top}), start) << "the bar's gradient (or colour) starts at the top";
        if (start == end)
            EXPECT_EQ(PixelAt({x, bar.bottom - 1}), start);
        else
            EXPECT_NE(PixelAt({x, bar.bottom - 1}), start);
    }
    RECT file = BarButton(0);
    EXPECT_TRUE(WaitUntil([&] {
        MoveMouseTo({(file.left + file.right) / 2, (file.top + file.bottom) / 2});
        return PixelAt({file.left + 2, file.top + 2}) == SkinColour(SKIN2_TOPSELECTEDMENUCOLOR);
    }));
    EXPECT_EQ(PixelAt({file.left, file.top + 4}), SkinColour(SKIN2_TOPSELECTEDMENUBORDERCOLOR));
}

// In an open menu the item under the pointer is filled and framed in the skin's selection colours,
// and the checked item (without an image) shows the check mark of the menus' check image list.
TEST_F(MDIGallery, OpenMenuSelectsInTheSkinsColoursAndShowsTheCheckMark)
{
    HWND popup = OpenMenu(0);
    ASSERT_NE(popup, nullptr);
    POINT first = FirstItem(popup);
    RECT r = ScreenRect(popup);
    int right = r.right - 8;
    // The move is given again until the menu's loop, which may not be running yet, selects the item.
    EXPECT_TRUE(WaitUntil([&] {
        MoveMouseTo({right, first.y + kItemHeight / 2});
        return PixelAt({right, first.y + kItemHeight / 2}) == SkinColour(SKIN2_SELECTEDMENUCOLOR);
    }));
    EXPECT_EQ(PixelAt({right, first.y}), SkinColour(SKIN2_SELECTEDMENUBORDERCOLOR));

    TBitmap mark = GalleryBitmap(L"KRVSKIN_MENU_CHECKED");
    TColor key = clWhite;
    if (TBitmap own;
        Skin().GetBitmap(SKIN2_CHECKEDMENUICON) && Skin().GetBitmap(SKIN2_CHECKEDMENUICON)->Width() == mark.Width()) {
        own.Assign(*Skin().GetBitmap(SKIN2_CHECKEDMENUICON));
        mark.Assign(own);
        key = Skin().GetColor(SKIN2_TRANSCOLOR);
    }
    ASSERT_FALSE(mark.Empty());
    int column = 16 + 10;                               // the menu's images are 16 wide
    int top = first.y + 2 * kItemHeight + kLineHeight;  // "Checked" follows two items and a line
    POINT origin{first.x + (column - mark.Width()) / 2, top + (16 + 5 - mark.Height()) / 2};
    int matching = 0, marked = 0;
    for (int y = 0; y < mark.Height(); ++y)
        for (int x = 0; x < mark.Width(); ++x) {
            if (mark.Pixel(x, y) == key)
                continue;
            ++marked;
            matching += PixelAt({origin.x + x, origin.y + y}) == ColorToRGB(mark.Pixel(x, y));
        }
    EXPECT_GT(marked, 0);
    EXPECT_EQ(matching, marked) << "the check mark's pixels";
    PressKey(VK_ESCAPE);
}

// Ctrl+N is a shortcut of the form's menu, which the skinned form no longer owns natively.
TEST_F(MDIGallery, MenuShortcutStillFiresWhileSkinned)
{
    SetForegroundWindow(form_);
    PressChord(VK_CONTROL, 'N');
    EXPECT_TRUE(WaitUntil([&] { return Children().size() == 4; }));
}

// Alt+F opens the File menu from the bar although the keyboard is in a child; plain F does not.
TEST_F(MDIGallery, AltLetterOpensABarMenu)
{
    SetForegroundWindow(form_);
    PressKey('F');
    Sleep(300);
    EXPECT_EQ(TopLevel(L"#32768"), nullptr) << "a plain letter while no bar button is hot";
    Key(VK_MENU, false);
    PressKey('F');
    Key(VK_MENU, true);
    EXPECT_TRUE(WaitUntil([&] { return TopLevel(L"#32768") != nullptr; }));
    RECT file = BarButton(0);
    EXPECT_TRUE(WaitUntil([&] {
        return PixelAt({file.left + 2, file.top + 2}) == SkinColour(SKIN2_TOPSELECTEDMENUCOLOR);
    })) << "the open menu's button in the skin's selection colour";
    PressKey(VK_ESCAPE);
}

// Window > Cascade: from the last child to the first at (0, 0), (22, 22), (44, 44), each 0.8 x 0.6
// of the client.
TEST_F(MDIGallery, CascadePlacesTheChildrenInStepsOf22)
{
    HWND popup = OpenMenu(2);  // File, Chart (the child's), Window, Help
    ASSERT_NE(popup, nullptr);
    POINT first = FirstItem(popup);
    ClickAt({first.x + 40, first.y + kItemHeight / 2});
    std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), 3u);
    RECT client{};
    GetClientRect(client_, &client);
    auto placed = [&](HWND child, int offset) {
        RECT r = ScreenRect(child);
        MapWindowPoints(nullptr, client_, reinterpret_cast<POINT*>(&r), 2);
        return r.left == offset && r.top == offset && r.right - r.left == std::lround(0.8 * client.right) &&
               r.bottom - r.top == std::lround(0.6 * client.bottom);
    };
    EXPECT_TRUE(
        WaitUntil([&] { return placed(children[2], 0) && placed(children[1], 22) && placed(children[0], 44); }));
}

// A maximised child puts the three buttons at the bar's right end (close, restore, minimise from the
// right, with frames 3, 2 and 1 of the engine's strip); each does what it shows.
TEST_F(MDIGallery, MaximisedChildShowsTheThreeButtonsAndTheyWork)
{
    auto buttons = [&] {
        std::vector<HWND> shown;
        for (HWND w : Descendants(form_))
            if (WindowClass(w) == L"TkrvSkinMenuBarControlButton" && IsWindowVisible(w))
                shown.push_back(w);
        std::sort(shown.begin(), shown.end(), [](HWND a, HWND b) { return ScreenRect(a).left > ScreenRect(b).left; });
        return shown;
    };
    EXPECT_TRUE(buttons().empty());
    auto maximise = [&] {
        PostMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Active()), 0);
        return WaitUntil([&] { return IsZoomed(Active()) && buttons().size() == 3; });
    };
    ASSERT_TRUE(maximise());
    std::vector<HWND> shown = buttons();
    TBitmap strip = GalleryBitmap(L"KRVSKIN_MDI_CONTROLER");
    ASSERT_FALSE(strip.Empty());
    MoveMouseTo({1200, 1000});
    for (int i = 0; i < 3; ++i) {
        TBitmap glyph;
        CopyCell(&strip, glyph, 3, 3 - i);
        TColor key = glyph.Pixel(0, glyph.Height() - 1);  // transparent: the bottom-left pixel's colour
        RECT r = ScreenRect(shown[static_cast<size_t>(i)]);
        int drawn = 0, matching = 0;
        auto compare = [&] {  // shown before they have painted: wait for the glyphs
            drawn = matching = 0;
            for (int y = 0; y < glyph.Height() && y + 1 < r.bottom - r.top; ++y)
                for (int x = 0; x < glyph.Width() && x + 1 < r.right - r.left; ++x) {
                    if (glyph.Pixel(x, y) == key)
                        continue;
                    ++drawn;
                    matching += PixelAt({r.left + 1 + x, r.top + 1 + y}) == ColorToRGB(glyph.Pixel(x, y));
                }
            return drawn > 0 && matching == drawn;
        };
        EXPECT_TRUE(WaitUntil(compare)) << "frame " << 3 - i << " of the strip: " << matching << " of " << drawn;
    }
    auto click = [&](HWND button) {
        RECT r = ScreenRect(button);
        ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    };
    HWND child = Active();
    click(shown[1]);  // restore
    EXPECT_TRUE(WaitUntil([&] { return !IsZoomed(child) && buttons().empty(); }));
    ASSERT_TRUE(maximise());
    child = Active();
    click(buttons()[2]);  // minimise
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(child) != FALSE; }));
    SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Children()[0]), 0);
    ASSERT_TRUE(maximise());
    child = Active();
    click(buttons()[0]);  // close
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(child); }));
}

// The Window menu lists the visible children after a line, the active one checked; choosing one
// activates it.
TEST_F(MDIGallery, WindowMenuListsTheChildrenWithTheActiveOneChecked)
{
    std::vector<HWND> children = Children();
    ASSERT_EQ(Active(), children[2]);
    ShowWindow(children[1], SW_HIDE);
    HWND popup = OpenMenu(2);
    ASSERT_NE(popup, nullptr);
    POINT first = FirstItem(popup);
    RECT r = ScreenRect(popup);
    int listTop = first.y + 2 * kItemHeight + kLineHeight;  // after Cascade, Tile and the line
    int listed = (r.bottom - listTop) / kItemHeight;
    EXPECT_EQ(listed, 2) << "the hidden child is left out";
    // The image column of a listed child's row, compared with the same column of the Cascade row
    // (neither has an image; only a check mark makes them differ).
    auto markShown = [&](int row) {
        int y0 = listTop + row * kItemHeight;
        for (int y = 4; y < kItemHeight - 4; ++y)
            for (int x = first.x + 4; x < first.x + 22; ++x)
                if (PixelAt({x, y0 + y}) != PixelAt({x, first.y + y}))
                    return true;
        return false;
    };
    EXPECT_FALSE(markShown(0)) << "Child 1";
    EXPECT_TRUE(markShown(1)) << "Child 3, the active one";
    ClickAt({first.x + 60, listTop + kItemHeight / 2});
    EXPECT_TRUE(WaitUntil([&] { return Active() == children[0]; }));
}

}  // namespace
}  // namespace ov::test
