// The compositor's non-client rendering policy, set through DwmSetWindowAttribute when it exists.
#include "skin/engine/compositor_frame.h"

#include "framework/core/handle.h"

namespace ov {

namespace {

// DWMWA_NCRENDERING_POLICY and its values, as dwmapi.h defines them.
constexpr DWORD kNcRenderingPolicy = 2;
constexpr int kPolicyUseWindowStyle = 0;
constexpr int kPolicyDisabled = 1;

using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

DwmSetWindowAttributeFn SetAttributeEntry()
{
    static UniqueModule module(::LoadLibraryW(L"dwmapi.dll"));
    static auto entry = module ? reinterpret_cast<DwmSetWindowAttributeFn>(
                                     reinterpret_cast<void*>(::GetProcAddress(module.get(), "DwmSetWindowAttribute")))
                               : nullptr;
    return entry;
}

}  // namespace

bool SetCompositorFrame(HWND window, bool ownFrame)
{
    DwmSetWindowAttributeFn entry = SetAttributeEntry();
    if (!entry || !window)
        return false;
    int policy = ownFrame ? kPolicyDisabled : kPolicyUseWindowStyle;
    return SUCCEEDED(entry(window, kNcRenderingPolicy, &policy, sizeof(policy)));
}

}  // namespace ov
