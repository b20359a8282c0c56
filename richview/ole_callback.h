// TRichEditOleCallback: the container side of a view that the rich edit control asks about the
// embedded objects it holds (storage, in-place activation, clipboard, drag and drop, data).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <richole.h>

#include <vector>

#include "richview/rich_edit_types.h"

namespace ov {

class TOleFrameForm;

// What the callback needs to know of and tell to its view.
class TRichEditOleHost {
public:
    [[nodiscard]] virtual bool OleAllowInPlace() const = 0;
    [[nodiscard]] virtual TOvClipboardCommands OleClipboardCommands() const = 0;
    // The window of the view's parent form (the document window of an in-place object) and of
    // the frame window (the same, except for an MDI child, whose frame is the main form); null
    // without a parent form.
    [[nodiscard]] virtual HWND OleDocumentForm() const = 0;
    [[nodiscard]] virtual HWND OleFrameForm() const = 0;
    // The shortcuts of the frame form's menu groups 0, 2 and 4; empty without a main menu.
    [[nodiscard]] virtual std::vector<ACCEL> OleFrameAccelerators() const = 0;
    [[nodiscard]] virtual bool OleFrameAutoScroll() const = 0;
    virtual void OleSetFrameAutoScroll(bool autoScroll) = 0;
    // An object became active in place (true) or its user interface went away (false).
    virtual void OleSetInPlaceActive(bool active) = 0;
    // OnQueryAcceptData: `refuse` comes in with the view's own answer.
    virtual void OleQueryAcceptData(IDataObject* data, CLIPFORMAT& format, TRichDataOperation operation, bool really,
                                    HGLOBAL metafile, bool& refuse) = 0;
    // OnDragAllowed (drag) or OnGetDragDropEffect; answers whether a handler decided.
    virtual bool OleDragDropEffect(bool drag, TShiftState keys, TRichDropEffects& effect) = 0;

protected:
    ~TRichEditOleHost() = default;
};

// One per view, owned by it; the reference count only counts (the view frees the object).
class TRichEditOleCallback final : public IRichEditOleCallback {
public:
    explicit TRichEditOleCallback(TRichEditOleHost& host) : host_(host) {}
    ~TRichEditOleCallback();
    TRichEditOleCallback(const TRichEditOleCallback&) = delete;
    TRichEditOleCallback& operator=(const TRichEditOleCallback&) = delete;

    [[nodiscard]] ULONG References() const noexcept { return references_; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IRichEditOleCallback
    STDMETHODIMP GetNewStorage(LPSTORAGE* storage) override;
    STDMETHODIMP GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                   LPOLEINPLACEFRAMEINFO frameInfo) override;
    STDMETHODIMP ShowContainerUI(BOOL show) override;
    STDMETHODIMP QueryInsertObject(LPCLSID clsid, LPSTORAGE storage, LONG cp) override;
    STDMETHODIMP DeleteObject(LPOLEOBJECT object) override;
    STDMETHODIMP QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD reco, BOOL really,
                                 HGLOBAL metafile) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    STDMETHODIMP GetClipboardData(CHARRANGE* range, DWORD reco, LPDATAOBJECT* data) override;
    STDMETHODIMP GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect) override;
    STDMETHODIMP GetContextMenu(WORD selectionType, LPOLEOBJECT object, CHARRANGE* range, HMENU* menu) override;

private:
    void PrepareForms();
    void PrepareAccelerators();
    void ReleaseForms() noexcept;
    HRESULT ShowContainerUIUnsafe(bool show);

    TRichEditOleHost& host_;
    TOleFrameForm* frameForm_ = nullptr;
    TOleFrameForm* documentForm_ = nullptr;
    HACCEL accelerators_ = nullptr;
    int acceleratorCount_ = 0;
    bool savedAutoScroll_ = false;
    ULONG references_ = 0;
};

}  // namespace ov
