#pragma once
// Float48, the 48-bit real: six bytes, little-endian.
//   byte 0     exponent e, biased by 129; e = 0 means zero whatever the other bytes hold
//   bytes 1..4 fraction bits 0..31 (byte 1 the least significant)
//   byte 5     bits 0..6 fraction bits 32..38, bit 7 the sign (1 = negative)
// Value = (-1)^s x (1 + f / 2^39) x 2^(e - 129). No infinities, no NaN, no
// gradual underflow.
#include <array>
#include <cstdint>

#include "core/Extended.h"

namespace tresilva::core {

class Float48 {
public:
    using Bytes = std::array<std::uint8_t, 6>;

    constexpr Float48() = default;  // zero: six zero bytes

    static constexpr Float48 FromBytes(const Bytes& bytes) {
        Float48 v;
        v.bytes_ = bytes;
        return v;
    }

    // Stores an extended value (the exact rounding below):
    // the top 40 bits of the significand are kept, rounded half away from zero on
    // the highest dropped bit, a carry raises the exponent; a biased exponent above
    // 255 raises EOverflow ("Floating point overflow"), one of 0 or less stores zero
    // (six zero bytes, the sign not kept). Zero of either sign is six zero bytes.
    // A NaN (which no operation of the converter lets through) raises EInvalidOp;
    // an infinity raises EOverflow.
    static Float48 Store(Extended x);

    // Exact: every Float48 is an extended value.
    Extended Load() const {
        if (bytes_[0] == 0) return 0.0L;
        std::uint64_t fraction = 0;
        for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | bytes_[i];
        fraction &= (std::uint64_t{1} << 39) - 1;
        const std::uint64_t significand = (std::uint64_t{1} << 63) | (fraction << 24);
        const int exponent = bytes_[0] - 129 + kExtendedBias;
        const std::uint16_t sign = (bytes_[5] & 0x80) ? 0x8000 : 0;
        return Compose(significand, static_cast<std::uint16_t>(sign | exponent));
    }

    constexpr const Bytes& bytes() const { return bytes_; }
    constexpr bool IsZero() const { return bytes_[0] == 0; }

    friend constexpr bool operator==(const Float48&, const Float48&) = default;

private:
    Bytes bytes_{};
};

}  // namespace tresilva::core
