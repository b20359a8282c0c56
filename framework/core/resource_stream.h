// TResourceStream: a read-only stream over a module resource, read in place from the loaded
// module (nothing is copied, so a 12 MB chapter costs no memory of its own).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/core/streams.h"

namespace ov {

// Finds the resource by name (FindResource compares names ignoring case, so "rtf_5" finds
// RTF_5) and type (RT_RCDATA unless given). A missing resource raises Exception
// "Resource <name> not found"; writing raises "Can't write to a read-only resource stream".
// The memory stays valid as long as the module is loaded.
class TResourceStream : public TCustomMemoryStream {
public:
    TResourceStream(HINSTANCE instance, std::wstring_view name, const wchar_t* type = RT_RCDATA);
    // A resource with a numeric identifier.
    static TResourceStream FromId(HINSTANCE instance, int id, const wchar_t* type = RT_RCDATA);

    std::int64_t Write(const void* buffer, std::int64_t count) override;

private:
    TResourceStream(HINSTANCE instance, const wchar_t* name, const wchar_t* type, const std::wstring& shownName);
    void Initialize(HINSTANCE instance, const wchar_t* name, const wchar_t* type, const std::wstring& shownName);
};

}  // namespace ov
