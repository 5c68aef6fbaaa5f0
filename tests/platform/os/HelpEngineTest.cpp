#include "platform/os/HelpEngine.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace tresilva {
namespace {
namespace fs = std::filesystem;

QApplication& App() {
    static int argc = 1;
    static char name[] = "help-test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

QDialog* HelpWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QString::fromUtf8(kHelpWindowObjectName) && w->isVisible()) return qobject_cast<QDialog*>(w);
    }
    return nullptr;
}

class HelpEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        std::string pattern = (fs::temp_directory_path() / "tresilva-help-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        SetHelpMessageHook([this](const std::string& m) { messages_.push_back(m); });
    }
    void TearDown() override {
        SetHelpMessageHook({});
        if (QDialog* w = HelpWindowShown()) w->hide();
        fs::remove_all(dir_);
    }
    fs::path dir_;
    std::vector<std::string> messages_;
};

TEST_F(HelpEngineTest, ShowsTheFileAtTheTopicOfTheContextNumber) {
    std::string html = "<html><body><h1 id=\"context-1\">Sommaire</h1>";
    for (int i = 0; i < 300; ++i) html += "<p>Ligne " + std::to_string(i) + "</p>";
    html += "<h2 id=\"context-7\">Taux de conversion</h2><p>Fin.</p></body></html>";
    std::ofstream(dir_ / "DOCFR.HLP") << html;

    ShowHelp((dir_ / "DOCFR.HLP").string(), 7);
    QDialog* window = HelpWindowShown();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Aide"));
    auto* browser = window->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Taux de conversion")));
    const int atTopic7 = browser->verticalScrollBar()->value();
    EXPECT_GT(atTopic7, 1000);

    ShowHelp((dir_ / "DOCFR.HLP").string(), 1);
    EXPECT_EQ(HelpWindowShown(), window);  // one help window, shown again
    EXPECT_LT(browser->verticalScrollBar()->value(), 50);  // the first heading's margin at most
    EXPECT_TRUE(messages_.empty());
}

TEST_F(HelpEngineTest, MissingFileGivesTheEnginesOwnMessage) {
    const std::string path = (dir_ / "DOCFR.HLP").string();
    ShowHelp(path, 1);
    EXPECT_EQ(messages_, std::vector<std::string>{"Fichier d'aide introuvable : " + path});
    EXPECT_EQ(HelpWindowShown(), nullptr);
    fs::create_directory(dir_ / "folder.hlp");
    ShowHelp((dir_ / "folder.hlp").string(), 1);
    EXPECT_EQ(messages_.size(), 2u);
}

TEST(HelpEngine, ReplaceableAndTopicAnchors) {
    struct Recorder : THelpEngine {
        std::vector<std::string> calls;
        void ShowTopic(const std::string& file, int context) override { calls.push_back(file + "#" + std::to_string(context)); }
    } recorder;
    SetHelpEngine(&recorder);
    ShowHelp("/x/DOCFR.HLP", 1);
    SetHelpEngine(nullptr);
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"/x/DOCFR.HLP#1"});
    EXPECT_NE(&CurrentHelpEngine(), &recorder);
    EXPECT_EQ(HelpTopicAnchor(1), "context-1");
    EXPECT_EQ(HelpTopicAnchor(-3), "context--3");
}

}  // namespace
}  // namespace tresilva
