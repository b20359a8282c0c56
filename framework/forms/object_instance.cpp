// TObjectInstance: a small machine-code thunk per instance, from a pool of executable pages.
//
// Each thunk (x86-64, 22 of its 32 bytes used) replaces the window handle argument by the instance
// and jumps to Dispatch:
//     48 B9 <8 bytes>   mov rcx, instance
//     48 B8 <8 bytes>   mov rax, Dispatch
//     FF E0             jmp rax
// Windows calls it with (hwnd, msg, wParam, lParam) in rcx, rdx, r8, r9; Dispatch receives
// (instance, msg, wParam, lParam) in the same registers.
#include "framework/forms/object_instance.h"

#include <array>
#include <cstring>
#include <vector>

#include "framework/forms/application.h"

namespace ov {

namespace {

constexpr size_t kThunkSize = 32;
constexpr size_t kPageSize = 4096;

struct ThunkPool {
    std::vector<unsigned char*> pages;
    std::vector<unsigned char*> free;

    unsigned char* Take()
    {
        if (free.empty()) {
            auto page = static_cast<unsigned char*>(
                VirtualAlloc(nullptr, kPageSize, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
            if (!page)
                throw Exception(L"Out of memory for window procedure instances");
            pages.push_back(page);
            for (size_t offset = kPageSize; offset >= kThunkSize; offset -= kThunkSize)
                free.push_back(page + offset - kThunkSize);
        }
        unsigned char* thunk = free.back();
        free.pop_back();
        return thunk;
    }
    void Give(unsigned char* thunk)
    {
        std::memset(thunk, 0xCC, kThunkSize);  // int3: a stale call traps instead of running on
        free.push_back(thunk);
    }
};

ThunkPool& Pool()
{
    static ThunkPool pool;
    return pool;
}

}  // namespace

TObjectInstance::TObjectInstance(TWndMethod method) : method_(std::move(method))
{
    static_assert(sizeof(void*) == 8, "the thunk is x86-64 code");
    unsigned char* thunk = Pool().Take();
    void* self = this;
    auto target = reinterpret_cast<void*>(&TObjectInstance::Dispatch);
    thunk[0] = 0x48;
    thunk[1] = 0xB9;
    std::memcpy(thunk + 2, &self, 8);
    thunk[10] = 0x48;
    thunk[11] = 0xB8;
    std::memcpy(thunk + 12, &target, 8);
    thunk[20] = 0xFF;
    thunk[21] = 0xE0;
    FlushInstructionCache(GetCurrentProcess(), thunk, kThunkSize);
    procedure_ = reinterpret_cast<WNDPROC>(thunk);
}

TObjectInstance::~TObjectInstance()
{
    Pool().Give(reinterpret_cast<unsigned char*>(procedure_));
    FlushInstructionCache(GetCurrentProcess(), reinterpret_cast<void*>(procedure_), kThunkSize);
}

LRESULT TObjectInstance::Dispatch(TObjectInstance* self, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    try {
        self->method_(message);
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
    return message.Result;
}

}  // namespace ov
