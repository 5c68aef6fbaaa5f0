// Float48, the currency table, the fixed and default rates.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Converter.h"
#include "core/Currency.h"
#include "core/Float48.h"
#include "core/ParseDecimal.h"
#include "tests/core/RecordingWindow.h"

namespace tresilva::core {
namespace {

// Parameter rows print as their name.
template <class Row>
    requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}
template <class Row>
    requires requires(const Row& r) { r.code; } && (!requires(const Row& r) { r.name; })
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.code;
}

using testing::Hex;
using testing::TRecordingWindow;

// ---------------------------------------------------------------- fixed rates

struct FixedRateRow {
    int index;
    const char* code;
    const char* bytes;
};

class FixedRate : public ::testing::TestWithParam<FixedRateRow> {};

TEST_P(FixedRate, InitFixedRatesWritesTheTableBytes) {
    TRecordingWindow window;
    TConverter converter(window, ',');
    converter.InitFixedRates();
    EXPECT_EQ(CurrencyAt(GetParam().index).code, std::string(GetParam().code));
    EXPECT_EQ(Hex(converter.Rate(GetParam().index).bytes()), GetParam().bytes);
    EXPECT_TRUE(window.calls.empty());  // nothing of the window is touched
}

TEST_P(FixedRate, IsTheFloat48NearestTheDecimalRate) {
    // The decimal text read exactly and stored gives the same bytes.
    const Currency& c = CurrencyAt(GetParam().index);
    EXPECT_EQ(Hex(Float48::Store(ParseDecimal(c.rateText, '.')).bytes()), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Rates, FixedRate,
                         ::testing::Values(FixedRateRow{1, "DEM", "81 45 2F A3 58 7A"},
                                           FixedRateRow{2, "ATS", "84 32 55 30 2A 5C"},
                                           FixedRateRow{3, "BEF", "86 E0 BE 0E 5C 21"},
                                           FixedRateRow{4, "ESP", "88 60 E5 D0 62 26"},
                                           FixedRateRow{5, "FIM", "83 9B 8F 6B 43 3E"},
                                           FixedRateRow{6, "FRF", "83 3A 58 FF E7 51"},
                                           FixedRateRow{7, "IEP", "80 82 57 CB 9D 49"},
                                           FixedRateRow{8, "ITL", "8B 0A D7 A3 08 72"},
                                           FixedRateRow{9, "LUF", "86 E0 BE 0E 5C 21"},
                                           FixedRateRow{10, "NLG", "82 F8 AA 95 09 0D"},
                                           FixedRateRow{11, "PTE", "88 1D 5A 64 7B 48"},
                                           FixedRateRow{12, "EUR", "81 00 00 00 00 00"}),
                         [](const auto& info) { return std::string(info.param.code); });

TEST(FixedRates, EveryRateIsZeroBeforeInit) {
    TRecordingWindow window;
    TConverter converter(window, ',');
    for (int i = 1; i <= kCurrencyCount; ++i) EXPECT_TRUE(converter.Rate(i).IsZero()) << i;
    converter.InitFixedRates();
    for (int i = kUSD; i <= kJPY; ++i) EXPECT_TRUE(converter.Rate(i).IsZero()) << i;
}

TEST(FixedRates, HeldValuesAsThePartSays) {
    EXPECT_NEAR(static_cast<double>(Float48::Store(1.95583L).Load() - 1.95583L), 7.875e-13, 1e-15);
    EXPECT_NEAR(static_cast<double>(Float48::Store(6.55957L).Load() - 6.55957L), -2.3796e-12, 1e-15);
}

// ---------------------------------------------------------------- default texts

struct DefaultTextRow {
    const char* name;
    int index;
    char separator;
    const char* text;
    const char* bytes;
};

class DefaultText : public ::testing::TestWithParam<DefaultTextRow> {};

TEST_P(DefaultText, TextAndStoredBytes) {
    const auto& row = GetParam();
    EXPECT_EQ(DefaultRateText(row.index, row.separator), row.text);
    EXPECT_EQ(Hex(Float48::Store(ParseDecimal(row.text, row.separator)).bytes()), row.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, DefaultText,
    ::testing::Values(DefaultTextRow{"USD_comma", kUSD, ',', "1,15455", "81 CC 5D 4B C8 13"},
                      DefaultTextRow{"GBP_comma", kGBP, ',', "0,70807", "80 47 55 13 44 35"},
                      DefaultTextRow{"JPY_comma", kJPY, ',', "129,289", "88 6D E7 FB 49 01"},
                      DefaultTextRow{"USD_point", kUSD, '.', "1.15455", "81 CC 5D 4B C8 13"},
                      DefaultTextRow{"GBP_point", kGBP, '.', "0.70807", "80 47 55 13 44 35"},
                      DefaultTextRow{"JPY_point", kJPY, '.', "129.289", "88 6D E7 FB 49 01"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultText, OnlyForTheEditableCurrencies) {
    EXPECT_THROW(DefaultRateText(kEUR, ','), std::out_of_range);
    EXPECT_THROW(DefaultRateText(16, ','), std::out_of_range);
}

// ---------------------------------------------------------------- LoadEditableRates

TEST(LoadEditableRates, DefaultTextsWithComma) {
    TRecordingWindow window;
    TConverter converter(window, ',');
    converter.LoadEditableRates("1,15455", "0,70807", "129,289");
    EXPECT_EQ(Hex(converter.Rate(kUSD).bytes()), "81 CC 5D 4B C8 13");
    EXPECT_EQ(Hex(converter.Rate(kGBP).bytes()), "80 47 55 13 44 35");
    EXPECT_EQ(Hex(converter.Rate(kJPY).bytes()), "88 6D E7 FB 49 01");
    EXPECT_TRUE(converter.Rate(1).IsZero());  // the fixed ones are not touched
}

struct LoadFailureRow {
    const char* name;
    const char* usd;
    const char* gbp;
    const char* jpy;
    const char* message;
    bool usdNew, gbpNew;  // which entries took their new value
};

class LoadFailure : public ::testing::TestWithParam<LoadFailureRow> {};

TEST_P(LoadFailure, EarlierRatesStayLoaded) {
    const auto& row = GetParam();
    TRecordingWindow window;
    TConverter converter(window, ',');
    converter.LoadEditableRates("1", "2", "3");
    try {
        converter.LoadEditableRates(row.usd, row.gbp, row.jpy);
        FAIL() << "no error";
    } catch (const ECoreError& e) {
        EXPECT_STREQ(e.what(), row.message);
    }
    EXPECT_EQ(converter.Rate(kUSD).Load(), row.usdNew ? ParseDecimal(row.usd, ',') : 1.0L);
    EXPECT_EQ(converter.Rate(kGBP).Load(), row.gbpNew ? ParseDecimal(row.gbp, ',') : 2.0L);
    EXPECT_EQ(converter.Rate(kJPY).Load(), 3.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, LoadFailure,
    ::testing::Values(
        LoadFailureRow{"DollarRejected", "1.5", "7", "8", "'1.5' is not a valid floating point value", false, false},
        LoadFailureRow{"PoundRejected", "5", "x", "8", "'x' is not a valid floating point value", true, false},
        LoadFailureRow{"YenRejected", "5", "6", "", "'' is not a valid floating point value", true, true},
        LoadFailureRow{"PoundOverflow", "5", "1E40", "8", "Floating point overflow", true, false},
        LoadFailureRow{"YenBeyondExtended", "5", "6", "1E5000", "'1E5000' is not a valid floating point value",
                       true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadEditableRates, FirstStartFailureLeavesZeros) {
    TRecordingWindow window;
    TConverter converter(window, ',');
    EXPECT_THROW(converter.LoadEditableRates("1,15455", "0.70807", "129,289"), EConvertError);
    EXPECT_FALSE(converter.Rate(kUSD).IsZero());
    EXPECT_TRUE(converter.Rate(kGBP).IsZero());
    EXPECT_TRUE(converter.Rate(kJPY).IsZero());
}

TEST(LoadEditableRates, ZeroNegativeAndTinyRatesAreAccepted) {
    TRecordingWindow window;
    TConverter converter(window, ',');
    converter.LoadEditableRates("0", "-1,5", "1E-40");
    EXPECT_TRUE(converter.Rate(kUSD).IsZero());
    EXPECT_EQ(converter.Rate(kGBP).Load(), -1.5L);
    EXPECT_EQ(Hex(converter.Rate(kJPY).bytes()), "00 00 00 00 00 00");
}

// ---------------------------------------------------------------- Float48 store

struct StoreRow {
    const char* name;
    long double value;
    const char* bytes;  // nullptr: "Floating point overflow"
};

class Store : public ::testing::TestWithParam<StoreRow> {};

TEST_P(Store, Bytes) {
    const auto& row = GetParam();
    if (row.bytes == nullptr) {
        try {
            Float48::Store(row.value);
            FAIL() << "no error";
        } catch (const EOverflow& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow");
        }
    } else {
        EXPECT_EQ(Hex(Float48::Store(row.value).bytes()), row.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rates, Store,
    ::testing::Values(
        StoreRow{"Hundred", 100.0L, "87 00 00 00 00 48"},
        StoreRow{"Zero", 0.0L, "00 00 00 00 00 00"},
        StoreRow{"NegativeZero", -0.0L, "00 00 00 00 00 00"},
        StoreRow{"One", 1.0L, "81 00 00 00 00 00"},
        StoreRow{"MinusOne", -1.0L, "81 00 00 00 00 80"},
        StoreRow{"MinusHundred", -100.0L, "87 00 00 00 00 C8"},
        // 1 + 2^-40 lies exactly halfway: away from zero, up to 1 + 2^-39.
        StoreRow{"TieGoesUp", 1.0L + std::ldexp(1.0L, -40), "81 01 00 00 00 00"},
        StoreRow{"TieGoesAwayFromZeroNegative", -(1.0L + std::ldexp(1.0L, -40)), "81 01 00 00 00 80"},
        StoreRow{"BelowTieGoesDown", 1.0L + std::ldexp(1.0L, -40) - std::ldexp(1.0L, -63), "81 00 00 00 00 00"},
        // 2 - 2^-40 rounds up and carries into the exponent.
        StoreRow{"CarryIntoExponent", 2.0L - std::ldexp(1.0L, -40), "82 00 00 00 00 00"},
        StoreRow{"Largest", std::ldexp(2.0L - std::ldexp(1.0L, -39), 126), "FF FF FF FF FF 7F"},
        StoreRow{"LargestCarriesOver", std::ldexp(2.0L - std::ldexp(1.0L, -40), 126), nullptr},
        StoreRow{"TwoTo127", std::ldexp(1.0L, 127), nullptr},
        StoreRow{"Smallest", std::ldexp(1.0L, -128), "01 00 00 00 00 00"},
        StoreRow{"CarryIntoSmallest", std::ldexp(2.0L - std::ldexp(1.0L, -40), -129), "01 00 00 00 00 00"},
        StoreRow{"BelowSmallest", std::ldexp(1.0L, -129), "00 00 00 00 00 00"},
        StoreRow{"ExtendedSubnormal", std::ldexp(1.0L, -16440), "00 00 00 00 00 00"},
        StoreRow{"OneE40", ParseDecimal("1E40", ','), nullptr},
        StoreRow{"OneEMinus40", ParseDecimal("1E-40", ','), "00 00 00 00 00 00"},
        StoreRow{"ExtendedMax", LDBL_MAX, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Store, NotANumberAndInfinity) {
    EXPECT_THROW(Float48::Store(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
    EXPECT_THROW(Float48::Store(std::numeric_limits<long double>::infinity()), EOverflow);
}

TEST(Load, ExponentZeroIsZeroWhateverTheOtherBytes) {
    EXPECT_EQ(Float48::FromBytes({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).Load(), 0.0L);
    EXPECT_FALSE(std::signbit(Float48::FromBytes({0, 0, 0, 0, 0, 0x80}).Load()));
}

TEST(Load, ValueFormula) {
    // (-1)^s x (1 + f / 2^39) x 2^(e - 129)
    EXPECT_EQ(Float48::FromBytes({0x87, 0, 0, 0, 0, 0x48}).Load(), 100.0L);
    EXPECT_EQ(Float48::FromBytes({0x81, 1, 0, 0, 0, 0x80}).Load(), -(1.0L + std::ldexp(1.0L, -39)));
    EXPECT_EQ(Float48::FromBytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}).Load(),
              std::ldexp(2.0L - std::ldexp(1.0L, -39), 126));
    EXPECT_EQ(Float48::FromBytes({0x01, 0, 0, 0, 0, 0}).Load(), std::ldexp(1.0L, -128));
}

TEST(Load, StoreOfALoadIsTheSame) {
    // Every Float48 is an extended value: load then store gives the bytes back.
    const Float48::Bytes samples[] = {{0x81, 0x45, 0x2F, 0xA3, 0x58, 0x7A}, {0x8B, 0x0A, 0xD7, 0xA3, 0x08, 0x72},
                                      {0x88, 0x6D, 0xE7, 0xFB, 0x49, 0x81}, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                      {0x01, 0x12, 0x34, 0x56, 0x78, 0x1A}};
    for (const auto& b : samples) EXPECT_EQ(Float48::Store(Float48::FromBytes(b).Load()).bytes(), b);
}

// ---------------------------------------------------------------- currency table

struct CurrencyRow {
    int index;
    const char* code;
    const char* label;
    const char* name;
};

class CurrencyTable : public ::testing::TestWithParam<CurrencyRow> {};

TEST_P(CurrencyTable, Row) {
    const auto& row = GetParam();
    const Currency& c = CurrencyAt(row.index);
    EXPECT_STREQ(c.code, row.code);
    EXPECT_STREQ(c.label, row.label);
    EXPECT_STREQ(c.name, row.name);
    EXPECT_EQ(CurrencyIndexOfCode(row.code), row.index);
    std::string lower = row.code;
    for (char& ch : lower) ch = static_cast<char>(ch - 'A' + 'a');
    EXPECT_EQ(CurrencyIndexOfCode(lower), row.index);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, CurrencyTable,
    ::testing::Values(CurrencyRow{1, "DEM", "Allemagne (DEM)", "Deutche mark"},
                      CurrencyRow{2, "ATS", "Autriche (ATS)", "Schilling"},
                      CurrencyRow{3, "BEF", "Belgique (BEF)", "Franc belge"},
                      CurrencyRow{4, "ESP", "Espagne (ESP)", "Pesete"},
                      CurrencyRow{5, "FIM", "Finlande (FIM)", "Markka"},
                      CurrencyRow{6, "FRF", "France (FRF)", "Franc fran\xC3\xA7" "ais"},
                      CurrencyRow{7, "IEP", "Irlande (IEP)", "Livre irlandaise"},
                      CurrencyRow{8, "ITL", "Italie (ITL)", "Lire"},
                      CurrencyRow{9, "LUF", "Luxembourg (LUF)", "Franc luxembourgeois"},
                      CurrencyRow{10, "NLG", "Pays-Bas (NLG)", "Florin"},
                      CurrencyRow{11, "PTE", "Portugal (PTE)", "Escudo portugais"},
                      CurrencyRow{12, "EUR", "Europe (EUR)", "Euro"},
                      CurrencyRow{13, "USD", "Etats-Unis (USD)", "US Dollar"},
                      CurrencyRow{14, "GBP", "GB (GBP)", "Livre sterling"},
                      CurrencyRow{15, "JPY", "Japon (JPY)", "Yen"}),
    [](const auto& info) { return std::string(info.param.code); });

TEST(CurrencyTable, UnknownCodesAndIndexes) {
    EXPECT_EQ(CurrencyIndexOfCode("XYZ"), 0);
    EXPECT_EQ(CurrencyIndexOfCode(""), 0);
    EXPECT_EQ(CurrencyIndexOfCode("EURO"), 0);
    EXPECT_EQ(CurrencyIndexOfCode("eUr"), kEUR);
    EXPECT_THROW(CurrencyAt(0), std::out_of_range);
    EXPECT_THROW(CurrencyAt(16), std::out_of_range);
}

TEST(CurrencyTable, ListPositionToCurrency) {
    EXPECT_EQ(CurrencyOfListPosition(0), 1);
    EXPECT_EQ(CurrencyOfListPosition(5), 6);
    EXPECT_EQ(CurrencyOfListPosition(14), 15);
    EXPECT_EQ(CurrencyOfListPosition(-1), kEUR);
    EXPECT_EQ(CurrencyOfListPosition(15), kEUR);
}

}  // namespace
}  // namespace tresilva::core
