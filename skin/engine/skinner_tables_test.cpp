// Which windows get skinned and by which skinner: the tables, the hook's decisions, the walks over
// a form's controls and a dialog's children, and the control skinner base's message path.
#include "skin/engine/skinner_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/controls/button.h"
#include "framework/controls/label.h"
#include "framework/controls/memo.h"
#include "framework/controls/page_control.h"
#include "framework/controls/panel.h"
#include "richview/rich_edit.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_control.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"

namespace ov {
namespace {

// A control skinner that records what the base turns messages into; each table row has its tag.
class TRecordingSkinner : public TkrvSkinControlVCL {
public:
    TRecordingSkinner(TControl* control, TkrvSkinWindow* owner, std::string row)
        : TkrvSkinControlVCL(control, owner), row(std::move(row))
    {
    }
    void Paint() override { ++paints; }
    void KeyDown(WORD key) override { keys.push_back(key); }
    void MouseLeave() override { ++leaves; }
    void Update() override { ++updates; }
    bool UsesParentColor() override { return row == "panel"; }

    std::string row;
    int paints = 0, leaves = 0, updates = 0;
    std::vector<WORD> keys;
};

class TRecordingWndSkinner : public TkrvSkinControlWnd {
public:
    TRecordingWndSkinner(HWND window, TkrvSkinWindow* owner, std::string row)
        : TkrvSkinControlWnd(window, owner), row(std::move(row))
    {
    }
    std::string row;
};

template <const char* Row>
std::unique_ptr<TkrvSkinControl> MakeRecording(TControl* control, TkrvSkinWindow* owner)
{
    return std::make_unique<TRecordingSkinner>(control, owner, Row);
}

template <const char* Row>
std::unique_ptr<TkrvSkinControl> MakeRecordingWnd(HWND window, TkrvSkinWindow* owner)
{
    return std::make_unique<TRecordingWndSkinner>(window, owner, Row);
}

constexpr char kCustomControl[] = "customcontrol", kEdit[] = "edit", kButton[] = "button", kMissing[] = "missing",
               kPanel[] = "panel", kPushButton[] = "BUTTON", kCheckBox[] = "BUTTON_CHECKBOX",
               kRadio[] = "BUTTON_RADIOBUTTON", kCombo[] = "COMBOBOX";

// Test rows in the tables' order: general rows first, more specific ones later.
class SkinnerTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSkinnerTables();
        static const TkrvFrameworkSkinnerRow framework[] = {
            {L"TCustomControl", MakeRecording<kCustomControl>},
            {L"TCustomPanel", MakeRecording<kPanel>},
            {L"TNoSuchClass", MakeRecording<kMissing>},
            {L"TCustomEdit", MakeRecording<kEdit>},
            {L"TButton", MakeRecording<kButton>},
        };
        static const TkrvWindowClassSkinnerRow windowClasses[] = {
            {L"COMBOBOX", MakeRecordingWnd<kCombo>},
            {L"BUTTON", MakeRecordingWnd<kPushButton>},
            {L"BUTTON_CHECKBOX", MakeRecordingWnd<kCheckBox>},
            {L"BUTTON_RADIOBUTTON", MakeRecordingWnd<kRadio>},
        };
        AddFrameworkSkinners(framework);
        AddWindowClassSkinners(windowClasses);
    }
    void TearDown() override { ClearSkinnerTables(); }

    static std::string RowFor(const TClassInfo& cls)
    {
        const TkrvFrameworkSkinnerRow* row = FindFrameworkSkinnerRow(cls);
        if (!row)
            return "none";
        return row->frameworkClass == std::wstring(L"TButton")        ? kButton
               : row->frameworkClass == std::wstring(L"TCustomEdit")  ? kEdit
               : row->frameworkClass == std::wstring(L"TCustomPanel") ? kPanel
                                                                      : kCustomControl;
    }

    static std::map<std::string, int> RowsOf(const TkrvSkinWindow& frame)
    {
        std::map<std::string, int> rows;
        for (const auto& skinner : frame.ControlSkinners()) {
            if (auto* vcl = dynamic_cast<TRecordingSkinner*>(skinner.get()))
                ++rows[vcl->row];
            else if (auto* wnd = dynamic_cast<TRecordingWndSkinner*>(skinner.get()))
                ++rows[wnd->row];
        }
        return rows;
    }
};

// The search runs from the last row back: the more specific row placed later wins, a class the
// framework lacks never matches, and a tab sheet (not a custom control) gets no row.
TEST_F(SkinnerTables, TheLastMatchingFrameworkRowServesAControl)
{
    EXPECT_EQ(RowFor(TButton::StaticClass()), kButton);
    EXPECT_EQ(RowFor(TMemo::StaticClass()), kEdit);
    EXPECT_EQ(RowFor(TOvRichEdit::StaticClass()), kEdit) << "rich text views are edits";
    EXPECT_EQ(RowFor(TPanel::StaticClass()), kPanel);
    EXPECT_EQ(RowFor(TTabSheet::StaticClass()), "none");
    EXPECT_EQ(RowFor(TLabel::StaticClass()), "none");
}

TEST(SkinnerTableNames, PlainButtonsAreNamedByTheirStyleAndSomeChildrenGetNone)
{
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_PUSHBUTTON), L"BUTTON");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_DEFPUSHBUTTON), L"BUTTON");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_GROUPBOX), L"");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_AUTOCHECKBOX), L"BUTTON_CHECKBOX");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_CHECKBOX), L"BUTTON_CHECKBOX");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_AUTO3STATE), L"BUTTON_CHECKBOX");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_AUTORADIOBUTTON), L"BUTTON_RADIOBUTTON");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_RADIOBUTTON), L"BUTTON_RADIOBUTTON");
    EXPECT_EQ(WindowClassSkinnerName(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | BS_MULTILINE), L"BUTTON");
    EXPECT_EQ(WindowClassSkinnerName(L"COMBOBOX", CBS_SIMPLE), L"");
    EXPECT_EQ(WindowClassSkinnerName(L"COMBOBOX", CBS_DROPDOWNLIST), L"COMBOBOX");
    EXPECT_EQ(WindowClassSkinnerName(L"SYSTABCONTROL32", 0), L"SYSTABCONTROL32");
}

TEST(SkinHookDecisions, SizeGripsAndActivatedClasses)
{
    EXPECT_TRUE(RefusesSizeGrip(L"SCROLLBAR", WS_CHILD | SBS_SIZEGRIP, 0, true));
    EXPECT_FALSE(RefusesSizeGrip(L"SCROLLBAR", WS_CHILD | SBS_SIZEGRIP, WS_EX_NOPARENTNOTIFY, true));
    EXPECT_TRUE(RefusesSizeGrip(L"SCROLLBAR", SBS_SIZEGRIP, WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE, true));
    EXPECT_FALSE(RefusesSizeGrip(L"SCROLLBAR", SBS_SIZEGRIP, 0, false)) << "only while skinning works";
    EXPECT_FALSE(RefusesSizeGrip(L"SCROLLBAR", SBS_VERT, 0, true));
    EXPECT_FALSE(RefusesSizeGrip(L"STATIC", SBS_SIZEGRIP, 0, true));

    using enum TkrvActivationSkin;
    EXPECT_EQ(ActivationSkin(L"#32770", false, true), AsDialog);
    EXPECT_EQ(ActivationSkin(L"TMessageForm", false, true), AsDialog);
    EXPECT_EQ(ActivationSkin(L"#32770", true, true), None) << "the dialog being destroyed";
    EXPECT_EQ(ActivationSkin(L"#32770", false, false), None) << "SkinDialogs off";
    EXPECT_EQ(ActivationSkin(L"TTabDockHost", false, false), AsDialog);
    EXPECT_EQ(ActivationSkin(L"ttabdockhost", false, true), None) << "dock hosts match exactly";
    EXPECT_EQ(ActivationSkin(L"tform", false, true), AsForm) << "the auto-skin list ignores case";
    EXPECT_EQ(ActivationSkin(L"TAboutBox", false, true), None);
    AddAutoSkinClass(L"TAboutBox");
    AddAutoSkinClass(L"TABOUTBOX");
    EXPECT_EQ(ActivationSkin(L"TAboutBox", false, true), AsForm);
    EXPECT_EQ(std::count_if(AutoSkinClasses().Names().begin(), AutoSkinClasses().Names().end(),
                            [](const std::wstring& n) { return SameIdent(n, L"TAboutBox"); }),
              1);
}

// While the skin works, the hook refuses size grips unless their extended style is exactly
// WS_EX_NOPARENTNOTIFY.
TEST_F(SkinnerTables, TheHookRefusesSizeGripsWhileSkinning)
{
    test::SkinnedForm skinned(test::FormLayout(200, 100));
    HWND parent = skinned.Window();
    HWND refused =
        CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16, parent, nullptr, nullptr, nullptr);
    EXPECT_EQ(refused, nullptr);
    HWND allowed = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16,
                                   parent, nullptr, nullptr, nullptr);
    EXPECT_NE(allowed, nullptr);
    skinned.Engine()->SetActive(false);
    HWND unskinned =
        CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16, parent, nullptr, nullptr, nullptr);
    EXPECT_NE(unskinned, nullptr);
}

// The walk of a form: each control a row serves gets one skinner; disabled tags, the engine's own
// classes and already skinned windows are left alone; a skinner asking for its parent's colour
// gets ParentColor.
TEST_F(SkinnerTables, TheFormWalkSkinsEachServedControlOnce)
{
    std::string controls = R"(  object Button1: TButton
    Left = 8
    Top = 8
    Caption = 'OK'
  end
  object Memo1: TMemo
    Left = 8
    Top = 40
    Width = 100
    Height = 40
  end
  object Button2: TButton
    Left = 120
    Top = 8
    Tag = 9999
  end
  object Panel1: TPanel
    Left = 120
    Top = 40
    ParentColor = False
    Color = clRed
  end
  object Label1: TLabel
    Left = 8
    Top = 90
    Caption = 'label'
  end
)";
    test::SkinnedForm skinned(test::FormLayout(240, 120, controls));
    TkrvSkinWindow* frame = skinned.Engine()->FindSkinWindow(skinned.Window());
    ASSERT_NE(frame, nullptr);
    std::map<std::string, int> expected{{kButton, 1}, {kEdit, 1}, {kPanel, 1}};
    EXPECT_EQ(RowsOf(*frame), expected);
    auto* panel = static_cast<TPanel*>(skinned.Form()->FindComponent(L"Panel1"));
    EXPECT_TRUE(panel->ParentColor());
    auto* button = static_cast<TButton*>(skinned.Form()->FindComponent(L"Button1"));
    EXPECT_EQ(SendMessageW(button->Handle(), WM_KRV_QUERYSKINNED, 0, 0), 1);

    // A second walk finds every served control skinned already.
    frame->SkinControls();
    EXPECT_EQ(RowsOf(*frame), expected);
}

// The control skinner base: Space and Enter press, leaving clears hover and pressed, every key
// still reaches KeyDown, and a control carrying the disabled tag gets no skinned painting.
TEST_F(SkinnerTables, TheBaseTurnsMessagesIntoOperations)
{
    std::string controls = R"(  object Button1: TButton
    Left = 8
    Top = 8
  end
)";
    test::SkinnedForm skinned(test::FormLayout(200, 100, controls));
    TkrvSkinWindow* frame = skinned.Engine()->FindSkinWindow(skinned.Window());
    ASSERT_EQ(frame->ControlSkinners().size(), 1u);
    auto* skinner = static_cast<TRecordingSkinner*>(frame->ControlSkinners()[0].get());
    TControl* button = skinner->Control();
    EXPECT_GE(skinner->updates, 1);

    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(skinner->Hovered());
    button->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(skinner->Pressed());
    button->Perform(WM_KEYUP, VK_RETURN);
    EXPECT_FALSE(skinner->Pressed());
    button->Perform(WM_KEYDOWN, 'A');
    EXPECT_FALSE(skinner->Pressed());
    EXPECT_EQ(skinner->keys, (std::vector<WORD>{VK_SPACE, 'A'}));
    button->Perform(WM_KEYDOWN, VK_RETURN);
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(skinner->State(), 0) << "leaving with the key held clears both bits";
    EXPECT_EQ(skinner->leaves, 1);
    EXPECT_EQ(button->Perform(WM_KRV_QUERYSKINNED), 1);

    int paints = skinner->paints;
    button->Perform(WM_KRV_CONTROLREPAINT);
    EXPECT_EQ(skinner->paints, paints + 1);
    button->SetTag(9999);
    button->Perform(WM_KRV_CONTROLREPAINT);
    button->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(skinner->paints, paints + 1);
    EXPECT_FALSE(skinner->Pressed());
    EXPECT_EQ(button->Perform(WM_KRV_QUERYSKINNED), 0);
}

// The walk of a plain dialog: its direct children by class and style; group boxes and simple
// combo boxes get none.
TEST_F(SkinnerTables, TheDialogWalkSkinsChildrenByClassAndStyle)
{
    test::SkinnedForm skinned(test::FormLayout(200, 100));
    HWND dialog = CreateWindowExW(0, L"#32770", L"Plain", WS_POPUP | WS_CAPTION | WS_SYSMENU, 50, 50, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    struct Child {
        const wchar_t* cls;
        DWORD style;
    };
    for (Child c : {Child{L"BUTTON", BS_PUSHBUTTON}, Child{L"BUTTON", BS_DEFPUSHBUTTON}, Child{L"BUTTON", BS_GROUPBOX},
                    Child{L"BUTTON", BS_AUTOCHECKBOX}, Child{L"BUTTON", BS_AUTORADIOBUTTON},
                    Child{L"COMBOBOX", CBS_DROPDOWNLIST}, Child{L"COMBOBOX", CBS_SIMPLE}, Child{L"STATIC", 0}})
        CreateWindowExW(0, c.cls, L"x", WS_CHILD | WS_VISIBLE | c.style, 0, 0, 60, 20, dialog, nullptr, nullptr,
                        nullptr);
    skinned.Engine()->SkinWindow(dialog, true);
    TkrvSkinWindow* frame = skinned.Engine()->FindSkinWindow(dialog);
    ASSERT_NE(frame, nullptr);
    std::map<std::string, int> expected{{kPushButton, 2}, {kCheckBox, 1}, {kRadio, 1}, {kCombo, 1}};
    EXPECT_EQ(RowsOf(*frame), expected);
    EXPECT_EQ(SendMessageW(dialog, WM_KRV_QUERYSKINNED, 0, 0), 1);
    DestroyWindow(dialog);
    EXPECT_EQ(skinned.Engine()->FindSkinWindow(dialog), nullptr) << "a dialog's skinner goes with it";
    EXPECT_EQ(LastDestroyedDialog(), dialog);
}

// Hooks stacked on one control or window come off in either order and leave the original
// procedure in place, with messages flowing through whatever is left.
TEST(WindowHooks, StackedHooksComeOffInAnyOrder)
{
    for (bool firstGoesFirst : {true, false}) {
        TComponentPtr<TForm> form(new TForm(nullptr));
        form->InitForm(test::FormLayout(100, 100));
        TWndMethod original = form->WindowProc;
        int seenA = 0, seenB = 0;
        std::unique_ptr<TWindowProcHook> a, b;
        a = std::make_unique<TWindowProcHook>(form.get(), [&](TMessage& m) {
            ++seenA;
            a->CallPrevious(m);
        });
        b = std::make_unique<TWindowProcHook>(form.get(), [&](TMessage& m) {
            ++seenB;
            b->CallPrevious(m);
        });
        (firstGoesFirst ? a : b).reset();
        form->Perform(WM_NULL);
        EXPECT_EQ(seenA + seenB, 1);
        (firstGoesFirst ? b : a).reset();
        EXPECT_TRUE(form->WindowProc == original);

        HWND window = form->Handle();
        auto original32 = GetWindowLongPtrW(window, GWLP_WNDPROC);
        std::unique_ptr<TSubclassHook> c, d;
        c = std::make_unique<TSubclassHook>(window, [&](TMessage& m) { m.Result = c->CallPrevious(m); });
        d = std::make_unique<TSubclassHook>(window, [&](TMessage& m) { m.Result = d->CallPrevious(m) + 1; });
        (firstGoesFirst ? c : d).reset();
        EXPECT_EQ(SendMessageW(window, WM_KRV_QUERYSKINNED, 0, 0), firstGoesFirst ? 1 : 0);
        (firstGoesFirst ? d : c).reset();
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), original32);
    }
}

}  // namespace
}  // namespace ov
