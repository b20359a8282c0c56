// TOvCustomRichEdit: the rich text view over the platform's rich edit control. It creates the
// control with the styles and options its properties ask for, reports the control's
// notifications as events, hosts embedded objects through its OLE callback, chooses its
// right-button menu, and keeps its content across a re-creation of the window.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <richole.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/forms/menus.h"
#include "richview/ex_custom_memo.h"
#include "richview/ole_callback.h"
#include "richview/ole_objects.h"

namespace ov {

class TOvConversion;
class TOvRichEditStrings;
class TOvTextAttributes;
class TOvParaAttributes;
class TOvRichEditState;
class TOvFindDialog;

// Which character format a TOvTextAttributes reads and writes.
enum TAttributeType { atSelected, atDefaultText, atWord };

class TOvCustomRichEdit : public TOvExCustomMemo, private TRichEditOleHost {
    OV_CLASS(TOvCustomRichEdit, TOvExCustomMemo)

    explicit TOvCustomRichEdit(TComponent* owner);
    ~TOvCustomRichEdit() override;

    // Objects: the OLE callback is installed when the window is made (a change re-creates it).
    [[nodiscard]] bool AllowObjects() const noexcept { return allowObjects_; }
    void SetAllowObjects(bool value);
    [[nodiscard]] bool AllowInPlace() const noexcept { return allowInPlace_; }
    void SetAllowInPlace(bool value) noexcept { allowInPlace_ = value; }
    [[nodiscard]] bool AutoVerbMenu() const noexcept { return autoVerbMenu_; }
    void SetAutoVerbMenu(bool value) noexcept { autoVerbMenu_ = value; }
    [[nodiscard]] const std::wstring& Title() const noexcept { return title_; }
    void SetTitle(const std::wstring& value);

    // Window styles: a change re-creates the window (content, selection and modified flag kept).
    [[nodiscard]] bool HideScrollBars() const noexcept { return hideScrollBars_; }
    void SetHideScrollBars(bool value);
    [[nodiscard]] bool SelectionBar() const noexcept { return selectionBar_; }
    void SetSelectionBar(bool value);
    [[nodiscard]] bool OLEDragDrop() const noexcept { return oleDragDrop_; }
    void SetOLEDragDrop(bool value);
    // No 3-D client edge: a flat single border instead.
    [[nodiscard]] bool Flat() const noexcept { return flat_; }
    void SetFlat(bool value);

    // Control options.
    [[nodiscard]] bool AutoAdvancedTypography() const noexcept { return autoAdvancedTypography_; }
    void SetAutoAdvancedTypography(bool value) noexcept { autoAdvancedTypography_ = value; }
    [[nodiscard]] bool AdvancedTypography() const;
    void SetAdvancedTypography(bool value);
    [[nodiscard]] TRichLangOptions LangOptions() const noexcept { return langOptions_; }
    void SetLangOptions(TRichLangOptions value);
    [[nodiscard]] int UndoLimit() const noexcept { return undoLimit_; }
    void SetUndoLimit(int value);
    [[nodiscard]] bool AutoURLDetect() const noexcept { return autoURLDetect_; }
    void SetAutoURLDetect(bool value);
    [[nodiscard]] bool WordSelection() const noexcept { return wordSelection_; }
    void SetWordSelection(bool value);
    [[nodiscard]] bool ForceUndo() const noexcept { return forceUndo_; }
    void SetForceUndo(bool value) noexcept { forceUndo_ = value; }
    [[nodiscard]] bool UseFixedPopup() const noexcept { return useFixedPopup_; }
    void SetUseFixedPopup(bool value) noexcept { useFixedPopup_ = value; }
    [[nodiscard]] bool PlainText() const noexcept { return plainText_; }
    void SetPlainText(bool value) { DoSetPlainText(value); }
    // 0 means 16,777,215 characters.
    void SetMaxLength(int value) override;
    // Percent; 100 when zooming is not available (below level 3).
    [[nodiscard]] int Zoom() const;
    void SetZoom(int value);
    // The printed page in device pixels of the printer; empty: the printer's whole page.
    [[nodiscard]] RECT PageRect() const noexcept { return pageRect_; }
    void SetPageRect(const RECT& value) noexcept { pageRect_ = value; }

    // How Lines reads and writes streams.
    [[nodiscard]] TRichStreamFormat StreamFormat() const;
    void SetStreamFormat(TRichStreamFormat value);
    [[nodiscard]] TRichStreamModes StreamMode() const;
    void SetStreamMode(TRichStreamModes value);
    // Used for every load and save instead of the registered conversions when set (not owned).
    [[nodiscard]] TOvConversion* DefaultConverter() const noexcept { return defaultConverter_; }
    void SetDefaultConverter(TOvConversion* value) noexcept { defaultConverter_ = value; }

    // hides TCustomMemo::Lines: the same object, typed as the view's own strings
    [[nodiscard]] TOvRichEditStrings* Lines() const noexcept { return richLines_; }
    [[nodiscard]] TOvTextAttributes* SelAttributes() const noexcept { return selAttributes_.get(); }
    [[nodiscard]] TOvTextAttributes* DefAttributes() const noexcept { return defAttributes_.get(); }
    [[nodiscard]] TOvTextAttributes* WordAttributes() const noexcept { return wordAttributes_.get(); }
    [[nodiscard]] TOvParaAttributes* Paragraph() const noexcept { return paragraph_.get(); }

    // Text access in UTF-16 whatever the system code page is.
    [[nodiscard]] std::wstring GetTextRange(int start, int end) const;
    [[nodiscard]] std::wstring SelText() const override;
    void SetSelText(const std::wstring& value) override;
    [[nodiscard]] CHARRANGE Selection() const;
    void SetSelection(int start, int end, bool scrollCaret);
    // SEL_* flags of the selection (EM_SELECTIONTYPE).
    [[nodiscard]] int SelectionType() const;
    [[nodiscard]] int LineFromChar(int position) const;
    [[nodiscard]] int TextLength() const;
    // Empties the view: objects are closed first, the modified flag is reset.
    void Clear() override;

    // Searching: the position of the first match in [start, start + length), or -1.
    [[nodiscard]] int SearchText(const std::wstring& text, int start, int length, DWORD options) const;
    // The system's find and replace dialogs over this view.
    void FindDialog(const std::wstring& findText);
    void ReplaceDialog(const std::wstring& findText, const std::wstring& replaceText);
    // The dialog opened last (it is kept after closing, for its text and options), or null.
    [[nodiscard]] TOvFindDialog* LastFindDialog() const noexcept { return findDialog_.get(); }
    // Prints the whole text on the default printer.
    virtual void Print(const std::wstring& documentTitle);

    // The control's interface to its objects, once the window exists with AllowObjects.
    [[nodiscard]] IRichEditOle* RichEditOle() const noexcept { return richEditOle_.Get(); }
    // Closes every embedded object without saving.
    void CloseObjects();
    // The properties dialog of the selected object; true when it ended with OK.
    bool ObjectPropertiesDialog();
    [[nodiscard]] bool InPlaceActive() const noexcept { return inPlaceActive_; }

    TPopupMenu* GetPopupMenu() override;

    TRichEditResizeEvent OnResizeRequest;
    TNotifyEvent OnSelectionChange;
    TRichEditProtectChange OnProtectChange;
    TRichEditProtectChangeEx OnProtectChangeEx;
    TRichEditSaveClipboard OnSaveClipboard;
    TRichEditURLClickEvent OnURLClick;
    TRichEditProgressEvent OnConversionProgress;
    TRichEditTextNotFoundEvent OnTextNotFound;
    TNotifyEvent OnCloseFindDialog;
    TRichEditDragDropEffectEvent OnDragAllowed;
    TRichEditDragDropEffectEvent OnGetDragDropEffect;
    TRichEditQueryAcceptDataEvent OnQueryAcceptData;
    TNotifyEvent OnVerticalScroll;
    TNotifyEvent OnHorizontalScroll;
    TNotifyEvent OnInPlaceActivate;
    TNotifyEvent OnInPlaceDeactivate;

protected:
    // The operations of the view, in their slot order.
    virtual void TextNotFound(const std::wstring& findText);
    virtual void RequestSize(const RECT& rect);
    virtual void DoSetPlainText(bool value);
    virtual void CloseFindDialog();
    virtual void SelectionChange();

    [[nodiscard]] const wchar_t* EditClassName() const override;
    void CreateParams(TCreateParams& params) override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void DoSetClipboardCommands(TOvClipboardCommands value) override;

private:
    friend class TOvRichEditStrings;
    friend class TOvFindDialog;

    // After-creation steps.
    void ApplyEventMask();
    void ApplyOptions();
    void ApplyTextMode();
    void InstallOleCallback();
    void UpdateHostNames();
    void ApplyBackgroundColor();

    // Messages.
    void HandleNotify(TMessage& message);
    void HandleLink(const ENLINK& link);
    void HandleProtected(TMessage& message);
    void HandleReplaceSel(TMessage& message);
    void HandleLevelOnePaint(TMessage& message);
    void HandleRightButtonUp(TMessage& message);
    void HandleDestroy(TMessage& message);
    [[nodiscard]] bool ClipboardMessageAllowed(UINT msg) const;
    [[nodiscard]] bool ClipboardKeyAllowed(WORD key) const;

    // The right-button menu.
    TPopupMenu* BuildVerbMenu(TPopupMenu* assigned);
    void VerbClick(TObject* sender);
    void PropertiesClick(TObject* sender);
    void ReportError() noexcept;

    // TRichEditOleHost
    [[nodiscard]] bool OleAllowInPlace() const override { return allowInPlace_; }
    [[nodiscard]] TOvClipboardCommands OleClipboardCommands() const override { return ClipboardCommands(); }
    [[nodiscard]] HWND OleDocumentForm() const override;
    [[nodiscard]] HWND OleFrameForm() const override;
    [[nodiscard]] std::vector<ACCEL> OleFrameAccelerators() const override;
    [[nodiscard]] bool OleFrameAutoScroll() const override;
    void OleSetFrameAutoScroll(bool autoScroll) override;
    void OleSetInPlaceActive(bool active) override;
    void OleQueryAcceptData(IDataObject* data, CLIPFORMAT& format, TRichDataOperation operation, bool really,
                            HGLOBAL metafile, bool& refuse) override;
    bool OleDragDropEffect(bool drag, TShiftState keys, TRichDropEffects& effect) override;

    // Declared first so that it is freed last: the control may call it until its window is gone.
    std::unique_ptr<TRichEditOleCallback> callback_;
    ComPtr<IRichEditOle> richEditOle_;

    bool allowObjects_ = true;
    bool allowInPlace_ = true;
    bool autoVerbMenu_ = true;
    bool hideScrollBars_ = true;
    bool selectionBar_ = true;
    bool autoAdvancedTypography_ = true;
    bool advancedTypography_ = false;
    bool oleDragDrop_ = true;
    TRichLangOptions langOptions_{rlAutoFont};
    int undoLimit_ = 100;
    bool autoURLDetect_ = true;
    bool wordSelection_ = true;
    bool forceUndo_ = true;
    bool useFixedPopup_ = true;
    bool plainText_ = false;
    bool flat_ = false;
    int zoom_ = 100;
    std::wstring title_;
    RECT pageRect_{};
    TOvConversion* defaultConverter_ = nullptr;

    TOvRichEditStrings* richLines_ = nullptr;  // owned by the memo as its Lines object
    std::unique_ptr<TOvTextAttributes> selAttributes_;
    std::unique_ptr<TOvTextAttributes> defAttributes_;
    std::unique_ptr<TOvTextAttributes> wordAttributes_;
    std::unique_ptr<TOvParaAttributes> paragraph_;
    std::unique_ptr<TOvRichEditState> savedState_;
    std::unique_ptr<TOvFindDialog> findDialog_;

    int screenPixelsPerInch_ = 96;
    RECT lastRequestedSize_{};
    // The link under the last button press and its button; -1, -1 when none.
    CHARRANGE linkRange_{-1, -1};
    TMouseButton linkButton_ = mbLeft;
    bool linesUpdating_ = false;
    bool selectionChangeSuppressed_ = false;
    bool inPlaceActive_ = false;
    bool contextMenuFromButtonUp_ = false;
    std::wstring pendingText_;  // the window text given at creation, set after the text mode
    TComponentPtr<TPopupMenu> verbMenu_;
};

}  // namespace ov
