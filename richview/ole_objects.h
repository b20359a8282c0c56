// Operations on the objects embedded in a rich edit control: fetching the selected one, running
// its verbs, and closing all of them without saving.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <richole.h>
#include <wrl/client.h>

#include <optional>
#include <string>

namespace ov {

using Microsoft::WRL::ComPtr;

// One object as IRichEditOle::GetObject reports it, holding the interfaces asked for.
class TEmbeddedObject {
public:
    TEmbeddedObject() = default;
    explicit TEmbeddedObject(const REOBJECT& record);  // takes over the record's references
    ~TEmbeddedObject();
    TEmbeddedObject(TEmbeddedObject&& other) noexcept;
    TEmbeddedObject& operator=(TEmbeddedObject&& other) noexcept;
    TEmbeddedObject(const TEmbeddedObject&) = delete;
    TEmbeddedObject& operator=(const TEmbeddedObject&) = delete;

    [[nodiscard]] const REOBJECT& Record() const noexcept { return record_; }
    [[nodiscard]] IOleObject* Object() const noexcept { return record_.poleobj; }
    [[nodiscard]] IOleClientSite* Site() const noexcept { return record_.polesite; }
    [[nodiscard]] bool InPlaceActive() const noexcept { return (record_.dwFlags & REO_INPLACEACTIVE) != 0; }
    [[nodiscard]] bool Linked() const noexcept { return (record_.dwFlags & REO_LINK) != 0; }
    // The object's full (or short) user type name, empty when the object has none.
    [[nodiscard]] std::wstring UserType(DWORD form = USERCLASSTYPE_FULL) const;

private:
    void ReleaseInterfaces() noexcept;

    REOBJECT record_{};
};

// The object at `index` (REO_IOB_SELECTION for the selected one) with the interfaces of `flags`
// (REO_GETOBJ_*), or nothing when there is none or it has no IOleObject.
std::optional<TEmbeddedObject> GetEmbeddedObject(IRichEditOle& ole, LONG index, DWORD flags);

// Runs verb `verb` of the selected object in `view`'s client area, unless the object is active in
// place already. Raises Exception when the object refuses.
void RunSelectedObjectVerb(IRichEditOle& ole, HWND view, LONG verb);

// Closes every object, last first, without saving; in-place activation is ended first.
void CloseEmbeddedObjects(IRichEditOle& ole);

}  // namespace ov
