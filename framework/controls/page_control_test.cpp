// Tests of TPageControl on a real SysTabControl32: tabs only for pages that show one, no tab row
// without tabs, activation by code and by mouse clicks with the change events, tab height and
// position, sub-pages kept while hidden, images, re-creation and object counts.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/core/handle.h"
#include "framework/controls/page_control.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

struct PageControlTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TPageControl* pages = nullptr;
    TTabSheet* sheet[3] = {};

    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(20, 20, 600, 400);
        pages = new TPageControl(form.get());
        pages->SetParent(form.get());
        pages->SetBounds(10, 10, 400, 300);
        for (int i = 0; i < 3; ++i) {
            sheet[i] = new TTabSheet(form.get());
            sheet[i]->SetPageControl(pages);
            sheet[i]->SetCaption(L"Page " + std::to_wstring(i));
        }
    }
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(pages->Handle(), msg, w, l); }
    // A left click at a client point of the tab control, as the mouse would deliver it.
    void ClickAt(POINT p)
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    POINT TabCentre(int tab)
    {
        RECT r = pages->TabRect(tab);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(PageControlTest, PagesAreOrderedAndEveryVisibleTabIsAnItem)
{
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(sheet[2]->PageIndex(), 2);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 3);
    sheet[1]->SetTabVisible(false);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 2);
    EXPECT_EQ(sheet[1]->TabIndex(), -1);
    EXPECT_EQ(sheet[2]->TabIndex(), 1);
    wchar_t text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    Send(TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Page 2");
    sheet[1]->SetTabVisible(true);  // comes back in its place
    Send(TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Page 1");
    sheet[2]->SetCaption(L"Renamed");
    Send(TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Renamed");
}

TEST_F(PageControlTest, WithoutVisibleTabsThereIsNoTabRow)
{
    pages->SetTabPosition(tpBottom);
    for (TTabSheet* s : sheet)
        s->SetTabVisible(false);
    pages->SetActivePageIndex(2);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 0);
    EXPECT_EQ(Send(TCM_GETCURSEL), -1);
    RECT client, display = pages->DisplayRect();
    GetClientRect(pages->Handle(), &client);
    // Only the border is left around the pages: the same on all four sides.
    EXPECT_EQ(display.left - client.left, client.bottom - display.bottom);
    EXPECT_EQ(display.top - client.top, client.right - display.right);
    EXPECT_LE(display.left, 4);
    EXPECT_EQ(sheet[2]->BoundsRect().bottom, display.bottom);
    EXPECT_TRUE(GetWindowLongW(sheet[2]->Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(sheet[0]->Visible());
}

TEST_F(PageControlTest, ActivationFromCodeShowsOnePageAndSelectsItsTab)
{
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), sheet[1]);
    EXPECT_EQ(Send(TCM_GETCURSEL), 1);
    EXPECT_TRUE(sheet[1]->Visible());
    EXPECT_FALSE(sheet[0]->Visible());
    sheet[2]->SetTabVisible(false);
    pages->SetActivePage(sheet[2]);  // a page without a tab can still be shown
    EXPECT_EQ(Send(TCM_GETCURSEL), -1);
    EXPECT_TRUE(sheet[2]->Visible());
    pages->SetActivePageIndex(7);  // outside: no page
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_EQ(pages->ActivePageIndex(), -1);
    EXPECT_FALSE(sheet[2]->Visible());
    EXPECT_EQ(changes, 0);  // code does not fire OnChange
    // Pages fill the display area.
    pages->SetActivePageIndex(0);
    RECT display = pages->DisplayRect(), bounds = sheet[0]->BoundsRect();
    EXPECT_TRUE(EqualRect(&display, &bounds));
}

TEST_F(PageControlTest, ClickingATabAsksOnChangingAndFiresOnChange)
{
    pages->SetActivePageIndex(0);
    form->Show();
    std::vector<std::wstring> events;
    bool allow = true;
    pages->OnChanging = [&](TObject*, bool& allowChange) {
        events.push_back(L"changing");
        allowChange = allow;
    };
    pages->OnChange = [&](TObject*) { events.push_back(L"change"); };
    ClickAt(TabCentre(2));
    EXPECT_EQ(pages->ActivePage(), sheet[2]);
    EXPECT_EQ(events, (std::vector<std::wstring>{L"changing", L"change"}));
    allow = false;
    ClickAt(TabCentre(1));
    EXPECT_EQ(pages->ActivePage(), sheet[2]);
    EXPECT_EQ(Send(TCM_GETCURSEL), 2);
    EXPECT_EQ(events.size(), 3u);
}

// Pages are placed before the window exists (while a layout loads); the reckoned area must be the
// one the control gives later, so that anchored children do not move when the window comes.
TEST_F(PageControlTest, DisplayAreaIsTheSameBeforeAndAfterTheWindowExists)
{
    pages->SetTabHeight(30);
    RECT before = pages->DisplayRect();
    pages->Handle();
    RECT after = pages->DisplayRect();
    EXPECT_TRUE(EqualRect(&before, &after)) << before.top << " " << after.top;
    for (TTabSheet* s : sheet)
        s->SetTabVisible(false);
    pages->RecreateWnd();
    after = pages->DisplayRect();
    auto* other = new TPageControl(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 10, 400, 300);
    before = other->DisplayRect();
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(PageControlTest, TabHeightAndPositionShapeTheTabRow)
{
    pages->Handle();
    pages->SetTabHeight(30);
    RECT tab = pages->TabRect(0), display = pages->DisplayRect();
    EXPECT_EQ(tab.bottom - tab.top, 30);
    EXPECT_GE(display.top, tab.bottom);
    pages->SetTabPosition(tpBottom);  // re-creates the window: tabs, height and selection stay
    EXPECT_TRUE(GetWindowLongW(pages->Handle(), GWL_STYLE) & TCS_BOTTOM);
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 3);
    tab = pages->TabRect(0);
    display = pages->DisplayRect();
    EXPECT_EQ(tab.bottom - tab.top, 30);
    EXPECT_LE(display.bottom, tab.top);
    EXPECT_LE(display.top, 4);
}

TEST_F(PageControlTest, SubPageSelectionSurvivesItsPageBeingHidden)
{
    auto* inner = new TPageControl(form.get());
    inner->SetParent(sheet[0]);
    inner->SetBounds(2, 2, 300, 200);
    TTabSheet* sub[3];
    for (auto& s : sub) {
        s = new TTabSheet(form.get());
        s->SetPageControl(inner);
    }
    pages->SetActivePageIndex(0);
    inner->SetActivePageIndex(2);
    pages->SetActivePageIndex(1);
    EXPECT_FALSE(GetWindowLongW(sheet[0]->Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(inner->ActivePageIndex(), 2);
    pages->SetActivePageIndex(0);
    EXPECT_EQ(inner->ActivePageIndex(), 2);
    EXPECT_EQ(SendMessageW(inner->Handle(), TCM_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(GetWindowLongW(sub[2]->Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongW(sub[0]->Handle(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(PageControlTest, TabsShowThePagesImages)
{
    TImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap picture(16, 8);
    images.Add(picture, nullptr);
    sheet[0]->SetImageIndex(1);
    pages->SetImages(&images);
    TCITEMW item{};
    item.mask = TCIF_IMAGE;
    Send(TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 1);
    Send(TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, -1);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(Send(TCM_GETIMAGELIST)), images.Handle());
    pages->SetImages(nullptr);
}

// The control paints itself piece by piece around the page that covers most of it: what reaches
// the screen must be what one whole paint draws.
TEST_F(PageControlTest, PaintedPiecesMakeTheWholePicture)
{
    pages->SetActivePageIndex(1);
    form->Show();
    HWND window = pages->Handle();
    RECT client{}, page = sheet[1]->BoundsRect();
    GetClientRect(window, &client);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    TBitmap onScreen(client.right, client.bottom), whole(client.right, client.bottom);
    {
        UniqueWindowDC screen = GetWindowDCOwned(window);
        BitBlt(onScreen.Canvas()->Handle(), 0, 0, client.right, client.bottom, screen.get(), 0, 0, SRCCOPY);
    }
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(whole.Canvas()->Handle()), 0);
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(whole.Canvas()->Handle()), 0);

    int compared = 0, differing = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            if (POINT p{x, y}; PtInRect(&page, p))
                continue;  // the page's own window
            ++compared;
            differing += GetPixel(onScreen.Canvas()->Handle(), x, y) != GetPixel(whole.Canvas()->Handle(), x, y);
        }
    EXPECT_GT(compared, 4000);
    EXPECT_EQ(differing, 0);
}

TEST_F(PageControlTest, CreatingAndFreeingPageControlsLeaksNothing)
{
    form->Handle();
    pages->Handle();
    int windows = testing::LiveThreadWindows(), objects = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        auto* control = new TPageControl(form.get());
        control->SetParent(form.get());
        for (int j = 0; j < 3; ++j) {
            auto* page = new TTabSheet(form.get());
            page->SetPageControl(control);
            page->SetTabVisible(j != 1);
        }
        control->SetActivePageIndex(i % 3);
        control->Handle();
        control->Free();
    }
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), objects);
}

}  // namespace
}  // namespace ov
