// TOvRichEdit's published properties and events.
#include "richview/rich_edit.h"

#include "framework/core/properties.h"
#include "richview/rich_edit_strings.h"

namespace ov {

namespace {

using V = TOvCustomRichEdit;

// An event field of the view as a member of the published class.
template <typename E>
E TOvRichEdit::*Own(E V::*field)
{
    return field;
}

// MaxLength, SelText and Lines are the view's own (rich edit limits, UTF-16 selection, Lines
// over the control); the rest of the memo's properties are published by its classes.
TClassBuilder<TOvRichEdit>& PublishProperties(TClassBuilder<TOvRichEdit>& b)
{
    return b.Property(L"AllowObjects", &V::AllowObjects, &V::SetAllowObjects)
        .Property(L"AllowInPlace", &V::AllowInPlace, &V::SetAllowInPlace)
        .Property(L"AutoVerbMenu", &V::AutoVerbMenu, &V::SetAutoVerbMenu)
        .Property(L"HideScrollBars", &V::HideScrollBars, &V::SetHideScrollBars)
        .Property(L"SelectionBar", &V::SelectionBar, &V::SetSelectionBar)
        .Property(L"AutoAdvancedTypography", &V::AutoAdvancedTypography, &V::SetAutoAdvancedTypography)
        .Property(L"AdvancedTypography", &V::AdvancedTypography, &V::SetAdvancedTypography)
        .Property(L"OLEDragDrop", &V::OLEDragDrop, &V::SetOLEDragDrop)
        .Property(L"LangOptions", &V::LangOptions, &V::SetLangOptions)
        .Property(L"UndoLimit", &V::UndoLimit, &V::SetUndoLimit)
        .Property(L"AutoURLDetect", &V::AutoURLDetect, &V::SetAutoURLDetect)
        .Property(L"WordSelection", &V::WordSelection, &V::SetWordSelection)
        .Property(L"ForceUndo", &V::ForceUndo, &V::SetForceUndo)
        .Property(L"UseFixedPopup", &V::UseFixedPopup, &V::SetUseFixedPopup)
        .Property(L"PlainText", &V::PlainText, &V::SetPlainText)
        .Property(L"StreamFormat", &V::StreamFormat, &V::SetStreamFormat)
        .Property(L"StreamMode", &V::StreamMode, &V::SetStreamMode)
        .Property(L"MaxLength", &V::MaxLength, &V::SetMaxLength)
        .Property(L"Zoom", &V::Zoom, &V::SetZoom)
        .Property(
            L"Title", [](V* v) { return v->Title(); }, &V::SetTitle)
        .Property(L"Flat", &V::Flat, &V::SetFlat)
        .Property(L"SelText", &V::SelText, &V::SetSelText)
        .Property(L"Lines", [](V* v) { return static_cast<TStrings*>(v->Lines()); });
}

TClassBuilder<TOvRichEdit>& PublishEvents(TClassBuilder<TOvRichEdit>& b)
{
    return b.Event(L"OnResizeRequest", Own(&V::OnResizeRequest))
        .Event(L"OnSelectionChange", Own(&V::OnSelectionChange))
        .Event(L"OnProtectChange", Own(&V::OnProtectChange))
        .Event(L"OnProtectChangeEx", Own(&V::OnProtectChangeEx))
        .Event(L"OnSaveClipboard", Own(&V::OnSaveClipboard))
        .Event(L"OnURLClick", Own(&V::OnURLClick))
        .Event(L"OnConversionProgress", Own(&V::OnConversionProgress))
        .Event(L"OnTextNotFound", Own(&V::OnTextNotFound))
        .Event(L"OnCloseFindDialog", Own(&V::OnCloseFindDialog))
        .Event(L"OnDragAllowed", Own(&V::OnDragAllowed))
        .Event(L"OnGetDragDropEffect", Own(&V::OnGetDragDropEffect))
        .Event(L"OnQueryAcceptData", Own(&V::OnQueryAcceptData))
        .Event(L"OnVerticalScroll", Own(&V::OnVerticalScroll))
        .Event(L"OnHorizontalScroll", Own(&V::OnHorizontalScroll))
        .Event(L"OnInPlaceActivate", Own(&V::OnInPlaceActivate))
        .Event(L"OnInPlaceDeactivate", Own(&V::OnInPlaceDeactivate));
}

// Registered at start-up whenever this file is part of the program.
const bool kRegistered = (TOvRichEdit::StaticClass(), true);

}  // namespace

const TClassInfo& TOvRichEdit::StaticClass()
{
    static const TClassInfo& info = []() -> const TClassInfo& {
        TClassBuilder<TOvRichEdit> builder(L"TOvRichEdit", TOvCustomRichEdit::StaticClass());
        builder.Creatable();
        PublishProperties(builder);
        PublishEvents(builder);
        return builder.Build();
    }();
    return info;
}

}  // namespace ov
