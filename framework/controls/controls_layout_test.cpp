// The common controls as a stored layout builds them: a page control whose tabs are all hidden
// with its active page read as a reference, a sub page control with visible tabs, a tool bar whose
// buttons come in any order, and an image list filled from its stored images.
#include "framework/graphics/bitmap.h"
#include "framework/forms/form.h"
#include "framework/controls/page_control.h"
#include "framework/core/streams.h"
#include "framework/controls/tool_bar.h"

#include <gtest/gtest.h>

#include <string>

namespace ov {
namespace {

// One 2 x 2 image in the stored form (32-bit BMP, fourth byte 0 = transparent), as hex.
std::string StoredImageHex()
{
    TBitmap picture(2, 2, pf32bit);
    picture.SetPixel(1, 0, clRed);
    picture.ScanLine(0)[7] = 0xFF;
    TMemoryStream stream;
    picture.SaveToStream(stream);
    std::string hex;
    for (std::uint8_t byte : stream.Bytes()) {
        static const char kDigits[] = "0123456789ABCDEF";
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::string Layout()
{
    return R"(object Form1: TForm
  Left = 10
  Top = 10
  ClientWidth = 782
  ClientHeight = 540
  object PageControl1: TPageControl
    Left = 4
    Top = 79
    Width = 773
    Height = 455
    ActivePage = TabSheet2
    Anchors = [akLeft, akTop, akRight, akBottom]
    TabPosition = tpBottom
    object TabSheet1: TTabSheet
      Caption = 'One'
      TabVisible = False
    end
    object TabSheet2: TTabSheet
      Caption = 'Two'
      TabVisible = False
      object PageControl2: TPageControl
        Left = 3
        Top = 3
        Width = 759
        Height = 441
        ActivePage = TabSheet4
        Anchors = [akLeft, akTop, akRight, akBottom]
        TabHeight = 30
        object TabSheet3: TTabSheet
          Caption = 'Three'
        end
        object TabSheet4: TTabSheet
          Caption = 'Four'
        end
      end
    end
  end
  object ToolBar1: TToolBar
    Left = 0
    Top = 0
    Width = 782
    Height = 73
    BorderWidth = 2
    ButtonHeight = 60
    ButtonWidth = 91
    Images = ImageList1
    ShowCaptions = True
    object ToolButton2: TToolButton
      Left = 91
      Top = 0
      Caption = 'Second'
      ImageIndex = 0
    end
    object ToolButton1: TToolButton
      Left = 0
      Top = 0
      Caption = 'First'
      ImageIndex = 0
    end
  end
  object ImageList1: TImageList
    Height = 2
    Width = 2
    Bitmap = {)" +
           StoredImageHex() + R"(}
  end
end
)";
}

TEST(ControlsLayout, PagesToolBarAndImagesComeOutOfALayout)
{
    for (auto staticClass : {&TPageControl::StaticClass, &TTabSheet::StaticClass, &TToolBar::StaticClass,
                             &TToolButton::StaticClass, &TImageList::StaticClass})
        staticClass();
    TComponentPtr<TForm> form(new TForm(nullptr));
    form->InitForm(Layout());
    auto pages = dynamic_cast<TPageControl*>(form->FindComponent(L"PageControl1"));
    auto inner = dynamic_cast<TPageControl*>(form->FindComponent(L"PageControl2"));
    auto bar = dynamic_cast<TToolBar*>(form->FindComponent(L"ToolBar1"));
    auto images = dynamic_cast<TImageList*>(form->FindComponent(L"ImageList1"));
    ASSERT_TRUE(pages && inner && bar && images);

    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(inner->ActivePageIndex(), 1);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(inner->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    // All tabs hidden: the pages fill the control inside its border.
    TTabSheet* page = pages->ActivePage();
    EXPECT_EQ(page->Width(), 765);
    EXPECT_EQ(page->Height(), 447);
    // The anchored sub page control grows with the window.
    form->SetClientHeight(640);
    EXPECT_EQ(pages->Height(), 555);
    EXPECT_EQ(inner->Height(), 541);

    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->Buttons(0)->Name(), L"ToolButton1");  // in the order of their places
    EXPECT_EQ(bar->Buttons(1)->Left(), 91);
    EXPECT_EQ(bar->Buttons(1)->Width(), 91);
    EXPECT_EQ(bar->Buttons(1)->Height(), 60);
    EXPECT_EQ(bar->Align(), alTop);
    EXPECT_EQ(bar->Width(), 782);

    ASSERT_EQ(images->Count(), 1);
    TBitmap first;
    images->GetBitmap(0, first);
    EXPECT_EQ(first.Pixel(1, 0), clRed);
    EXPECT_EQ(first.Pixel(0, 0), clBlack);  // transparent: the black background shows
}

}  // namespace
}  // namespace ov
