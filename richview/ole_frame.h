// TOleFrameForm: a form's window seen by an in-place active OLE object as its frame and document
// window (IOleInPlaceFrame), for the time one object is active in place.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <atomic>

namespace ov {

// Reference counted the COM way: created with one reference, freed by the last Release. It
// lends the object border space on the form's client area, installs the shared menu the object
// builds (putting the form's own menu back afterwards) and keeps the object's active-object
// interface for as long as the object says.
class TOleFrameForm final : public IOleInPlaceFrame {
public:
    explicit TOleFrameForm(HWND form);

    [[nodiscard]] HWND Window() const noexcept { return form_; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT border) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* activeObject, LPCOLESTR name) override;
    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHODIMP SetMenu(HMENU shared, HOLEMENU oleMenu, HWND activeObject) override;
    STDMETHODIMP RemoveMenus(HMENU shared) override;
    STDMETHODIMP SetStatusText(LPCOLESTR text) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG msg, WORD id) override;

private:
    ~TOleFrameForm();

    HWND form_;
    HMENU formMenu_;  // the form's own menu bar, put back when the shared menu goes
    BORDERWIDTHS border_{};
    IOleInPlaceActiveObject* activeObject_ = nullptr;
    std::atomic<ULONG> references_{1};
};

}  // namespace ov
