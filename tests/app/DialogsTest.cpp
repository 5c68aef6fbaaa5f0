// The dialogs and the launches: the configuration dialog applied on every
// close, the rates dialog, the about window at exit and the settings saved
// after it, the help menu, the web page and the catalogue program.
#include "tests/app/AppFixture.h"

namespace tresilva::test {
namespace {

using DialogsTest = AppTest;

const std::string kDefaultFile = kSectionBytes +
                                 "\r\narrondir=0\r\nmonnaie=11\r\nUSD=1,15455\r\nGBP=0,70807\r\nJPY=129,289\r\n"
                                 "apropos=0\r\n";

TEST_F(DialogsTest, TickingRoundingAndClosingByTheCloseBoxRoundsAtOnce) {
    WriteSettings("monnaie=5\r\n");
    Start();
    Type("100");
    ASSERT_EQ(PanelText(1), "29,81644");
    bool shown = false;
    WhenShown(*config, [&] {
        shown = config->Widget()->isVisible();
        Click(*config, "arrondir");
        CloseBox(*config);
    });
    Click(*Form1, "BmpTransparent4");
    EXPECT_TRUE(shown);
    EXPECT_TRUE(config->arrondir().Checked());
    EXPECT_FALSE(config->Widget()->isVisible());
    EXPECT_EQ(PanelText(1), "29,82");
    EXPECT_EQ(PanelText(12), "15,24");
    EXPECT_EQ(PanelText(15), "1971,00");
    EXPECT_EQ(PanelText(6), "100");
    EXPECT_TRUE(errors.empty());
}

TEST_F(DialogsTest, OkButtonClosesAndANewUsdRateApplies) {
    Start();
    Type("1");
    WhenShown(*config, [&] {
        config->USD().SetText("2");
        Click(*config, "BitBtn1");
    });
    Click(*Form1, "BmpTransparent4");
    EXPECT_EQ(PanelText(13), "2,00000");
    EXPECT_TRUE(errors.empty());
}

TEST_F(DialogsTest, AWordInGbpIsReportedAndThePanelsStay) {
    Start();
    Type("1");
    ASSERT_EQ(PanelText(13), "1,15455");
    const core::Float48 gbp = Form1->Converter().Rate(14);
    const core::Float48 jpy = Form1->Converter().Rate(15);
    WhenShown(*config, [&] {
        config->USD().SetText("2");
        config->GBP().SetText("livre");
        CloseBox(*config);
    });
    Click(*Form1, "BmpTransparent4");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Tresilva 99|'livre' is not a valid floating point value.");
    EXPECT_EQ(Form1->Converter().Rate(13), core::Float48::Store(2.0L));
    EXPECT_EQ(Form1->Converter().Rate(14), gbp);
    EXPECT_EQ(Form1->Converter().Rate(15), jpy);
    EXPECT_EQ(PanelText(13), "1,15455");  // not recomputed
    EXPECT_EQ(config->GBP().Text(), "livre");
}

TEST_F(DialogsTest, EnterInUsdAndEscapeLeaveTheDialogOpen) {
    Start();
    bool openAfterKeys = false, closedByEnter = false;
    WhenShown(*config, [&] {
        QWidget* usd = config->USD().Widget();
        usd->setFocus();
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape)}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(usd, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QCoreApplication::sendEvent(usd, &release);
            QKeyEvent onDialog(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(config->Widget(), &onDialog);
        }
        Pump();
        openAfterKeys = config->Widget()->isVisible() && config->ModalResult() == mrNone;
        // Enter on the focused OK button does close it.
        QWidget* ok = Get<TWinControl>(*config, "BitBtn1").Widget();
        ok->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(ok, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(ok, &release);
        closedByEnter = config->ModalResult() == mrOk;
        if (!closedByEnter) CloseBox(*config);
    });
    Click(*Form1, "BmpTransparent4");
    EXPECT_TRUE(openAfterKeys);
    EXPECT_TRUE(closedByEnter);
}

TEST_F(DialogsTest, ChosenDefaultCurrencyWaitsForTheNextStart) {
    Start();
    WhenShown(*config, [&] {
        config->monnaie().SetItemIndex(14);  // JPY
        CloseBox(*config);
    });
    Click(*Form1, "BmpTransparent4");
    EXPECT_EQ(Form1->Converter().Current(), 12);
    EXPECT_EQ(Money(), "Euro");
}

TEST_F(DialogsTest, RatesDialogShowsItsStoredTexts) {
    SetSeparator('.');
    WriteSettings("arrondir=1\r\n");
    Start();
    std::vector<std::string> captions;
    bool visible = false;
    Qt::WindowFlags flags;
    WhenShown(*taux, [&] {
        visible = taux->Widget()->isVisible();
        flags = taux->Widget()->windowFlags();
        for (int i = 1; i <= 11; ++i) captions.push_back(Get(*taux, Indexed("m", i)).Caption());
        captions.push_back(Get(*taux, "Label1").Caption());
        Click(*taux, "m3");  // does nothing
        Click(*taux, "f3");
        CloseBox(*taux);
    });
    Click(*Form1, "BmpAnime14");
    EXPECT_TRUE(visible);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(captions, (std::vector<std::string>{" 1,95583 DEM", " 13,7603 ATS", " 40,3399 BEF", " 166,386 ESP",
                                                  " 5,94573 FIM", " 6, 55957 FRF", " 0,787564 IEP", " 1936,27 ITL",
                                                  " 40,3399 LUF", " 2,20371 NLG", " 200,482 PTE", "1 Euro = "}));
    EXPECT_EQ(taux->Widget()->windowTitle(), "Taux de conversion");
    EXPECT_EQ(taux->ClientWidth(), 176);
    EXPECT_EQ(taux->ClientHeight(), 239);
    EXPECT_TRUE(errors.empty());
}

TEST_F(DialogsTest, QuitShowsTheAboutWindowThenRewritesAllSixKeys) {
    Start();
    bool aboutShown = false, savedBefore = true;
    Qt::WindowFlags flags;
    WhenShown(*apropos, [&] {
        aboutShown = apropos->Widget()->isVisible();
        flags = apropos->Widget()->windowFlags();
        savedBefore = fs::exists(configDir / "Tresilva.ini");
        Click(*apropos, "tf2");  // "Cliquez ici"
    });
    Click(*Form1, "BmpTransparent3");
    EXPECT_TRUE(aboutShown);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(savedBefore);
    EXPECT_EQ(SettingsBytes(), kDefaultFile);
    EXPECT_FALSE(Form1->Widget()->isVisible());
    EXPECT_TRUE(Application.Terminated());
    EXPECT_TRUE(errors.empty());
}

TEST_F(DialogsTest, CloseBoxOfTheMainWindowAndOfTheAboutWindow) {
    // The window manager's close request on the about window acts like "Cliquez ici".
    WriteSettings("monnaie=un\r\nUSD=1.2\r\nother=kept\r\n");
    Start();
    errors.clear();
    bool aboutShown = false;
    WhenShown(*apropos, [&] {
        aboutShown = apropos->Widget()->isVisible();
        Click(*apropos, "afficher");
        CloseBox(*apropos);
    });
    CloseBox(*Form1);
    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(SettingsBytes(), kSectionBytes +
                                   "\r\nmonnaie=11\r\nUSD=1.2\r\nother=kept\r\narrondir=0\r\nGBP=0,70807\r\n"
                                   "JPY=129,289\r\napropos=1\r\n");
    EXPECT_TRUE(Application.Terminated());
}

TEST_F(DialogsTest, WithAfficherTickedNoAboutWindowAtExitButTheMenuStillShowsIt) {
    WriteSettings("apropos=1\r\n");
    Start();
    int aboutShown = 0;
    auto closeAbout = [&] {
        if (apropos->Widget() && apropos->Widget()->isVisible()) {
            ++aboutShown;
            Click(*apropos, "tf2");
        }
    };
    WhenMenu("&A propos");
    WhenShown(*apropos, closeAbout);
    Click(*Form1, "BmpTransparent5");
    Pump();
    EXPECT_EQ(aboutShown, 1);
    WhenShown(*apropos, closeAbout, 40);
    Click(*Form1, "BmpTransparent3");
    Pump();
    EXPECT_EQ(aboutShown, 1);
    EXPECT_NE(SettingsBytes().find("apropos=1\r\n"), std::string::npos);
}

TEST_F(DialogsTest, UnwritableSettingsFolderKeepsTheWindowOpen) {
    WriteSettings("apropos=1\r\n");
    Start();
    fs::permissions(configDir, fs::perms::owner_read | fs::perms::owner_exec);
    Click(*Form1, "BmpTransparent3");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Tresilva 99|Ne peut écrire dans Tresilva.ini.");
    EXPECT_TRUE(Form1->Widget()->isVisible());
    // The close did not complete: the window still takes keys.
    Type("7");
    EXPECT_EQ(Display(), "7");
    EXPECT_EQ(SettingsBytes(), kSectionBytes + "\r\napropos=1\r\n");
}

struct WebCase {
    const char* via;  // a menu item caption, or an element of the about window
    TModalResult answer;
};

void PrintTo(const WebCase& c, std::ostream* os) { *os << c.via << (c.answer == mrOk ? " OK" : " Annuler"); }

class WebPageTest : public AppTest, public testing::WithParamInterface<WebCase> {};

TEST_P(WebPageTest, ConfirmationThenTheAddress) {
    Start();
    answer = GetParam().answer;
    const std::string via = GetParam().via;
    if (via[0] == '&') {
        WhenMenu(QString::fromStdString(via));
        Click(*Form1, "BmpTransparent5");
    } else {
        WhenShown(*apropos, [&] {
            Click(*apropos, via);
            Click(*apropos, "tf2");
        });
        Click(*Form1, "BmpTransparent3");
        Pump();
    }
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, "Exécution du navigateur pour visiter notre site web.");
    EXPECT_EQ(dialogs[0].type, mtConfirmation);
    EXPECT_EQ(dialogs[0].buttons, MsgDlgButtons({mbOK, mbCancel}));
    if (answer == mrOk) {
        EXPECT_EQ(launcher.urls, std::vector<std::string>{"http://www.tresilva.example/telechargement.html"});
    } else {
        EXPECT_TRUE(launcher.urls.empty());
    }
    EXPECT_TRUE(launcher.programs.empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, WebPageTest,
                         testing::Values(WebCase{"&Site web (téléchargement)", mrCancel},
                                         WebCase{"&Site web (téléchargement)", mrOk},
                                         WebCase{"BmpAnime2", mrOk}, WebCase{"MagicLabel1", mrCancel},
                                         WebCase{"MagicLabel1", mrOk}));

TEST_F(DialogsTest, CatalogueFromAStartDirectoryWithABlank) {
    const fs::path dir = root / "dossier avec blanc; et $HOME";
    fs::create_directories(dir);
    Start(dir);
    WhenMenu("&Autres logiciels");
    Click(*Form1, "BmpTransparent5");
    // The floppy disk and its words start the same program.
    WhenShown(*apropos, [&] {
        Click(*apropos, "BmpAnime17");
        Click(*apropos, "MagicLabel3");
        Click(*apropos, "tf2");
    });
    Click(*Form1, "BmpTransparent3");
    const std::string program = dir.string() + "/marvessa.exe";
    EXPECT_EQ(launcher.programs, (std::vector<std::string>{program, program, program}));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(DialogsTest, CatalogueFromADirectoryTooDeepIsNotStarted) {
    fs::path dir = root;
    while (dir.string().size() < 250) dir /= "profond";
    fs::create_directories(dir);
    Start(dir);
    WhenMenu("&Autres logiciels");
    Click(*Form1, "BmpTransparent5");
    EXPECT_TRUE(launcher.programs.empty());
}

TEST_F(DialogsTest, HelpMenuOpensAtThePointer) {
    Start();
    QCursor::setPos(QPoint(321, 123));
    QPoint menuAt;
    QStringList items;
    Later([&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu) {
            menuAt = menu->pos();
            for (QAction* a : menu->actions()) items << (a->isSeparator() ? "-" : a->text());
            menu->close();
        }
    });
    Click(*Form1, "BmpTransparent5");
    EXPECT_EQ(items, (QStringList{"&Documentation", "&A propos", "-", "&Site web (téléchargement)",
                                  "&Autres logiciels"}));
    EXPECT_EQ(menuAt, QCursor::pos());
    EXPECT_TRUE(launcher.urls.empty() && launcher.programs.empty() && help.shown.empty() && dialogs.empty());
}

TEST_F(DialogsTest, DocumentationOpensTheHelpAtItsFirstTopic) {
    Start();
    WhenMenu("&Documentation");
    Click(*Form1, "BmpTransparent5");
    ASSERT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(help.shown[0].first, startDir.string() + "/DOCFR.HLP");
    EXPECT_EQ(help.shown[0].second, 1);
}

TEST_F(DialogsTest, MissingHelpDocumentGivesTheEnginesMessage) {
    Start();
    SetHelpEngine(nullptr);
    std::vector<std::string> messages;
    SetHelpMessageHook([&](const std::string& m) { messages.push_back(m); });
    WhenMenu("&Documentation");
    Click(*Form1, "BmpTransparent5");
    EXPECT_EQ(messages, std::vector<std::string>{"Fichier d'aide introuvable : " + startDir.string() + "/DOCFR.HLP"});
    EXPECT_TRUE(errors.empty());
}

TEST_F(DialogsTest, ShippedHelpDocumentStartsAtContextOne) {
    Start(fs::path(TRESILVA_SOURCE_DIR) / "assets/help");
    SetHelpEngine(nullptr);
    std::vector<std::string> messages;
    SetHelpMessageHook([&](const std::string& m) { messages.push_back(m); });
    WhenMenu("&Documentation");
    Click(*Form1, "BmpTransparent5");
    EXPECT_TRUE(messages.empty());
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == kHelpWindowObjectName) window = w;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Aide");
    window->close();
    // The topics the help must cover, the first being its start.
    std::ifstream in(fs::path(TRESILVA_SOURCE_DIR) / "assets/help/DOCFR.HLP");
    std::ostringstream s;
    s << in.rdbuf();
    const std::string doc = s.str();
    const auto first = doc.find("id=\"context-");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(doc.compare(first, 14, "id=\"context-1\""), 0);
    for (const char* word : {"somme", "monnaie", "rrondi", "taux", "officiel"}) {
        EXPECT_NE(doc.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace tresilva::test

namespace tresilva::test {
namespace {

TEST_F(DialogsTest, SessionEndQuitsWithoutTheCloseSequence) {
    Start();
    int aboutShown = 0;
    WhenShown(*apropos, [&] {
        ++aboutShown;
        Click(*apropos, "tf2");
    }, 40);
    // What the session manager sends at log-off.
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    Pump();
    EXPECT_TRUE(Application.Terminated());
    EXPECT_EQ(aboutShown, 0);
    EXPECT_FALSE(fs::exists(configDir / "Tresilva.ini"));
}

}  // namespace
}  // namespace tresilva::test

namespace tresilva::test {
namespace {

TEST_F(DialogsTest, AboutCheckBoxStandsOnTheWindowsWhite) {
    Start();
    QImage shot;
    WhenShown(*apropos, [&] {
        shot = Get<TWinControl>(*apropos, "afficher").Widget()->grab().toImage();
        Click(*apropos, "tf2");
    });
    Click(*Form1, "BmpTransparent3");
    ASSERT_EQ(shot.size(), QSize(165, 17));
    for (QPoint p : {QPoint(0, 0), QPoint(0, 16), QPoint(164, 0), QPoint(164, 16)}) {
        EXPECT_EQ(shot.pixelColor(p), QColor(255, 255, 255)) << p.x() << "," << p.y();
    }
}

}  // namespace
}  // namespace tresilva::test
