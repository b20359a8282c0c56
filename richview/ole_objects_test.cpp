// Embedded objects in a real control: fetching the selected one, running verbs, closing all, and
// what the properties dialog is told about them.
#include "richview/ole_objects.h"

#include <gtest/gtest.h>

#include "framework/core/exception.h"
#include "richview/object_properties.h"
#include "richview/test_ole_object.h"
#include "richview/test_windows.h"

namespace ov {
namespace {

using testing::InsertTestObject;
using testing::TestOleObject;

class EmbeddedObjects : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::SendMessageW(edit.handle(), EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(ole.GetAddressOf()));
        ASSERT_NE(ole, nullptr);
        ::SetWindowTextW(edit.handle(), L"ab");
        ::SendMessageW(edit.handle(), EM_SETSEL, 1, 1);
    }

    // The objects outlive the control, which releases them when its window goes.
    TestOleObject object, second;
    TestWindow parent;
    RichEditWindow edit{parent.handle()};
    ComPtr<IRichEditOle> ole;
};

TEST_F(EmbeddedObjects, SelectedObjectRunsItsVerbsInTheView)
{
    ASSERT_EQ(InsertTestObject(edit.handle(), object), S_OK);
    std::optional<TEmbeddedObject> selected =
        GetEmbeddedObject(*ole.Get(), static_cast<LONG>(REO_IOB_SELECTION), REO_GETOBJ_POLESITE);
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->Object(), &object);
    EXPECT_EQ(selected->UserType(), L"Test Picture");
    EXPECT_FALSE(selected->Linked());

    RunSelectedObjectVerb(*ole.Get(), edit.handle(), 2);
    ASSERT_EQ(object.verbsRun.size(), 1u);
    EXPECT_EQ(object.verbsRun[0], 2);
    object.doVerbResult = OLEOBJ_S_CANNOT_DOVERB_NOW | 0x80000000;
    EXPECT_THROW(RunSelectedObjectVerb(*ole.Get(), edit.handle(), 0), Exception);
}

TEST_F(EmbeddedObjects, NoSelectedObjectRunsNothing)
{
    ASSERT_EQ(InsertTestObject(edit.handle(), object, false), S_OK);
    ::SendMessageW(edit.handle(), EM_SETSEL, 0, 0);
    EXPECT_FALSE(GetEmbeddedObject(*ole.Get(), static_cast<LONG>(REO_IOB_SELECTION), 0));
    RunSelectedObjectVerb(*ole.Get(), edit.handle(), 0);
    EXPECT_TRUE(object.verbsRun.empty());
}

TEST_F(EmbeddedObjects, CloseAllClosesEveryObjectWithoutSaving)
{
    TestOleObject& first = object;
    ASSERT_EQ(InsertTestObject(edit.handle(), first, false), S_OK);
    ASSERT_EQ(InsertTestObject(edit.handle(), second, false), S_OK);
    EXPECT_EQ(ole->GetObjectCount(), 2);
    CloseEmbeddedObjects(*ole.Get());
    EXPECT_EQ(first.closes, std::vector<DWORD>{OLECLOSE_NOSAVE});
    EXPECT_EQ(second.closes, std::vector<DWORD>{OLECLOSE_NOSAVE});
}

TEST_F(EmbeddedObjects, PropertiesDialogIsToldTypeAndLocation)
{
    ASSERT_EQ(InsertTestObject(edit.handle(), object), S_OK);
    std::optional<TEmbeddedObject> selected =
        GetEmbeddedObject(*ole.Get(), static_cast<LONG>(REO_IOB_SELECTION), REO_GETOBJ_POLESITE);
    ASSERT_TRUE(selected);
    TObjectPropertiesContext context{edit.handle(), ole.Get(), L"Chapter", L"Reader", {}, {}};
    TOleUIObjInfo info(context, *selected);
    DWORD size = 0;
    LPWSTR label = nullptr, type = nullptr, shortType = nullptr, location = nullptr;
    ASSERT_EQ(info.GetObjectInfo(1, &size, &label, &type, &shortType, &location), S_OK);
    EXPECT_EQ(size, DWORD(-1));
    EXPECT_STREQ(label, L"Test Picture");
    EXPECT_STREQ(type, L"Test Picture");
    EXPECT_STREQ(shortType, L"Picture");
    EXPECT_STREQ(location, L"Chapter - Reader");
    for (LPWSTR s : {label, type, shortType, location})
        ::CoTaskMemFree(s);
    context.title = L"  ";
    EXPECT_EQ(info.Location(), L"Reader");
    EXPECT_EQ(info.ConvertObject(1, CLSID_NULL), E_NOTIMPL);
    // An object that is not a link has no link information.
    EXPECT_THROW(TOleUILinkInfo(context, *selected), Exception);
}

}  // namespace
}  // namespace ov
