#include "core/Float48.h"

namespace tresilva::core {

Float48 Float48::Store(Extended x) {
    if (std::isnan(x)) throw EInvalidOp();
    if (std::isinf(x)) throw EOverflow();
    if (x == 0) return Float48();

    const ExtendedParts parts = Decompose(x);
    const bool negative = (parts.signExponent & 0x8000) != 0;
    const int biased = parts.signExponent & 0x7FFF;
    // An extended subnormal (biased exponent 0) lies below 2^-16382, far below
    // Float48's smallest value: its biased Float48 exponent is 0 or less.
    if (biased == 0) return Float48();

    // Step 2: keep the top 40 bits, add one if the highest of the 24 dropped bits is 1.
    std::uint64_t kept = parts.significand >> 24;
    if ((parts.significand >> 23) & 1) ++kept;
    int power = biased - kExtendedBias;  // power of two of the leading bit
    if (kept == (std::uint64_t{1} << 40)) {
        kept = std::uint64_t{1} << 39;
        ++power;
    }

    // Step 3.
    const int e = power + 129;
    if (e > 255) throw EOverflow();
    if (e <= 0) return Float48();

    // Step 4.
    const std::uint64_t fraction = kept & ((std::uint64_t{1} << 39) - 1);
    Bytes b{};
    b[0] = static_cast<std::uint8_t>(e);
    b[1] = static_cast<std::uint8_t>(fraction);
    b[2] = static_cast<std::uint8_t>(fraction >> 8);
    b[3] = static_cast<std::uint8_t>(fraction >> 16);
    b[4] = static_cast<std::uint8_t>(fraction >> 24);
    b[5] = static_cast<std::uint8_t>(((fraction >> 32) & 0x7F) | (negative ? 0x80 : 0));
    return FromBytes(b);
}

}  // namespace tresilva::core
