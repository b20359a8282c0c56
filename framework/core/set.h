// TSet: a small set of enumeration values (at most 64), the framework's way of writing option
// sets such as [akLeft, akTop] or [ssShift, ssDouble].
#pragma once

#include <cstdint>
#include <initializer_list>

namespace ov {

template <typename E>
class TSet {
public:
    using Element = E;

    constexpr TSet() noexcept = default;
    constexpr TSet(std::initializer_list<E> items) noexcept
    {
        for (E item : items)
            Include(item);
    }
    static constexpr TSet FromBits(std::uint64_t bits) noexcept
    {
        TSet set;
        set.bits_ = bits;
        return set;
    }

    // Bit i stands for the enumeration value with ordinal i.
    [[nodiscard]] constexpr std::uint64_t Bits() const noexcept { return bits_; }
    [[nodiscard]] constexpr bool Empty() const noexcept { return bits_ == 0; }
    [[nodiscard]] constexpr bool Contains(E item) const noexcept { return (bits_ & Bit(item)) != 0; }
    constexpr TSet& Include(E item) noexcept
    {
        bits_ |= Bit(item);
        return *this;
    }
    constexpr TSet& Exclude(E item) noexcept
    {
        bits_ &= ~Bit(item);
        return *this;
    }
    constexpr TSet& Set(E item, bool on) noexcept { return on ? Include(item) : Exclude(item); }

    friend constexpr TSet operator+(TSet a, TSet b) noexcept { return FromBits(a.bits_ | b.bits_); }
    friend constexpr TSet operator-(TSet a, TSet b) noexcept { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr TSet operator*(TSet a, TSet b) noexcept { return FromBits(a.bits_ & b.bits_); }
    friend constexpr bool operator==(TSet a, TSet b) noexcept = default;

private:
    static constexpr std::uint64_t Bit(E item) noexcept { return std::uint64_t{1} << static_cast<unsigned>(item); }

    std::uint64_t bits_ = 0;
};

}  // namespace ov
