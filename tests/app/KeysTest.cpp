// Keys and clicks of the main window: typed characters and releases, the
// on-screen keypad, the erase key, backspace, delete, a held key, and the
// choice of a currency by its label, flag or panel.
#include "tests/app/AppFixture.h"
#include "controls/freelib/BmpTransparent.h"

namespace tresilva::test {
namespace {

using KeysTest = AppTest;

// The panels of one amount, in currency order (the current one shows the amount).
void ExpectPanels(const std::vector<std::string>& texts) {
    for (int i = 1; i <= 15; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(AppTest::PanelText(i), texts[static_cast<std::size_t>(i - 1)]);
    }
}

const std::vector<std::string> k105Frf = {"31,30726", "220,26314", "645,72670", "2663,36513", "95,17417",
                                          "105",      "12,60665",  "30994,15815", "645,72670", "35,27511",
                                          "3209,14481", "16,00715", "18,48105", "11,33418", "2069,54800"};

TEST_F(KeysTest, RoadOfOneKeyPress) {
    WriteSettings("monnaie=5\r\n");
    Start();
    Type("10");
    ASSERT_EQ(Display(), "10");
    // The character alone already converts and flashes the key.
    KeyPress(Qt::Key_5, "5");
    EXPECT_EQ(Display(), "105");
    ExpectPanels(k105Frf);
    EXPECT_TRUE(Get(*Form1, "T5").Visible());
    // The release writes the text back and converts again.
    KeyRelease(Qt::Key_5, "5");
    EXPECT_EQ(Display(), "105");
    ExpectPanels(k105Frf);
    // Panels keep their width: right-aligned texts with leading blanks.
    EXPECT_EQ(Panel(1).Caption(), std::string(13, ' ') + "31,30726");
    EXPECT_TRUE(errors.empty());
}

class CurrencyClickTest : public AppTest, public testing::WithParamInterface<const char*> {};

TEST_P(CurrencyClickTest, LabelFlagOrPanelOfDemMakesItCurrent) {
    WriteSettings("monnaie=5\r\n");
    Start();
    Type("100");
    ASSERT_EQ(PanelText(1), "29,81644");
    Click(*Form1, GetParam());
    EXPECT_EQ(Form1->Converter().Current(), 1);
    EXPECT_EQ(Panel(1).Color(), clRed);
    EXPECT_EQ(PanelText(1), "100");
    EXPECT_EQ(Panel(6).Color(), clNavy);
    EXPECT_EQ(PanelText(6), "335,38549");
    EXPECT_EQ(Label(1).Font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(Label(6).Font().Style(), TFontStyles(0));
    EXPECT_EQ(Money(), "Deutche mark");
    EXPECT_EQ(Display(), "100");
}

INSTANTIATE_TEST_SUITE_P(Elements, CurrencyClickTest, testing::Values("m1", "f1", "c1"));

TEST_F(KeysTest, EveryCurrencyElementCallsItsOwnSlot) {
    Start();
    for (int i = 1; i <= 15; ++i) {
        for (const char* kind : {"m", "f", "c"}) {
            Click(*Form1, Indexed(kind, i));
            EXPECT_EQ(Form1->Converter().Current(), i) << kind << i;
        }
    }
}

TEST_F(KeysTest, KeypadKeysAndTheEraseKey) {
    Start();  // EUR current
    for (const char* key : {"T1", "T2", "TP", "T5"}) Click(*Form1, key);
    EXPECT_EQ(Display(), "12,5");
    ExpectPanels({"24,44788", "172,00375", "504,24875", "2079,82500", "74,32162", "81,99462", "9,84455",
                  "24203,37500", "504,24875", "27,54638", "2506,02500", "12,5", "14,43187", "8,85087",
                  "1616,11250"});
    Click(*Form1, "TP");  // one separator only
    EXPECT_EQ(Display(), "12,5");
    Click(*Form1, "BmpTransparent1");
    Click(*Form1, "BmpTransparent1");
    EXPECT_EQ(Display(), "12");
    Click(*Form1, "TP");  // erasing the separator allows a new one
    EXPECT_EQ(Display(), "12,");
    for (int i = 0; i < 4; ++i) Click(*Form1, "BmpTransparent1");
    EXPECT_EQ(Display(), "0");
    for (const char* key : {"T0", "T3", "T4", "T6", "T7", "T8", "T9"}) Click(*Form1, key);
    EXPECT_EQ(Display(), "346789");
    for (const char* key : {"T0", "T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "TP"}) {
        EXPECT_TRUE(Get(*Form1, key).Visible()) << key;
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(KeysTest, BackspaceDeleteAndSeparatorsFromTheKeyboard) {
    Start();
    Type("12.");  // "." is taken as the region's ","
    EXPECT_EQ(Display(), "12,");
    Type(",5");  // a second separator is ignored
    EXPECT_EQ(Display(), "12,5");
    KeyPress(Qt::Key_Backspace, "\b");
    KeyRelease(Qt::Key_Backspace, "\b");
    EXPECT_EQ(Display(), "12,");
    KeyPress(Qt::Key_Backspace, "\b");
    KeyRelease(Qt::Key_Backspace, "\b");
    EXPECT_EQ(Display(), "12");
    EXPECT_EQ(PanelText(1), "23,46996");
    KeyPress(Qt::Key_Delete, "\x7f");
    KeyRelease(Qt::Key_Delete, "\x7f");
    EXPECT_EQ(Display(), "0");
    EXPECT_EQ(PanelText(1), "0,00000");
    Type("x");  // not a digit: nothing happens
    EXPECT_EQ(Display(), "0");
}

TEST_F(KeysTest, HeldKeyTypesRepeatedlyAndReleasesOnce) {
    Start();
    KeyPress(Qt::Key_7, "7");
    for (int i = 0; i < 2; ++i) {
        KeyRelease(Qt::Key_7, "7", true);
        KeyPress(Qt::Key_7, "7", true);
    }
    EXPECT_EQ(Display(), "777");
    KeyRelease(Qt::Key_7, "7");
    EXPECT_EQ(Display(), "777");
    EXPECT_EQ(PanelText(1), "1519,67991");
}

}  // namespace
}  // namespace tresilva::test
