// Published properties by name: lookup with inheritance, type names, get and set by value and by
// identifier, and publishing of declared properties by descendants.
#include "framework/core/properties.h"

#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/controls/panel.h"

namespace ov {
namespace {

struct PropertiesTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TPanel* panel = new TPanel(form.get());
    TButton* button = new TButton(form.get());
    void SetUp() override
    {
        panel->SetParent(form.get());
        button->SetParent(panel);
    }
};

TEST_F(PropertiesTest, LookupFollowsInheritanceAndIgnoresCase)
{
    EXPECT_TRUE(HasPublishedProperty(*button, L"Default"));      // TButton's own
    EXPECT_TRUE(HasPublishedProperty(*button, L"TabOrder"));     // TWinControl's
    EXPECT_TRUE(HasPublishedProperty(*button, L"left"));         // TControl's
    EXPECT_TRUE(HasPublishedProperty(*button, L"Name"));         // TComponent's
    EXPECT_FALSE(HasPublishedProperty(*button, L"BevelInner"));  // a panel's
    EXPECT_TRUE(HasPublishedProperty(*panel, L"BevelInner"));
    EXPECT_FALSE(HasPublishedProperty(*button, L"NoSuchThing"));
}

TEST_F(PropertiesTest, TypeNames)
{
    EXPECT_EQ(PropertyTypeName(*form, L"BorderStyle"), L"TFormBorderStyle");
    EXPECT_EQ(PropertyTypeName(*panel, L"BorderStyle"), L"TBorderStyle");
    EXPECT_EQ(PropertyTypeName(*panel, L"Color"), L"TColor");
    EXPECT_EQ(PropertyTypeName(*panel, L"Caption"), L"WideString");
    EXPECT_EQ(PropertyTypeName(*panel, L"Anchors"), L"TAnchors");
    EXPECT_EQ(PropertyTypeName(*panel, L"Font"), L"TFont");
    EXPECT_EQ(PropertyTypeName(*panel, L"PopupMenu"), L"TPopupMenu");
    EXPECT_EQ(PropertyTypeName(*button, L"OnClick"), L"TNotifyEvent");
    EXPECT_EQ(PropertyTypeName(*button, L"Cursor"), L"TCursor");
    EXPECT_EQ(PropertyTypeName(*button, L"Missing"), L"");
}

TEST_F(PropertiesTest, SetByValueReachesTheSetter)
{
    form->SetColor(clRed);
    panel->SetColor(clBlue);
    SetPropertyValue(*panel, L"ParentColor", true);
    EXPECT_TRUE(panel->ParentColor());
    EXPECT_EQ(panel->Color(), clRed);
    SetPropertyValue(*button, L"Caption", std::wstring(L"\x786E\x5B9A"));
    EXPECT_EQ(button->Caption(), L"\x786E\x5B9A");
    SetPropertyValue(*button, L"Width", std::int64_t{91});
    EXPECT_EQ(button->Width(), 91);
    EXPECT_EQ(std::get<std::int64_t>(GetPropertyValue(*button, L"Width")), 91);
    auto font = std::get<TObject*>(GetPropertyValue(*button, L"Font"));
    EXPECT_EQ(font, button->Font());
    SetPropertyValue(*static_cast<TFont*>(font), L"Name", std::wstring(L"Tahoma"));
    EXPECT_EQ(button->Font()->Name(), L"Tahoma");
}

TEST_F(PropertiesTest, IdentifiersOfEnumerationsSetsAndNamedIntegers)
{
    SetPropertyIdent(*panel, L"Align", L"alTop");
    EXPECT_EQ(panel->Align(), alTop);
    SetPropertyIdent(*panel, L"Anchors", L"[akLeft, akBottom]");
    EXPECT_EQ(panel->Anchors(), (TAnchors{akLeft, akBottom}));
    EXPECT_EQ(GetPropertyIdent(*panel, L"Anchors"), L"[akLeft, akBottom]");
    SetPropertyIdent(*panel, L"Color", L"clBtnShadow");
    EXPECT_EQ(panel->Color(), clBtnShadow);
    EXPECT_EQ(GetPropertyIdent(*panel, L"Color"), L"clBtnShadow");
    SetPropertyIdent(*button, L"Cursor", L"crHandPoint");
    EXPECT_EQ(button->Cursor(), crHandPoint);
    SetPropertyIdent(*form, L"BorderStyle", L"bsDialog");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(GetPropertyIdent(*form, L"BorderStyle"), L"bsDialog");
    SetPropertyIdent(*button, L"Default", L"True");
    EXPECT_TRUE(button->Default());
}

TEST_F(PropertiesTest, RefusalsRaise)
{
    EXPECT_THROW(SetPropertyValue(*button, L"Nope", std::int64_t{1}), Exception);
    EXPECT_THROW(SetPropertyValue(*button, L"Width", std::wstring(L"wide")), Exception);
    EXPECT_THROW(SetPropertyValue(*button, L"Font", TValue{static_cast<TObject*>(panel)}), Exception);
    EXPECT_THROW(SetPropertyIdent(*panel, L"Align", L"alSideways"), Exception);
    EXPECT_THROW(SetPropertyIdent(*panel, L"Anchors", L"[akLeft, akNowhere]"), Exception);
    EXPECT_THROW(SetPropertyValue(*panel, L"Constraints", TValue{}), Exception) << "read-only";
}

// TCustomForm declares its form properties; TForm publishes them.
TEST(PublishedProperties, DescendantsPublishWhatAncestorsDeclare)
{
    TComponentPtr<TCustomForm> custom(new TCustomForm(nullptr));
    TComponentPtr<TForm> form(new TForm(nullptr));
    EXPECT_FALSE(HasPublishedProperty(*custom, L"BorderStyle"));
    EXPECT_TRUE(HasPublishedProperty(*form, L"BorderStyle"));
    EXPECT_TRUE(HasPublishedProperty(*form, L"OnCreate"));
    EXPECT_TRUE(custom->ClassInfo().InheritsFrom(L"TWinControl"));
    EXPECT_EQ(form->ClassName(), L"TForm");
    EXPECT_EQ(FindComponentClass(L"tbutton"), &TButton::StaticClass());
    EXPECT_EQ(FindComponentClass(L"TNoSuchClass"), nullptr);
}

}  // namespace
}  // namespace ov
