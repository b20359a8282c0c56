// A reader-like window built from a stored layout: a top tool bar of four captioned buttons with
// 40 × 40 images, a page control whose tabs are all hidden, pages holding nested page controls
// with visible 30-pixel tabs and memos, a panel with labels and a default button. Checked on real
// windows: positions, tab items, hidden tabs, a real click on a tool button, anchored growth,
// and that freeing the form gives back every window and GDI object.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/forms/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/controls/button.h"
#include "framework/forms/form.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/label.h"
#include "framework/controls/memo.h"
#include "framework/controls/page_control.h"
#include "framework/controls/panel.h"
#include "framework/core/streams.h"
#include "tests/test_counts.h"
#include "framework/controls/tool_bar.h"

namespace ov {
namespace {

// Rectangles as text, so that failures show them.
std::string Show(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class TMainForm : public TForm {
    OV_CLASS(TMainForm, TForm)

    explicit TMainForm(TComponent* owner) : TForm(owner) {}
    TPageControl* PageControl1 = nullptr;
    TPageControl* PageControl2 = nullptr;
    TPageControl* PageControl3 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TMemo* Memo1 = nullptr;
    TMemo* Memo2 = nullptr;
    TToolBar* ToolBar2 = nullptr;
    TToolButton* ToolButton1 = nullptr;
    TToolButton* ToolButton2 = nullptr;
    TToolButton* ToolButton4 = nullptr;
    TToolButton* ToolButton5 = nullptr;
    TImageList* ImageList1 = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TButton* OKButton = nullptr;
    std::vector<std::string> clicks;

    void FormCreate(TObject*) { PageControl1->SetActivePageIndex(2); }
    void ToolButton1Click(TObject*) { clicks.push_back("1"); }
    void ToolButton2Click(TObject*)
    {
        clicks.push_back("2");
        PageControl1->SetActivePageIndex(1);
    }
    void ToolButton4Click(TObject*) { clicks.push_back("4"); }
    void ToolButton5Click(TObject*) { clicks.push_back("5"); }
};

const TClassInfo& TMainForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMainForm>(L"TMainForm", TForm::StaticClass())
                                        .Field(L"PageControl1", &TMainForm::PageControl1)
                                        .Field(L"PageControl2", &TMainForm::PageControl2)
                                        .Field(L"PageControl3", &TMainForm::PageControl3)
                                        .Field(L"TabSheet1", &TMainForm::TabSheet1)
                                        .Field(L"Memo1", &TMainForm::Memo1)
                                        .Field(L"Memo2", &TMainForm::Memo2)
                                        .Field(L"ToolBar2", &TMainForm::ToolBar2)
                                        .Field(L"ToolButton1", &TMainForm::ToolButton1)
                                        .Field(L"ToolButton2", &TMainForm::ToolButton2)
                                        .Field(L"ToolButton4", &TMainForm::ToolButton4)
                                        .Field(L"ToolButton5", &TMainForm::ToolButton5)
                                        .Field(L"ImageList1", &TMainForm::ImageList1)
                                        .Field(L"Panel1", &TMainForm::Panel1)
                                        .Field(L"Label1", &TMainForm::Label1)
                                        .Field(L"OKButton", &TMainForm::OKButton)
                                        .Method(L"FormCreate", &TMainForm::FormCreate)
                                        .Method(L"ToolButton1Click", &TMainForm::ToolButton1Click)
                                        .Method(L"ToolButton2Click", &TMainForm::ToolButton2Click)
                                        .Method(L"ToolButton4Click", &TMainForm::ToolButton4Click)
                                        .Method(L"ToolButton5Click", &TMainForm::ToolButton5Click)
                                        .Build();
    return info;
}

// Four 40 × 40 images in the image list's stored form (32-bit BMPs, opaque disc on transparent).
std::string ImageListData()
{
    const TColor colors[] = {clRed, clGreen, clBlue, clTeal};
    TMemoryStream stream;
    for (TColor color : colors) {
        TBitmap image(40, 40, pf32bit);
        for (int y = 0; y < 40; ++y) {
            std::uint8_t* row = image.ScanLine(y);
            for (int x = 0; x < 40; ++x) {
                bool inside = (x - 20) * (x - 20) + (y - 20) * (y - 20) < 18 * 18;
                COLORREF rgb = ColorToRGB(color);
                row[x * 4 + 0] = GetBValue(rgb);
                row[x * 4 + 1] = GetGValue(rgb);
                row[x * 4 + 2] = GetRValue(rgb);
                row[x * 4 + 3] = inside ? 255 : 0;
            }
        }
        image.SaveToStream(stream);
    }
    std::string hex = "{";
    char byte[4];
    for (std::uint8_t b : stream.Bytes()) {
        std::snprintf(byte, sizeof byte, "%02X", b);
        hex += byte;
    }
    return hex + "}";
}

std::string Sheet(const char* name, const char* caption, const std::string& content)
{
    return std::string("      object ") + name + ": TTabSheet\n        Caption = '" + caption + "'\n" + content +
           "      end\n";
}

std::string Memo(const char* name, int left, int top, int width, int height)
{
    return std::string("        object ") + name + ": TMemo\n" + "          Left = " + std::to_string(left) +
           "\n          Top = " + std::to_string(top) + "\n          Width = " + std::to_string(width) +
           "\n          Height = " + std::to_string(height) +
           "\n          Anchors = [akLeft, akTop, akRight, akBottom]\n          BorderStyle = bsNone\n"
           "          Lines.Strings = ('" +
           name + "')\n          ReadOnly = True\n          TabOrder = 0\n        end\n";
}

std::string SubPages(const char* name, int offset, const char* active, const std::string& sheets)
{
    return std::string("        object ") + name + ": TPageControl\n          Left = " + std::to_string(offset) +
           "\n          Top = " + std::to_string(offset) +
           "\n          Width = 759\n          Height = 441\n          ActivePage = " + active +
           "\n          Anchors = [akLeft, akTop, akRight, akBottom]\n          TabHeight = 30\n"
           "          TabOrder = 0\n" +
           sheets + "        end\n";
}

std::string ToolButton(const char* name, int left, const char* caption, int image)
{
    return std::string("    object ") + name + ": TToolButton\n      Left = " + std::to_string(left) +
           "\n      Top = 0\n      Hint = '" + caption + "'\n      Caption = '" + caption +
           "'\n      ImageIndex = " + std::to_string(image) +
           "\n      ParentShowHint = False\n      ShowHint = True\n      OnClick = " + name + "Click\n    end\n";
}

std::string MainLayout()
{
    std::string sub0 = SubPages("PageControl2", 3, "TabSheet5",
                                Sheet("TabSheet5", "\xE5\xA3\xB0\xE6\x98\x8E", Memo("Memo2", 4, 3, 744, 395)) +
                                    Sheet("TabSheet6", "\xE6\x93\x8D\xE4\xBD\x9C", Memo("Memo5", 3, 3, 745, 395)));
    std::string sub1 = SubPages("PageControl3", 6, "TabSheet10",
                                Sheet("TabSheet7", "A", Memo("Memo6", 3, 3, 744, 395)) +
                                    Sheet("TabSheet10", "B", Memo("Memo9", 3, 3, 745, 395)));
    std::string panel =
        "        object Panel1: TPanel\n          Left = 4\n          Top = 380\n          Width = 758\n"
        "          Height = 60\n          Anchors = [akLeft, akRight, akBottom]\n          BevelInner = bvRaised\n"
        "          BevelOuter = bvLowered\n          Caption = ''\n          TabOrder = 1\n"
        "          object Label1: TLabel\n            Left = 8\n            Top = 8\n            Width = 200\n"
        "            Height = 13\n            AutoSize = False\n            Caption = 'Label one'\n          end\n"
        "          object Label3: TLabel\n            Left = 8\n            Top = 30\n"
        "            Caption = 'Label two'\n            Transparent = True\n          end\n"
        "          object OKButton: TButton\n            Left = 670\n            Top = 18\n            Width = 75\n"
        "            Height = 25\n            Anchors = [akRight, akBottom]\n            Caption = 'OK'\n"
        "            Default = True\n            ModalResult = 1\n            TabOrder = 0\n          end\n"
        "        end\n";
    return "object MainForm: TMainForm\n"
           "  Left = 183\n  Top = 150\n"
           "  Caption = 'Zelvo\xE5\x81\xA5\xE5\xBA\xB7 test'\n"
           "  ClientHeight = 540\n  ClientWidth = 782\n  Color = clBtnFace\n"
           "  Font.Charset = DEFAULT_CHARSET\n  Font.Color = clWindowText\n  Font.Height = -11\n"
           "  Font.Name = 'Tahoma'\n  Font.Style = []\n  OldCreateOrder = False\n  Position = poDesigned\n"
           "  OnCreate = FormCreate\n  PixelsPerInch = 96\n  TextHeight = 13\n"
           "  object PageControl1: TPageControl\n"
           "    Left = 4\n    Top = 79\n    Width = 773\n    Height = 455\n    ActivePage = TabSheet2\n"
           "    Anchors = [akLeft, akTop, akRight, akBottom]\n    TabOrder = 0\n    TabPosition = tpBottom\n"
           "    object TabSheet2: TTabSheet\n      Caption = 'Page 0'\n      TabVisible = False\n" +
           sub0 +
           "    end\n"
           "    object TabSheet3: TTabSheet\n      Caption = 'Page 1'\n      TabVisible = False\n" +
           sub1 +
           "    end\n"
           "    object TabSheet1: TTabSheet\n      Caption = 'Page 2'\n      TabVisible = False\n" +
           Memo("Memo1", 4, 3, 758, 370) + panel +
           "    end\n"
           "  end\n"
           "  object ToolBar2: TToolBar\n"
           "    Left = 0\n    Top = 0\n    Width = 782\n    Height = 73\n    BorderWidth = 2\n"
           "    ButtonHeight = 60\n    ButtonWidth = 91\n    Caption = 'ToolBar2'\n    Color = clBtnFace\n"
           "    Images = ImageList1\n    ParentColor = False\n    ShowCaptions = True\n    TabOrder = 1\n"
           "    Transparent = True\n" +
           ToolButton("ToolButton1", 0, "\xE5\xBF\xAB\xE9\x80\x9F", 0) + ToolButton("ToolButton2", 91, "Two", 1) +
           ToolButton("ToolButton4", 182, "Four", 3) + ToolButton("ToolButton5", 273, "\xE5\x85\xB3\xE4\xBA\x8E", 2) +
           "  end\n"
           "  object ImageList1: TImageList\n    Height = 40\n    Width = 40\n    Bitmap = " +
           ImageListData() +
           "\n  end\n"
           "end\n";
}

TComponentPtr<TMainForm> BuildMainForm()
{
    TComponentPtr<TMainForm> form(new TMainForm(nullptr));
    form->InitForm(MainLayout());
    form->Show();
    return form;
}

int TabCount(TWinControl* tabs) { return static_cast<int>(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0)); }

std::wstring TabText(TWinControl* tabs, int index)
{
    wchar_t text[64]{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tabs->Handle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

struct MainLayoutTest : ::testing::Test {
    TComponentPtr<TMainForm> form = BuildMainForm();
};

TEST_F(MainLayoutTest, PlacesWhatTheLayoutSays)
{
    EXPECT_EQ(form->ClientWidth(), 782);
    EXPECT_EQ(form->ClientHeight(), 540);
    EXPECT_EQ(form->Left(), 183);
    EXPECT_EQ(form->Top(), 150);
    EXPECT_EQ(form->ToolBar2->Align(), alTop);
    EXPECT_EQ(Show(form->ToolBar2->BoundsRect()), Show((RECT{0, 0, 782, 73})));
    EXPECT_EQ(Show(form->PageControl1->BoundsRect()), Show((RECT{4, 79, 777, 534})));
    ASSERT_EQ(form->ToolBar2->ButtonCount(), 4);
    const int lefts[] = {0, 91, 182, 273};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->ToolBar2->Buttons(i)->Left(), lefts[i]) << i;
        EXPECT_EQ(form->ToolBar2->Buttons(i)->Width(), 91) << i;
    }
    EXPECT_EQ(form->ToolBar2->Buttons(0)->Caption(), L"\x5FEB\x901F");
    EXPECT_EQ(form->ImageList1->Count(), 4);
    EXPECT_EQ(form->ImageList1->Width(), 40);
    ASSERT_EQ(form->Memo2->Lines()->Count(), 1);
    EXPECT_EQ(form->Memo2->Lines()->Strings(0), L"Memo2");
    EXPECT_EQ(form->OKButton->Parent(), form->Panel1);
    EXPECT_EQ(form->Label1->Parent(), form->Panel1);
}

// The outer page control shows no tabs at all; the nested ones show theirs, 30 pixels high.
TEST_F(MainLayoutTest, HiddenOuterTabsVisibleInnerTabs)
{
    EXPECT_EQ(form->PageControl1->PageCount(), 3);
    EXPECT_EQ(TabCount(form->PageControl1), 0);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 2) << "set by FormCreate";
    EXPECT_TRUE(IsWindowVisible(form->TabSheet1->Handle()));
    ASSERT_EQ(TabCount(form->PageControl2), 2);
    EXPECT_EQ(TabText(form->PageControl2, 0), L"\x58F0\x660E");
    EXPECT_EQ(TabText(form->PageControl2, 1), L"\x64CD\x4F5C");
    RECT tab{};
    SendMessageW(form->PageControl2->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(tab.bottom - tab.top, 30);
    EXPECT_EQ(form->PageControl3->ActivePageIndex(), 1);
}

// A real button press and release on the tool bar's first and second buttons runs their handlers.
TEST_F(MainLayoutTest, ClickingAToolButtonRunsItsHandler)
{
    HWND bar = form->ToolBar2->Handle();
    auto click = [&](TToolButton* button) {
        POINT p{button->Left() + button->Width() / 2, button->Top() + button->Height() / 2};
        PostMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        Application->ProcessMessages();
    };
    click(form->ToolButton1);
    click(form->ToolButton2);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
}

// Anchored controls keep their distances to the edges; the tool bar stretches and keeps its height.
TEST_F(MainLayoutTest, ResizingMovesAndGrowsAnchoredControls)
{
    RECT memo = form->Memo1->BoundsRect();
    RECT sub = form->PageControl2->BoundsRect();
    RECT panel = form->Panel1->BoundsRect();
    RECT ok = form->OKButton->BoundsRect();
    form->SetClientWidth(882);
    form->SetClientHeight(600);
    EXPECT_EQ(form->ToolBar2->Width(), 882);
    EXPECT_EQ(form->ToolBar2->Height(), 73);
    EXPECT_EQ(Show(form->PageControl1->BoundsRect()), Show((RECT{4, 79, 877, 594})));
    EXPECT_EQ(form->PageControl2->Width(), sub.right - sub.left + 100);
    EXPECT_EQ(form->PageControl2->Height(), sub.bottom - sub.top + 60);
    EXPECT_EQ(form->Memo1->Width(), memo.right - memo.left + 100);
    EXPECT_EQ(form->Memo1->Height(), memo.bottom - memo.top + 60);
    EXPECT_EQ(form->Panel1->Top(), panel.top + 60);
    EXPECT_EQ(form->Panel1->Width(), panel.right - panel.left + 100);
    EXPECT_EQ(form->OKButton->Left(), ok.left + 100) << "anchored right inside the panel";
    RECT window;
    GetWindowRect(form->Memo1->Handle(), &window);
    EXPECT_EQ(window.right - window.left, memo.right - memo.left + 100);
    form->SetClientWidth(782);
    form->SetClientHeight(540);
    EXPECT_EQ(Show(form->Memo1->BoundsRect()), Show(memo));
    EXPECT_EQ(Show(form->OKButton->BoundsRect()), Show(ok));
}

TEST(MainLayoutLifetime, FreeingTheFormGivesBackWindowsAndGdiObjects)
{
    BuildMainForm().reset();
    int windows = testing::LiveThreadWindows();
    int gdi = testing::LiveGdiObjects();
    for (int i = 0; i < 3; ++i) {
        auto form = BuildMainForm();
        form->Update();
        form->PageControl1->SetActivePageIndex(0);
        form->Update();
    }
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
}

}  // namespace
}  // namespace ov
