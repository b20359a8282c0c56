// Embedded objects in a view: the control counts the objects of a loaded document and the view
// closes them when its window goes; the verb menu of a selected object; no handles or references
// are left behind by views made and freed.
#include "richview/custom_rich_edit.h"

#include <gtest/gtest.h>

#include "framework/core/format.h"
#include "tests/test_counts.h"
#include "richview/rtf_samples.h"
#include "richview/test_ole_object.h"
#include "richview/test_view.h"

namespace ov {
namespace {

using testing::InsertTestObject;
using testing::TestOleObject;

class ViewObjects : public testing::ViewTest {
protected:
    void SetUp() override
    {
        testing::ViewTest::SetUp();
        object.verbs = {{0, const_cast<LPOLESTR>(L"&Edit"), 0, OLEVERBATTRIB_ONCONTAINERMENU},
                        {1, const_cast<LPOLESTR>(L"&Open"), 0, OLEVERBATTRIB_ONCONTAINERMENU},
                        {2, const_cast<LPOLESTR>(L"Hidden"), 0, 0},
                        {3, const_cast<LPOLESTR>(L"Never shown"), 0, OLEVERBATTRIB_ONCONTAINERMENU}};
        view->Lines()->SetText(L"ab");
        view->SetSelection(1, 1, false);
    }
    void TearDown() override
    {
        if (view)
            view->Free();  // before the object it holds goes
        view = nullptr;
    }

    TestOleObject object;
};

TEST_F(ViewObjects, DocumentObjectsAreCountedAndClosedWithTheWindow)
{
    std::string rtf = std::string(rtf_samples::kHeader) + "x " + rtf_samples::Picture(4, 4, 0xff0000) + " y " +
                      rtf_samples::EmbeddedObject(4, 4, 0x0000ff) + " z}";
    Load(rtf);
    ASSERT_NE(view->RichEditOle(), nullptr);
    EXPECT_EQ(view->RichEditOle()->GetObjectCount(), 2);

    view->SetSelection(0, 0, false);
    ASSERT_EQ(InsertTestObject(view->Handle(), object), S_OK);
    EXPECT_EQ(view->RichEditOle()->GetObjectCount(), 3);
    view->Free();
    view = nullptr;
    EXPECT_EQ(object.closes, std::vector<DWORD>{OLECLOSE_NOSAVE});
}

TEST_F(ViewObjects, SelectedObjectGetsItsVerbMenuWithProperties)
{
    ASSERT_EQ(InsertTestObject(view->Handle(), object), S_OK);
    ASSERT_EQ(view->SelectionType(), SEL_OBJECT);
    TPopupMenu* menu = view->GetPopupMenu();
    ASSERT_NE(menu, nullptr);
    // Verbs end at the first one that is not for a container's menu.
    ASSERT_EQ(menu->Items()->Count(), 3);
    EXPECT_EQ(menu->Items()->Items(0)->Caption(), L"Test Picture Properties");
    EXPECT_EQ(menu->Items()->Items(1)->Caption(), L"&Edit");
    EXPECT_TRUE(menu->Items()->Items(1)->Default());
    EXPECT_EQ(menu->Items()->Items(2)->Caption(), L"&Open");
    EXPECT_EQ(menu->Items()->Items(2)->Tag(), 1);

    menu->Items()->Items(2)->Click();
    EXPECT_EQ(object.verbsRun, std::vector<LONG>{1});
}

TEST_F(ViewObjects, VerbItemsAreAppendedToAnAssignedMenu)
{
    TPopupMenu own(nullptr);
    auto mine = new TMenuItem(&own);
    mine->SetCaption(L"Mine");
    own.Items()->Add(mine);
    view->SetPopupMenu(&own);
    ASSERT_EQ(InsertTestObject(view->Handle(), object), S_OK);

    EXPECT_EQ(view->GetPopupMenu(), &own);
    ASSERT_EQ(own.Items()->Count(), 4);
    EXPECT_TRUE(own.Items()->Items(1)->IsLine());
    EXPECT_EQ(own.Items()->Items(2)->Caption(), L"Test Picture Properties");
    EXPECT_EQ(own.Items()->Items(3)->Caption(), L"Test Picture");
    EXPECT_EQ(own.Items()->Items(3)->Count(), 2);

    // The appended items belong to that one request.
    view->SetSelection(0, 0, false);
    EXPECT_EQ(view->GetPopupMenu(), &own);
    EXPECT_EQ(own.Items()->Count(), 1);
    view->SetPopupMenu(nullptr);
}

TEST_F(ViewObjects, ObjectWithoutVerbsAndNoMenuGivesNone)
{
    object.verbs.clear();
    ASSERT_EQ(InsertTestObject(view->Handle(), object), S_OK);
    EXPECT_EQ(view->GetPopupMenu(), nullptr);
    view->SetAutoVerbMenu(false);
    EXPECT_NE(view->GetPopupMenu(), nullptr);  // the fixed menu then
}

TEST(ViewLifetime, HundredViewsLeaveNoHandlesOrReferences)
{
    testing::OleEnvironment ole;
    TComponentPtr<TForm> form(new TForm(nullptr));
    form->InitForm(testing::ViewLayout(false));
    std::string rtf = rtf_samples::ChineseText(20);
    TestOleObject object;
    auto cycle = [&](bool withObject) {
        TComponentPtr<TOvRichEdit> view(new TOvRichEdit(nullptr));
        view->SetParent(form.get());
        view->Font()->SetName(L"Tahoma");
        TMemoryStream stream = testing::MemoryStreamOf(rtf);
        view->Lines()->LoadFromStream(stream);
        if (withObject)
            InsertTestObject(view->Handle(), object);
        view->SetHideScrollBars(!view->HideScrollBars());
        view->GetPopupMenu();
    };
    cycle(true);  // first use: library state, menus, caches
    ULONG references = object.references;
    int gdi = testing::LiveGdiObjects();
    int windows = testing::LiveThreadWindows();
    for (int i = 0; i < 100; ++i)
        cycle(i % 10 == 0);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(object.references, references);
}

}  // namespace
}  // namespace ov
