// TCustomMemo: the multi-line edit with alignment, scroll bars, word wrap, Tab and Enter handling,
// and its text as Lines. TMemo is the published one.
#pragma once

#include <memory>

#include "framework/controls/edit.h"
#include "framework/core/strings.h"

namespace ov {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
OV_ENUM_TYPE(TScrollStyle, L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth")

// Lines are the text's hard lines (split at line breaks, not where word wrap breaks them); they
// work with or without a window. A descendant that keeps its text differently (a rich edit view
// streaming documents) installs its own TStrings with SetLinesObject; Lines() then returns that.
//
// WantTabs: Tab is typed into the text instead of moving the focus. WantReturns (default on):
// Enter makes a new line instead of pressing the form's default button. Changing Alignment,
// ScrollBars or WordWrap re-creates the window.
class TCustomMemo : public TCustomEdit {
    OV_CLASS(TCustomMemo, TCustomEdit)

    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    [[nodiscard]] TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);
    [[nodiscard]] TScrollStyle ScrollBars() const noexcept { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    [[nodiscard]] bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool value);
    [[nodiscard]] bool WantTabs() const noexcept { return wantTabs_; }
    void SetWantTabs(bool value) noexcept { wantTabs_ = value; }
    [[nodiscard]] bool WantReturns() const noexcept { return wantReturns_; }
    void SetWantReturns(bool value) noexcept { wantReturns_ = value; }

    [[nodiscard]] TStrings* Lines() const noexcept { return lines_.get(); }
    // Copies value's lines into Lines.
    void SetLines(const TStrings& value) { lines_->Assign(value); }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void SetLinesObject(std::unique_ptr<TStrings> lines);

private:
    TAlignment alignment_ = taLeftJustify;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool wantTabs_ = false;
    bool wantReturns_ = true;
    std::unique_ptr<TStrings> lines_;
};

class TMemo : public TCustomMemo {
    OV_CLASS(TMemo, TCustomMemo)

    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

}  // namespace ov
