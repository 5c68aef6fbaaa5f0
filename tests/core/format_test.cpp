// the fixed-point writer, FormatAmount and ApplyRounding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "core/Float48.h"
#include "core/Format.h"
#include "core/ParseDecimal.h"

namespace tresilva::core {
namespace {

// Parameter rows print as their name.
template <class Row>
    requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

struct WriterRow {
    const char* name;
    long double value;
    int width;
    int decimals;
    std::string text;
};

class Writer : public ::testing::TestWithParam<WriterRow> {};

TEST_P(Writer, Text) {
    const auto& row = GetParam();
    EXPECT_EQ(WriteFixed(row.value, row.width, row.decimals), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Writer,
    ::testing::Values(
        // The Part's examples of steps 4 to 6.
        WriterRow{"TwelveAndAHalf", 12.5L, 21, 5, "             12.50000"},
        WriterRow{"ScaledOnce", 123.456L, 21, 5, "            123.45600"},
        WriterRow{"CarryIntoFirstCharacter", 9.999996L, 21, 5, "             10.00000"},
        // Zero, small, negative.
        WriterRow{"Zero", 0.0L, 21, 5, "              0.00000"},
        WriterRow{"ZeroTwoDecimals", 0.0L, 18, 2, "              0.00"},
        WriterRow{"NegativeZeroIsNotNegative", -0.0L, 21, 5, "              0.00000"},
        WriterRow{"Negative", -1.5L, 21, 5, "             -1.50000"},
        WriterRow{"NegativeRoundsToZero", -0.000001L, 21, 5, "             -0.00000"},
        WriterRow{"HalfAwayFromZeroUp", 0.125L, 18, 2, "              0.13"},
        WriterRow{"HalfAwayFromZeroDown", -0.125L, 18, 2, "             -0.13"},
        WriterRow{"SmallBelowOne", 0.000004L, 21, 5, "              0.00000"},
        WriterRow{"SmallRoundsUp", 0.000005L, 21, 5, "              0.00001"},
        WriterRow{"Ten", 10.0L, 21, 5, "             10.00000"},
        WriterRow{"Fifteen", 15.0L, 21, 5, "             15.00000"},
        WriterRow{"Sixteen", 16.0L, 21, 5, "             16.00000"},
        WriterRow{"NinesCarryAfterScaling", 99.999999L, 21, 5, "            100.00000"},
        WriterRow{"ThousandsTwoDecimals", 1970.9981L, 18, 2, "           1971.00"},
        // Seventeen significant digits or more: zeros appended, nothing rounded.
        WriterRow{"ManyDigits", 123456789012345.0L, 21, 5, "123456789012345.00000"},
        WriterRow{"LongerThanTheField", 1e20L, 21, 5, "100000000000000000000.00000"},
        // Width: shorter numbers padded, longer never cut, 255 at most.
        WriterRow{"NarrowField", 12.5L, 1, 2, "12.50"},
        WriterRow{"WidthCappedAt255", 1.0L, 300, 1, std::string(252, ' ') + "1.0"},
        // Exponent form (|x| >= 2^120).
        WriterRow{"ExponentForm", 1.936269999999e37L, 21, 5, " 1.936269999999E+0037"},
        WriterRow{"ExponentFormNegative", -1.936269999999e37L, 21, 5, "-1.936269999999E+0037"},
        WriterRow{"ExponentFormTwoDecimals", 1.936269999999e37L, 18, 2, " 1.936270000E+0037"},
        WriterRow{"ExponentFormTwoTo120", std::ldexp(1.0L, 120), 21, 5, " 1.329227995785E+0036"},
        WriterRow{"BelowTwoTo120IsFixed", std::ldexp(1.0L, 120) - std::ldexp(1.0L, 80), 21, 5,
                  "1329227995783706947000000000000000000.00000"},
        WriterRow{"ExtendedHuge", 1e4000L, 21, 5, " 1.000000000000E+4000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Writer, WritesIntoAReusedString) {
    std::string out = "something long that is cleared first";
    WriteFixed(12.5L, 21, 5, out);
    EXPECT_EQ(out, "             12.50000");
}

TEST(Writer, NotANumberAndInfinity) {
    EXPECT_THROW(WriteFixed(std::nanl(""), 21, 5), EInvalidOp);
    EXPECT_THROW(WriteFixed(HUGE_VALL, 21, 5), EOverflow);
}

// Away from ties the writer's digits are the correctly rounded ones: compare with
// glibc on random Float48 values of moderate size (tests only use the C library).
TEST(Writer, AgreesWithGlibcAwayFromTies) {
    std::mt19937_64 rng(42);
    int compared = 0;
    for (int n = 0; n < 20000; ++n) {
        const int e = static_cast<int>(rng() % 53) - 20;  // |x| < 2^33: at most 15 digits written
        const long double x = Float48::Store(std::ldexp(1.0L + static_cast<long double>(rng() % (1ull << 39)) /
                                                                     std::ldexp(1.0L, 39),
                                                         e))
                                  .Load();
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, "%.20Lf", x);  // enough digits to see a near tie
        const std::string exact = buffer;
        const std::size_t point = exact.find('.');
        // Skip values whose sixth decimal onwards lies near 5000...: a tie within
        // the writer's 18 significant digits.
        const std::string tail = exact.substr(point + 6, 12);
        if (tail.compare(0, 3, "499") == 0 || tail.compare(0, 3, "500") == 0) continue;
        std::snprintf(buffer, sizeof buffer, "%21.5Lf", x);
        EXPECT_EQ(WriteFixed(x, 21, 5), buffer) << exact;
        ++compared;
    }
    EXPECT_GT(compared, 19000);
}

struct FormatRow {
    const char* name;
    long double value;
    int width, decimals;
    char separator;
    const char* text;
};

class Format : public ::testing::TestWithParam<FormatRow> {};

TEST_P(Format, Text) {
    const auto& row = GetParam();
    EXPECT_EQ(FormatAmount(Float48::Store(row.value), row.width, row.decimals, row.separator), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Format,
    ::testing::Values(FormatRow{"FiveDecimalsComma", 12.5L, 15, 5, ',', "             12,50000"},
                      FormatRow{"FiveDecimalsPoint", 12.5L, 15, 5, '.', "             12.50000"},
                      FormatRow{"TwoDecimalsComma", 12.5L, 15, 2, ',', "             12,50"},
                      FormatRow{"ZeroIsTwentyOne", 0.0L, 15, 5, ',', "              0,00000"},
                      FormatRow{"ZeroTwoIsEighteen", 0.0L, 15, 2, ',', "              0,00"},
                      FormatRow{"ExponentComma", 1.93627e37L, 15, 5, ',', " 1,936270000001E+0037"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundingRow {
    const char* name;
    std::string text;
    bool rounding;
    char separator;
    std::string result;
};

class Rounding : public ::testing::TestWithParam<RoundingRow> {};

TEST_P(Rounding, Text) {
    const auto& row = GetParam();
    EXPECT_EQ(ApplyRounding(row.text, row.rounding, row.separator), row.result);
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Rounding,
    ::testing::Values(
        RoundingRow{"OffKeepsTheText", "             29,81644", false, ',', "             29,81644"},
        RoundingRow{"OnReformats", "             29,81644", true, ',', "             29,82"},
        RoundingRow{"ExactHalfGoesUp", "              4,12500", true, ',', "              4,13"},
        RoundingRow{"ReadBackBelowGoesDown", "             11,38500", true, ',', "             11,38"},
        RoundingRow{"Zero", "              0,00000", true, ',', "              0,00"},
        RoundingRow{"ExponentForm", " 1,936269999999E+0037", true, ',', " 1,936270000E+0037"},
        RoundingRow{"PointText", "             29.81644", true, '.', "             29.82"},
        RoundingRow{"TwoAfterSeparatorUnchanged", "12,34", true, ',', "12,34"},
        RoundingRow{"NoSeparatorUnchanged", "1234", true, ',', "1234"},
        RoundingRow{"LongWithoutSeparatorCut", std::string(300, '1'), true, ',', std::string(255, '1')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rounding, ThreeAfterTheOtherSeparatorIsReadWithTheUsersOne) {
    // "." counts as a separator for the scan, but ParseDecimal reads with ","
    EXPECT_THROW(ApplyRounding("12.345", true, ','), EConvertError);
}

}  // namespace
}  // namespace tresilva::core
