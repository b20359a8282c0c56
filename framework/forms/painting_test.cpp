// Painting checked by pixels: windowless children painted by their parent at their place, the
// panel's bevels, the image stretched; and the hint of a control shown as a tool tip.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/graphics/picture.h"

namespace ov {
namespace {

// A memory DC of the given size, white, to paint a window into (WM_PAINT with a DC).
class TMemoryCanvas {
public:
    TMemoryCanvas(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr))
    {
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~TMemoryCanvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    [[nodiscard]] HDC Dc() const { return dc_; }
    [[nodiscard]] COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

struct PaintingTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(100, 100, 400, 300);
    }
};

TEST_F(PaintingTest, ParentPaintsWindowlessChildrenInTheirPlace)
{
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 40, 10);
    label->SetColor(clRed);
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(100, 50, 30, 20);
    image->SetStretch(true);
    TBitmap blue(2, 2);
    blue.Canvas()->Brush()->SetColor(clBlue);
    blue.Canvas()->FillRect(RECT{0, 0, 2, 2});
    image->Picture()->SetGraphic(&blue);
    auto* hidden = new TLabel(form.get());
    hidden->SetParent(form.get());
    hidden->SetAutoSize(false);
    hidden->SetBounds(200, 30, 40, 10);
    hidden->SetColor(clLime);
    hidden->SetVisible(false);

    TMemoryCanvas canvas(400, 300);
    SendMessageW(form->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    EXPECT_EQ(canvas.At(21, 31), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(59, 39), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(60, 40), RGB(255, 255, 255)) << "nothing outside the label";
    EXPECT_EQ(canvas.At(101, 51), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(129, 69), RGB(0, 0, 255)) << "stretched to the image's size";
    EXPECT_EQ(canvas.At(210, 35), RGB(255, 255, 255)) << "hidden controls are not painted";
}

// Invalidating a windowless control marks its rectangle in the parent for repainting, and nothing
// else.
TEST_F(PaintingTest, InvalidatingAWindowlessControlReachesItsParent)
{
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 40, 10);
    form->Show();
    Application->ProcessMessages();
    HWND parent = form->Handle();
    ValidateRect(parent, nullptr);
    label->Invalidate();
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(parent, &update, FALSE));
    EXPECT_EQ(update.left, 20);
    EXPECT_EQ(update.top, 30);
    EXPECT_EQ(update.right, 60);
    EXPECT_EQ(update.bottom, 40);
}

TEST_F(PaintingTest, PanelBevels)
{
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 100, 50);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetColor(clYellow);
    TMemoryCanvas canvas(100, 50);
    SendMessageW(panel->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    EXPECT_EQ(canvas.At(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(canvas.At(99, 49), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas.At(1, 1), ColorToRGB(clBtnShadow)) << "inner bevel, lowered";
    EXPECT_EQ(canvas.At(98, 48), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(canvas.At(50, 25), RGB(255, 255, 0));
}

// Only this thread's tool tips count: other programs on the shared desktop may show their own.
HWND VisibleToolTipOfThisThread()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) -> BOOL {
            wchar_t name[64]{};
            GetClassNameW(hwnd, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(hwnd))
                return TRUE;
            *reinterpret_cast<HWND*>(out) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The hint of a control whose ShowHint is set appears as a tool tip when the pointer rests on it.
TEST_F(PaintingTest, HintShowsAsToolTip)
{
    form->Show();
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(20, 30, 60, 20);
    label->SetCaption(L"Hover me");
    label->SetHint(L"\x5173\x4E8E hint");
    label->SetShowHint(true);
    int savedPause = Application->HintPause();
    Application->SetHintPause(1);
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(25, 35));
    HWND tip = nullptr;
    for (int i = 0; i < 4000 && !tip; ++i) {  // up to 20 s on a busy machine
        Application->ProcessMessages();
        Sleep(5);
        tip = VisibleToolTipOfThisThread();
    }
    Application->SetHintPause(savedPause);
    ASSERT_NE(tip, nullptr);
    wchar_t text[64]{};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"\x5173\x4E8E hint");
    SendMessageW(form->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(tip));
}

}  // namespace
}  // namespace ov
