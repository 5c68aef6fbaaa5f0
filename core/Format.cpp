#include "core/Format.h"

#include <algorithm>
#include <cstdint>

#include "core/ParseDecimal.h"
#include "core/Text.h"

namespace tresilva::core {
namespace {

// Powers of ten for step 2 of the writer, each the nearest extended value (the
// compiler reads the literals correctly rounded; 10^0..10^27 are exact).
constexpr Extended kPow10Low[32] = {
    1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L,
    1e8L, 1e9L, 1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L,
    1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L,
    1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};
// 10^(32 j) for j = 0..154 (10^4928 is the last below the extended maximum).
constexpr Extended kPow10High[155] = {
    1e0L, 1e32L, 1e64L, 1e96L, 1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
    1e512L, 1e544L, 1e576L, 1e608L, 1e640L, 1e672L, 1e704L, 1e736L,
    1e768L, 1e800L, 1e832L, 1e864L, 1e896L, 1e928L, 1e960L, 1e992L,
    1e1024L, 1e1056L, 1e1088L, 1e1120L, 1e1152L, 1e1184L, 1e1216L, 1e1248L,
    1e1280L, 1e1312L, 1e1344L, 1e1376L, 1e1408L, 1e1440L, 1e1472L, 1e1504L,
    1e1536L, 1e1568L, 1e1600L, 1e1632L, 1e1664L, 1e1696L, 1e1728L, 1e1760L,
    1e1792L, 1e1824L, 1e1856L, 1e1888L, 1e1920L, 1e1952L, 1e1984L, 1e2016L,
    1e2048L, 1e2080L, 1e2112L, 1e2144L, 1e2176L, 1e2208L, 1e2240L, 1e2272L,
    1e2304L, 1e2336L, 1e2368L, 1e2400L, 1e2432L, 1e2464L, 1e2496L, 1e2528L,
    1e2560L, 1e2592L, 1e2624L, 1e2656L, 1e2688L, 1e2720L, 1e2752L, 1e2784L,
    1e2816L, 1e2848L, 1e2880L, 1e2912L, 1e2944L, 1e2976L, 1e3008L, 1e3040L,
    1e3072L, 1e3104L, 1e3136L, 1e3168L, 1e3200L, 1e3232L, 1e3264L, 1e3296L,
    1e3328L, 1e3360L, 1e3392L, 1e3424L, 1e3456L, 1e3488L, 1e3520L, 1e3552L,
    1e3584L, 1e3616L, 1e3648L, 1e3680L, 1e3712L, 1e3744L, 1e3776L, 1e3808L,
    1e3840L, 1e3872L, 1e3904L, 1e3936L, 1e3968L, 1e4000L, 1e4032L, 1e4064L,
    1e4096L, 1e4128L, 1e4160L, 1e4192L, 1e4224L, 1e4256L, 1e4288L, 1e4320L,
    1e4352L, 1e4384L, 1e4416L, 1e4448L, 1e4480L, 1e4512L, 1e4544L, 1e4576L,
    1e4608L, 1e4640L, 1e4672L, 1e4704L, 1e4736L, 1e4768L, 1e4800L, 1e4832L,
    1e4864L, 1e4896L, 1e4928L};

constexpr std::uint64_t kTen18 = 1000000000000000000ull;

// Steps 4 and 5: the first character and the digits after it, rounded to n digits.
struct Digits {
    char first;      // '0' or '1'
    char after[18];  // digits after the first character; beyond 18 they are '0'
    char At(int i) const { return i < 18 ? after[i] : '0'; }
};

// t := m x 10^17 in extended, rounded to an integer to nearest, ties to even.
std::uint64_t ScaleToInteger(Extended m) {
    const Extended t = m * 1e17L;
    if (t == 0) return 0;
    const ExtendedParts parts = Decompose(t);
    const int power = (parts.signExponent & 0x7FFF) - kExtendedBias;  // leading bit's power of two
    if (power < -1) return 0;                                          // t < 1/2
    if (power >= 63) return parts.significand;                         // already an integer
    const int fractionBits = 63 - power;                               // 1..64
    if (fractionBits == 64) {                                          // 1/2 <= t < 1
        return parts.significand > (std::uint64_t{1} << 63) ? 1 : 0;
    }
    std::uint64_t integer = parts.significand >> fractionBits;
    const std::uint64_t rest = parts.significand & ((std::uint64_t{1} << fractionBits) - 1);
    const std::uint64_t half = std::uint64_t{1} << (fractionBits - 1);
    if (rest > half || (rest == half && (integer & 1))) ++integer;
    return integer;
}

Digits MakeDigits(Extended m, int n) {
    Digits d;
    std::uint64_t t = ScaleToInteger(m);
    if (t >= kTen18) {
        d.first = '1';
        t -= kTen18;
    } else {
        d.first = '0';
    }
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    for (int i = 16; i >= 0; i -= 2) {
        const unsigned pair = static_cast<unsigned>(t % 100);
        t /= 100;
        d.after[i] = kPairs[2 * pair];
        d.after[i + 1] = kPairs[2 * pair + 1];
    }
    if (n < 18 && d.after[n] >= '5') {
        int i = n - 1;
        while (i >= 0 && d.after[i] == '9') d.after[i--] = '0';
        if (i >= 0) ++d.after[i];
        else d.first = '1';
    }
    return d;
}

}  // namespace

void WriteFixed(Extended x, int width, int decimals, std::string& out) {
    if (std::isnan(x)) throw EInvalidOp();
    if (std::isinf(x)) throw EOverflow();
    const int w = std::min(width, 255);  // step 1
    const int dec = std::max(decimals, 1);
    const bool negative = x < 0;

    Extended m = std::fabs(x);  // step 2
    int k = 0;
    if (m >= 10) {
        for (;;) {
            const int p = (Decompose(m).signExponent & 0x7FFF) - kExtendedBias;
            const int q = (p * 19728) >> 16;
            if (q == 0) break;
            if (q <= 31) {
                m = m / kPow10Low[q];
            } else {
                m = m / kPow10Low[q % 32];
                m = m / kPow10High[q / 32];
            }
            k += q;
        }
    }

    out.clear();
    if (k >= 36) {  // step 3: the exponent form (step 8)
        const int g = std::clamp(w - 8, 1, 18);
        const Digits d = MakeDigits(m, g);
        char shown[18];
        int exponent;
        if (d.first == '1') {
            shown[0] = '1';
            for (int i = 1; i < g; ++i) shown[i] = d.after[i - 1];
            exponent = k + 1;
        } else {
            for (int i = 0; i < g; ++i) shown[i] = d.after[i];
            exponent = k;
        }
        const int length = g + 8;
        if (length < w) out.append(static_cast<std::size_t>(w - length), ' ');
        out.push_back(negative ? '-' : ' ');
        out.push_back(shown[0]);
        out.push_back('.');
        out.append(shown + 1, static_cast<std::size_t>(g - 1));
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int e = exponent < 0 ? -exponent : exponent;
        char digits[8];
        int nd = 0;
        for (int v = e; nd < 4 || v != 0; v /= 10) digits[nd++] = static_cast<char>('0' + v % 10);
        while (nd > 0) out.push_back(digits[--nd]);
        return;
    }

    const int n = k + 1 + dec;          // step 5
    const Digits d = MakeDigits(m, n);  // steps 4 and 5
    // Step 6: the integer digits are the first character if it is "1", then k + 1
    // digits; the decimals are the next dec digits.
    const int length = (negative ? 1 : 0) + (d.first == '1' ? 1 : 0) + (k + 1) + 1 + dec;
    const int pad = length < w ? w - length : 0;  // step 7
    out.assign(static_cast<std::size_t>(pad + length), ' ');
    char* p = out.data() + pad;
    if (negative) *p++ = '-';
    if (d.first == '1') *p++ = '1';
    for (int i = 0; i <= k; ++i) *p++ = d.At(i);
    *p++ = '.';
    for (int i = k + 1; i < n; ++i) *p++ = d.At(i);
}

std::string WriteFixed(Extended x, int width, int decimals) {
    std::string out;
    WriteFixed(x, width, decimals, out);
    return out;
}

void FormatAmount(Float48 value, int width, int decimals, char separator, std::string& out) {
    WriteFixed(value.Load(), width + decimals + 1, decimals, out);
    for (char& c : out) {
        if (c == '.' || c == ',') c = separator;
    }
}

std::string FormatAmount(Float48 value, int width, int decimals, char separator) {
    std::string out;
    FormatAmount(value, width, decimals, separator, out);
    return out;
}

std::string ApplyRounding(const std::string& text, bool rounding, char separator) {
    if (!rounding) return text;
    const std::size_t sep = text.find_first_of(".,");
    if (sep != std::string::npos && Utf8Length(std::string_view(text).substr(sep + 1), 3) >= 3) {
        const Float48 w = Float48::Store(ParseDecimal(text, separator));
        return FormatAmount(w, 15, 2, separator);
    }
    return Utf8Prefix(text, 255);
}

}  // namespace tresilva::core
