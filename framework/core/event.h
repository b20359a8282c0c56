// TEvent: an assignable event slot. It holds an object and one of its member functions, or any
// callable; it can be read, saved, compared and put back, and it fires only when assigned.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace ov {

template <typename Signature>
class TEvent;

// Two events compare equal when both are empty, when both call the same member function of the
// same object, or when one is a copy of the other (callables). This is what a skinner relies on
// when it saves a control's WindowProc, installs its own and later checks or restores the slot.
template <typename R, typename... Args>
class TEvent<R(Args...)> {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <typename C, typename B>
    requires std::is_base_of_v<B, C> TEvent(C* object, R (B::*method)(Args...))
        : object_(static_cast<B*>(object)), function_([target = static_cast<B*>(object), method](Args... args) -> R {
              return (target->*method)(std::forward<Args>(args)...);
          })
    {
        SetMethodIdentity(method);
    }

    template <typename C, typename B>
    requires std::is_base_of_v<B, C> TEvent(C* object, R (B::*method)(Args...) const)
        : object_(static_cast<const B*>(object)),
          function_([target = static_cast<const B*>(object), method](Args... args) -> R {
              return (target->*method)(std::forward<Args>(args)...);
          })
    {
        SetMethodIdentity(method);
    }

    template <typename F>
    requires(!std::is_same_v<std::decay_t<F>, TEvent> && !std::is_same_v<std::decay_t<F>, std::nullptr_t> &&
             std::is_invocable_r_v<R, F&, Args...>) TEvent(F callable)
        : function_(std::move(callable)), callableId_(NextCallableId())
    {
    }

    [[nodiscard]] bool Assigned() const noexcept { return static_cast<bool>(function_); }
    explicit operator bool() const noexcept { return Assigned(); }

    // Calls the handler; an unassigned event must not be called (check Assigned first, or use
    // Fire for events without a result).
    R operator()(Args... args) const
    {
        assert(Assigned());
        return function_(std::forward<Args>(args)...);
    }

    // Calls the handler when one is assigned; returns whether it did.
    bool Fire(Args... args) const requires std::is_void_v<R>
    {
        if (!Assigned())
            return false;
        function_(std::forward<Args>(args)...);
        return true;
    }

    // The receiving object of a member-function event (the "data" half of a method pointer);
    // null for callables and empty events.
    [[nodiscard]] const void* Data() const noexcept { return object_; }

    friend bool operator==(const TEvent& a, const TEvent& b) noexcept
    {
        if (!a.Assigned() || !b.Assigned())
            return a.Assigned() == b.Assigned();
        if (a.callableId_ != 0 || b.callableId_ != 0)
            return a.callableId_ == b.callableId_;
        return a.object_ == b.object_ && a.methodType_ == b.methodType_ && a.method_ == b.method_;
    }

private:
    using MethodBytes = std::array<unsigned char, 2 * sizeof(void*)>;

    template <typename M>
    void SetMethodIdentity(M method) noexcept
    {
        static_assert(sizeof(M) <= sizeof(MethodBytes), "member function pointers are two words here");
        std::memcpy(method_.data(), &method, sizeof(M));
        methodType_ = &typeid(M);
    }

    static std::uint64_t NextCallableId() noexcept
    {
        static std::uint64_t next = 0;
        return ++next;
    }

    const void* object_ = nullptr;
    std::function<R(Args...)> function_;
    MethodBytes method_{};
    const std::type_info* methodType_ = nullptr;
    std::uint64_t callableId_ = 0;
};

}  // namespace ov
