// Buttons, check boxes, radio buttons, labels and containers under the skin: the layout and state
// choices, and push buttons, caption colours, group boxes, panels and speed buttons on a skinned
// form, read back from the screen (against the skin's own pictures) and driven with real input.
// The check box and radio button pictures are checked end to end in the gallery.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/group_box.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/controls/speed_button.h"
#include "skin/controls/button_glyph.h"
#include "skin/controls/button_skinners.h"
#include "skin/controls/check_skinners.h"
#include "skin/controls/control_skinners.h"
#include "skin/controls/panel_skinners.h"
#include "skin/controls/speed_button_skinner.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/engine/engine_test_support.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"
#include "tests/skin_pictures_on_screen.h"

namespace ov {
namespace {

// --- layout and state choices ----------------------------------------------------------------------

TkrvGlyphPlacement Place(TButtonLayout layout, int margin, int spacing, bool rightToLeft = false)
{
    // A 100 × 40 area at (10, 20), a 16 × 16 glyph and a 30 × 13 caption.
    return PlaceGlyphAndText({{10, 20, 110, 60}, layout, rightToLeft, {16, 16}, {30, 13}, margin, spacing});
}

TEST(ButtonGlyphLayout, CentredWithTheSpacingBetweenByDefault)
{
    TkrvGlyphPlacement left = Place(blGlyphLeft, -1, 4);
    int margin = (100 - (16 + 4 + 30) + 1) / 2;
    EXPECT_EQ(left.glyph.x, 10 + margin);
    EXPECT_EQ(left.text.left, 10 + margin + 16 + 4);
    EXPECT_EQ(left.glyph.y, 20 + (40 - 16 + 1) / 2) << "centred across the axis";
    EXPECT_EQ(left.text.top, 20 + (40 - 13 + 1) / 2);
    EXPECT_EQ(left.text.right - left.text.left, 30);
    EXPECT_EQ(left.text.bottom - left.text.top, 13);

    TkrvGlyphPlacement right = Place(blGlyphRight, -1, 4);
    EXPECT_EQ(right.glyph.x, 10 + 100 - margin - 16);
    EXPECT_EQ(right.text.left, right.glyph.x - 4 - 30);

    TkrvGlyphPlacement top = Place(blGlyphTop, -1, 4);
    int topMargin = (40 - (16 + 4 + 13) + 1) / 2;
    EXPECT_EQ(top.glyph.y, 20 + topMargin);
    EXPECT_EQ(top.text.top, 20 + topMargin + 16 + 4);
    EXPECT_EQ(top.glyph.x, 10 + (100 - 16 + 1) / 2);

    TkrvGlyphPlacement bottom = Place(blGlyphBottom, -1, 4);
    EXPECT_EQ(bottom.glyph.y, 20 + 40 - topMargin - 16);
    EXPECT_EQ(bottom.text.top, bottom.glyph.y - 4 - 13);
}

TEST(ButtonGlyphLayout, MarginsAndSpacingsThatAreLeftOpen)
{
    // Both open: margin, glyph, spacing and text spread evenly, a third of the room left each.
    TkrvGlyphPlacement even = Place(blGlyphLeft, -1, -1);
    int third = (100 - (16 + 30)) / 3;
    EXPECT_EQ(even.glyph.x, 10 + third);
    EXPECT_EQ(even.text.left, 10 + third + 16 + third);
    // A fixed margin with an open spacing: the text is centred in what the glyph leaves.
    TkrvGlyphPlacement fixed = Place(blGlyphLeft, 6, -1);
    EXPECT_EQ(fixed.glyph.x, 16);
    EXPECT_EQ(fixed.text.left, 16 + 16 + (100 - 6 - 16 - 30) / 2);
    // Right to left reading mirrors a left glyph to the right.
    TkrvGlyphPlacement mirrored = Place(blGlyphLeft, 6, 4, true);
    EXPECT_EQ(mirrored.glyph.x, 10 + 100 - 6 - 16);
    // No glyph, no caption: an empty text box where the margin puts it.
    TkrvGlyphPlacement empty = PlaceGlyphAndText({{0, 0, 75, 25}, blGlyphLeft, false, {0, 0}, {0, 0}, -1, 0});
    EXPECT_EQ(empty.text.left, empty.text.right);
}

TEST(ButtonSkinnerStates, FacesAndImagesForEachState)
{
    EXPECT_EQ(ButtonFaceState(0), 1);
    EXPECT_EQ(ButtonFaceState(TkrvSkinControl::kHover), 2);
    EXPECT_EQ(ButtonFaceState(TkrvSkinControl::kPressed), 3);
    EXPECT_EQ(ButtonFaceState(TkrvSkinControl::kHover | TkrvSkinControl::kPressed), 3);

    EXPECT_EQ(CheckBoxImageState(cbChecked, true), 1);
    EXPECT_EQ(CheckBoxImageState(cbGrayed, true), 2);
    EXPECT_EQ(CheckBoxImageState(cbUnchecked, true), 3);
    EXPECT_EQ(CheckBoxImageState(cbChecked, false), 4);
    EXPECT_EQ(CheckBoxImageState(cbUnchecked, false), 6);
    EXPECT_EQ(RadioButtonImageState(true, true), 1);
    EXPECT_EQ(RadioButtonImageState(false, true), 2);
    EXPECT_EQ(RadioButtonImageState(true, false), 3);
    EXPECT_EQ(RadioButtonImageState(false, false), 4);
    EXPECT_EQ(CheckStateOf(BST_CHECKED), cbChecked);
    EXPECT_EQ(CheckStateOf(BST_INDETERMINATE), cbGrayed);
    EXPECT_EQ(CheckStateOf(BST_UNCHECKED), cbUnchecked);

    // The box at the left edge, or at the right edge one pixel in; centred, rounded down.
    EXPECT_EQ(BoxImagePosition(true, 160, 20, {12, 12}).x, 0);
    EXPECT_EQ(BoxImagePosition(true, 160, 20, {12, 12}).y, 4);
    EXPECT_EQ(BoxImagePosition(false, 160, 21, {12, 12}).x, 160 - 12 - 1);
    EXPECT_EQ(BoxImagePosition(false, 160, 21, {12, 12}).y, 4);
    EXPECT_EQ(BoxImagePosition(true, 160, 9, {12, 12}).y, -2) << "a control lower than its image";

    using enum TkrvSpeedButtonLook;
    EXPECT_EQ(SpeedButtonLook(true, true, false, true), Down);
    EXPECT_EQ(SpeedButtonLook(false, false, true, false), Down) << "held down, even disabled";
    EXPECT_EQ(SpeedButtonLook(true, true, false, false), Normal) << "a disabled button neither presses nor lights";
    EXPECT_EQ(SpeedButtonLook(false, true, false, true), Hot);
    EXPECT_EQ(SpeedButtonLook(false, false, false, true), Normal);

    RECT frame = GroupBoxFrameRect({200, 120}, 13);
    EXPECT_EQ(frame.top, 5);
    EXPECT_EQ(frame.right, 199);
    EXPECT_EQ(frame.bottom, 119);
}

// --- skinned controls on a form ---------------------------------------------------------------------

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

const char* const kControls = R"(  object Button1: TButton
    Left = 10
    Top = 10
    Width = 100
    Height = 25
    Caption = 'Button'
    Font.Color = clBlue
  end
  object Button2: TButton
    Left = 10
    Top = 45
    Width = 100
    Height = 25
    Caption = 'Default'
    Default = True
  end
  object Button3: TButton
    Left = 10
    Top = 80
    Width = 100
    Height = 25
    Caption = 'Cancel'
    Cancel = True
  end
  object Button4: TButton
    Left = 10
    Top = 115
    Width = 100
    Height = 25
    Caption = 'Disabled'
    Enabled = False
  end
  object Edit1: TEdit
    Left = 10
    Top = 150
    Width = 100
    Height = 21
  end
  object CheckBox1: TCheckBox
    Left = 130
    Top = 10
    Width = 150
    Height = 20
    Caption = 'Checked'
    Checked = True
  end
  object GroupBox1: TGroupBox
    Left = 300
    Top = 10
    Width = 180
    Height = 80
    Caption = 'Group'
  end
  object GroupBox2: TGroupBox
    Left = 300
    Top = 100
    Width = 180
    Height = 60
  end
  object Label1: TLabel
    Left = 130
    Top = 140
    Width = 100
    Height = 16
    Caption = 'A label'
    Font.Color = clGreen
  end
  object Panel1: TPanel
    Left = 300
    Top = 170
    Width = 180
    Height = 40
    Color = clRed
    ParentColor = False
  end
  object SpeedButton1: TSpeedButton
    Left = 130
    Top = 170
    Width = 70
    Height = 30
    Caption = 'Down'
    GroupIndex = 1
    Down = True
  end
  object SpeedButton2: TSpeedButton
    Left = 210
    Top = 170
    Width = 70
    Height = 30
    Caption = 'Up'
  end
  object SpeedButton3: TSpeedButton
    Left = 10
    Top = 185
    Width = 70
    Height = 30
    Caption = 'Own'
    Tag = 999999
  end
)";

class SkinnedButtons : public ::testing::Test {
protected:
    SkinnedButtons() : skinned_((RegisterControlSkinners(), test::FormLayout(500, 230, kControls)))
    {
        skinned_.ShowInFront();
        for (const wchar_t* name : {L"Button1", L"Button2", L"Button3"}) {
            auto* button = Find<TButton>(name);
            button->OnClick = TNotifyEvent([this, name](TObject*) { ++clicks_[name]; });
        }
    }
    ~SkinnedButtons() override { test::MoveMouseTo({5, 5}); }

    template <typename T>
    T* Find(const wchar_t* name) const
    {
        return static_cast<T*>(skinned_.Form()->FindComponent(name));
    }
    RECT ScreenBounds(TControl* control) const
    {
        POINT origin = control->ClientToScreen({0, 0});
        return {origin.x, origin.y, origin.x + control->Width(), origin.y + control->Height()};
    }
    POINT Centre(TControl* control) const
    {
        RECT r = ScreenBounds(control);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    [[nodiscard]] TkrvSkinEngine* Engine() const { return skinned_.Engine(); }
    int Clicks(const wchar_t* name) { return clicks_[name]; }

    // Whether the button comes to show the face (1 normal, 2 hot, 3 pressed, 0 none of the skin's)
    // within a generous limit: the system tells of a pointer that left only on its next check.
    bool ShowsFace(TControl* button, int face)
    {
        for (int i = 0; i < 40; ++i) {
            test::Pump(50);
            if (test::ShownButtonFace(test::BuiltinSkin(), ScreenBounds(button)) == face)
                return true;
        }
        return false;
    }

    void Key(WORD key, bool down)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        ::SendInput(1, &input, sizeof input);
        test::Pump(60);
    }
    void PressKey(WORD key)
    {
        Key(key, true);
        Key(key, false);
    }

    test::SkinnedForm skinned_;
    std::map<std::wstring, int> clicks_;
};

TEST_F(SkinnedButtons, APushButtonShowsTheSkinsFaceForWhereThePointerIsAndClicksOncePerPress)
{
    auto* button = Find<TButton>(L"Button1");
    test::MoveMouseTo({5, 5});
    EXPECT_TRUE(ShowsFace(button, 1)) << "normal";
    test::MoveMouseTo(Centre(button));
    EXPECT_TRUE(ShowsFace(button, 2)) << "hot under the pointer";
    test::PressLeftAt(Centre(button));
    EXPECT_TRUE(ShowsFace(button, 3)) << "pressed";
    EXPECT_EQ(Clicks(L"Button1"), 0) << "a press alone does not click";
    test::ReleaseLeftAt(Centre(button));
    EXPECT_TRUE(ShowsFace(button, 2));
    EXPECT_EQ(Clicks(L"Button1"), 1);
    EXPECT_TRUE(button->Focused()) << "the press gave it the focus";
    test::MoveMouseTo({5, 5});
    EXPECT_TRUE(ShowsFace(button, 1)) << "the pointer left after a click";

    test::DoubleClickAt(Centre(button));
    test::Pump(60);
    EXPECT_EQ(Clicks(L"Button1"), 3) << "a double click is two clicks";

    test::MoveMouseTo({5, 5});
    EXPECT_TRUE(ShowsFace(button, 1)) << "the pointer left";
    EXPECT_EQ(Clicks(L"Button2") + Clicks(L"Button3"), 0);
}

TEST_F(SkinnedButtons, SpaceAndEnterClickTheFocusedButtonOnce)
{
    auto* button = Find<TButton>(L"Button1");
    button->SetFocus();
    test::Pump(60);
    Key(VK_SPACE, true);
    EXPECT_TRUE(ShowsFace(button, 3)) << "pressed while Space is held";
    EXPECT_EQ(Clicks(L"Button1"), 0);
    Key(VK_SPACE, false);
    EXPECT_TRUE(ShowsFace(button, 1));
    EXPECT_EQ(Clicks(L"Button1"), 1);
    PressKey(VK_RETURN);
    EXPECT_EQ(Clicks(L"Button1"), 2);
    EXPECT_EQ(Clicks(L"Button2"), 0) << "the focused button takes Enter, not the default one";
}

TEST_F(SkinnedButtons, TheDefaultAndCancelButtonsAnswerEnterAndEscape)
{
    Find<TEdit>(L"Edit1")->SetFocus();
    test::Pump(60);
    PressKey(VK_RETURN);
    EXPECT_EQ(Clicks(L"Button2"), 1);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Clicks(L"Button3"), 1);
    EXPECT_EQ(Clicks(L"Button1"), 0);
    EXPECT_EQ(Clicks(L"Button2"), 1);
}

TEST_F(SkinnedButtons, ADisabledButtonShowsTheNormalFaceWithAGreyCaption)
{
    auto* button = Find<TButton>(L"Button4");
    test::MoveMouseTo(Centre(button));
    EXPECT_TRUE(ShowsFace(button, 1));
    test::ScreenPixels shot(ScreenBounds(button));
    int grey = 0, captionColour = 0;
    for (int y = 6; y < shot.Height() - 6; ++y)
        for (int x = 6; x < shot.Width() - 6; ++x) {
            grey += shot.At(x, y) == RGB(128, 128, 128);
            captionColour += shot.At(x, y) == Rgb(Engine()->GetColor(SKIN2_BUTTONFONTCOLOR));
        }
    EXPECT_GT(grey, 10);
    EXPECT_EQ(captionColour, 0);
}

TEST_F(SkinnedButtons, CaptionColoursFollowTheSkinUnlessTheEngineKeepsThem)
{
    auto* button = Find<TButton>(L"Button1");
    auto* box = Find<TCheckBox>(L"CheckBox1");
    auto* label = Find<TLabel>(L"Label1");
    EXPECT_EQ(button->Font()->Color(), Engine()->GetColor(SKIN2_BUTTONFONTCOLOR));
    EXPECT_EQ(box->Font()->Color(), Engine()->GetColor(SKIN2_CONTROLFONTCOLOR));
    EXPECT_EQ(label->Font()->Color(), Engine()->GetColor(SKIN2_CONTROLFONTCOLOR));

    Engine()->SetActive(false);
    test::Pump(60);
    EXPECT_EQ(box->Font()->Color(), clWindowText) << "its own colour back";
    EXPECT_EQ(label->Font()->Color(), clGreen);

    Engine()->SetNoChangeButtonsFontColor(true);
    button->Font()->SetColor(clBlue);
    Engine()->SetActive(true);
    test::Pump(60);
    button->Invalidate();
    test::Pump(60);
    EXPECT_EQ(button->Font()->Color(), clBlue);
    EXPECT_EQ(box->Font()->Color(), clWindowText);
    EXPECT_EQ(label->Font()->Color(), Engine()->GetColor(SKIN2_CONTROLFONTCOLOR)) << "labels do not ask";
}

TEST_F(SkinnedButtons, GroupBoxesPanelsAndSpeedButtonsTakeTheSkinsColours)
{
    COLORREF border = Rgb(Engine()->GetColor(SKIN2_CONTROLBORDERCOLOR));
    auto* group = Find<TGroupBox>(L"GroupBox1");
    auto* bare = Find<TGroupBox>(L"GroupBox2");
    test::Pump(60);
    {
        test::ScreenPixels shot(ScreenBounds(bare));
        int w = shot.Width(), h = shot.Height();
        EXPECT_EQ(shot.At(0, h / 2), border) << "left edge";
        EXPECT_EQ(shot.At(w - 2, h / 2), border) << "right edge";
        EXPECT_EQ(shot.At(w / 2, h - 2), border) << "bottom edge";
        EXPECT_NE(shot.At(1, h / 2), border) << "one pixel wide";
        EXPECT_EQ(shot.At(1, h / 2), Rgb(bare->Color())) << "the box's own etched frame is gone";
        EXPECT_EQ(shot.At(w - 1, h / 2), Rgb(bare->Color()));
    }
    {
        test::ScreenPixels shot(ScreenBounds(group));
        TCanvas canvas(::GetDC(nullptr));
        canvas.SetFont(*group->Font());
        int lineY = canvas.TextHeight(L"0") / 2 - 1;
        int captionWidth = canvas.TextWidth(L"Group");
        ::ReleaseDC(nullptr, canvas.Handle());
        canvas.SetHandle(nullptr);
        EXPECT_EQ(shot.At(4, lineY), border) << "the top line left of the caption";
        EXPECT_EQ(shot.At(8 + captionWidth + 4, lineY), border) << "and right of it";
        int behindCaption = 0;
        for (int x = 8; x < 8 + captionWidth; ++x)
            behindCaption += shot.At(x, lineY) == border;
        // The caption is drawn in the border colour too: only its strokes may cross the line's row.
        EXPECT_LT(behindCaption, captionWidth / 2) << "the caption's background hides the line";
    }

    auto* panel = Find<TPanel>(L"Panel1");
    EXPECT_TRUE(panel->ParentColor());
    EXPECT_EQ(panel->Color(), skinned_.Form()->Color());

    auto* down = Find<TSpeedButton>(L"SpeedButton1");
    auto* up = Find<TSpeedButton>(L"SpeedButton2");
    test::ScreenPixels downShot(ScreenBounds(down));
    EXPECT_EQ(downShot.At(0, 0), Rgb(Engine()->GetColor(SKIN2_TOOLBARBORDERCOLOR)));
    EXPECT_EQ(downShot.At(3, 3), Rgb(Engine()->GetColor(SKIN2_TOOLBARDOWNCOLOR)));
    EXPECT_EQ(test::ScreenPixels(ScreenBounds(up)).At(0, 0), Rgb(Engine()->FormColor())) << "no frame when up";
    test::MoveMouseTo(Centre(up));
    test::Pump(100);
    test::ScreenPixels hot(ScreenBounds(up));
    EXPECT_EQ(hot.At(0, 0), Rgb(Engine()->GetColor(SKIN2_TOOLBARBORDERCOLOR)));
    EXPECT_EQ(hot.At(3, 3), Rgb(Engine()->GetColor(SKIN2_TOOLBARONCOLOR))) << "hot under the pointer";

    // A speed button that paints itself only gets the skin's border down its left edge, inside
    // bands of the button face colour.
    auto* own = Find<TSpeedButton>(L"SpeedButton3");
    test::ScreenPixels ownShot(ScreenBounds(own));
    int middle = ownShot.Height() / 2;
    EXPECT_EQ(ownShot.At(0, middle), Rgb(Engine()->GetColor(SKIN2_CONTROLBORDERCOLOR)));
    EXPECT_EQ(ownShot.At(1, middle), Rgb(clBtnFace));
    EXPECT_EQ(ownShot.At(ownShot.Width() - 1, middle), Rgb(clBtnFace));
    EXPECT_EQ(ownShot.At(ownShot.Width() / 2, 0), Rgb(clBtnFace));
}

TEST_F(SkinnedButtons, RepaintingKeepsGdiAndUserCountsLevel)
{
    auto* button = Find<TButton>(L"Button1");
    auto repaintAll = [&] {
        for (int i = 0; i < 40; ++i) {
            skinned_.Form()->Invalidate();
            button->SetFocus();
            Find<TEdit>(L"Edit1")->SetFocus();
            test::Pump(5);
        }
    };
    repaintAll();
    HANDLE process = ::GetCurrentProcess();
    DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS), user = ::GetGuiResources(process, GR_USEROBJECTS);
    repaintAll();
    repaintAll();
    EXPECT_LE(::GetGuiResources(process, GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(::GetGuiResources(process, GR_USEROBJECTS), user + 2);
}

}  // namespace
}  // namespace ov
