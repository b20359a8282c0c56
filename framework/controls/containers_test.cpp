// Scroll boxes, frames, cool bars and status bars: built from stored layouts, their children,
// bands and panels reaching the system controls, a scroll box's range following its children and
// scrolling them, and a frame reading a layout of its own whose components it owns.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/cool_bar.h"
#include "framework/controls/edit.h"
#include "framework/forms/form.h"
#include "framework/controls/frame.h"
#include "framework/controls/panel.h"
#include "framework/core/properties.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/status_bar.h"
#include "tests/test_input.h"
#include "tests/test_layout_form.h"

namespace ov {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  ClientWidth = 500
  ClientHeight = 360
  object CoolBar1: TCoolBar
    object Edit1: TEdit
      Width = 100
      Height = 24
    end
    object Panel1: TPanel
      Width = 120
      Height = 24
    end
    Bands = <
      item
        Control = Edit1
        Text = 'Find'
        Width = 200
      end
      item
        Control = Panel1
        Width = 150
        Break = False
      end>
  end
  object ScrollBox1: TScrollBox
    Left = 10
    Top = 100
    Width = 200
    Height = 150
    object Button1: TButton
      Left = 10
      Top = 10
      Caption = 'Top'
    end
    object Button2: TButton
      Left = 20
      Top = 400
      Caption = 'Far'
    end
  end
  object Frame1: TFrame
    Left = 250
    Top = 100
    Width = 200
    Height = 150
    object Button3: TButton
      Left = 5
      Top = 5
      Caption = 'In frame'
    end
  end
  object StatusBar1: TStatusBar
    SizeGrip = False
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Text = 'Right'
        Alignment = taRightJustify
      end>
  end
end
)";

struct ContainersTest : testing::TLayoutFormTest {
    void SetUp() override { Open(kLayout); }
};

TEST_F(ContainersTest, CoolBarBandsHoldTheirControls)
{
    auto bar = Find<TCoolBar>(L"CoolBar1");
    HWND window = bar->Handle();
    ASSERT_EQ(SendMessageW(window, RB_GETBANDCOUNT, 0, 0), 2);
    REBARBANDINFOW info{};
    wchar_t text[32] = {};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_CHILD | RBBIM_TEXT | RBBIM_STYLE;
    info.lpText = text;
    info.cch = 32;
    ASSERT_TRUE(SendMessageW(window, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.hwndChild, Find<TEdit>(L"Edit1")->Handle());
    EXPECT_EQ(std::wstring(text), L"Find");
    // Both bands on one row; the bar is as high as the row and spans the form.
    EXPECT_EQ(bar->RowCount(), 1);
    EXPECT_EQ(bar->Height(), SendMessageW(window, RB_GETBARHEIGHT, 0, 0));
    EXPECT_EQ(bar->Width(), form->ClientWidth());
    bar->Band(1)->SetBreak(true);
    EXPECT_EQ(bar->RowCount(), 2);
    EXPECT_EQ(bar->Height(), SendMessageW(window, RB_GETBARHEIGHT, 0, 0));
    // A band's width set in code reaches the bar, and the bar's width is what the band reads.
    bar->Band(0)->SetWidth(180);
    REBARBANDINFOW size{};
    size.cbSize = sizeof(size);
    size.fMask = RBBIM_SIZE;
    SendMessageW(window, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&size));
    EXPECT_EQ(size.cx, 180u);
    EXPECT_EQ(bar->Band(0)->Width(), 180);
    // A band whose control is freed forgets it.
    delete Find<TPanel>(L"Panel1");
    EXPECT_EQ(bar->Band(1)->Control(), nullptr);
}

TEST_F(ContainersTest, ScrollBoxRangeFollowsTheChildrenAndScrollingMovesThem)
{
    auto box = Find<TScrollBox>(L"ScrollBox1");
    auto farButton = Find<TButton>(L"Button2");
    EXPECT_EQ(box->VertScrollBar()->Range(), 425);  // the far button's bottom edge
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 424);
    EXPECT_EQ(static_cast<int>(info.nPage), box->ClientHeight());
    // Scrolled down by the user with a real click on the bar's lower arrow.
    int arrow = GetSystemMetrics(SM_CYVSCROLL);
    RECT window;
    GetWindowRect(box->Handle(), &window);
    testing::ClickAtScreen({window.right - 2 - arrow / 2, window.bottom - 2 - arrow / 2});
    int step = box->VertScrollBar()->Increment();
    EXPECT_EQ(box->VertScrollBar()->Position(), step);
    EXPECT_EQ(farButton->Top(), 400 - step);
    // In view: the far button comes up into the client area.
    box->ScrollInView(farButton);
    EXPECT_LE(farButton->Top() + farButton->Height(), box->ClientHeight());
    EXPECT_EQ(box->VertScrollBar()->Position(), 425 - box->ClientHeight());
    RECT r;
    GetWindowRect(farButton->Handle(), &r);
    POINT top{r.left, r.top};
    ScreenToClient(box->Handle(), &top);
    EXPECT_EQ(top.y, farButton->Top());
    // Without the far button everything fits: the bar goes, the content scrolls back.
    farButton->SetVisible(false);
    box->UpdateScrollBars();
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Find<TButton>(L"Button1")->Top(), 10);
}

TEST_F(ContainersTest, StatusBarPanelsReachTheSystemBar)
{
    auto bar = Find<TStatusBar>(L"StatusBar1");
    HWND window = bar->Handle();
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
    ASSERT_EQ(SendMessageW(window, SB_GETPARTS, 0, 0), 2);
    int edges[2];
    SendMessageW(window, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], 120);
    wchar_t text[32];
    SendMessageW(window, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Ready");
    SendMessageW(window, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"\t\tRight");  // two tabs: right-aligned
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & SBARS_SIZEGRIP);
    bar->Panel(0)->SetText(L"Busy");
    SendMessageW(window, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Busy");
    bar->SetSimpleText(L"All in one");
    bar->SetSimplePanel(true);
    EXPECT_TRUE(SendMessageW(window, SB_ISSIMPLE, 0, 0));
}

// A frame class with a layout of its own.
class TTestFrame : public TFrame {
    OV_CLASS(TTestFrame, TFrame)

    explicit TTestFrame(TComponent* owner) : TFrame(owner)
    {
        InitFrame(R"(object TestFrame: TTestFrame
  Width = 180
  Height = 90
  object Label1: TPanel
    Left = 4
    Top = 4
    Width = 100
    Height = 30
    Caption = 'Own'
    OnClick = Label1Click
  end
end
)");
    }

    TPanel* Label1 = nullptr;
    int clicks = 0;
    void Label1Click(TObject*) { ++clicks; }
};

const TClassInfo& TTestFrame::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestFrame>(L"TTestFrame", TFrame::StaticClass())
                                        .Creatable()
                                        .Field(L"Label1", &TTestFrame::Label1)
                                        .Method(L"Label1Click", &TTestFrame::Label1Click)
                                        .Build();
    return info;
}

TEST_F(ContainersTest, AFrameInALayoutHoldsTheControlsNestedInIt)
{
    auto frame = Find<TFrame>(L"Frame1");
    auto button = Find<TButton>(L"Button3");
    EXPECT_EQ(button->Parent(), frame);
    EXPECT_EQ(GetParent(button->Handle()), frame->Handle());
}

TEST_F(ContainersTest, AFrameClassReadsItsOwnLayoutAndOwnsItsComponents)
{
    TTestFrame::StaticClass();
    TComponentPtr<TForm> host(new TForm(nullptr));
    host->InitForm(R"(object Host: TForm
  ClientWidth = 300
  ClientHeight = 200
  object Frame2: TTestFrame
    Left = 20
    Top = 30
  end
end
)");
    auto frame = dynamic_cast<TTestFrame*>(host->FindComponent(L"Frame2"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Left(), 20);
    EXPECT_EQ(frame->Width(), 180);  // from the frame's own layout
    ASSERT_NE(frame->Label1, nullptr);
    EXPECT_EQ(frame->Label1->Owner(), frame);
    EXPECT_EQ(frame->Label1->Parent(), frame);
    EXPECT_EQ(host->FindComponent(L"Label1"), nullptr);
    host->Show();
    SetForegroundWindow(host->Handle());
    testing::PumpInput();
    testing::Click(*frame->Label1, {10, 10});
    EXPECT_EQ(frame->clicks, 1);
}

}  // namespace
}  // namespace ov
