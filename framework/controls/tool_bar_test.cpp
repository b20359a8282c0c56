// Tests of TToolBar on a real ToolbarWindow32: button geometry with captions and images, clicks
// from real mouse messages, check buttons, custom-draw events with their states and their
// painting checked by pixels, border, wrapping, hidden buttons, and object counts.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/forms/mouse.h"
#include "tests/test_counts.h"
#include "framework/controls/tool_bar.h"

#include <gtest/gtest.h>

#include <vector>

namespace ov {
namespace {

struct ToolBarTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TImageList* images = nullptr;
    TToolBar* bar = nullptr;
    TToolButton* button[4] = {};

    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(20, 20, 800, 300);
        images = new TImageList(form.get());
        images->SetWidth(40);
        images->SetHeight(40);
        TBitmap strip(160, 40);
        strip.Canvas()->Brush()->SetColor(clBlue);
        strip.Canvas()->FillRect(RECT{0, 0, 160, 40});
        images->Add(strip, nullptr);
        bar = new TToolBar(form.get());
        bar->SetParent(form.get());
        bar->SetButtonWidth(91);
        bar->SetButtonHeight(60);
        bar->SetShowCaptions(true);
        bar->SetImages(images);
        bar->SetFlat(true);
        bar->SetHeight(73);
        const wchar_t* captions[] = {L"\u5feb\u901f\u6000\u5b55\u7684\u5965\u79d8", L"Second", L"Third",
                                     L"\u5173\u4e8e"};
        for (int i = 0; i < 4; ++i) {
            button[i] = new TToolButton(form.get());
            button[i]->SetParent(bar);
            button[i]->SetCaption(captions[i]);
            button[i]->SetImageIndex(i);
            button[i]->SetHint(captions[i]);
            button[i]->SetShowHint(true);
        }
        bar->Handle();
    }
    HWND Window() { return bar->Handle(); }
    POINT Centre(int i)
    {
        RECT r = button[i]->BoundsRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Send(UINT msg, WPARAM w, POINT p) { SendMessageW(Window(), msg, w, MAKELPARAM(p.x, p.y)); }
    // The bar's client area as painted now (the system control paints into the given DC).
    TBitmap Painted()
    {
        RECT client;
        GetClientRect(Window(), &client);
        TBitmap picture(client.right, client.bottom);
        SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas()->Handle()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        return picture;
    }
};

TEST_F(ToolBarTest, ButtonsAreLaidOutAtTheGivenSizeWithCaptions)
{
    EXPECT_EQ(SendMessageW(Window(), TB_BUTTONCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) {
        RECT r{};
        SendMessageW(Window(), TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(r.left, 91 * i);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right - r.left, 91);
        EXPECT_EQ(r.bottom - r.top, 60);
        EXPECT_EQ(button[i]->Left(), 91 * i);
        EXPECT_EQ(button[i]->Width(), 91);
        EXPECT_EQ(button[i]->Height(), 60);
    }
    TBBUTTON item{};
    SendMessageW(Window(), TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&item));
    wchar_t text[64] = {};
    SendMessageW(Window(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(item.idCommand), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"\u5173\u4e8e");
    EXPECT_EQ(item.iBitmap, 3);
    button[1]->SetCaption(L"Renamed");
    SendMessageW(Window(), TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&item));
    SendMessageW(Window(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(item.idCommand), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Renamed");
    EXPECT_EQ(button[1]->Width(), 91);  // still the fixed size
}

TEST_F(ToolBarTest, MouseClicksReachOnClickOfTheButtonUnderThePointer)
{
    std::vector<TObject*> clicked;
    for (TToolButton* b : button)
        b->OnClick = [&](TObject* sender) { clicked.push_back(sender); };
    Send(WM_MOUSEMOVE, 0, Centre(2));
    EXPECT_EQ(MouseControl(), button[2]);  // hints follow the button under the pointer
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(2));
    Send(WM_LBUTTONUP, 0, Centre(2));
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], button[2]);
    // Pressed on one button and released on another: no click.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(0));
    Send(WM_MOUSEMOVE, MK_LBUTTON, Centre(1));
    Send(WM_LBUTTONUP, 0, Centre(1));
    EXPECT_EQ(clicked.size(), 1u);
    // A disabled button is not clicked.
    button[3]->SetEnabled(false);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(3));
    Send(WM_LBUTTONUP, 0, Centre(3));
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(ToolBarTest, CheckButtonsToggleDown)
{
    button[1]->SetStyle(tbsCheck);
    int clicks = 0;
    button[1]->OnClick = [&](TObject*) { ++clicks; };
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(1));
    Send(WM_LBUTTONUP, 0, Centre(1));
    EXPECT_TRUE(button[1]->Down());
    EXPECT_EQ(clicks, 1);
    button[1]->SetDown(false);
    TBBUTTON item{};
    SendMessageW(Window(), TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_FALSE(item.fsState & TBSTATE_CHECKED);
}

TEST_F(ToolBarTest, CustomDrawEventsSeeButtonStatesAndPaintInstead)
{
    button[2]->SetStyle(tbsCheck);
    button[2]->SetDown(true);
    button[3]->SetEnabled(false);
    std::vector<RECT> barRects;
    std::vector<std::pair<TToolButton*, TCustomDrawState>> seen;
    bar->OnCustomDraw = [&](TToolBar* sender, const RECT& rect, bool& defaultDraw) {
        EXPECT_EQ(sender, bar);
        barRects.push_back(rect);
    };
    bar->OnCustomDrawButton = [&](TToolBar* sender, TToolButton* b, TCustomDrawState state, bool& defaultDraw) {
        seen.emplace_back(b, state);
        if (b == button[1]) {  // drawn by the handler: a red face
            sender->Canvas()->Brush()->SetColor(clRed);
            sender->Canvas()->FillRect(b->BoundsRect());
            defaultDraw = false;
        }
    };
    Send(WM_MOUSEMOVE, 0, Centre(0));  // button 0 becomes hot
    TBitmap picture = Painted();
    ASSERT_EQ(barRects.size(), 1u);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen[0].second.Contains(cdsHot));
    EXPECT_FALSE(seen[1].second.Contains(cdsHot));
    EXPECT_TRUE(seen[2].second.Contains(cdsChecked));
    EXPECT_TRUE(seen[3].second.Contains(cdsDisabled));
    POINT c1 = Centre(1);
    EXPECT_EQ(picture.Pixel(c1.x, c1.y), clRed);
    EXPECT_EQ(picture.Pixel(c1.x, 2), clRed);
    EXPECT_NE(picture.Pixel(Centre(2).x, 58), clRed);

    // Held down: the button is selected.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(0));
    seen.clear();
    Painted();
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(seen[0].second.Contains(cdsSelected));
    Send(WM_LBUTTONUP, 0, Centre(0));

    // Refusing the default drawing of the whole bar skips the buttons.
    bar->OnCustomDraw = [&](TToolBar*, const RECT&, bool& defaultDraw) { defaultDraw = false; };
    seen.clear();
    Painted();
    EXPECT_TRUE(seen.empty());
}

TEST_F(ToolBarTest, HiddenButtonsLeaveNoGapAndBarsWrapAndSizeThemselves)
{
    button[1]->SetVisible(false);
    Window();
    EXPECT_EQ(button[2]->Left(), 91);
    button[1]->SetVisible(true);
    EXPECT_EQ(button[2]->Left(), 182);

    bar->SetBorderWidth(2);
    bar->SetAutoSize(true);
    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, bar->Width() - 4);
    EXPECT_EQ(bar->Height(), 64);
    EXPECT_EQ(button[0]->Left(), 0);

    // In a parent with room for two buttons a row, the bar wraps and grows to two rows.
    auto* narrow = new TWinControl(form.get());
    narrow->SetParent(form.get());
    narrow->SetBounds(0, 100, 200, 150);
    bar->SetParent(narrow);
    EXPECT_EQ(bar->Width(), 200);
    EXPECT_EQ(button[2]->Top(), 60);
    EXPECT_EQ(button[2]->Left(), 0);
    EXPECT_EQ(bar->Height(), 124);
}

// Flat and transparent are taken by the live control: the same window with its buttons, the style
// bits changed both in the window and in the control's own record of them.
TEST_F(ToolBarTest, FlatAndTransparentChangeTheLiveBar)
{
    HWND window = Window();
    auto styles = [&] {
        return std::pair{GetWindowLongPtrW(window, GWL_STYLE) & (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT),
                         SendMessageW(window, TB_GETSTYLE, 0, 0) & (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT)};
    };
    bar->SetFlat(false);
    bar->SetTransparent(true);
    EXPECT_EQ(Window(), window);
    EXPECT_EQ(SendMessageW(window, TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(styles(), std::pair(LONG_PTR{TBSTYLE_TRANSPARENT}, LRESULT{TBSTYLE_TRANSPARENT}));
    bar->SetFlat(true);
    bar->SetTransparent(false);
    EXPECT_EQ(Window(), window);
    EXPECT_EQ(styles(), std::pair(LONG_PTR{TBSTYLE_FLAT}, LRESULT{TBSTYLE_FLAT}));
}

TEST_F(ToolBarTest, CreatingAndFreeingToolBarsLeaksNothing)
{
    form->Handle();
    Window();
    int windows = testing::LiveThreadWindows(), objects = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        auto* other = new TToolBar(form.get());
        other->SetParent(form.get());
        other->SetImages(images);
        other->SetShowCaptions(i % 2 == 0);
        for (int j = 0; j < 3; ++j) {
            auto* b = new TToolButton(form.get());
            b->SetParent(other);
            b->SetCaption(L"b");
            b->SetImageIndex(j);
        }
        other->Handle();
        other->OnCustomDraw = [](TToolBar*, const RECT&, bool&) {};
        RECT client;
        GetClientRect(other->Handle(), &client);
        TBitmap picture(std::max<int>(client.right, 1), std::max<int>(client.bottom, 1));
        SendMessageW(other->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas()->Handle()), PRF_CLIENT);
        other->Free();
    }
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), objects);
}

}  // namespace
}  // namespace ov
