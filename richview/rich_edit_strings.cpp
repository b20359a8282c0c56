// TOvRichEditStrings: line access and editing over the control, and loading and saving through
// the conversions.
#include "richview/rich_edit_strings.h"

#include <richedit.h>

#include "framework/forms/application.h"
#include "framework/core/exception.h"
#include "framework/forms/form.h"
#include "richview/custom_rich_edit.h"
#include "richview/richedit_loader.h"
#include "richview/richedit_library.h"

namespace ov {

namespace {

// Sets a flag of the view for one scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = previous_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

LRESULT Send(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageW(window, msg, wParam, lParam);
}

// The break Lines writes: CR LF for the level 1 control, a paragraph mark (CR) for the others.
const wchar_t* LineBreak() { return RichEditLevel() == 1 ? L"\r\n" : L"\r"; }

}  // namespace

const TClassInfo& TOvRichEditStrings::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TOvRichEditStrings>(L"TOvRichEditStrings", TStrings::StaticClass()).Build();
    return info;
}

int TOvRichEditStrings::Count() const
{
    HWND window = view_.Handle();
    auto count = static_cast<int>(Send(window, EM_GETLINECOUNT));
    LRESULT lastStart = Send(window, EM_LINEINDEX, static_cast<WPARAM>(count - 1));
    if (count > 0 && lastStart >= 0 && Send(window, EM_LINELENGTH, static_cast<WPARAM>(lastStart)) == 0)
        --count;
    return count;
}

std::wstring TOvRichEditStrings::Get(int index) const
{
    std::wstring line(kMaxLineLength + 1, L'\0');
    line[0] = static_cast<wchar_t>(kMaxLineLength);  // EM_GETLINE reads the buffer's size from its first word
    auto length = static_cast<size_t>(
        Send(view_.Handle(), EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data())));
    line.resize(std::min<size_t>(length, kMaxLineLength));
    if (line.size() >= 2 && line.ends_with(L"\r\n"))
        line.resize(line.size() - 2);
    else if (RichEditLevel() >= 2 && line.ends_with(L'\r'))
        line.pop_back();
    return line;
}

void TOvRichEditStrings::Replace(int start, int end, const std::wstring& text)
{
    HWND window = view_.Handle();
    CHARRANGE range{start, end};
    Send(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    FlagScope updating(view_.linesUpdating_);
    view_.Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TOvRichEditStrings::Put(int index, const std::wstring& s)
{
    HWND window = view_.Handle();
    LRESULT start = Send(window, EM_LINEINDEX, static_cast<WPARAM>(index));
    if (start < 0)
        return;
    LRESULT length = Send(window, EM_LINELENGTH, static_cast<WPARAM>(start));
    Replace(static_cast<int>(start), static_cast<int>(start + length), s);
}

// Behind the last line (index is the line count), the new line goes after a break at the end of
// the last line's text; behind an empty last line, or further on, nothing is inserted.
void TOvRichEditStrings::Insert(int index, const std::wstring& s)
{
    if (index < 0)
        return;
    HWND window = view_.Handle();
    std::wstring text;
    LRESULT start = Send(window, EM_LINEINDEX, static_cast<WPARAM>(index));
    if (start >= 0) {
        text = s + LineBreak();
    } else {
        LRESULT previous = index > 0 ? Send(window, EM_LINEINDEX, static_cast<WPARAM>(index - 1)) : -1;
        if (previous < 0)
            return;
        LRESULT length = Send(window, EM_LINELENGTH, static_cast<WPARAM>(previous));
        if (length == 0)
            return;
        start = previous + length;
        text = LineBreak() + s;
    }
    auto at = static_cast<int>(start);
    Replace(at, at, text);
    if (RichEditLevel() == 1 && view_.Selection().cpMax != at + static_cast<int>(text.size()))
        throw Exception(L"RichEdit line insertion error");
}

void TOvRichEditStrings::Delete(int index)
{
    HWND window = view_.Handle();
    LRESULT start = Send(window, EM_LINEINDEX, static_cast<WPARAM>(index));
    if (start < 0)
        return;
    LRESULT end = Send(window, EM_LINEINDEX, static_cast<WPARAM>(index) + 1);
    if (end < 0)
        end = view_.TextLength();
    Replace(static_cast<int>(start), static_cast<int>(end), L"");
}

void TOvRichEditStrings::Clear() { view_.Clear(); }

void TOvRichEditStrings::AddStrings(const TStrings& strings)
{
    FlagScope suppressed(view_.selectionChangeSuppressed_);
    TStrings::AddStrings(strings);
}

std::wstring TOvRichEditStrings::Text() const
{
    HWND window = view_.Handle();
    GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    auto length = static_cast<size_t>(Send(window, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery)));
    std::wstring text(length + 1, L'\0');
    GETTEXTEX query{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
    auto copied = static_cast<size_t>(
        Send(window, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    if (!text.empty() && !text.ends_with(L"\r\n"))
        text += L"\r\n";  // every line ends with a break, the last one too
    return text;
}

void TOvRichEditStrings::SetText(std::wstring_view text)
{
    HWND window = view_.Handle();
    auto mask = static_cast<LPARAM>(Send(window, EM_GETEVENTMASK));
    Send(window, EM_SETEVENTMASK, 0, mask & ~static_cast<LPARAM>(ENM_CHANGE));
    try {
        std::wstring copy(text);
        Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
    } catch (...) {
        Send(window, EM_SETEVENTMASK, 0, mask);
        throw;
    }
    Send(window, EM_SETEVENTMASK, 0, mask);
}

// While a batch of changes runs a showing view is not redrawn; afterwards it is, and told of the
// change. (Switching redrawing off hides the window from IsWindowVisible, so the end of the batch
// goes by what its start did.)
void TOvRichEditStrings::SetUpdateState(bool updating)
{
    if (updating) {
        redrawSuspended_ = view_.HandleAllocated() && view_.Showing();
        if (redrawSuspended_)
            Send(view_.WindowHandle(), WM_SETREDRAW, FALSE);
        return;
    }
    if (redrawSuspended_ && view_.HandleAllocated()) {
        Send(view_.WindowHandle(), WM_SETREDRAW, TRUE);
        view_.Refresh();
    }
    redrawSuspended_ = false;
    view_.Perform(CM_TEXTCHANGED);
}

TRichTransfer TOvRichEditStrings::Transfer(bool) const
{
    TRichTransfer transfer;
    transfer.window = view_.Handle();
    TCustomForm* form = view_.GetParentForm();
    if (!form)
        form = Application->MainForm();
    transfer.parentWindow = form ? form->WindowHandle() : nullptr;
    transfer.defaultConversion = view_.DefaultConverter();
    transfer.format = format_;
    transfer.mode = mode_;
    transfer.plainText = view_.PlainText();
    transfer.level = RichEditLevel();
    TOvCustomRichEdit* view = &view_;
    transfer.progress = [view](int percent) { view->OnConversionProgress.Fire(view, percent); };
    return transfer;
}

void TOvRichEditStrings::LoadFromStream(TStream& stream) { ov::LoadFromStream(Transfer(true), stream); }

void TOvRichEditStrings::LoadFromFile(const std::wstring& fileName) { ov::LoadFromFile(Transfer(true), fileName); }

void TOvRichEditStrings::SaveToStream(TStream& stream) const { ov::SaveToStream(Transfer(true), stream); }

void TOvRichEditStrings::SaveToFile(const std::wstring& fileName) const { ov::SaveToFile(Transfer(true), fileName); }

}  // namespace ov
