// TResourceStream: FindResource / LoadResource / LockResource, and a window on the result.
#include "framework/core/resource_stream.h"

#include "framework/core/exception.h"

namespace ov {

TResourceStream::TResourceStream(HINSTANCE instance, std::wstring_view name, const wchar_t* type)
{
    std::wstring shownName(name);
    Initialize(instance, shownName.c_str(), type, shownName);
}

TResourceStream::TResourceStream(HINSTANCE instance, const wchar_t* name, const wchar_t* type,
                                 const std::wstring& shownName)
{
    Initialize(instance, name, type, shownName);
}

TResourceStream TResourceStream::FromId(HINSTANCE instance, int id, const wchar_t* type)
{
    return TResourceStream(instance, MAKEINTRESOURCEW(id), type, std::to_wstring(id));
}

void TResourceStream::Initialize(HINSTANCE instance, const wchar_t* name, const wchar_t* type,
                                 const std::wstring& shownName)
{
    // Resources of a loaded module need no release: LoadResource only maps to the module image.
    HRSRC info = ::FindResourceW(instance, name, type);
    HGLOBAL data = info ? ::LoadResource(instance, info) : nullptr;
    const void* memory = data ? ::LockResource(data) : nullptr;
    if (!memory)
        throw Exception(L"Resource %s not found", {shownName});
    SetPointer(static_cast<const std::uint8_t*>(memory), ::SizeofResource(instance, info));
}

std::int64_t TResourceStream::Write(const void*, std::int64_t)
{
    throw Exception(L"Can't write to a read-only resource stream");
}

}  // namespace ov
