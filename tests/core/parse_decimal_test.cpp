// ParseDecimal, its accept/reject list and its corners.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "core/Errors.h"
#include "core/ParseDecimal.h"

namespace tresilva::core {
namespace {

// Parameter rows print as their name.
template <class Row>
    requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

bool SameBits(long double a, long double b) {
    const ExtendedParts x = Decompose(a), y = Decompose(b);
    return x.significand == y.significand && x.signExponent == y.signExponent;
}

struct AcceptRow {
    const char* name;
    const char* text;
    char separator;
    long double value;
};

class Accept : public ::testing::TestWithParam<AcceptRow> {};

TEST_P(Accept, Reads) {
    const auto& row = GetParam();
    const long double v = ParseDecimal(row.text, row.separator);
    EXPECT_TRUE(SameBits(v, row.value)) << "'" << row.text << "' read as " << static_cast<double>(v);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, Accept,
    ::testing::Values(
        // The Part's list, separator ",".
        AcceptRow{"SpacesAround", "  12,5  ", ',', 12.5L},
        AcceptRow{"SeparatorWithoutDecimals", "12,", ',', 12.0L},
        AcceptRow{"LoneSeparator", ",", ',', 0.0L},
        AcceptRow{"PlusSign", "+3", ',', 3.0L},
        AcceptRow{"UpperE", "1E2", ',', 100.0L},
        AcceptRow{"LowerE", "1e2", ',', 100.0L},
        // More of the syntax.
        AcceptRow{"Zero", "0", ',', 0.0L},
        AcceptRow{"MinusZero", "-0", ',', -0.0L},
        AcceptRow{"MinusSeparator", "-,", ',', -0.0L},
        AcceptRow{"SeparatorDigits", ",5", ',', 0.5L},
        AcceptRow{"Negative", "-12,5", ',', -12.5L},
        AcceptRow{"LeadingZeros", "000123,4500", ',', 123.45L},
        AcceptRow{"PointSeparator", "12.5", '.', 12.5L},
        AcceptRow{"NegativeExponent", "25E-1", ',', 2.5L},
        AcceptRow{"PlusExponent", "2,5e+1", ',', 25.0L},
        AcceptRow{"SeparatorThenExponent", ",E5", ',', 0.0L},
        AcceptRow{"ExponentLeadingZeros", "1,936269999999E+0037", ',', 1.936269999999e37L},
        AcceptRow{"DefaultDollar", "1,15455", ',', 1.15455L},
        AcceptRow{"Tenth", "0,1", ',', 0.1L},
        // An "E" without digits is exponent 0.
        AcceptRow{"EWithoutDigits", "1E", ',', 1.0L},
        AcceptRow{"EPlusWithoutDigits", "1E+", ',', 1.0L},
        AcceptRow{"EMinusWithoutDigits", "1e-", ',', 1.0L},
        AcceptRow{"EThenSpaces", "7E  ", ',', 7.0L},
        // Values the Float48 store then rejects or flushes are read as they are.
        AcceptRow{"OneE40", "1E40", ',', 1e40L},
        AcceptRow{"OneEMinus40", "1E-40", ',', 1e-40L},
        // Beyond 19 digits and powers of ten beyond +-27: correctly rounded.
        AcceptRow{"TwentyDigits", "12345678901234567890", ',', 12345678901234567890.0L},
        AcceptRow{"ThirtyDigits", "123456789012345678901234567890", ',', 123456789012345678901234567890.0L},
        AcceptRow{"LongFraction", "0,12345678901234567890123456789", ',', 0.12345678901234567890123456789L},
        AcceptRow{"TwentyNines", "99999999999999999999", ',', 99999999999999999999.0L},
        AcceptRow{"TrailingZerosBeyond19", "10000000000000000000000", ',', 1e22L},
        AcceptRow{"ThirtySixZeros", "1000000000000000000000000000000000000", ',', 1e36L},
        AcceptRow{"OneE28", "1E28", ',', 1e28L},
        AcceptRow{"OneEMinus28", "1E-28", ',', 1e-28L},
        AcceptRow{"OneE300", "1E300", ',', 1e300L},
        AcceptRow{"OneEMinus300", "1e-300", ',', 1e-300L},
        AcceptRow{"OneE4932", "1E4932", ',', 1e4932L},
        AcceptRow{"ExtendedMax", "1,18973149535723176502E4932", ',', LDBL_MAX},
        AcceptRow{"JustBelowOverflowThreshold", "1,18973149535723176505E4932", ',', LDBL_MAX},
        AcceptRow{"SmallestNormal", "3,36210314311209350626E-4932", ',', LDBL_MIN},
        AcceptRow{"SmallestSubnormal", "3,6451995318824746025E-4951", ',', LDBL_TRUE_MIN},
        AcceptRow{"TwoEMinus4951", "2E-4951", ',', LDBL_TRUE_MIN},
        // Too small for extended: 0.
        AcceptRow{"OneEMinus4951", "1E-4951", ',', 0.0L},
        AcceptRow{"OneEMinus5000", "1E-5000", ',', 0.0L},
        AcceptRow{"MinusTiny", "-1E-5000", ',', -0.0L},
        AcceptRow{"HugeNegativeExponent", "1E-99999999999999999999999999999999", ',', 0.0L},
        AcceptRow{"ZeroWithHugeExponent", "0E99999999999999999999999999999999", ',', 0.0L},
        AcceptRow{"ManyFractionDigitsThenHugeExponent", "0,0000000000000000000000000000001E31", ',', 1.0L}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectRow {
    const char* name;
    const char* text;
    char separator;
};

class Reject : public ::testing::TestWithParam<RejectRow> {};

TEST_P(Reject, RaisesTheParseError) {
    const auto& row = GetParam();
    try {
        ParseDecimal(row.text, row.separator);
        FAIL() << "'" << row.text << "' accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("'") + row.text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rates, Reject,
    ::testing::Values(
        // The Part's list, separator ",".
        RejectRow{"Empty", "", ','}, RejectRow{"SpacesOnly", "   ", ','}, RejectRow{"TwoSeparators", "1,2,3", ','},
        RejectRow{"Letter", "12a", ','}, RejectRow{"OtherSeparator", "1.5", ','},
        // More of the syntax.
        RejectRow{"SignOnly", "-", ','}, RejectRow{"SignThenSpace", "- 5", ','}, RejectRow{"TwoSigns", "+-5", ','},
        RejectRow{"InnerSpace", "1 000", ','}, RejectRow{"ExponentOnly", "E5", ','}, RejectRow{"Tab", "\t5", ','},
        RejectRow{"ExponentSeparator", "1E5,5", ','}, RejectRow{"CommaWithPoint", "1,5", '.'},
        RejectRow{"TrailingPoint", "12.", ','}, RejectRow{"DoubleE", "1E2E3", ','},
        // Beyond the extended range: the parse error, never "Floating point overflow".
        RejectRow{"OneE4933", "1E4933", ','}, RejectRow{"OneE5000", "1E5000", ','},
        RejectRow{"JustAboveOverflowThreshold", "1,18973149535723176506E4932", ','},
        RejectRow{"TwoTo16384", "1,18973149535723176509E4932", ','},
        RejectRow{"HugeExponent", "1E99999999999999999999999999999999999999", ','},
        RejectRow{"NegativeHuge", "-5E99999", ','}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseDecimal, MessageHoldsTheWholeText) {
    try {
        ParseDecimal("  12a  ", ',');
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "'  12a  ' is not a valid floating point value");
    }
}

TEST(ParseDecimal, VeryLongTextsAreExact) {
    // 30000 digits "1" followed by a fraction: beyond the 12000 kept digits the
    // sticky digit keeps the rounding exact; compare with the C library (tests only).
    std::string text(30000, '1');
    text += ",5";
    std::string c = text;
    c[c.size() - 2] = '.';
    text += "E-29990";
    c += "E-29990";
    EXPECT_TRUE(SameBits(ParseDecimal(text, ','), std::strtold(c.c_str(), nullptr)));
    // Exactly halfway between two extended values, then a tiny bit more far away.
    // 2^64 + 1 is halfway between 2^64 and 2^64 + 2: ties to even gives 2^64.
    EXPECT_TRUE(SameBits(ParseDecimal("18446744073709551617", ','), std::ldexp(1.0L, 64)));
    std::string above = "18446744073709551617," + std::string(20000, '0') + "1";
    EXPECT_TRUE(SameBits(ParseDecimal(above, ','), std::ldexp(1.0L, 64) + 2));
    // 2^64 + 3 is halfway between 2^64 + 2 and 2^64 + 4: even is 2^64 + 4.
    EXPECT_TRUE(SameBits(ParseDecimal("18446744073709551619", ','), std::ldexp(1.0L, 64) + 4));
}

// The reading is the decimal value rounded once: the same bits as glibc's
// strtold (correctly rounded) on random texts of every shape.
TEST(ParseDecimal, MatchesCorrectRoundingOnRandomTexts) {
    std::mt19937_64 rng(20260611);
    int checked = 0;
    for (int n = 0; n < 4000; ++n) {
        const int intDigits = static_cast<int>(rng() % 30);
        const int fracDigits = static_cast<int>(rng() % 30);
        std::string digits;
        for (int i = 0; i < intDigits; ++i) digits += static_cast<char>('0' + rng() % 10);
        std::string frac;
        for (int i = 0; i < fracDigits; ++i) frac += static_cast<char>('0' + rng() % 10);
        if (digits.empty() && frac.empty()) digits = "7";
        long exponent;
        switch (rng() % 4) {
            case 0: exponent = static_cast<long>(rng() % 61) - 30; break;
            case 1: exponent = static_cast<long>(rng() % 801) - 400; break;
            case 2: exponent = static_cast<long>(rng() % 9901) - 4950; break;
            default: exponent = (rng() % 2 ? 4900 : -4990) + static_cast<long>(rng() % 80); break;
        }
        const std::string sign = rng() % 3 == 0 ? "-" : "";
        const std::string ours = sign + digits + "," + frac + "E" + std::to_string(exponent);
        const std::string theirs = sign + (digits.empty() ? "0" : digits) + "." + frac + "E" + std::to_string(exponent);
        errno = 0;
        const long double expected = std::strtold(theirs.c_str(), nullptr);
        if (std::isinf(expected)) {
            EXPECT_THROW(ParseDecimal(ours, ','), EConvertError) << ours;
        } else {
            long double got = 0;
            ASSERT_NO_THROW(got = ParseDecimal(ours, ',')) << ours;
            ASSERT_TRUE(SameBits(got, expected) || (got == 0 && expected == 0 && std::signbit(got) == std::signbit(expected)))
                << ours << " -> " << static_cast<double>(got) << " vs " << static_cast<double>(expected);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 4000);
}

}  // namespace
}  // namespace tresilva::core
