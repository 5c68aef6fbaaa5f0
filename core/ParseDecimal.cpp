#include "core/ParseDecimal.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tresilva::core {
namespace {

// Powers of ten 10^0..10^27, every one exactly representable in extended
// (5^27 < 2^64), so N x 10^q and N / 10^q with N < 10^19 are single correctly
// rounded operations.
constexpr Extended kExactPow10[28] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

constexpr std::int64_t kExponentCap = 1'000'000'000;  // saturation of the exponent's digits
constexpr std::size_t kMaxDigits = 12000;             // significant digits kept exactly

// A minimal unsigned big integer: little-endian 32-bit limbs, no leading zero limb.
class BigUInt {
public:
    bool IsZero() const { return limbs_.empty(); }

    void MulAdd(std::uint32_t m, std::uint32_t a) {
        std::uint64_t carry = a;
        for (auto& limb : limbs_) {
            const std::uint64_t v = std::uint64_t{limb} * m + carry;
            limb = static_cast<std::uint32_t>(v);
            carry = v >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void MulPow5(std::int64_t k) {
        constexpr std::uint32_t kPow5_13 = 1220703125u;  // 5^13
        for (; k >= 13; k -= 13) MulAdd(kPow5_13, 0);
        std::uint32_t rest = 1;
        for (; k > 0; --k) rest *= 5;
        if (rest != 1) MulAdd(rest, 0);
    }

    void ShiftLeft(std::size_t bits) {
        if (IsZero() || bits == 0) return;
        const std::size_t words = bits / 32;
        const unsigned shift = static_cast<unsigned>(bits % 32);
        if (shift != 0) {
            std::uint32_t carry = 0;
            for (auto& limb : limbs_) {
                const std::uint32_t next = limb >> (32 - shift);
                limb = (limb << shift) | carry;
                carry = next;
            }
            if (carry != 0) limbs_.push_back(carry);
        }
        limbs_.insert(limbs_.begin(), words, 0u);
    }

    void ShiftRight1() {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint32_t high = (i + 1 < limbs_.size()) ? (limbs_[i + 1] << 31) : 0u;
            limbs_[i] = (limbs_[i] >> 1) | high;
        }
        Trim();
    }

    std::size_t BitLength() const {
        if (IsZero()) return 0;
        std::uint32_t top = limbs_.back();
        std::size_t bits = 0;
        while (top != 0) {
            ++bits;
            top >>= 1;
        }
        return (limbs_.size() - 1) * 32 + bits;
    }

    // *this -= b; requires *this >= b.
    void Subtract(const BigUInt& b) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t v = std::int64_t{limbs_[i]} - borrow - (i < b.limbs_.size() ? std::int64_t{b.limbs_[i]} : 0);
            borrow = v < 0 ? 1 : 0;
            if (v < 0) v += std::int64_t{1} << 32;
            limbs_[i] = static_cast<std::uint32_t>(v);
        }
        Trim();
    }

    static int Compare(const BigUInt& a, const BigUInt& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
        return 0;
    }

private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }
    std::vector<std::uint32_t> limbs_;
};

struct Rounded {
    bool overflow = false;
    Extended value = 0;
};

// num / den x 2^b2 (num > 0, den > 0) rounded once to extended, ties to even.
Rounded RoundQuotient(BigUInt num, BigUInt den, std::int64_t b2) {
    const std::int64_t t = static_cast<std::int64_t>(num.BitLength()) - static_cast<std::int64_t>(den.BitLength());
    // num / den lies in [2^(t-1), 2^(t+1)): find the power of two of its leading bit.
    std::int64_t lead;
    {
        BigUInt a = num, b = den;
        if (t >= 0) b.ShiftLeft(static_cast<std::size_t>(t));
        else a.ShiftLeft(static_cast<std::size_t>(-t));
        lead = BigUInt::Compare(a, b) >= 0 ? t : t - 1;
    }
    std::int64_t e = lead + b2;  // power of two of the value's leading bit
    if (e > 16383) return {true, 0};
    // Significant bits available at this exponent: 64, fewer in the subnormal range.
    const std::int64_t precision = e >= -16382 ? 64 : 64 - (-16382 - e);
    if (precision < 0) return {false, 0};  // below half the smallest subnormal

    // q = floor(num / den x 2^sh) lies in [2^(precision-1), 2^precision).
    const std::int64_t sh = precision - 1 - lead;
    if (sh >= 0) num.ShiftLeft(static_cast<std::size_t>(sh));
    else den.ShiftLeft(static_cast<std::size_t>(-sh));

    std::uint64_t q = 0;
    if (precision > 0) {
        BigUInt step = den;
        step.ShiftLeft(static_cast<std::size_t>(precision - 1));
        for (std::int64_t i = precision - 1; i >= 0; --i) {
            if (BigUInt::Compare(num, step) >= 0) {
                num.Subtract(step);
                q |= std::uint64_t{1} << i;
            }
            if (i > 0) step.ShiftRight1();
        }
    }
    // num is now the remainder: round to nearest, ties to even.
    num.ShiftLeft(1);
    const int c = BigUInt::Compare(num, den);
    std::int64_t scale = e - (precision - 1);  // value = q x 2^scale
    if (c > 0 || (c == 0 && (q & 1))) {
        if (precision == 64 && q == ~std::uint64_t{0}) {
            q = std::uint64_t{1} << 63;
            ++e;
            ++scale;
        } else {
            ++q;
        }
    }
    if (e > 16383) return {true, 0};
    return {false, std::ldexp(static_cast<Extended>(q), static_cast<int>(scale))};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The exact path: D x 10^(exponent - fracCount) rounded once; D's digits are
// digitAt(0..total-1).
template <class DigitAt>
Extended ParseExact(std::string_view text, bool negative, const DigitAt& digitAt, std::size_t total,
                    std::int64_t exponent, std::int64_t fracCount) {
    // Significant digits, without leading and trailing zeros.
    std::size_t first = 0;
    while (first < total && digitAt(first) == '0') ++first;
    if (first == total) return negative ? -0.0L : 0.0L;
    std::size_t last = total;  // one past the last non-zero digit
    while (digitAt(last - 1) == '0') --last;
    const std::int64_t trailing = static_cast<std::int64_t>(total - last);
    std::int64_t e10 = exponent - fracCount + trailing;
    const std::size_t nd = last - first;

    // Decimal exponent of the leading digit: the value lies in [10^lead10, 10^(lead10+1)).
    const std::int64_t lead10 = static_cast<std::int64_t>(nd) - 1 + e10;
    if (lead10 >= 4933) throw EConvertError(std::string(text));  // >= 10^4933 > LDBL_MAX
    if (lead10 <= -4953) return negative ? -0.0L : 0.0L;        // < half the smallest subnormal

    BigUInt d;
    std::size_t kept = std::min(nd, kMaxDigits);
    std::uint32_t chunk = 0, chunkScale = 1;
    for (std::size_t k = 0; k < kept; ++k) {
        chunk = chunk * 10 + static_cast<std::uint32_t>(digitAt(first + k) - '0');
        chunkScale *= 10;
        if (chunkScale == 1000000000u) {
            d.MulAdd(chunkScale, chunk);
            chunk = 0;
            chunkScale = 1;
        }
    }
    if (chunkScale != 1) d.MulAdd(chunkScale, chunk);
    if (kept < nd) {
        // The dropped digits end in a non-zero digit (trailing zeros were trimmed):
        // one sticky digit 1 stands for them.
        d.MulAdd(10, 1);
        e10 += static_cast<std::int64_t>(nd - kept) - 1;
    }

    // value = d x 10^e10 = d x 5^e10 x 2^e10.
    BigUInt den;
    den.MulAdd(1, 1);
    if (e10 >= 0) d.MulPow5(e10);
    else den.MulPow5(-e10);
    const Rounded r = RoundQuotient(std::move(d), std::move(den), e10);
    if (r.overflow) throw EConvertError(std::string(text));
    return negative ? -r.value : r.value;
}

}  // namespace

Extended ParseDecimal(std::string_view text, char separator) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size && text[i] == ' ') ++i;  // step 1
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {  // step 2
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t intBegin = i;  // step 3
    while (i < size && IsDigit(text[i])) ++i;
    const std::size_t intEnd = i;
    std::size_t fracBegin = i, fracEnd = i;
    bool sawSeparator = false;
    if (i < size && text[i] == separator) {  // step 4
        sawSeparator = true;
        ++i;
        fracBegin = i;
        while (i < size && IsDigit(text[i])) ++i;
        fracEnd = i;
    }
    if (intEnd == intBegin && !sawSeparator) throw EConvertError(std::string(text));  // step 5

    std::int64_t exponent = 0;  // step 6
    if (i < size && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        while (i < size && IsDigit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
            ++i;
        }
        if (expNegative) exponent = -exponent;
    }
    while (i < size && text[i] == ' ') ++i;  // step 7
    if (i != size) throw EConvertError(std::string(text));

    // Step 8. The digits, integer part then fraction, form D; value = D x 10^e10.
    const std::int64_t fracCount = static_cast<std::int64_t>(fracEnd - fracBegin);
    auto digitAt = [&](std::size_t k) {  // k-th digit of D, counting from 0
        const std::size_t intCount = intEnd - intBegin;
        return k < intCount ? text[intBegin + k] : text[fracBegin + (k - intCount)];
    };
    const std::size_t total = (intEnd - intBegin) + (fracEnd - fracBegin);

    // Fast path: at most 19 significant digits (trailing zeros moved into the
    // power of ten) and a power of ten within -27..27: one exact operand times or
    // divided by an exact power of ten, a single correctly rounded operation.
    std::uint64_t n = 0;
    std::size_t nDigits = 0;        // decimal digits of n
    std::int64_t pendingZeros = 0;  // zeros seen after n's last non-zero digit
    bool fits = true;
    for (std::size_t k = 0; k < total && fits; ++k) {
        const char c = digitAt(k);
        if (c == '0') {
            if (nDigits != 0) ++pendingZeros;
        } else if (nDigits + static_cast<std::size_t>(pendingZeros) + 1 > 19) {
            fits = false;
        } else {
            nDigits += static_cast<std::size_t>(pendingZeros) + 1;
            for (; pendingZeros > 0; --pendingZeros) n *= 10;
            n = n * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    if (fits) {
        const std::int64_t e10 = exponent - fracCount + pendingZeros;
        if (n == 0) return negative ? -0.0L : 0.0L;
        if (e10 >= -27 && e10 <= 27) {
            const Extended value = e10 >= 0 ? static_cast<Extended>(n) * kExactPow10[e10]
                                            : static_cast<Extended>(n) / kExactPow10[-e10];
            return negative ? -value : value;
        }
    }
    return ParseExact(text, negative, digitAt, total, exponent, fracCount);
}

}  // namespace tresilva::core
