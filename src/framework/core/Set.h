// A set of values of an enumeration (at most 64 values), for the program's flag sets such as a component's
// state or a font's style: TSet<TFontStyle>{fsBold, fsItalic}.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace gl {

template <class E> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E value : values) Include(value);
    }

    constexpr bool Contains(E value) const { return (m_bits & Bit(value)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr TSet& Include(E value) {
        m_bits |= Bit(value);
        return *this;
    }
    constexpr TSet& Exclude(E value) {
        m_bits &= ~Bit(value);
        return *this;
    }
    constexpr std::uint64_t Bits() const { return m_bits; }
    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet set;
        set.m_bits = bits;
        return set;
    }

    constexpr TSet operator+(TSet other) const { return FromBits(m_bits | other.m_bits); }
    constexpr TSet operator-(TSet other) const { return FromBits(m_bits & ~other.m_bits); }
    constexpr TSet operator*(TSet other) const { return FromBits(m_bits & other.m_bits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E value) { return std::uint64_t{1} << static_cast<unsigned>(value); }
    std::uint64_t m_bits = 0;
};

} // namespace gl
