// TCustomEdit: the base of text-editing controls over a system edit class ("EDIT", or a rich edit
// class chosen by a descendant): read-only state, border, text limit, selection, clipboard, and
// OnChange. TEdit is the published single-line edit.
#pragma once

#include <windows.h>

#include <string>

#include "framework/forms/form.h"
#include "framework/forms/win_control.h"

namespace ov {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
OV_ENUM_TYPE(TEditCharCase, L"ecNormal", L"ecUpperCase", L"ecLowerCase")

// The window is a superclass of EditClassName(), "EDIT" here: a descendant returns another system
// class (a rich edit class) and keeps every behaviour below, which only uses EM_* messages both
// classes understand. BorderStyle bsSingle is a sunken client edge; bsNone has no border at all.
// Changing BorderStyle or HideSelection re-creates the window; the text, the modified flag and the
// selection survive that.
class TCustomEdit : public TWinControl {
    OV_CLASS(TCustomEdit, TWinControl)

    explicit TCustomEdit(TComponent* owner);

    [[nodiscard]] bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool value);
    [[nodiscard]] TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // Characters the user may type; 0 leaves the system's limit.
    [[nodiscard]] int MaxLength() const noexcept { return maxLength_; }
    virtual void SetMaxLength(int value);
    [[nodiscard]] bool HideSelection() const noexcept { return hideSelection_; }
    void SetHideSelection(bool value);
    // Select the whole text when the control is entered by keyboard.
    [[nodiscard]] bool AutoSelect() const noexcept { return autoSelect_; }
    void SetAutoSelect(bool value) noexcept { autoSelect_ = value; }
    [[nodiscard]] TEditCharCase CharCase() const noexcept { return charCase_; }
    void SetCharCase(TEditCharCase value);
    // Shown instead of every character of a single-line edit; 0 for none.
    [[nodiscard]] wchar_t PasswordChar() const noexcept { return passwordChar_; }
    void SetPasswordChar(wchar_t value);
    // With a single border, keeps the control one line of its font high (memos start without).
    [[nodiscard]] bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool value);

    [[nodiscard]] bool Modified() const;
    void SetModified(bool value);
    [[nodiscard]] bool CanUndo() const;

    // Selection in characters from the start of the text.
    [[nodiscard]] int SelStart() const;
    void SetSelStart(int value);
    [[nodiscard]] int SelLength() const;
    void SetSelLength(int value);
    [[nodiscard]] virtual std::wstring SelText() const;
    virtual void SetSelText(const std::wstring& value);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    void ClearUndo();
    virtual void Clear();

    TNotifyEvent OnChange;

protected:
    // The system window class this control superclasses.
    [[nodiscard]] virtual const wchar_t* EditClassName() const { return L"EDIT"; }
    void CreateParams(TCreateParams& params) override;
    // After the window exists: the text limit, the read-only state and what DestroyWnd kept.
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void DoEnter() override;
    // The text changed (EN_CHANGE); fires OnChange.
    virtual void Change();

private:
    void GetSelection(DWORD& start, DWORD& end) const;
    void UpdateHeight();

    bool readOnly_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    int maxLength_ = 0;
    bool hideSelection_ = true;
    bool autoSelect_ = true;
    TEditCharCase charCase_ = ecNormal;
    wchar_t passwordChar_ = 0;
    bool autoSize_ = true;
    bool creating_ = false;
    // Kept while there is no window (before the first one, across re-creation).
    bool modified_ = false;
    int savedSelStart_ = 0;
    int savedSelLength_ = 0;
};

class TEdit : public TCustomEdit {
    OV_CLASS(TEdit, TCustomEdit)

    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

}  // namespace ov
