// currency selection and highlighting.
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

struct Selection {
    Selection() : converter(window, ',') {
        converter.InitFixedRates();
        converter.LoadEditableRates("1,15455", "0,70807", "129,289");
    }
    // Start-up: current := i, SelectCurrency (i) without a previous unselect.
    void StartWith(int i, const std::string& display) {
        window.display = display;
        converter.SetCurrent(i);
        converter.SelectCurrency(i);
        window.calls.clear();
    }
    std::vector<std::string> MarkingCalls() const {
        std::vector<std::string> out;
        for (const auto& c : window.calls) {
            if (c.rfind("SetLabelBold", 0) == 0 || c.rfind("SetPanelColor", 0) == 0 || c.rfind("SetMoney", 0) == 0 ||
                c.rfind("CopyFlag", 0) == 0) {
                out.push_back(c);
            }
        }
        return out;
    }
    TRecordingWindow window;
    TConverter converter;
};

TEST(Selection, FromFRFToDEMWithDisplay100) {
    Selection s;
    s.StartWith(6, "100");
    s.converter.CurrencyClick(1);
    EXPECT_EQ(s.converter.Current(), 1);
    EXPECT_EQ(s.window.colors[1], kPanelRed);
    EXPECT_EQ(s.window.captions[1], "100");
    EXPECT_EQ(s.window.colors[6], kPanelNavy);
    EXPECT_EQ(s.window.captions[6], "            335,38549");
    EXPECT_TRUE(s.window.bold[1]);
    EXPECT_FALSE(s.window.bold[6]);
    EXPECT_EQ(s.window.money, "Deutche mark");
    EXPECT_EQ(s.window.flag, 1);
    EXPECT_EQ(s.window.display, "100");  // the display text is kept
    // Order: unmark FRF (label, then panel), mark DEM (name, flag, label, panel), then convert.
    EXPECT_EQ(s.MarkingCalls(), (std::vector<std::string>{"SetLabelBold(6,normal)", "SetPanelColor(6,navy)",
                                                          "SetMoneyCaption(Deutche mark)", "CopyFlag(1)",
                                                          "SetLabelBold(1,bold)", "SetPanelColor(1,red)"}));
    EXPECT_EQ(s.window.calls[6], "DisplayText");  // Convert comes after the marking
}

struct MarkRow {
    int index;
    const char* name;
};

class MarkEach : public ::testing::TestWithParam<MarkRow> {};

TEST_P(MarkEach, ClickMarksOnlyThatCurrency) {
    const auto& row = GetParam();
    Selection s;
    s.StartWith(kEUR, "1");
    s.converter.CurrencyClick(row.index);
    EXPECT_EQ(s.converter.Current(), row.index);
    EXPECT_EQ(s.window.money, row.name);
    EXPECT_EQ(s.window.flag, row.index);
    for (int i = 1; i <= kCurrencyCount; ++i) {
        EXPECT_EQ(s.window.colors[static_cast<std::size_t>(i)], i == row.index ? kPanelRed : kPanelNavy) << i;
        EXPECT_EQ(s.window.bold[static_cast<std::size_t>(i)], i == row.index) << i;
    }
    EXPECT_EQ(s.window.captions[static_cast<std::size_t>(row.index)], "1");
}

INSTANTIATE_TEST_SUITE_P(Selection, MarkEach,
                         ::testing::Values(MarkRow{1, "Deutche mark"}, MarkRow{2, "Schilling"},
                                           MarkRow{3, "Franc belge"}, MarkRow{4, "Pesete"}, MarkRow{5, "Markka"},
                                           MarkRow{6, "Franc fran\xC3\xA7" "ais"}, MarkRow{7, "Livre irlandaise"},
                                           MarkRow{8, "Lire"}, MarkRow{9, "Franc luxembourgeois"},
                                           MarkRow{10, "Florin"}, MarkRow{11, "Escudo portugais"},
                                           MarkRow{12, "Euro"}, MarkRow{13, "US Dollar"},
                                           MarkRow{14, "Livre sterling"}, MarkRow{15, "Yen"}),
                         [](const auto& info) { return std::to_string(info.param.index); });

TEST(Selection, ClickingTheSelectedCurrencyAgain) {
    Selection s;
    s.StartWith(6, "100");
    const auto captions = s.window.captions;
    s.converter.CurrencyClick(6);
    EXPECT_EQ(s.MarkingCalls(), (std::vector<std::string>{"SetLabelBold(6,normal)", "SetPanelColor(6,navy)",
                                                          "SetMoneyCaption(Franc fran\xC3\xA7" "ais)", "CopyFlag(6)",
                                                          "SetLabelBold(6,bold)", "SetPanelColor(6,red)"}));
    EXPECT_TRUE(s.window.Converted());
    EXPECT_EQ(s.window.captions, captions);
    EXPECT_EQ(s.window.colors[6], kPanelRed);
}

TEST(Selection, SelectingEuroShowsTheTypedText) {
    Selection s;
    s.StartWith(6, "100");
    EXPECT_EQ(s.window.captions[kEUR], "             15,24490");
    s.converter.CurrencyClick(kEUR);
    EXPECT_EQ(s.window.money, "Euro");
    EXPECT_EQ(s.window.captions[kEUR], "100");
}

TEST(Selection, StartUpMarksWithoutUnselect) {
    Selection s;
    s.window.display = "0";
    s.converter.SetCurrent(5);
    s.converter.SelectCurrency(5);
    EXPECT_EQ(s.MarkingCalls(), (std::vector<std::string>{"SetMoneyCaption(Markka)", "CopyFlag(5)",
                                                          "SetLabelBold(5,bold)", "SetPanelColor(5,red)"}));
}

TEST(Selection, SeparatorTypedIsNotTouched) {
    Selection s;
    s.StartWith(6, "1,5");
    s.converter.SetSeparatorTyped(true);
    s.converter.CurrencyClick(1);
    EXPECT_TRUE(s.converter.SeparatorTyped());
}

TEST(Selection, IndexesOutside1To15) {
    Selection s;
    s.StartWith(6, "100");
    s.converter.UnselectCurrency(0);
    s.converter.UnselectCurrency(16);
    EXPECT_TRUE(s.window.calls.empty());
    s.converter.SelectCurrency(0);  // marks nothing, still converts
    EXPECT_TRUE(s.MarkingCalls().empty());
    EXPECT_TRUE(s.window.Converted());
    s.window.calls.clear();
    EXPECT_THROW(s.converter.CurrencyClick(16), std::out_of_range);
    EXPECT_THROW(s.converter.CurrencyClick(0), std::out_of_range);
    EXPECT_THROW(s.converter.SetCurrent(-3), std::out_of_range);
    EXPECT_TRUE(s.window.calls.empty());
    EXPECT_EQ(s.converter.Current(), 6);  // current stays within 1..15
}

TEST(Selection, CurrentStartsAtEuro) {
    TRecordingWindow window;
    TConverter converter(window, ',');
    EXPECT_EQ(converter.Current(), kEUR);
    EXPECT_FALSE(converter.SeparatorTyped());
}

TEST(Selection, FailedConvertKeepsTheNewSelectionMarked) {
    Selection s;
    s.converter.LoadEditableRates("0", "0,70807", "129,289");
    s.StartWith(6, "100");
    EXPECT_THROW(s.converter.CurrencyClick(kUSD), EZeroDivide);
    EXPECT_EQ(s.converter.Current(), kUSD);
    EXPECT_EQ(s.window.colors[kUSD], kPanelRed);
    EXPECT_TRUE(s.window.bold[kUSD]);
    EXPECT_EQ(s.window.money, "US Dollar");
    EXPECT_EQ(s.window.colors[6], kPanelNavy);
    EXPECT_EQ(s.window.captions[kUSD], "100");
    EXPECT_EQ(s.window.captions[6], "100");  // FRF keeps its previous text
}

TEST(Separator, OnlyPointAndCommaAreSeparators) {
    TRecordingWindow window;
    EXPECT_EQ(TConverter(window, '.').Separator(), '.');
    EXPECT_EQ(TConverter(window, ',').Separator(), ',');
    EXPECT_EQ(TConverter(window, ';').Separator(), ',');
    EXPECT_EQ(TConverter(window, '\0').Separator(), ',');
}

}  // namespace
}  // namespace tresilva::core
