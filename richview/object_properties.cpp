// The object properties dialog and its information objects.
#include "richview/object_properties.h"

#include <prsht.h>

#include <algorithm>
#include <cstring>

#include "framework/core/exception.h"
#include "framework/core/format.h"

namespace ov {

namespace {

constexpr ULONG kMaxSourceName = 255;

// A copy of `text` from the OLE task allocator, as the dialog frees it.
LPWSTR TaskString(const std::wstring& text)
{
    auto copy = static_cast<LPWSTR>(::CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
    if (copy)
        std::memcpy(copy, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return copy;
}

void LinkMessage(HWND owner, const wchar_t* text)
{
    ::MessageBoxW(owner, text, L"Link Properties", MB_OK | MB_ICONERROR);
}

// Runs an object operation whose failure the application's handler shows; the dialog always
// hears S_OK.
template <typename F>
HRESULT Reported(const TObjectPropertiesContext& context, F&& operation)
{
    try {
        operation();
    } catch (const std::exception& error) {
        if (context.report)
            context.report(error);
    } catch (...) {
    }
    return S_OK;
}

void Check(HRESULT result, const wchar_t* what)
{
    if (FAILED(result))
        throw Exception(L"%s failed (%X)", {what, result});
}

// The dialog's callback interfaces have no interface ids of their own: IUnknown is all they answer.
template <class Interface>
HRESULT AnswerUnknownOnly(Interface* self, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (!IsEqualIID(riid, IID_IUnknown)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = self;
    self->AddRef();
    return S_OK;
}

}  // namespace

STDMETHODIMP TOleUIObjInfo::QueryInterface(REFIID riid, void** object)
{
    return AnswerUnknownOnly(static_cast<IOleUIObjInfoW*>(this), riid, object);
}

std::wstring TOleUIObjInfo::Location() const
{
    if (context_.title.find_first_not_of(L" \t") == std::wstring::npos)
        return context_.applicationTitle;
    return Format(L"%s - %s", {context_.title, context_.applicationTitle});
}

STDMETHODIMP TOleUIObjInfo::GetObjectInfo(DWORD, DWORD* size, LPWSTR* label, LPWSTR* type, LPWSTR* shortType,
                                          LPWSTR* location)
{
    try {
        std::wstring fullName = object_.UserType(USERCLASSTYPE_FULL);
        if (size)
            *size = static_cast<DWORD>(-1);  // unknown
        if (label)
            *label = TaskString(fullName);
        if (type)
            *type = TaskString(fullName);
        if (shortType)
            *shortType = TaskString(object_.UserType(USERCLASSTYPE_SHORT));
        if (location)
            *location = TaskString(Location());
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP TOleUIObjInfo::GetConvertInfo(DWORD, CLSID* classId, WORD* format, CLSID* convertDefault, LPCLSID* exclude,
                                           UINT* excludeCount)
{
    if (classId && FAILED(object_.Object()->GetUserClassID(classId)))
        *classId = CLSID_NULL;
    if (format)
        *format = 0;
    if (convertDefault)
        *convertDefault = CLSID_NULL;
    if (exclude)
        *exclude = nullptr;
    if (excludeCount)
        *excludeCount = 0;
    return S_OK;
}

STDMETHODIMP TOleUIObjInfo::ConvertObject(DWORD, REFCLSID) { return E_NOTIMPL; }

STDMETHODIMP TOleUIObjInfo::GetViewInfo(DWORD, HGLOBAL* metafile, DWORD* aspect, int* scale)
{
    if (metafile) {
        CLSID classId = CLSID_NULL;
        object_.Object()->GetUserClassID(&classId);
        *metafile = ::OleGetIconOfClass(classId, nullptr, TRUE);
    }
    if (aspect)
        *aspect = object_.Record().dvaspect;
    if (scale)
        *scale = 0;
    return S_OK;
}

// Shows the object as an icon or as its content: the new aspect is cached (with the dialog's
// icon picture) and the control is told.
STDMETHODIMP TOleUIObjInfo::SetViewInfo(DWORD, HGLOBAL metafile, DWORD aspect, int, BOOL)
{
    if (!context_.ole)
        return E_NOTIMPL;
    context_.ole->InPlaceDeactivate();
    bool toIcon = aspect == DVASPECT_ICON;
    if (!toIcon && object_.Record().dvaspect != DVASPECT_ICON)
        return S_OK;  // content stays content
    ComPtr<IOleCache> cache;
    HRESULT result = object_.Object()->QueryInterface(IID_PPV_ARGS(&cache));
    if (SUCCEEDED(result)) {
        FORMATETC format{0, nullptr, aspect, -1, TYMED_NULL};
        DWORD connection = 0;
        result = cache->Cache(&format, ADVF_PRIMEFIRST, &connection);
        if (SUCCEEDED(result) && toIcon && metafile) {
            FORMATETC iconFormat{CF_METAFILEPICT, nullptr, DVASPECT_ICON, -1, TYMED_MFPICT};
            STGMEDIUM medium{};
            medium.tymed = TYMED_MFPICT;
            medium.hMetaFilePict = metafile;
            result = cache->SetData(&iconFormat, &medium, FALSE);
        }
    }
    if (FAILED(result))
        return result;
    return context_.ole->SetDvaspect(static_cast<LONG>(REO_IOB_SELECTION), aspect);
}

TOleUILinkInfo::TOleUILinkInfo(const TObjectPropertiesContext& context, const TEmbeddedObject& object)
    : context_(context), object_(object)
{
    Check(object_.Object()->QueryInterface(IID_PPV_ARGS(&link_)), L"IOleLink");
}

STDMETHODIMP TOleUILinkInfo::QueryInterface(REFIID riid, void** object)
{
    return AnswerUnknownOnly(static_cast<IOleUILinkInfoW*>(this), riid, object);
}

STDMETHODIMP_(DWORD) TOleUILinkInfo::GetNextLink(DWORD link) { return link == 0 ? kLinkId : 0; }

STDMETHODIMP TOleUILinkInfo::SetLinkUpdateOptions(DWORD, DWORD options)
{
    HRESULT result = link_->SetUpdateOptions(options);
    if (SUCCEEDED(result) && context_.markModified)
        context_.markModified();
    return result;
}

STDMETHODIMP TOleUILinkInfo::GetLinkUpdateOptions(DWORD, DWORD* options)
{
    return options ? link_->GetUpdateOptions(options) : E_POINTER;
}

STDMETHODIMP TOleUILinkInfo::SetLinkSource(DWORD, LPWSTR displayName, ULONG, ULONG* eaten, BOOL validateSource)
{
    if (!validateSource) {
        LinkMessage(context_.view, L"Cannot link to an invalid source.");
        return E_FAIL;
    }
    std::wstring name = displayName ? displayName : L"";
    if (name.size() > kMaxSourceName)
        name.resize(kMaxSourceName);
    HRESULT result = link_->SetSourceDisplayName(name.c_str());
    if (FAILED(result))
        return result;
    if (eaten)
        *eaten = static_cast<ULONG>(displayName ? std::wcslen(displayName) : 0);
    return object_.Object()->Update();
}

STDMETHODIMP TOleUILinkInfo::GetLinkSource(DWORD, LPWSTR* displayName, ULONG* fileNameLength, LPWSTR* fullLinkType,
                                           LPWSTR* shortLinkType, BOOL* sourceAvailable, BOOL* selected)
{
    LPOLESTR name = nullptr;
    HRESULT result = link_->GetSourceDisplayName(&name);
    if (FAILED(result))
        return result;
    std::wstring source = name ? name : L"";
    if (displayName)
        *displayName = name;
    else
        ::CoTaskMemFree(name);
    // A moniker's display name is the file, then "!item" parts.
    if (fileNameLength)
        *fileNameLength = static_cast<ULONG>(std::min(source.find(L'!'), source.size()));
    if (fullLinkType)
        *fullLinkType = TaskString(object_.UserType(USERCLASSTYPE_FULL));
    if (shortLinkType)
        *shortLinkType = TaskString(object_.UserType(USERCLASSTYPE_SHORT));
    if (sourceAvailable)
        *sourceAvailable = TRUE;
    if (selected)
        *selected = TRUE;
    return S_OK;
}

STDMETHODIMP TOleUILinkInfo::OpenLinkSource(DWORD)
{
    return Reported(context_, [&] {
        RECT client{};
        ::GetClientRect(context_.view, &client);
        Check(object_.Object()->DoVerb(OLEIVERB_SHOW, nullptr, object_.Site(), 0, context_.view, &client),
              L"Opening the link source");
    });
}

STDMETHODIMP TOleUILinkInfo::UpdateLink(DWORD, BOOL, BOOL)
{
    return Reported(context_, [&] { Check(object_.Object()->Update(), L"Updating the link"); });
}

STDMETHODIMP TOleUILinkInfo::CancelLink(DWORD)
{
    LinkMessage(context_.view, L"Break link operation is not supported.");
    return E_NOTIMPL;
}

STDMETHODIMP TOleUILinkInfo::GetLastUpdate(DWORD, FILETIME*) { return S_OK; }

bool ShowObjectProperties(const TObjectPropertiesContext& context)
{
    if (!context.ole)
        return false;
    std::optional<TEmbeddedObject> object =
        GetEmbeddedObject(*context.ole, static_cast<LONG>(REO_IOB_SELECTION), REO_GETOBJ_POLESITE);
    if (!object || object->InPlaceActive())
        return false;

    TOleUIObjInfo objectInfo(context, *object);
    std::optional<TOleUILinkInfo> linkInfo;
    if (object->Linked())
        linkInfo.emplace(context, *object);

    std::wstring caption = Format(L"%s Properties", {object->UserType(USERCLASSTYPE_FULL)});
    PROPSHEETHEADERW sheet{};
    sheet.dwSize = sizeof(sheet);
    sheet.hwndParent = context.view;
    sheet.hInstance = ::GetModuleHandleW(nullptr);
    sheet.pszCaption = caption.c_str();
    OLEUIGNRLPROPSW general{};
    general.cbStruct = sizeof(general);
    OLEUIVIEWPROPSW view{};
    view.cbStruct = sizeof(view);
    view.dwFlags = VPF_DISABLESCALE;
    OLEUILINKPROPSW link{};
    link.cbStruct = sizeof(link);
    link.dwFlags = ELF_DISABLECANCELLINK;

    OLEUIOBJECTPROPSW properties{};
    properties.cbStruct = sizeof(properties);
    properties.dwFlags = OPF_DISABLECONVERT | (object->Linked() ? OPF_OBJECTISLINK : 0);
    properties.lpPS = &sheet;
    properties.dwObject = 1;
    properties.lpObjInfo = &objectInfo;
    properties.dwLink = TOleUILinkInfo::kLinkId;
    properties.lpLinkInfo = linkInfo ? &*linkInfo : nullptr;
    properties.lpGP = &general;
    properties.lpVP = &view;
    properties.lpLP = &link;
    return ::OleUIObjectPropertiesW(&properties) == OLEUI_OK;
}

}  // namespace ov
