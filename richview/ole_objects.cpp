// Embedded objects: fetching, verbs, closing.
#include "richview/ole_objects.h"

#include <utility>

#include "framework/core/exception.h"

namespace ov {

namespace {

// The system's text for an OLE failure, or the code itself when it has none.
std::wstring DescribeFailure(HRESULT result)
{
    wchar_t* text = nullptr;
    DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length && text ? std::wstring(text, length) : Format(L"OLE error %X", {result});
    if (text)
        ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message;
}

}  // namespace

TEmbeddedObject::TEmbeddedObject(const REOBJECT& record) : record_(record) {}

TEmbeddedObject::~TEmbeddedObject() { ReleaseInterfaces(); }

TEmbeddedObject::TEmbeddedObject(TEmbeddedObject&& other) noexcept : record_(std::exchange(other.record_, {})) {}

TEmbeddedObject& TEmbeddedObject::operator=(TEmbeddedObject&& other) noexcept
{
    if (this != &other) {
        ReleaseInterfaces();
        record_ = std::exchange(other.record_, {});
    }
    return *this;
}

void TEmbeddedObject::ReleaseInterfaces() noexcept
{
    if (record_.poleobj)
        record_.poleobj->Release();
    if (record_.pstg)
        record_.pstg->Release();
    if (record_.polesite)
        record_.polesite->Release();
    record_.poleobj = nullptr;
    record_.pstg = nullptr;
    record_.polesite = nullptr;
}

std::wstring TEmbeddedObject::UserType(DWORD form) const
{
    if (!record_.poleobj)
        return {};
    LPOLESTR name = nullptr;
    if (FAILED(record_.poleobj->GetUserType(form, &name)) || !name)
        return {};
    std::wstring result(name);
    ::CoTaskMemFree(name);
    return result;
}

std::optional<TEmbeddedObject> GetEmbeddedObject(IRichEditOle& ole, LONG index, DWORD flags)
{
    REOBJECT record{};
    record.cbStruct = sizeof(record);
    if (FAILED(ole.GetObject(index, &record, flags | REO_GETOBJ_POLEOBJ))) {
        TEmbeddedObject drop(record);
        return std::nullopt;
    }
    TEmbeddedObject object(record);
    if (!object.Object())
        return std::nullopt;
    return object;
}

void RunSelectedObjectVerb(IRichEditOle& ole, HWND view, LONG verb)
{
    std::optional<TEmbeddedObject> object =
        GetEmbeddedObject(ole, static_cast<LONG>(REO_IOB_SELECTION), REO_GETOBJ_POLESITE);
    if (!object || object->InPlaceActive())
        return;
    RECT client{};
    ::GetClientRect(view, &client);
    HRESULT result = object->Object()->DoVerb(verb, nullptr, object->Site(), 0, view, &client);
    if (FAILED(result))
        throw Exception(DescribeFailure(result));
}

void CloseEmbeddedObjects(IRichEditOle& ole)
{
    for (LONG index = ole.GetObjectCount() - 1; index >= 0; --index) {
        std::optional<TEmbeddedObject> object = GetEmbeddedObject(ole, index, REO_GETOBJ_NO_INTERFACES);
        if (!object)
            continue;
        if (object->InPlaceActive())
            ole.InPlaceDeactivate();
        object->Object()->Close(OLECLOSE_NOSAVE);
    }
}

}  // namespace ov
