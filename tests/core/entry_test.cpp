// the amount entry, its state machine and its edge cases.
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

struct Entry {
    explicit Entry(char separator = ',') : converter(window, separator) {
        converter.InitFixedRates();
        converter.LoadEditableRates(DefaultRateText(kUSD, separator), DefaultRateText(kGBP, separator),
                                    DefaultRateText(kJPY, separator));
        converter.SetCurrent(6);  // FRF
    }
    void Start(const std::string& display, bool separatorTyped) {
        window.display = display;
        converter.SetSeparatorTyped(separatorTyped);
        window.calls.clear();
    }
    TRecordingWindow window;
    TConverter converter;
};

// ---------------------------------------------------------------- the state table

enum class Action { TypeDigit, TypeSeparator, ClickDigit, ClickSeparator, Backspace, EraseKey, Delete };

struct TransitionRow {
    const char* name;
    const char* display;
    bool separatorTyped;  // true exactly in the state Fraction
    Action action;
    char digit;           // for the digit actions
    const char* after;
    bool separatorTypedAfter;
    bool converts;
};

class Transition : public ::testing::TestWithParam<TransitionRow> {};

TEST_P(Transition, DisplayStateAndConversion) {
    const auto& row = GetParam();
    Entry e;
    e.Start(row.display, row.separatorTyped);
    char key;
    switch (row.action) {
        case Action::TypeDigit: key = row.digit; e.converter.FormKeyPress(key); break;
        case Action::TypeSeparator: key = ','; e.converter.FormKeyPress(key); break;
        case Action::ClickDigit: e.converter.KeyClick(row.digit); break;
        case Action::ClickSeparator: e.converter.KeyClick(kSeparatorKey); break;
        case Action::Backspace: e.converter.FormKeyUp(8); break;
        case Action::EraseKey: e.converter.EraseKeyClick(); break;
        case Action::Delete: e.converter.FormKeyUp(46); break;
    }
    EXPECT_EQ(e.window.display, row.after);
    EXPECT_EQ(e.converter.SeparatorTyped(), row.separatorTypedAfter);
    EXPECT_EQ(e.window.Converted(), row.converts);
    if (row.converts) {
        EXPECT_EQ(e.window.captions[6], row.after);  // the source panel shows the display text
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entry, Transition,
    ::testing::Values(
        // Zero "0"
        TransitionRow{"Zero_Digit0", "0", false, Action::TypeDigit, '0', "0", false, true},
        TransitionRow{"Zero_Digit7", "0", false, Action::TypeDigit, '7', "7", false, true},
        TransitionRow{"Zero_ClickDigit7", "0", false, Action::ClickDigit, '7', "7", false, true},
        TransitionRow{"Zero_Separator", "0", false, Action::TypeSeparator, 0, "0,", true, true},
        TransitionRow{"Zero_ClickSeparator", "0", false, Action::ClickSeparator, 0, "0,", true, true},
        TransitionRow{"Zero_Backspace", "0", false, Action::Backspace, 0, "0", false, true},
        TransitionRow{"Zero_EraseKey", "0", false, Action::EraseKey, 0, "0", false, true},
        TransitionRow{"Zero_Delete", "0", false, Action::Delete, 0, "0", false, true},
        // Integer "12"
        TransitionRow{"Integer_Digit", "12", false, Action::TypeDigit, '3', "123", false, true},
        TransitionRow{"Integer_Digit0", "12", false, Action::TypeDigit, '0', "120", false, true},
        TransitionRow{"Integer_Separator", "12", false, Action::TypeSeparator, 0, "12,", true, true},
        TransitionRow{"Integer_Backspace", "12", false, Action::Backspace, 0, "1", false, true},
        TransitionRow{"Integer_EraseKey", "12", false, Action::EraseKey, 0, "1", false, true},
        TransitionRow{"Integer_OneCharBackspace", "7", false, Action::Backspace, 0, "0", false, true},
        TransitionRow{"Integer_OneCharEraseKey", "7", false, Action::EraseKey, 0, "0", false, true},
        TransitionRow{"Integer_Delete", "12", false, Action::Delete, 0, "0", false, true},
        // Fraction "12,5"
        TransitionRow{"Fraction_Digit", "12,5", true, Action::TypeDigit, '3', "12,53", true, true},
        TransitionRow{"Fraction_SeparatorIgnored", "12,5", true, Action::TypeSeparator, 0, "12,5", true, false},
        TransitionRow{"Fraction_ClickSeparatorIgnored", "12,5", true, Action::ClickSeparator, 0, "12,5", true, false},
        TransitionRow{"Fraction_BackspaceDigit", "12,5", true, Action::Backspace, 0, "12,", true, true},
        TransitionRow{"Fraction_BackspaceSeparator", "12,", true, Action::Backspace, 0, "12", false, true},
        TransitionRow{"Fraction_EraseKeySeparator", "12,", true, Action::EraseKey, 0, "12", false, true},
        TransitionRow{"Fraction_BackspaceToZero", "0,", true, Action::Backspace, 0, "0", false, true},
        TransitionRow{"Fraction_Delete", "12,5", true, Action::Delete, 0, "0", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- FormKeyPress

struct KeyPressRow {
    const char* name;
    char separator;
    char typed;
    char keyAfter;          // the key as the handler leaves it
    const char* display;    // after typing on "1"
    const char* flashed;    // "" when no key flashes
};

class KeyPress : public ::testing::TestWithParam<KeyPressRow> {};

TEST_P(KeyPress, AcceptsReplacesAndFlashes) {
    const auto& row = GetParam();
    Entry e(row.separator);
    e.Start("1", false);
    char key = row.typed;
    e.converter.FormKeyPress(key);
    EXPECT_EQ(key, row.keyAfter);
    EXPECT_EQ(e.window.display, row.display);
    const auto hides = e.window.CallsStartingWith("HideKey");
    if (*row.flashed == 0) {
        EXPECT_TRUE(hides.empty());
        EXPECT_TRUE(e.window.calls.empty());  // ignored: nothing happens at all
    } else {
        EXPECT_EQ(hides, std::vector<std::string>{std::string("HideKey(") + row.flashed + ")"});
        // hidden and shown again, nothing in between, after the conversion
        ASSERT_GE(e.window.calls.size(), 2u);
        EXPECT_EQ(e.window.calls[e.window.calls.size() - 2], std::string("HideKey(") + row.flashed + ")");
        EXPECT_EQ(e.window.calls.back(), std::string("ShowKey(") + row.flashed + ")");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entry, KeyPress,
    ::testing::Values(KeyPressRow{"Digit", ',', '5', '5', "15", "5"},
                      KeyPressRow{"Digit0", ',', '0', '0', "10", "0"},
                      KeyPressRow{"CommaWithComma", ',', ',', ',', "1,", "P"},
                      KeyPressRow{"PointEntersComma", ',', '.', ',', "1,", "P"},
                      KeyPressRow{"CommaEntersPoint", '.', ',', '.', "1.", "P"},
                      KeyPressRow{"PointWithPoint", '.', '.', '.', "1.", "P"},
                      KeyPressRow{"LetterIgnored", ',', 'a', 'a', "1", ""},
                      KeyPressRow{"MinusIgnored", ',', '-', '-', "1", ""},
                      KeyPressRow{"SpaceIgnored", ',', ' ', ' ', "1", ""},
                      KeyPressRow{"BackspaceCharIgnored", ',', '\b', '\b', "1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- edge cases

TEST(Entry, Typing12Point5GivesCommaText) {
    Entry e;
    e.Start("0", false);
    for (char c : std::string("12.5")) {
        char key = c;
        e.converter.FormKeyPress(key);
    }
    EXPECT_EQ(e.window.display, "12,5");
    EXPECT_TRUE(e.converter.SeparatorTyped());
}

TEST(Entry, SecondSeparatorIgnoredButTPFlashes) {
    Entry e;
    e.Start("12,5", true);
    char key = '.';
    e.converter.FormKeyPress(key);
    EXPECT_EQ(e.window.calls, (std::vector<std::string>{"HideKey(P)", "ShowKey(P)"}));
}

TEST(Entry, ErasingStepByStep) {
    Entry e;
    e.Start("12,5", true);
    const std::vector<std::pair<std::string, bool>> steps = {
        {"12,", true}, {"12", false}, {"1", false}, {"0", false}, {"0", false}};
    for (const auto& [display, typed] : steps) {
        e.converter.FormKeyUp(8);
        EXPECT_EQ(e.window.display, display);
        EXPECT_EQ(e.converter.SeparatorTyped(), typed) << display;
    }
}

TEST(Entry, DeleteThenSeparatorGivesZeroComma) {
    Entry e;
    e.Start("12,5", true);
    e.converter.FormKeyUp(46);
    EXPECT_EQ(e.window.display, "0");
    EXPECT_FALSE(e.converter.SeparatorTyped());
    e.converter.KeyClick(kSeparatorKey);
    EXPECT_EQ(e.window.display, "0,");
}

TEST(Entry, ReleaseOfAnyKeyConvertsWithTextUnchanged) {
    for (std::uint16_t key : {16, 37, 65, 53, 13, 0xFFFF}) {  // Shift, left arrow, "A", "5", Enter, anything
        Entry e;
        e.Start("12,5", true);
        e.converter.FormKeyUp(key);
        EXPECT_EQ(e.window.calls[0], "DisplayText");
        EXPECT_EQ(e.window.calls[1], "SetDisplayText(12,5)");
        EXPECT_EQ(e.window.calls[3], "SetPanelCaption(6,12,5)");
        EXPECT_EQ(e.window.display, "12,5");
        EXPECT_TRUE(e.converter.SeparatorTyped());
    }
}

TEST(Entry, OnScreenKeysGrowBeyond255UntilTheNextRelease) {
    Entry e;
    e.Start("0,", true);
    for (int i = 2; i < 300; ++i) e.converter.KeyClick('0');
    EXPECT_EQ(e.window.display.size(), 300u);
    e.converter.FormKeyUp(16);
    EXPECT_EQ(e.window.display, "0," + std::string(253, '0'));
}

TEST(Entry, EraseKeyCutsTo255ThenRemovesOne) {
    Entry e;
    e.Start("0," + std::string(298, '0'), true);
    e.converter.EraseKeyClick();
    EXPECT_EQ(e.window.display, "0," + std::string(252, '0'));
}

TEST(Entry, KeyboardStopsGrowingAt255) {
    // Each typed character is followed by its key's release.
    Entry e;
    e.Start("0,", true);
    for (int i = 0; i < 300; ++i) {
        char key = '0';
        e.converter.FormKeyPress(key);
        e.converter.FormKeyUp(48);
    }
    EXPECT_EQ(e.window.display.size(), 255u);
}

TEST(Entry, EraseCountsCharactersNotBytes) {
    Entry e;
    e.Start("12\xC3\xA9", false);  // a two-byte character at the end
    e.converter.EraseKeyClick();
    EXPECT_EQ(e.window.display, "12");
    std::string long_text;
    for (int i = 0; i < 300; ++i) long_text += "\xC3\xA9";
    e.Start(long_text, false);
    EXPECT_EQ(e.converter.EraseCopy().size(), 510u);  // 255 characters of two bytes
}

TEST(Entry, ClickHandlers) {
    Entry e;
    e.Start("0", false);
    e.converter.KeyClick('4');
    EXPECT_EQ(e.window.display, "4");
    EXPECT_EQ(e.window.calls.back(), "ShowKey(4)");
    e.converter.KeyClick(kSeparatorKey);
    EXPECT_EQ(e.window.display, "4,");
    EXPECT_EQ(e.window.calls.back(), "ShowKey(P)");
    EXPECT_THROW(e.converter.KeyClick('x'), std::invalid_argument);
    EXPECT_EQ(e.window.display, "4,");
}

TEST(Entry, FlashKeyOnlyForKeysThatExist) {
    Entry e;
    e.Start("0", false);
    for (char c : std::string("0123456789,.")) e.converter.FlashKey(c);
    EXPECT_EQ(e.window.calls.size(), 24u);
    e.window.calls.clear();
    for (char c : std::string("aP -+E")) e.converter.FlashKey(c);
    EXPECT_TRUE(e.window.calls.empty());
}

TEST(Entry, AppendCharCallOrder) {
    Entry e;
    e.Start("1", false);
    e.converter.AppendChar('2');
    ASSERT_GE(e.window.calls.size(), 4u);
    EXPECT_EQ(e.window.calls[0], "DisplayText");
    EXPECT_EQ(e.window.calls[1], "SetDisplayText(12)");
    EXPECT_EQ(e.window.calls[2], "DisplayText");  // Convert reads it afresh
    EXPECT_EQ(e.window.calls[3], "SetPanelCaption(6,12)");
}

// ---------------------------------------------------------------- failures

TEST(EntryFailure, FailedConvertLeavesTheKeyUnflashed) {
    Entry e;
    e.converter.LoadEditableRates("0", "0,70807", "129,289");
    e.converter.SetCurrent(kUSD);  // a zero rate: 5 / 0
    e.Start("0", false);
    char key = '5';
    EXPECT_THROW(e.converter.FormKeyPress(key), EZeroDivide);
    EXPECT_EQ(e.window.display, "5");  // the text already written stays
    EXPECT_TRUE(e.window.CallsStartingWith("HideKey").empty());
    EXPECT_THROW(e.converter.KeyClick('5'), EZeroDivide);
    EXPECT_TRUE(e.window.CallsStartingWith("HideKey").empty());
}

TEST(EntryFailure, FailedConvertLeavesSeparatorTypedUnset) {
    Entry e;
    e.converter.LoadEditableRates("0", "0,70807", "129,289");
    e.converter.SetCurrent(kUSD);
    e.Start("5", false);
    char key = ',';
    EXPECT_THROW(e.converter.FormKeyPress(key), EZeroDivide);
    EXPECT_EQ(e.window.display, "5,");
    EXPECT_FALSE(e.converter.SeparatorTyped());
    EXPECT_TRUE(e.window.CallsStartingWith("HideKey").empty());
    // so a second separator is appended again
    EXPECT_THROW(e.converter.KeyClick(kSeparatorKey), ECoreError);
    EXPECT_EQ(e.window.display, "5,,");
}

TEST(EntryFailure, FailedConvertAfterErase) {
    Entry e;
    e.converter.LoadEditableRates("0", "0,70807", "129,289");
    e.converter.SetCurrent(kUSD);
    e.Start("12,", true);
    EXPECT_THROW(e.converter.FormKeyUp(8), EZeroDivide);
    EXPECT_EQ(e.window.display, "12");  // written before the conversion
    EXPECT_FALSE(e.converter.SeparatorTyped());
}

}  // namespace
}  // namespace tresilva::core
