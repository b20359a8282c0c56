// TOvCustomRichEdit's window: class and styles, the set-up after creation in its fixed order,
// and the state kept while the window is re-created.
#include "richview/custom_rich_edit.h"

#include "framework/forms/application.h"
#include "framework/core/unicode.h"
#include "richview/char_format.h"
#include "richview/rich_edit_state.h"
#include "richview/richedit_library.h"

namespace ov {

namespace {

constexpr LPARAM kDefaultTextLimit = 0xFFFFFF;

// The charset of the system's font, for Far East systems (other than Japanese) whose fonts must
// carry the system's own charset to show its script.
bool FarEastSystemCharset(TFontCharset& charset)
{
    if (!::GetSystemMetrics(SM_DBCSENABLED) || PRIMARYLANGID(::GetSystemDefaultLangID()) == LANG_JAPANESE)
        return false;
    LOGFONTW systemFont{};
    if (!::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(systemFont), &systemFont))
        return false;
    charset = systemFont.lfCharSet;
    return true;
}

// The names OLE servers show for the container and the document.
void SetHostNames(IRichEditOle& ole, const std::wstring& title)
{
    std::wstring container = Application->Title();
    if (container.find_first_not_of(L" \t") == std::wstring::npos) {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        container = path;
        size_t slash = container.find_last_of(L"\\/");
        if (slash != std::wstring::npos)
            container.erase(0, slash + 1);
    }
    std::wstring document = title.find_first_not_of(L" \t") == std::wstring::npos ? container : title;
    ole.SetHostNames(WideToAnsi(container).c_str(), WideToAnsi(document).c_str());
}

}  // namespace

const wchar_t* TOvCustomRichEdit::EditClassName() const { return RichEditClassName(RichEditLevel()); }

void TOvCustomRichEdit::CreateParams(TCreateParams& params)
{
    TOvExCustomMemo::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
    params.Style |= ES_SAVESEL | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (ScrollBars() == ssVertical || ScrollBars() == ssBoth)
        params.Style |= WS_VSCROLL;
    if ((ScrollBars() == ssHorizontal || ScrollBars() == ssBoth) && !WordWrap())
        params.Style |= WS_HSCROLL;
    if (!oleDragDrop_)
        params.Style |= ES_NOOLEDRAGDROP;
    if (!hideScrollBars_)
        params.Style |= ES_DISABLENOSCROLL;
    if (selectionBar_)
        params.Style |= ES_SELECTIONBAR;
    if (!HideSelection())
        params.Style |= ES_NOHIDESEL;
    if (flat_ && (params.ExStyle & WS_EX_CLIENTEDGE)) {
        params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
        params.Style |= WS_BORDER;
    }
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
    // The text mode can only be chosen while the control is empty: the text comes afterwards.
    pendingText_ = std::move(params.Caption);
    params.Caption.clear();
}

// ES_SELECTIONBAR is the bit the window manager reads as WS_MAXIMIZE: a window created with it is
// first maximised inside its parent (size limits asked, moved, resized) and only then put back to
// its bounds. The control takes the same option through EM_SETOPTIONS, which also sets the style
// bit, so the window is made without it and gets the selection bar right after.
void TOvCustomRichEdit::CreateWindowHandle(const TCreateParams& params)
{
    TCreateParams made = params;
    made.Style &= ~static_cast<DWORD>(ES_SELECTIONBAR);
    TOvExCustomMemo::CreateWindowHandle(made);
    if ((params.Style & ES_SELECTIONBAR) && HandleAllocated())
        ::SendMessageW(WindowHandle(), EM_SETOPTIONS, ECOOP_OR, ECO_SELECTIONBAR);
}

void TOvCustomRichEdit::CreateWnd()
{
    RECT bounds = BoundsRect();
    TOvExCustomMemo::CreateWnd();
    RECT now = BoundsRect();
    if (!::EqualRect(&now, &bounds))
        SetBoundsRect(bounds);

    TFontCharset charset = 0;
    if (FarEastSystemCharset(charset))
        Font()->SetCharset(charset);
    HWND window = WindowHandle();
    ApplyEventMask();
    ApplyBackgroundColor();
    ::SendMessageW(window, EM_EXLIMITTEXT, 0, MaxLength() > 0 ? MaxLength() : kDefaultTextLimit);
    SetWordSelection(wordSelection_);
    ApplyOptions();
    SetDefaultCharFormat(window, *Font());
    if (allowObjects_)
        InstallOleCallback();

    if (savedState_) {
        std::unique_ptr<TOvRichEditState> state = std::move(savedState_);
        state->Restore(*this);
    } else if (!pendingText_.empty()) {
        bool modified = Modified();
        CHARRANGE selection = Selection();
        ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pendingText_.c_str()));
        ::SendMessageW(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        SetModified(modified);
    }
    pendingText_.clear();
    if (RichEditLevel() == 1) {
        bool modified = Modified();
        ::SendMessageW(window, WM_SETFONT, 0, 0);
        SetModified(modified);
    }
}

// Unless the view is going for good, what the window holds is kept for the next window.
void TOvCustomRichEdit::DestroyWnd()
{
    if (HandleAllocated() && !ComponentState().Contains(csDestroying))
        savedState_ = std::make_unique<TOvRichEditState>(*this, false);
    TOvExCustomMemo::DestroyWnd();
}

// Change, selection change, resize request and protection notifications, and links from level 2.
void TOvCustomRichEdit::ApplyEventMask()
{
    LPARAM mask = ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE | ENM_PROTECTED;
    if (RichEditLevel() >= 2)
        mask |= ENM_LINK;
    ::SendMessageW(WindowHandle(), EM_SETEVENTMASK, 0, mask);
}

void TOvCustomRichEdit::ApplyBackgroundColor()
{
    if (HandleAllocated())
        ::SendMessageW(WindowHandle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TOvCustomRichEdit::ApplyOptions()
{
    if (RichEditLevel() < 2)
        return;
    SetAutoURLDetect(autoURLDetect_);
    SetUndoLimit(undoLimit_);
    ApplyTextMode();
    SetAdvancedTypography(advancedTypography_);
    SetLangOptions(langOptions_);
}

void TOvCustomRichEdit::ApplyTextMode()
{
    WPARAM mode = plainText_ ? TM_PLAINTEXT : TM_RICHTEXT;
    mode |= undoLimit_ > 1 ? TM_MULTILEVELUNDO : TM_SINGLELEVELUNDO;
    ::SendMessageW(WindowHandle(), EM_SETTEXTMODE, mode, 0);
}

void TOvCustomRichEdit::InstallOleCallback()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    auto callback = static_cast<IRichEditOleCallback*>(callback_.get());
    ::SendMessageW(window, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(callback));
    richEditOle_.Reset();
    ::SendMessageW(window, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(richEditOle_.GetAddressOf()));
    UpdateHostNames();
}

void TOvCustomRichEdit::UpdateHostNames()
{
    if (richEditOle_)
        SetHostNames(*richEditOle_.Get(), title_);
}

}  // namespace ov
