// Convert, its examples, its errors and its partial updates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Converter.h"
#include "core/Errors.h"
#include "tests/core/RecordingWindow.h"

namespace tresilva::core {
namespace {

// Parameter rows print as their name.
template <class Row>
    requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

using testing::TRecordingWindow;

// A fresh window with the default rates (separator ","), `source` current,
// `display` as the display text, then one Convert.
struct Fixture {
    explicit Fixture(char separator = ',') : converter(window, separator) {
        converter.InitFixedRates();
        converter.LoadEditableRates(DefaultRateText(kUSD, separator), DefaultRateText(kGBP, separator),
                                    DefaultRateText(kJPY, separator));
    }
    void Convert(const std::string& display, int source, bool rounding) {
        window.display = display;
        window.rounding = rounding;
        converter.SetCurrent(source);
        window.calls.clear();
        converter.Convert();
    }
    TRecordingWindow window;
    TConverter converter;
};

std::string Pad(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

struct ExampleRow {
    const char* name;
    const char* display;
    const char* source;
    bool rounding;
    const char* target;
    std::string caption;  // the whole caption, leading spaces included
};

class Example : public ::testing::TestWithParam<ExampleRow> {};

TEST_P(Example, PanelCaption) {
    const auto& row = GetParam();
    Fixture f;
    f.Convert(row.display, CurrencyIndexOfCode(row.source), row.rounding);
    EXPECT_EQ(f.window.captions[static_cast<std::size_t>(CurrencyIndexOfCode(row.target))], row.caption);
}

ExampleRow Five(const char* name, const char* display, const char* source, const char* target, const char* text) {
    return {name, display, source, false, target, Pad(text, 21)};
}
ExampleRow Two(const char* name, const char* display, const char* source, const char* target, const char* text) {
    return {name, display, source, true, target, Pad(text, 18)};
}

const std::string kE34 = "1" + std::string(34, '0');
const std::string kE36 = "1" + std::string(36, '0');

INSTANTIATE_TEST_SUITE_P(
    Conversion, Example,
    ::testing::Values(
        // 100 FRF
        Five("FRF100_DEM", "100", "FRF", "DEM", "29,81644"), Five("FRF100_EUR", "100", "FRF", "EUR", "15,24490"),
        Five("FRF100_ITL", "100", "FRF", "ITL", "29518,24586"), Five("FRF100_IEP", "100", "FRF", "IEP", "12,00634"),
        Five("FRF100_JPY", "100", "FRF", "JPY", "1970,99810"), Five("FRF100_USD", "100", "FRF", "USD", "17,60100"),
        Two("FRF100_DEM_Round", "100", "FRF", "DEM", "29,82"), Two("FRF100_EUR_Round", "100", "FRF", "EUR", "15,24"),
        Two("FRF100_JPY_Round", "100", "FRF", "JPY", "1971,00"),
        ExampleRow{"FRF100_SourcePanel", "100", "FRF", false, "FRF", "100"},
        // 1 EUR
        Five("EUR1_DEM", "1", "EUR", "DEM", "1,95583"), Five("EUR1_IEP", "1", "EUR", "IEP", "0,78756"),
        Five("EUR1_ITL", "1", "EUR", "ITL", "1936,27000"), Five("EUR1_GBP", "1", "EUR", "GBP", "0,70807"),
        Two("EUR1_DEM_Round", "1", "EUR", "DEM", "1,96"), Two("EUR1_IEP_Round", "1", "EUR", "IEP", "0,79"),
        Two("EUR1_ITL_Round", "1", "EUR", "ITL", "1936,27"), Two("EUR1_GBP_Round", "1", "EUR", "GBP", "0,71"),
        ExampleRow{"EUR1_SourcePanel", "1", "EUR", false, "EUR", "1"},
        // 10,244 DEM: an exact half goes up, also after an even digit
        Five("DEM10244_IEP", "10,244", "DEM", "IEP", "4,12500"), Two("DEM10244_IEP_Round", "10,244", "DEM", "IEP", "4,13"),
        // 785,075 BEF: V a little below 785,075, its five-decimal text read back goes up
        Five("BEF785075_LUF", "785,075", "BEF", "LUF", "785,07500"),
        Two("BEF785075_LUF_Round", "785,075", "BEF", "LUF", "785,08"),
        // 347,963 PTE: the text 11,38500 read back lies just below 11,385
        Five("PTE347963_FRF", "347,963", "PTE", "FRF", "11,38500"),
        Two("PTE347963_FRF_Round", "347,963", "PTE", "FRF", "11,38"),
        // 10^34 EUR: exponent form from 2^120 on, fixed form below
        ExampleRow{"E34_ITL", kE34.c_str(), "EUR", false, "ITL", " 1,936269999999E+0037"},
        ExampleRow{"E34_ESP", kE34.c_str(), "EUR", false, "ESP", " 1,663859999999E+0036"},
        ExampleRow{"E34_JPY", kE34.c_str(), "EUR", false, "JPY", "1292890000001591006000000000000000000,00000"},
        ExampleRow{"E34_ITL_Round", kE34.c_str(), "EUR", true, "ITL", " 1,936270000E+0037"},
        ExampleRow{"E34_SourcePanel", kE34.c_str(), "EUR", false, "EUR", kE34},
        // The euro panel of a non-euro source shows E
        Five("DEM1_EUR", "1,95583", "DEM", "EUR", "1,00000"),
        // A trailing "." is dropped for parsing only; "12," reads as 12
        ExampleRow{"TrailingPointSourcePanel", "12.", "EUR", false, "EUR", "12."},
        Five("TrailingPointParsed", "12.", "EUR", "DEM", "23,46996"),
        Five("TrailingComma", "12,", "EUR", "DEM", "23,46996"),
        // Display "0" and "0,"
        ExampleRow{"ZeroSourcePanel", "0", "EUR", false, "EUR", "0"},
        ExampleRow{"ZeroCommaSourcePanel", "0,", "EUR", false, "EUR", "0,"},
        Five("ZeroCommaDEM", "0,", "EUR", "DEM", "0,00000")),
    [](const auto& info) { return std::string(info.param.name); });

struct ZeroRow {
    const char* name;
    const char* display;
    bool rounding;
    std::string zero;
};

class ZeroDisplay : public ::testing::TestWithParam<ZeroRow> {};

TEST_P(ZeroDisplay, EveryOtherPanelShowsZero) {
    const auto& row = GetParam();
    for (int source = 1; source <= kCurrencyCount; ++source) {
        Fixture f;
        f.Convert(row.display, source, row.rounding);
        for (int j = 1; j <= kCurrencyCount; ++j) {
            const std::string& caption = f.window.captions[static_cast<std::size_t>(j)];
            EXPECT_EQ(caption, j == source ? std::string(row.display) : row.zero) << source << " -> " << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Conversion, ZeroDisplay,
                         ::testing::Values(ZeroRow{"Zero", "0", false, std::string(14, ' ') + "0,00000"},
                                           ZeroRow{"ZeroRound", "0", true, std::string(14, ' ') + "0,00"},
                                           ZeroRow{"ZeroComma", "0,", false, std::string(14, ' ') + "0,00000"},
                                           ZeroRow{"ZeroCommaRound", "0,", true, std::string(14, ' ') + "0,00"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Convert, FifteenCaptionsInOrderAndTheRoundingReadForEachResult) {
    Fixture f;
    f.Convert("100", 6, false);
    std::vector<std::string> expected = {"DisplayText", "SetPanelCaption(6,100)"};
    for (int j = 1; j <= kCurrencyCount; ++j) {
        if (j == 6) continue;
        expected.push_back("RoundingOption");
        expected.push_back("SetPanelCaption(" + std::to_string(j) + "," +
                           f.window.captions[static_cast<std::size_t>(j)] + ")");
    }
    EXPECT_EQ(f.window.calls, expected);
}

TEST(Convert, PointSeparator) {
    Fixture f('.');
    f.Convert("100", 6, false);
    EXPECT_EQ(f.window.captions[1], "             29.81644");
    EXPECT_EQ(f.window.captions[12], "             15.24490");
    f.Convert("10.244", 1, true);
    EXPECT_EQ(f.window.captions[7], "              4.13");
}

TEST(Convert, ParseTextIsCutTo255Characters) {
    Fixture f;
    const std::string display = "0," + std::string(253, '0') + "x";  // valid in its first 255 characters
    f.Convert(display, kEUR, false);
    EXPECT_EQ(f.window.captions[kEUR], display);  // the source panel gets T whole
    EXPECT_EQ(f.window.captions[1], "              0,00000");
}

TEST(Convert, ZeroAndNegativeTargetRates) {
    Fixture f;
    f.converter.LoadEditableRates("0", "-1,5", "129,289");
    f.Convert("1", kEUR, false);
    EXPECT_EQ(f.window.captions[kUSD], "              0,00000");
    EXPECT_EQ(f.window.captions[kGBP], "             -1,50000");
    f.Convert("1", kEUR, true);
    EXPECT_EQ(f.window.captions[kGBP], "             -1,50");
    f.Convert("1", kGBP, false);  // a negative source rate: negative results
    EXPECT_EQ(f.window.captions[kEUR], "             -0,66667");
}

// ---------------------------------------------------------------- failures

struct FailureRow {
    const char* name;
    const char* usd;       // dollar rate text
    const char* display;
    int source;
    const char* message;
    int firstKept;         // the first index (in order) whose panel kept its old text; 0: all written
};

class Failure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(Failure, StopsWhereItHappens) {
    const auto& row = GetParam();
    Fixture f;
    f.converter.LoadEditableRates(row.usd, "0,70807", "129,289");
    f.window.display = row.display;
    f.converter.SetCurrent(row.source);
    try {
        f.converter.Convert();
        FAIL() << "no error";
    } catch (const ECoreError& e) {
        EXPECT_STREQ(e.what(), row.message);
    }
    EXPECT_EQ(f.window.captions[static_cast<std::size_t>(row.source)], row.display);  // step 3 ran
    for (int j = 1; j <= kCurrencyCount; ++j) {
        if (j == row.source) continue;
        const bool written = row.firstKept != 0 && j < row.firstKept;
        EXPECT_EQ(f.window.captions[static_cast<std::size_t>(j)] != TRecordingWindow::kFirstCaption, written) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Failure,
    ::testing::Values(
        // The display's separator and the parser's differ.
        FailureRow{"ParseError", "1,15455", "1.5", kEUR, "'1.5' is not a valid floating point value", 1},
        // A zero rate of the selected currency.
        FailureRow{"DivisionByZero", "0", "5", kUSD, "Floating point division by zero", 1},
        FailureRow{"InvalidOperation", "0", "0", kUSD, "Invalid floating point operation", 1},
        FailureRow{"InvalidOperationZeroComma", "0", "0,", kUSD, "Invalid floating point operation", 1},
        // E beyond Float48.
        FailureRow{"EuroOverflow", "1,15455", "1E39", kEUR, "Floating point overflow", 1},
        FailureRow{"EuroBeyondExtended", "1,15455", "1E5000", kEUR, "'1E5000' is not a valid floating point value", 1},
        // E x rate beyond Float48 at ITL: DEM..IEP written, ITL and after kept.
        FailureRow{"ProductOverflowAtITL", "1,15455", "1000000000000000000000000000000000000", kEUR,
                   "Floating point overflow", 8},
        // A tiny dollar rate: 1 USD is beyond Float48 in euros.
        FailureRow{"TinySourceRate", "1E-38", "100", kUSD, "Floating point overflow", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Convert, ParseErrorMessageHoldsTheParseText) {
    Fixture f;
    f.window.display = "1,5,";  // not cut, no "." to drop
    f.converter.SetCurrent(kEUR);
    try {
        f.converter.Convert();
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1,5,' is not a valid floating point value");
    }
    f.window.display = "1,5.";  // the trailing "." is not in the parse text
    EXPECT_NO_THROW(f.converter.Convert());
    EXPECT_EQ(f.window.captions[kEUR], "1,5.");
    EXPECT_EQ(f.window.captions[1], "              2,93375");
}

TEST(Convert, EarlierResultsStayWhenALaterOneFails) {
    // 10^36 EUR after 1 EUR: DEM..IEP show the new results, ITL..JPY the 1 EUR ones.
    Fixture f;
    f.Convert("1", kEUR, false);
    const auto before = f.window.captions;
    f.window.display = "1" + std::string(36, '0');
    EXPECT_THROW(f.converter.Convert(), EOverflow);
    for (int j = 1; j <= 7; ++j) EXPECT_NE(f.window.captions[static_cast<std::size_t>(j)], before[static_cast<std::size_t>(j)]) << j;
    for (int j : {8, 9, 10, 11, 13, 14, 15}) EXPECT_EQ(f.window.captions[static_cast<std::size_t>(j)], before[static_cast<std::size_t>(j)]) << j;
    EXPECT_EQ(f.window.captions[4], " 1,663859999999E+0038");
}

TEST(Convert, LargestFloat48Rate) {
    // The largest Float48 as a rate: written in exponent form, read back under
    // the rounding option and written again with ten digits.
    Fixture f;
    f.converter.LoadEditableRates("1,7014118346031449E38", "0,70807", "129,289");
    EXPECT_EQ(f.converter.Rate(kUSD).bytes(), (Float48::Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
    f.Convert("1", kEUR, false);
    EXPECT_EQ(f.window.captions[kUSD], " 1,701411834603E+0038");
    f.Convert("1", kEUR, true);
    EXPECT_EQ(f.window.captions[kUSD], " 1,701411835E+0038");
    // Halfway between the largest Float48 and 2^127 is 1,70141183460391860...E38.
    f.converter.LoadEditableRates("1,70141183460391E38", "0,70807", "129,289");
    EXPECT_EQ(f.converter.Rate(kUSD).bytes(), (Float48::Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_THROW(f.converter.LoadEditableRates("1,70141183460392E38", "0,70807", "129,289"), EOverflow);
}

}  // namespace
}  // namespace tresilva::core
