// TCustomMemo: multi-line window parameters, dialog codes, and Lines over the control's text.
#include "framework/controls/memo.h"

#include "framework/core/properties.h"

namespace ov {

namespace {

// The memo's text seen as lines. Every change rewrites the whole text through the control
// (SetText), so it works the same whether or not the window exists.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}

    [[nodiscard]] int Count() const override { return static_cast<int>(Split().size()); }
    [[nodiscard]] std::wstring Get(int index) const override
    {
        auto lines = Split();
        if (index < 0 || index >= static_cast<int>(lines.size()))
            IndexError(index);
        return lines[static_cast<size_t>(index)];
    }
    void Put(int index, const std::wstring& s) override
    {
        auto lines = Split();
        if (index < 0 || index >= static_cast<int>(lines.size()))
            IndexError(index);
        lines[static_cast<size_t>(index)] = s;
        Join(lines);
    }
    void Insert(int index, const std::wstring& s) override
    {
        auto lines = Split();
        if (index < 0 || index > static_cast<int>(lines.size()))
            IndexError(index);
        lines.insert(lines.begin() + index, s);
        Join(lines);
    }
    void Delete(int index) override
    {
        auto lines = Split();
        if (index < 0 || index >= static_cast<int>(lines.size()))
            IndexError(index);
        lines.erase(lines.begin() + index);
        Join(lines);
    }
    void Clear() override { memo_.SetText(L""); }
    [[nodiscard]] std::wstring Text() const override { return memo_.Text(); }
    void SetText(std::wstring_view text) override { memo_.SetText(std::wstring(text)); }

protected:
    // Redrawing is switched off for a batch of changes and the control repainted after it.
    void SetUpdateState(bool updating) override
    {
        if (!memo_.HandleAllocated())
            return;
        SendMessageW(memo_.WindowHandle(), WM_SETREDRAW, !updating, 0);
        if (!updating)
            memo_.Refresh();
    }

private:
    // Lines of the text; a final line break ends the last line rather than starting an empty one.
    [[nodiscard]] std::vector<std::wstring> Split() const
    {
        TStringList list;
        list.SetText(memo_.Text());
        return list.ToVector();
    }
    void Join(const std::vector<std::wstring>& lines)
    {
        std::wstring text;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i > 0)
                text += L"\r\n";
            text += lines[i];
        }
        memo_.SetText(text);
    }

    TCustomMemo& memo_;
};

}  // namespace

const TClassInfo& TCustomMemo::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomMemo>(L"TCustomMemo", TCustomEdit::StaticClass())
            .Property(L"Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment)
            .Property(L"Lines", &TCustomMemo::Lines)
            .Property(L"ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
            .Property(L"WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns)
            .Property(L"WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs)
            .Property(L"WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
            .Build();
    return info;
}

const TClassInfo& TMemo::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMemo>(L"TMemo", TCustomMemo::StaticClass()).Creatable().Build();
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this))
{
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
    SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetLinesObject(std::unique_ptr<TStrings> lines) { lines_ = std::move(lines); }

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    static constexpr DWORD kAlignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    params.Style |= ES_MULTILINE | kAlignments[alignment_];
    if (wordWrap_)
        params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        params.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
        params.Style |= WS_HSCROLL;
}

// The edit class asks for every key; what the memo does not want goes back to the form.
void TCustomMemo::WndProc(TMessage& message)
{
    TCustomEdit::WndProc(message);
    if (message.Msg != WM_GETDLGCODE)
        return;
    if (wantTabs_)
        message.Result |= DLGC_WANTTAB;
    else
        message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    if (!wantReturns_)
        message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

void TCustomMemo::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    RecreateWnd();
}

}  // namespace ov
