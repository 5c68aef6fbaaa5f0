#pragma once
// The extended-precision format of the Parts: the x86-64 80-bit x87 long double
// (64-bit significand with explicit integer bit, 15-bit exponent), rounding to
// nearest, ties to even.
//
// Invalid operation, division by zero and overflow are errors of the Parts. They
// are detected here by explicit checks before or after each operation; the FPU's
// exception masks are never touched and no trap is ever relied on. Underflow and
// inexact results are not errors.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/Errors.h"

namespace tresilva::core {

using Extended = long double;

static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && LDBL_MIN_EXP == -16381,
              "Tresilva needs the x86-64 80-bit extended long double (amd64 only)");
static_assert(sizeof(long double) >= 10, "long double must hold the 80-bit extended format");

// The two fields of an extended value: the 64-bit significand (explicit integer
// bit at bit 63) and the sign (bit 15) with the biased exponent (bits 0..14).
struct ExtendedParts {
    std::uint64_t significand;
    std::uint16_t signExponent;
};

inline ExtendedParts Decompose(Extended x) {
    unsigned char raw[sizeof(Extended)];
    std::memcpy(raw, &x, sizeof(Extended));
    ExtendedParts p;
    std::memcpy(&p.significand, raw, 8);
    std::memcpy(&p.signExponent, raw + 8, 2);
    return p;
}

inline Extended Compose(std::uint64_t significand, std::uint16_t signExponent) {
    unsigned char raw[sizeof(Extended)] = {};
    std::memcpy(raw, &significand, 8);
    std::memcpy(raw + 8, &signExponent, 2);
    Extended x;
    std::memcpy(&x, raw, sizeof(Extended));
    return x;
}

constexpr int kExtendedBias = 16383;

// a x b in extended precision. NaN (an invalid operand or 0 x infinity) gives
// "Invalid floating point operation"; an infinite result from finite operands
// gives "Floating point overflow".
inline Extended Multiply(Extended a, Extended b) {
    Extended r = a * b;
    if (!std::isfinite(r)) {
        if (std::isnan(r)) throw EInvalidOp();
        throw EOverflow();
    }
    return r;
}

// a / b in extended precision. A zero divisor is checked before dividing: 0 / 0
// (or NaN / 0) is "Invalid floating point operation", any other x / 0 is
// "Floating point division by zero". An infinite quotient is "Floating point
// overflow".
inline Extended Divide(Extended a, Extended b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) throw EInvalidOp();
        throw EZeroDivide();
    }
    Extended r = a / b;
    if (!std::isfinite(r)) {
        if (std::isnan(r)) throw EInvalidOp();
        throw EOverflow();
    }
    return r;
}

}  // namespace tresilva::core
