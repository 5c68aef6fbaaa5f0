// Start-up: the settings read into the dialogs' controls, the current
// currency made and marked, the first conversion, and the rate error at start.
#include <QGuiApplication>
#include <QScreen>

#include "tests/app/AppFixture.h"

namespace tresilva::test {
namespace {

bool SamePicture(const TImage& a, const TImage& b) {
    const TBitmap& x = a.Picture().Bitmap();
    const TBitmap& y = b.Picture().Bitmap();
    if (x.Width() != y.Width() || x.Height() != y.Height() || x.Width() == 0) return false;
    for (int j = 0; j < x.Height(); ++j) {
        for (int i = 0; i < x.Width(); ++i) {
            if (x.Pixel(i, j) != y.Pixel(i, j)) return false;
        }
    }
    return true;
}

using StartupTest = AppTest;

TEST_F(StartupTest, FirstRunWithoutSettingsFileMakesEuroCurrent) {
    Start();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Application.Title(), "Tresilva 99");
    EXPECT_EQ(Form1->Widget()->windowTitle(), "Tresilva 99");
    EXPECT_EQ(Form1->Widget()->size(), QSize(563, 283));
    // Centred: the outer frame (571 x 310) in the middle of the screen.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Form1->Widget()->pos(),
              QPoint(area.x() + (area.width() - 571) / 2, area.y() + (area.height() - 310) / 2));
    EXPECT_EQ(StartupDir, startDir.string() + "/");
    EXPECT_EQ(Application.HelpFile(), startDir.string() + "/DOCFR.HLP");

    EXPECT_EQ(config->monnaie().ItemIndex(), 11);
    EXPECT_FALSE(config->arrondir().Checked());
    EXPECT_EQ(config->USD().Text(), "1,15455");
    EXPECT_EQ(config->GBP().Text(), "0,70807");
    EXPECT_EQ(config->JPY().Text(), "129,289");
    EXPECT_FALSE(apropos->afficher().Checked());

    EXPECT_EQ(Display(), "0");
    EXPECT_EQ(Money(), "Euro");
    EXPECT_TRUE(SamePicture(Get<TImage>(*Form1, "flag"), Get<TImage>(*Form1, "f12")));
    for (int i = 1; i <= 15; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PanelText(i), i == 12 ? "0" : "0,00000");
        EXPECT_EQ(Panel(i).Color(), i == 12 ? clRed : clNavy);
        EXPECT_EQ(Label(i).Font().Style(), i == 12 ? TFontStyles(fsBold) : TFontStyles(0));
    }
    // Nothing is written by a start.
    EXPECT_FALSE(fs::exists(configDir / "Tresilva.ini"));
}

struct StoredCase {
    const char* keys;
    int current;         // the currency made current
    int itemIndex;       // the list's selection
    bool arrondir;
    const char* money;
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << testing::PrintToString(std::string(c.keys)); }

class StoredSettingsTest : public AppTest, public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSettingsTest, LoadIntoTheDialogsAndChooseTheCurrentCurrency) {
    WriteSettings(GetParam().keys);
    Start();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(config->monnaie().ItemIndex(), GetParam().itemIndex);
    EXPECT_EQ(config->arrondir().Checked(), GetParam().arrondir);
    EXPECT_EQ(Money(), GetParam().money);
    const int c = GetParam().current;
    EXPECT_EQ(Form1->Converter().Current(), c);
    EXPECT_EQ(Panel(c).Color(), clRed);
    EXPECT_EQ(PanelText(c), "0");
    EXPECT_EQ(Label(c).Font().Style(), TFontStyles(fsBold));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StoredSettingsTest,
    testing::Values(StoredCase{"monnaie=5\r\n", 6, 5, false, "Franc français"},
                    StoredCase{"MONNAIE=0x0C\r\narrondir=2\r\n", 13, 12, true, "US Dollar"},
                    StoredCase{"monnaie=0\r\narrondir=0x1\r\n", 1, 0, true, "Deutche mark"},
                    StoredCase{"monnaie=un\r\narrondir=oui\r\n", 12, 11, false, "Euro"},
                    // Outside the list: no selection, and the euro is current.
                    StoredCase{"monnaie=15\r\n", 12, -1, false, "Euro"},
                    StoredCase{"monnaie=-1\r\n", 12, -1, false, "Euro"}));

TEST_F(StartupTest, DefaultRatesFollowTheRegionsSeparator) {
    SetSeparator('.');
    Start();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(config->USD().Text(), "1.15455");
    EXPECT_EQ(config->GBP().Text(), "0.70807");
    EXPECT_EQ(config->JPY().Text(), "129.289");
    Type("1");
    EXPECT_EQ(PanelText(13), "1.15455");
    EXPECT_EQ(PanelText(15), "129.28900");
}

TEST_F(StartupTest, StoredRateTextsAreReadAsTheyStand) {
    // A comma text read where the separator is "." fails like any bad text.
    SetSeparator('.');
    WriteSettings("USD=1,15455\r\n");
    Start();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Tresilva 99|'1,15455' is not a valid floating point value.");
}

TEST_F(StartupTest, RateErrorAtStartIsShownAndTheWindowIsStillUsable) {
    WriteSettings("monnaie=5\r\nGBP=abc\r\n");
    Start();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Tresilva 99|'abc' is not a valid floating point value.");
    // The rate before the bad one is loaded; the ones from it on are not.
    EXPECT_EQ(Form1->Converter().Rate(13), core::Float48::Store(1.15455L));
    EXPECT_EQ(Form1->Converter().Rate(14), core::Float48());
    EXPECT_EQ(Form1->Converter().Current(), 6);
    EXPECT_EQ(Panel(6).Color(), clRed);
    EXPECT_EQ(Money(), "Franc français");
    Type("100");
    EXPECT_EQ(PanelText(1), "29,81644");
    EXPECT_EQ(PanelText(13), "17,60100");
    EXPECT_EQ(PanelText(14), "0,00000");
}

}  // namespace
}  // namespace tresilva::test
