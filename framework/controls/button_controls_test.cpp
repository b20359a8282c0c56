// Check boxes, radio buttons, group boxes and speed buttons: built from a stored layout, their
// properties reaching the system BUTTON and back, and real clicks under Wine changing their state
// and firing their events.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/graphics/canvas.h"
#include "framework/controls/check_box.h"
#include "framework/forms/form.h"
#include "framework/controls/group_box.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_button.h"
#include "framework/controls/speed_button.h"
#include "framework/core/streams.h"
#include "tests/test_input.h"
#include "tests/test_layout_form.h"

namespace ov {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  ClientWidth = 420
  ClientHeight = 260
  object CheckBox1: TCheckBox
    Left = 10
    Top = 10
    Width = 150
    Height = 20
    Caption = 'Check'
    AllowGrayed = True
    State = cbGrayed
  end
  object CheckBox2: TCheckBox
    Left = 10
    Top = 40
    Width = 150
    Height = 20
    Caption = 'Left text'
    Alignment = taLeftJustify
    Checked = True
  end
  object GroupBox1: TGroupBox
    Left = 180
    Top = 10
    Width = 220
    Height = 110
    Caption = 'Group'
    object RadioButton1: TRadioButton
      Left = 10
      Top = 25
      Width = 150
      Height = 20
      Caption = 'One'
      Checked = True
    end
    object RadioButton2: TRadioButton
      Left = 10
      Top = 55
      Width = 150
      Height = 20
      Caption = 'Two'
    end
  end
  object SpeedButton1: TSpeedButton
    Left = 10
    Top = 150
    Width = 60
    Height = 30
    Caption = 'A'
    GroupIndex = 1
    Down = True
  end
  object SpeedButton2: TSpeedButton
    Left = 80
    Top = 150
    Width = 60
    Height = 30
    Caption = 'B'
    GroupIndex = 1
    Flat = True
  end
  object SpeedButton3: TSpeedButton
    Left = 150
    Top = 150
    Width = 60
    Height = 30
    Caption = 'C'
    Layout = blGlyphTop
    Margin = 2
    Spacing = 1
    NumGlyphs = 2
  end
end
)";

struct ButtonControlsTest : testing::TLayoutFormTest {
    int clicks = 0;
    TObject* clicked = nullptr;

    void SetUp() override { Open(kLayout); }
    void CountClicks(TControl* control)
    {
        control->OnClick = [this](TObject* sender) {
            ++clicks;
            clicked = sender;
        };
    }
    static LRESULT Check(TWinControl* control) { return SendMessageW(control->Handle(), BM_GETCHECK, 0, 0); }
    static POINT Middle(const TControl* control) { return {control->Width() / 2, control->Height() / 2}; }
};

TEST_F(ButtonControlsTest, LayoutStatesReachTheSystemButtons)
{
    auto box1 = Find<TCheckBox>(L"CheckBox1");
    auto box2 = Find<TCheckBox>(L"CheckBox2");
    EXPECT_EQ(box1->State(), cbGrayed);
    EXPECT_EQ(Check(box1), BST_INDETERMINATE);
    EXPECT_EQ(Check(box2), BST_CHECKED);
    EXPECT_TRUE(GetWindowLongW(box2->Handle(), GWL_STYLE) & BS_LEFTTEXT);
    EXPECT_EQ(GetWindowLongW(box1->Handle(), GWL_STYLE) & 0x0F, BS_3STATE);
    EXPECT_EQ(Find<TRadioButton>(L"RadioButton1")->Parent(), Find<TGroupBox>(L"GroupBox1"));
    EXPECT_EQ(Check(Find<TRadioButton>(L"RadioButton1")), BST_CHECKED);
    EXPECT_EQ(Check(Find<TRadioButton>(L"RadioButton2")), BST_UNCHECKED);
    auto speed3 = Find<TSpeedButton>(L"SpeedButton3");
    EXPECT_EQ(speed3->Layout(), blGlyphTop);
    EXPECT_EQ(speed3->Margin(), 2);
    EXPECT_EQ(speed3->Spacing(), 1);
    EXPECT_EQ(speed3->NumGlyphs(), 2);
    EXPECT_TRUE(Find<TSpeedButton>(L"SpeedButton1")->Down());
    EXPECT_TRUE(Find<TSpeedButton>(L"SpeedButton2")->Flat());
}

TEST_F(ButtonControlsTest, StateSetInCodeShowsAndReadsBack)
{
    auto box = Find<TCheckBox>(L"CheckBox1");
    CountClicks(box);
    box->SetChecked(true);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_TRUE(box->Checked());
    box->SetState(cbUnchecked);
    EXPECT_EQ(Check(box), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2);  // every change of State clicks
    box->SetState(cbUnchecked);
    EXPECT_EQ(clicks, 2);
    // The state survives a new window.
    box->SetState(cbGrayed);
    box->SetAlignment(taLeftJustify);
    EXPECT_EQ(Check(box), BST_INDETERMINATE);
}

TEST_F(ButtonControlsTest, RealClicksCycleACheckBoxThroughItsStates)
{
    auto box = Find<TCheckBox>(L"CheckBox1");
    CountClicks(box);
    testing::Click(*box, {8, box->Height() / 2});
    EXPECT_EQ(box->State(), cbUnchecked);
    testing::Click(*box, {8, box->Height() / 2});
    EXPECT_EQ(box->State(), cbChecked);
    testing::Click(*box, {8, box->Height() / 2});
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(clicked, box);
    EXPECT_EQ(Check(box), BST_INDETERMINATE);
    // Without AllowGrayed a click never grays.
    auto plain = Find<TCheckBox>(L"CheckBox2");
    testing::Click(*plain, Middle(plain));
    testing::Click(*plain, Middle(plain));
    EXPECT_EQ(plain->State(), cbChecked);
}

TEST_F(ButtonControlsTest, ARealClickOnARadioButtonUnchecksTheOthersOfItsParent)
{
    auto one = Find<TRadioButton>(L"RadioButton1");
    auto two = Find<TRadioButton>(L"RadioButton2");
    CountClicks(two);
    testing::Click(*two, {8, two->Height() / 2});
    EXPECT_TRUE(two->Checked());
    EXPECT_FALSE(one->Checked());
    EXPECT_EQ(Check(one), BST_UNCHECKED);
    EXPECT_EQ(Check(two), BST_CHECKED);
    EXPECT_EQ(clicks, 1);
    // Clicking the checked one again changes nothing and clicks no more.
    testing::Click(*two, {8, two->Height() / 2});
    EXPECT_EQ(clicks, 1);
    one->SetChecked(true);
    EXPECT_FALSE(two->Checked());
}

TEST_F(ButtonControlsTest, ASpeedButtonGroupKeepsOneButtonDown)
{
    auto a = Find<TSpeedButton>(L"SpeedButton1");
    auto b = Find<TSpeedButton>(L"SpeedButton2");
    CountClicks(b);
    testing::Click(*b, Middle(b));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, b);
    // The down button stays down without AllowAllUp, goes up with it.
    testing::Click(*b, Middle(b));
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());
    testing::Click(*b, Middle(b));
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());
    testing::Click(*a, Middle(a));
    EXPECT_TRUE(a->Down());
}

TEST_F(ButtonControlsTest, AnUngroupedSpeedButtonClicksAndSpringsBack)
{
    auto c = Find<TSpeedButton>(L"SpeedButton3");
    CountClicks(c);
    c->SetDown(true);
    EXPECT_FALSE(c->Down());
    testing::Click(*c, Middle(c));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(c->Down());
    EXPECT_FALSE(c->Pressed());
    // A press outside the button does not click it.
    testing::Click(*form, {400, 250});
    EXPECT_EQ(clicks, 1);
}

// The speed button as its parent paints it: on a DC handed over with WM_PAINT.
TBitmap Painted(TControl& control)
{
    TBitmap picture(control.Width(), control.Height());
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas()->Handle()), 0);
    return picture;
}

TEST_F(ButtonControlsTest, AGroupBoxFramesItsChildrenAndItsCaptionCoversTheFrameLine)
{
    auto group = Find<TGroupBox>(L"GroupBox1");
    TBitmap picture = Painted(*group);
    int lineHeight = picture.Canvas()->TextHeight(L"0");
    int frameTop = lineHeight / 2;
    TColor face = static_cast<TColor>(ColorToRGB(group->Color()));
    // The etched frame: a line across the top, broken where the caption stands (8 pixels in).
    int lineAt = -1;
    for (int y = frameTop - 1; y <= frameTop + 1 && lineAt < 0; ++y)
        if (picture.Pixel(group->Width() - 20, y) != face)
            lineAt = y;
    ASSERT_GE(lineAt, 0);
    EXPECT_EQ(picture.Pixel(3, lineAt), picture.Pixel(group->Width() - 20, lineAt));
    int captionGaps = 0;
    for (int x = 9; x < 30; ++x)
        captionGaps += picture.Pixel(x, lineAt) != picture.Pixel(group->Width() - 20, lineAt);
    EXPECT_GT(captionGaps, 0);
    // An aligned child fills the inside below the caption.
    auto inside = new TPanel(form.get());
    inside->SetParent(group);
    inside->SetAlign(alClient);
    EXPECT_GE(inside->Top(), lineHeight);
    EXPECT_LE(inside->Top() + inside->Height(), group->ClientHeight());
    EXPECT_GT(inside->Left(), 0);
}

TEST_F(ButtonControlsTest, TheGlyphShowsWithItsTransparentColourLeftOut)
{
    auto c = Find<TSpeedButton>(L"SpeedButton3");
    TBitmap strip(16, 8);
    strip.Canvas()->Brush()->SetColor(clFuchsia);  // bottom-left: transparent
    strip.Canvas()->FillRect(RECT{0, 0, 16, 8});
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(RECT{2, 2, 6, 6});  // glyph 1: up
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect(RECT{10, 2, 14, 6});  // glyph 2: disabled
    c->SetGlyph(&strip);
    // Glyph on top, Margin (2) below the 2-pixel raised edge, centred across.
    int x = (c->Width() - 8) / 2, y = 2 + 2;
    TBitmap up = Painted(*c);
    EXPECT_EQ(up.Pixel(x + 4, y + 4), clRed);
    EXPECT_EQ(up.Pixel(x + 1, y + 1), ColorToRGB(clBtnFace));  // transparent
    c->SetEnabled(false);
    TBitmap disabled = Painted(*c);
    EXPECT_EQ(disabled.Pixel(x + 4, y + 4), clBlue);
}

// A glyph stored in a layout: `Glyph.Data`, a 4-byte size and then a BMP file, in hex.
std::string GlyphDataHex(const TBitmap& glyph)
{
    TMemoryStream file;
    glyph.SaveToStream(file);
    std::uint32_t size = static_cast<std::uint32_t>(file.Size());
    std::string hex;
    auto put = [&hex](std::uint8_t byte) {
        static const char kDigits[] = "0123456789ABCDEF";
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    };
    for (int i = 0; i < 4; ++i)
        put(static_cast<std::uint8_t>(size >> (8 * i)));
    for (std::uint8_t byte : file.Bytes())
        put(byte);
    return hex;
}

TEST(SpeedButtonGlyph, ComesFromTheLayoutsGlyphData)
{
    TBitmap strip(16, 8);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect(RECT{0, 0, 16, 8});
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(RECT{2, 2, 6, 6});
    std::string layout =
        "object Form1: TForm\n  object SpeedButton1: TSpeedButton\n    NumGlyphs = 2\n"
        "    Glyph.Data = {" +
        GlyphDataHex(strip) + "}\n  end\nend\n";
    TComponentPtr<TForm> form(new TForm(nullptr));
    form->InitForm(layout);
    auto button = dynamic_cast<TSpeedButton*>(form->FindComponent(L"SpeedButton1"));
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(button->Glyph()->Width(), 16);
    EXPECT_EQ(button->Glyph()->Pixel(3, 3), clRed);
    EXPECT_EQ(button->Glyph()->TransparentColor(), clFuchsia);
}

}  // namespace
}  // namespace ov
