// The object properties dialog for the selected embedded object, with the two information
// objects the dialog asks: TOleUIObjInfo (what the object is and how it is shown) and
// TOleUILinkInfo (where a linked object's data comes from).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oledlg.h>
#include <richole.h>

#include <functional>
#include <string>

#include "richview/ole_objects.h"

namespace ov {

// What the dialog needs of the view that holds the object.
struct TObjectPropertiesContext {
    HWND view = nullptr;
    IRichEditOle* ole = nullptr;  // the view's control interface, may be null
    std::wstring title;           // the view's Title
    std::wstring applicationTitle;
    std::function<void()> markModified;                 // the view's content changed
    std::function<void(const std::exception&)> report;  // the application's error handler
};

// IOleUIObjInfo for one dialog. The reference count only counts: the object lives on the stack
// for the dialog's duration.
class TOleUIObjInfo final : public IOleUIObjInfoW {
public:
    TOleUIObjInfo(const TObjectPropertiesContext& context, const TEmbeddedObject& object)
        : context_(context), object_(object)
    {
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return references_ > 0 ? --references_ : 0; }
    STDMETHODIMP GetObjectInfo(DWORD object, DWORD* size, LPWSTR* label, LPWSTR* type, LPWSTR* shortType,
                               LPWSTR* location) override;
    STDMETHODIMP GetConvertInfo(DWORD object, CLSID* classId, WORD* format, CLSID* convertDefault, LPCLSID* exclude,
                                UINT* excludeCount) override;
    STDMETHODIMP ConvertObject(DWORD object, REFCLSID newClass) override;
    STDMETHODIMP GetViewInfo(DWORD object, HGLOBAL* metafile, DWORD* aspect, int* scale) override;
    STDMETHODIMP SetViewInfo(DWORD object, HGLOBAL metafile, DWORD aspect, int scale, BOOL relative) override;

    // "Title - application title", or the application title alone for a view without a title.
    [[nodiscard]] std::wstring Location() const;

private:
    const TObjectPropertiesContext& context_;
    const TEmbeddedObject& object_;
    ULONG references_ = 0;
};

// IOleUILinkInfo for a linked object: the one link of the dialog. Raises when the object is not
// a link (it has no IOleLink).
class TOleUILinkInfo final : public IOleUILinkInfoW {
public:
    TOleUILinkInfo(const TObjectPropertiesContext& context, const TEmbeddedObject& object);

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return references_ > 0 ? --references_ : 0; }
    STDMETHODIMP_(DWORD) GetNextLink(DWORD link) override;
    STDMETHODIMP SetLinkUpdateOptions(DWORD link, DWORD options) override;
    STDMETHODIMP GetLinkUpdateOptions(DWORD link, DWORD* options) override;
    STDMETHODIMP SetLinkSource(DWORD link, LPWSTR displayName, ULONG fileNameLength, ULONG* eaten,
                               BOOL validateSource) override;
    STDMETHODIMP GetLinkSource(DWORD link, LPWSTR* displayName, ULONG* fileNameLength, LPWSTR* fullLinkType,
                               LPWSTR* shortLinkType, BOOL* sourceAvailable, BOOL* selected) override;
    STDMETHODIMP OpenLinkSource(DWORD link) override;
    STDMETHODIMP UpdateLink(DWORD link, BOOL errorMessage, BOOL reserved) override;
    STDMETHODIMP CancelLink(DWORD link) override;
    STDMETHODIMP GetLastUpdate(DWORD link, FILETIME* lastUpdate) override;

    static constexpr DWORD kLinkId = 1;

private:
    const TObjectPropertiesContext& context_;
    const TEmbeddedObject& object_;
    ComPtr<IOleLink> link_;
    ULONG references_ = 0;
};

// Shows the properties dialog for the selected object unless it is active in place; true when
// the dialog ended with OK.
bool ShowObjectProperties(const TObjectPropertiesContext& context);

}  // namespace ov
