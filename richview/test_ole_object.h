// An OLE object for tests: a minimal IOleObject that records what is asked of it (verbs run,
// closes) and offers a fixed list of verbs, so that the container side can be checked without an
// OLE server installed.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <richole.h>

#include <string>
#include <vector>

namespace ov::testing {

class TestOleObject final : public IOleObject, public IEnumOLEVERB {
public:
    std::vector<OLEVERB> verbs;
    std::vector<LONG> verbsRun;
    std::vector<DWORD> closes;
    HRESULT doVerbResult = S_OK;
    IOleClientSite* site = nullptr;
    ULONG references = 1;

    ~TestOleObject() { SetClientSite(nullptr); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
            *object = static_cast<IOleObject*>(this);
        else if (IsEqualIID(riid, IID_IEnumOLEVERB))
            *object = static_cast<IEnumOLEVERB*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* clientSite) override
    {
        if (clientSite)
            clientSite->AddRef();
        if (site)
            site->Release();
        site = clientSite;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** clientSite) override
    {
        *clientSite = site;
        if (site)
            site->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD saveOption) override
    {
        closes.push_back(saveOption);
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override
    {
        verbsRun.push_back(verb);
        return doVerbResult;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** enumerator) override
    {
        next_ = 0;
        AddRef();
        *enumerator = this;
        return S_OK;
    }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* classId) override
    {
        *classId = CLSID_NULL;
        return S_OK;
    }
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* name) override
    {
        const wchar_t* text = form == USERCLASSTYPE_SHORT ? L"Picture" : L"Test Picture";
        size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
        *name = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
        memcpy(*name, text, bytes);
        return S_OK;
    }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return S_OK; }
    STDMETHODIMP GetExtent(DWORD, SIZEL* size) override
    {
        *size = {1000, 1000};
        return S_OK;
    }
    STDMETHODIMP Advise(IAdviseSink*, DWORD* connection) override
    {
        *connection = 1;
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD) override { return S_OK; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* status) override
    {
        *status = 0;
        return S_OK;
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IEnumOLEVERB (one enumeration at a time)
    STDMETHODIMP Next(ULONG count, OLEVERB* items, ULONG* fetched) override
    {
        ULONG n = 0;
        for (; n < count && next_ < verbs.size(); ++n, ++next_) {
            items[n] = verbs[next_];
            std::wstring name = verbs[next_].lpszVerbName;
            items[n].lpszVerbName = static_cast<LPOLESTR>(::CoTaskMemAlloc((name.size() + 1) * sizeof(wchar_t)));
            memcpy(items[n].lpszVerbName, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
        }
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        next_ += count;
        return S_OK;
    }
    STDMETHODIMP Reset() override
    {
        next_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumOLEVERB**) override { return E_NOTIMPL; }

private:
    size_t next_ = 0;
};

// Inserts `object` at the control's selection through its IRichEditOle; selects it when asked.
inline HRESULT InsertTestObject(HWND edit, TestOleObject& object, bool select = true)
{
    IRichEditOle* ole = nullptr;
    ::SendMessageW(edit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    if (!ole)
        return E_FAIL;
    IOleClientSite* site = nullptr;
    ole->GetClientSite(&site);
    ILockBytes* bytes = nullptr;
    IStorage* storage = nullptr;
    ::CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes);
    ::StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0, &storage);
    bytes->Release();
    object.SetClientSite(site);
    REOBJECT record{};
    record.cbStruct = sizeof(record);
    record.cp = static_cast<LONG>(REO_CP_SELECTION);
    record.poleobj = &object;
    record.pstg = storage;
    record.polesite = site;
    record.dvaspect = DVASPECT_CONTENT;
    record.sizel = {1000, 1000};
    HRESULT result = ole->InsertObject(&record);
    if (storage)
        storage->Release();
    if (site)
        site->Release();
    if (SUCCEEDED(result) && select) {
        CHARRANGE range{0, 0};
        ::SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        range.cpMin = range.cpMax - 1;
        ::SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    ole->Release();
    return result;
}

}  // namespace ov::testing
