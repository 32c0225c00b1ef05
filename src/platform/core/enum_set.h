#pragma once

#include <cstdint>
#include <initializer_list>

// A set of the values of a small enumeration (at most 32 values), written as a braced list:
// {mbYes, mbNo}, {fsBold, fsUnderline}. The windows pass button lists, font styles and cell
// states this way.
template <typename E> class EnumSet
{
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values)
    {
        for (E value : values)
            bits_ |= Bit(value);
    }

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool IsEmpty() const { return bits_ == 0; }
    constexpr void Include(E value) { bits_ |= Bit(value); }
    constexpr void Exclude(E value) { bits_ &= ~Bit(value); }

    constexpr EnumSet operator+(E value) const
    {
        EnumSet result = *this;
        result.Include(value);
        return result;
    }
    constexpr bool operator==(const EnumSet &other) const = default;

private:
    static constexpr std::uint32_t Bit(E value) { return std::uint32_t{1} << static_cast<int>(value); }

    std::uint32_t bits_ = 0;
};
