// TOvCustomRichEdit: construction, properties, text access and the container side its OLE
// callback asks about.
#include "richview/custom_rich_edit.h"

#include <map>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/core/unicode.h"
#include "richview/find_dialog.h"
#include "richview/object_properties.h"
#include "richview/rich_edit_attributes.h"
#include "richview/rich_edit_state.h"
#include "richview/rich_edit_strings.h"
#include "richview/richedit_library.h"

namespace ov {

namespace {

constexpr int kDefaultTextLimit = 0xFFFFFF;

// The view that holds the in-place active object of each form.
std::map<const TCustomForm*, TOvCustomRichEdit*>& ActiveOleControls()
{
    static std::map<const TCustomForm*, TOvCustomRichEdit*> controls;
    return controls;
}

void CollectAccelerators(TMenuItem& item, std::vector<ACCEL>& table)
{
    for (int i = 0; i < item.Count(); ++i) {
        TMenuItem& child = *item.Items(i);
        if (TShortCut shortCut = child.ShortCut(); shortCut != scNone) {
            BYTE flags = FVIRTKEY;
            if (shortCut & scShift)
                flags |= FSHIFT;
            if (shortCut & scCtrl)
                flags |= FCONTROL;
            if (shortCut & scAlt)
                flags |= FALT;
            table.push_back({flags, static_cast<WORD>(shortCut & 0xFF), static_cast<WORD>(child.Command())});
        }
        CollectAccelerators(child, table);
    }
}

}  // namespace

const TClassInfo& TOvCustomRichEdit::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TOvCustomRichEdit>(L"TOvCustomRichEdit", TOvExCustomMemo::StaticClass()).Build();
    return info;
}

TOvCustomRichEdit::TOvCustomRichEdit(TComponent* owner)
    : TOvExCustomMemo(owner), callback_(new TRichEditOleCallback(static_cast<TRichEditOleHost&>(*this)))
{
    auto lines = std::make_unique<TOvRichEditStrings>(*this);
    richLines_ = lines.get();
    SetLinesObject(std::move(lines));
    selAttributes_ = std::make_unique<TOvTextAttributes>(*this, atSelected);
    defAttributes_ = std::make_unique<TOvTextAttributes>(*this, atDefaultText);
    wordAttributes_ = std::make_unique<TOvTextAttributes>(*this, atWord);
    paragraph_ = std::make_unique<TOvParaAttributes>(*this);
    screenPixelsPerInch_ = ScreenPixelsPerInch();
    SetScrollBars(ssBoth);
    SetTabStop(true);
    SetBounds(Left(), Top(), 185, 89);
}

TOvCustomRichEdit::~TOvCustomRichEdit()
{
    for (auto it = ActiveOleControls().begin(); it != ActiveOleControls().end();)
        it = it->second == this ? ActiveOleControls().erase(it) : std::next(it);
    // Deleted without Free, the window outlives this object: take the callback away from it.
    if (HWND window = WindowHandle()) {
        if (richEditOle_)
            CloseObjects();
        richEditOle_.Reset();
        ::SendMessageW(window, EM_SETOLECALLBACK, 0, 0);
    }
}

// --- properties ----------------------------------------------------------------------------------

void TOvCustomRichEdit::SetAllowObjects(bool value)
{
    if (value == allowObjects_)
        return;
    allowObjects_ = value;
    RecreateWnd();
}

void TOvCustomRichEdit::SetTitle(const std::wstring& value)
{
    title_ = value;
    if (richEditOle_)
        UpdateHostNames();
}

void TOvCustomRichEdit::SetHideScrollBars(bool value)
{
    if (value == hideScrollBars_)
        return;
    hideScrollBars_ = value;
    RecreateWnd();
}

void TOvCustomRichEdit::SetSelectionBar(bool value)
{
    if (value == selectionBar_)
        return;
    selectionBar_ = value;
    RecreateWnd();
}

void TOvCustomRichEdit::SetOLEDragDrop(bool value)
{
    if (value == oleDragDrop_)
        return;
    oleDragDrop_ = value;
    RecreateWnd();
}

void TOvCustomRichEdit::SetFlat(bool value)
{
    if (value == flat_)
        return;
    flat_ = value;
    RecreateWnd();
}

bool TOvCustomRichEdit::AdvancedTypography() const { return advancedTypography_; }

void TOvCustomRichEdit::SetAdvancedTypography(bool value)
{
    advancedTypography_ = value;
    if (HandleAllocated() && RichEditLevel() >= 3)
        ::SendMessageW(WindowHandle(), EM_SETTYPOGRAPHYOPTIONS, value ? TO_ADVANCEDTYPOGRAPHY : 0,
                       TO_ADVANCEDTYPOGRAPHY);
}

void TOvCustomRichEdit::SetLangOptions(TRichLangOptions value)
{
    langOptions_ = value;
    if (!HandleAllocated() || RichEditLevel() < 2)
        return;
    static constexpr DWORD kFlags[] = {IMF_AUTOKEYBOARD, IMF_AUTOFONT, IMF_IMECANCELCOMPLETE, IMF_IMEALWAYSSENDNOTIFY};
    DWORD flags = 0;
    for (int option = rlAutoKeyboard; option <= rlImeAlwaysSendNotify; ++option)
        if (value.Contains(static_cast<TRichLangOption>(option)))
            flags |= kFlags[option];
    ::SendMessageW(WindowHandle(), EM_SETLANGOPTIONS, 0, static_cast<LPARAM>(flags));
}

// The control may not take every limit: what it answers is kept.
void TOvCustomRichEdit::SetUndoLimit(int value)
{
    undoLimit_ = value;
    if (HandleAllocated() && RichEditLevel() >= 2)
        undoLimit_ = static_cast<int>(::SendMessageW(WindowHandle(), EM_SETUNDOLIMIT, static_cast<WPARAM>(value), 0));
}

void TOvCustomRichEdit::SetAutoURLDetect(bool value)
{
    autoURLDetect_ = value;
    if (HandleAllocated() && RichEditLevel() >= 2)
        ::SendMessageW(WindowHandle(), EM_AUTOURLDETECT, value, 0);
}

void TOvCustomRichEdit::SetWordSelection(bool value)
{
    wordSelection_ = value;
    if (!HandleAllocated())
        return;
    auto options = static_cast<LPARAM>(::SendMessageW(WindowHandle(), EM_GETOPTIONS, 0, 0));
    options = value ? (options | ECO_AUTOWORDSELECTION) : (options & ~static_cast<LPARAM>(ECO_AUTOWORDSELECTION));
    ::SendMessageW(WindowHandle(), EM_SETOPTIONS, ECOOP_SET, options);
}

void TOvCustomRichEdit::SetMaxLength(int value)
{
    TOvExCustomMemo::SetMaxLength(value);
    if (HandleAllocated())
        ::SendMessageW(WindowHandle(), EM_EXLIMITTEXT, 0, MaxLength() > 0 ? MaxLength() : kDefaultTextLimit);
}

int TOvCustomRichEdit::Zoom() const
{
    if (!HandleAllocated() || RichEditLevel() < 3)
        return 100;
    int numerator = 0, denominator = 0;
    if (!::SendMessageW(WindowHandle(), EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                        reinterpret_cast<LPARAM>(&denominator)) ||
        denominator == 0)
        return 100;
    return ::MulDiv(numerator, 100, denominator);
}

void TOvCustomRichEdit::SetZoom(int value)
{
    zoom_ = value;
    if (HandleAllocated() && RichEditLevel() >= 3)
        ::SendMessageW(WindowHandle(), EM_SETZOOM, static_cast<WPARAM>(value), value == 0 ? 0 : 100);
}

TRichStreamFormat TOvCustomRichEdit::StreamFormat() const { return richLines_->Format(); }

void TOvCustomRichEdit::SetStreamFormat(TRichStreamFormat value) { richLines_->SetFormat(value); }

TRichStreamModes TOvCustomRichEdit::StreamMode() const { return richLines_->Mode(); }

void TOvCustomRichEdit::SetStreamMode(TRichStreamModes value) { richLines_->SetMode(value); }

// Plain and rich text modes need an empty control: the content is kept aside meanwhile.
void TOvCustomRichEdit::DoSetPlainText(bool value)
{
    if (value == plainText_)
        return;
    if (!HandleAllocated() || RichEditLevel() < 2) {
        plainText_ = value;
        RecreateWnd();
        return;
    }
    TOvRichEditState state(*this, value);
    ::SendMessageW(WindowHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    plainText_ = value;
    ApplyTextMode();
    state.Restore(*this);
}

void TOvCustomRichEdit::DoSetClipboardCommands(TOvClipboardCommands value)
{
    TOvExCustomMemo::DoSetClipboardCommands(value);
}

// --- text ----------------------------------------------------------------------------------------

std::wstring TOvCustomRichEdit::GetTextRange(int start, int end) const
{
    if (!HandleAllocated() || end <= start)
        return {};
    std::wstring text(static_cast<size_t>(end - start) + 1, L'\0');
    TEXTRANGEW range{{start, end}, text.data()};
    LRESULT copied = ::SendMessageW(WindowHandle(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::wstring TOvCustomRichEdit::SelText() const
{
    CHARRANGE selection = Selection();
    if (selection.cpMax <= selection.cpMin)
        return {};
    std::wstring text(static_cast<size_t>(selection.cpMax - selection.cpMin) + 1, L'\0');
    LRESULT copied = ::SendMessageW(WindowHandle(), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void TOvCustomRichEdit::SetSelText(const std::wstring& value)
{
    ::SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

CHARRANGE TOvCustomRichEdit::Selection() const
{
    CHARRANGE range{0, 0};
    if (HandleAllocated())
        ::SendMessageW(WindowHandle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void TOvCustomRichEdit::SetSelection(int start, int end, bool scrollCaret)
{
    CHARRANGE range{start, end};
    ::SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (scrollCaret)
        ::SendMessageW(WindowHandle(), EM_SCROLLCARET, 0, 0);
}

int TOvCustomRichEdit::SelectionType() const
{
    return HandleAllocated() ? static_cast<int>(::SendMessageW(WindowHandle(), EM_SELECTIONTYPE, 0, 0)) : SEL_EMPTY;
}

int TOvCustomRichEdit::LineFromChar(int position) const
{
    return HandleAllocated() ? static_cast<int>(::SendMessageW(WindowHandle(), EM_EXLINEFROMCHAR, 0, position)) : 0;
}

int TOvCustomRichEdit::TextLength() const
{
    if (!HandleAllocated())
        return 0;
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<int>(::SendMessageW(WindowHandle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

void TOvCustomRichEdit::Clear()
{
    CloseObjects();
    ::SendMessageW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    SetModified(false);
}

int TOvCustomRichEdit::SearchText(const std::wstring& text, int start, int length, DWORD options) const
{
    if (!HandleAllocated() || text.empty())
        return -1;
    FINDTEXTEXW find{{start, length < 0 ? -1 : start + length}, text.c_str(), {-1, -1}};
    return static_cast<int>(
        ::SendMessageW(WindowHandle(), EM_FINDTEXTEXW, options | FR_DOWN, reinterpret_cast<LPARAM>(&find)));
}

void TOvCustomRichEdit::FindDialog(const std::wstring& findText)
{
    findDialog_ = std::make_unique<TOvFindDialog>(*this, findText, std::nullopt);
}

void TOvCustomRichEdit::ReplaceDialog(const std::wstring& findText, const std::wstring& replaceText)
{
    findDialog_ = std::make_unique<TOvFindDialog>(*this, findText, replaceText);
}

void TOvCustomRichEdit::TextNotFound(const std::wstring& findText) { OnTextNotFound.Fire(this, findText); }

void TOvCustomRichEdit::RequestSize(const RECT& rect)
{
    OnResizeRequest.Fire(this, rect);
    lastRequestedSize_ = rect;
}

void TOvCustomRichEdit::CloseFindDialog() { OnCloseFindDialog.Fire(this); }

void TOvCustomRichEdit::SelectionChange()
{
    if (!selectionChangeSuppressed_)
        OnSelectionChange.Fire(this);
}

// --- objects -------------------------------------------------------------------------------------

void TOvCustomRichEdit::CloseObjects()
{
    if (richEditOle_)
        CloseEmbeddedObjects(*richEditOle_.Get());
}

bool TOvCustomRichEdit::ObjectPropertiesDialog()
{
    if (!richEditOle_ || SelectionType() != SEL_OBJECT)
        return false;
    TObjectPropertiesContext context;
    context.view = Handle();
    context.ole = richEditOle_.Get();
    context.title = title_;
    context.applicationTitle = Application->Title();
    context.markModified = [this] { SetModified(true); };
    context.report = [this](const std::exception&) { ReportError(); };
    return ShowObjectProperties(context);
}

void TOvCustomRichEdit::ReportError() noexcept { Application->HandleException(this); }

// --- the container side of the OLE callback --------------------------------------------------------

HWND TOvCustomRichEdit::OleDocumentForm() const
{
    TCustomForm* form = GetParentForm();
    return form ? form->WindowHandle() : nullptr;
}

HWND TOvCustomRichEdit::OleFrameForm() const
{
    TCustomForm* form = GetParentForm();
    if (!form)
        return nullptr;
    if (form->FormStyle() == fsMDIChild && Application->MainForm())
        return Application->MainForm()->WindowHandle();
    return form->WindowHandle();
}

// The container's groups of a shared menu are 0, 2 and 4.
std::vector<ACCEL> TOvCustomRichEdit::OleFrameAccelerators() const
{
    std::vector<ACCEL> table;
    HWND frame = OleFrameForm();
    auto form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(frame));
    if (!form || !form->Menu())
        return table;
    TMenuItem& bar = *form->Menu()->Items();
    for (int i = 0; i < bar.Count(); ++i) {
        int group = bar.Items(i)->GroupIndex();
        if (group == 0 || group == 2 || group == 4)
            CollectAccelerators(*bar.Items(i), table);
    }
    return table;
}

bool TOvCustomRichEdit::OleFrameAutoScroll() const
{
    auto form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(OleFrameForm()));
    return form && form->AutoScroll();
}

void TOvCustomRichEdit::OleSetFrameAutoScroll(bool autoScroll)
{
    if (auto form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(OleFrameForm())))
        form->SetAutoScroll(autoScroll);
}

void TOvCustomRichEdit::OleSetInPlaceActive(bool active)
{
    try {
        TCustomForm* form = GetParentForm();
        inPlaceActive_ = active;
        if (active) {
            if (form) {
                TOvCustomRichEdit*& holder = ActiveOleControls()[form];
                if (holder && holder != this && holder->RichEditOle())
                    holder->RichEditOle()->InPlaceDeactivate();
                holder = this;
            }
            if (allowInPlace_ && CanFocus())
                SetFocus();
            OnInPlaceActivate.Fire(this);
            return;
        }
        if (form) {
            auto it = ActiveOleControls().find(form);
            if (it != ActiveOleControls().end() && it->second == this)
                ActiveOleControls().erase(it);
            if (form->ActiveControl() == this && HandleAllocated())
                ::SetFocus(WindowHandle());
        }
        SelectionChange();
        OnInPlaceDeactivate.Fire(this);
    } catch (...) {
        ReportError();
    }
}

void TOvCustomRichEdit::OleQueryAcceptData(IDataObject* data, CLIPFORMAT& format, TRichDataOperation operation,
                                           bool really, HGLOBAL metafile, bool& refuse)
{
    if (OnQueryAcceptData.Assigned())
        OnQueryAcceptData(this, data, format, operation, really, metafile, refuse);
}

bool TOvCustomRichEdit::OleDragDropEffect(bool drag, TShiftState keys, TRichDropEffects& effect)
{
    const TRichEditDragDropEffectEvent& event = drag ? OnDragAllowed : OnGetDragDropEffect;
    if (!event.Assigned())
        return false;
    bool handled = false;
    event(this, keys, effect, handled);
    return handled;
}

}  // namespace ov
