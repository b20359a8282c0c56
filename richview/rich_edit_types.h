// The option sets and event types of the rich text view, shared by the view, its Lines, its OLE
// callback and its menus.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

#include "framework/core/component.h"
#include "framework/forms/control.h"
#include "framework/core/properties.h"
#include "framework/core/set.h"

namespace ov {

// Which clipboard commands a view passes on to the control (and offers in the fixed edit menu).
enum TOvClipboardCommand { caCopy, caCut, caPaste, caClear, caUndo };
using TOvClipboardCommands = TSet<TOvClipboardCommand>;
inline constexpr TOvClipboardCommands kAllClipboardCommands{caCopy, caCut, caPaste, caClear, caUndo};

// How Lines reads and writes the control's content.
enum TRichStreamFormat { sfDefault, sfRichText, sfPlainText };
enum TRichStreamModeItem { smSelection, smPlainRtf, smNoObjects, smUnicode };
using TRichStreamModes = TSet<TRichStreamModeItem>;

// EM_SETLANGOPTIONS flags, one member each: IMF_AUTOKEYBOARD, IMF_AUTOFONT,
// IMF_IMECANCELCOMPLETE, IMF_IMEALWAYSSENDNOTIFY.
enum TRichLangOption { rlAutoKeyboard, rlAutoFont, rlImeCancelComplete, rlImeAlwaysSendNotify };
using TRichLangOptions = TSet<TRichLangOption>;

// Drop effects of a drag over or from a view (DROPEFFECT_COPY, _MOVE, _LINK, _SCROLL).
enum TRichDropEffect { rdeCopy, rdeMove, rdeLink, rdeScroll };
using TRichDropEffects = TSet<TRichDropEffect>;

// What the control is about to do with data (the RECO_* values in their order).
enum TRichDataOperation { rdoPaste, rdoDrop, rdoCopy, rdoCut, rdoDrag };

using TRichEditURLClickEvent = TEvent<void(TObject* Sender, const std::wstring& URLText, TMouseButton Button)>;
using TRichEditResizeEvent = TEvent<void(TObject* Sender, const RECT& Rect)>;
using TRichEditProtectChange = TEvent<void(TObject* Sender, int StartPos, int EndPos, bool& AllowChange)>;
using TRichEditProtectChangeEx =
    TEvent<void(TObject* Sender, const TMessage& Message, int StartPos, int EndPos, bool& AllowChange)>;
using TRichEditSaveClipboard = TEvent<void(TObject* Sender, int NumObjects, int NumChars, bool& SaveClipboard)>;
using TRichEditTextNotFoundEvent = TEvent<void(TObject* Sender, const std::wstring& FindText)>;
using TRichEditProgressEvent = TEvent<void(TObject* Sender, int Percent)>;
// OnDragAllowed (a drag starts from the view) and OnGetDragDropEffect (data over the view): set
// Handled to make Effect the answer; otherwise the control applies its default effect.
using TRichEditDragDropEffectEvent =
    TEvent<void(TObject* Sender, TShiftState KeyState, TRichDropEffects& Effect, bool& Handled)>;
// Handled comes in set when the view refuses the data already (a paste without caPaste); a
// handler may change it. Set means refuse.
using TRichEditQueryAcceptDataEvent =
    TEvent<void(TObject* Sender, IDataObject* DataObject, CLIPFORMAT& Format, TRichDataOperation Operation, bool Really,
                HGLOBAL IconMetaFile, bool& Handled)>;

OV_ENUM_TYPE(TOvClipboardCommand, L"caCopy", L"caCut", L"caPaste", L"caClear", L"caUndo")
OV_SET_TYPE(TOvClipboardCommands)
OV_ENUM_TYPE(TRichStreamFormat, L"sfDefault", L"sfRichText", L"sfPlainText")
OV_ENUM_TYPE(TRichStreamModeItem, L"smSelection", L"smPlainRtf", L"smNoObjects", L"smUnicode")
OV_SET_TYPE(TRichStreamModes)
OV_ENUM_TYPE(TRichLangOption, L"rlAutoKeyboard", L"rlAutoFont", L"rlImeCancelComplete", L"rlImeAlwaysSendNotify")
OV_SET_TYPE(TRichLangOptions)
OV_EVENT_TYPE(TRichEditURLClickEvent)
OV_EVENT_TYPE(TRichEditResizeEvent)
OV_EVENT_TYPE(TRichEditProtectChange)
OV_EVENT_TYPE(TRichEditProtectChangeEx)
// TRichEditSaveClipboard has the signature of TRichEditProtectChange and shares its type description.
OV_EVENT_TYPE(TRichEditTextNotFoundEvent)
OV_EVENT_TYPE(TRichEditProgressEvent)
OV_EVENT_TYPE(TRichEditDragDropEffectEvent)
OV_EVENT_TYPE(TRichEditQueryAcceptDataEvent)

// DROPEFFECT_* flags and the set that stands for them.
TRichDropEffects DropEffectsFromFlags(DWORD effect) noexcept;
DWORD DropEffectsToFlags(TRichDropEffects effects) noexcept;

// The key state OLE hands to drag and drop (MK_* flags, with MK_ALT for the Alt key).
TShiftState ShiftStateFromDragKeys(DWORD keyState) noexcept;

}  // namespace ov
