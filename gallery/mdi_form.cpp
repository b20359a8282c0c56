// TGalleryMDIForm and TGalleryMDIChild: the menu's pictures and the handlers of its items.
#include "gallery/mdi_form.h"

#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/forms/menus.h"
#include "framework/core/properties.h"

namespace ov {

namespace {

constexpr TColor kMenuImageColors[] = {clGreen, clBlue, clRed};

}  // namespace

const TClassInfo& TGalleryMDIChild::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGalleryMDIChild>(L"TGalleryMDIChild", TForm::StaticClass())
                                        .Creatable()
                                        .Method(L"FormClose", &TGalleryMDIChild::FormClose)
                                        .Build();
    return info;
}

void TGalleryMDIChild::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

const TClassInfo& TGalleryMDIForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGalleryMDIForm>(L"TGalleryMDIForm", TForm::StaticClass())
                                        .Creatable()
                                        .Field(L"MenuImages", &TGalleryMDIForm::MenuImages)
                                        .Field(L"MainMenu1", &TGalleryMDIForm::MainMenu1)
                                        .Field(L"CheckedItem", &TGalleryMDIForm::CheckedItem)
                                        .Method(L"FormCreate", &TGalleryMDIForm::FormCreate)
                                        .Method(L"NewChildItemClick", &TGalleryMDIForm::NewChildItemClick)
                                        .Method(L"CheckedItemClick", &TGalleryMDIForm::CheckedItemClick)
                                        .Method(L"CloseItemClick", &TGalleryMDIForm::CloseItemClick)
                                        .Method(L"CascadeItemClick", &TGalleryMDIForm::CascadeItemClick)
                                        .Method(L"TileItemClick", &TGalleryMDIForm::TileItemClick)
                                        .Build();
    return info;
}

// Three 16 x 16 squares for the menu's images, on a transparent (fuchsia-keyed) ground.
void TGalleryMDIForm::FormCreate(TObject*)
{
    TBitmap strip(16 * static_cast<int>(std::size(kMenuImageColors)), 16);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect(RECT{0, 0, strip.Width(), 16});
    for (size_t i = 0; i < std::size(kMenuImageColors); ++i) {
        int left = 16 * static_cast<int>(i);
        strip.Canvas()->Brush()->SetColor(kMenuImageColors[i]);
        strip.Canvas()->FillRect(RECT{left + 2, 2, left + 14, 14});
    }
    MenuImages->AddMasked(strip, clFuchsia);
}

// Every child reads the same layout, so each is made without an owner (its layout names it) and
// joins this form under a name of its own.
TGalleryMDIChild* TGalleryMDIForm::AddChild()
{
    auto* child = new TGalleryMDIChild(nullptr);
    child->InitForm();
    std::wstring number = std::to_wstring(++childrenMade_);
    child->SetName(L"GalleryMDIChild" + number);
    InsertComponent(child);
    child->SetCaption(L"Child " + number);
    return child;
}

void TGalleryMDIForm::NewChildItemClick(TObject*) { AddChild(); }
void TGalleryMDIForm::CheckedItemClick(TObject*) { CheckedItem->SetChecked(!CheckedItem->Checked()); }
void TGalleryMDIForm::CloseItemClick(TObject*) { Close(); }
void TGalleryMDIForm::CascadeItemClick(TObject*) { Cascade(); }
void TGalleryMDIForm::TileItemClick(TObject*) { Tile(); }

}  // namespace ov
