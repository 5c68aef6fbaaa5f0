// The application's default error display, the confirmation dialog, their
// replacements, the start-up failure and the French translations.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "FormsHelpers.h"
#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/MessageDialogs.h"

namespace tresilva::test {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
    QString shownText;  // what the long-text view holds, when there is one
    QSize size;
    QPoint pos;
};

// Reads the message box the code under test opens, then answers it.
void Answer(SeenBox& seen, std::function<void(QMessageBox&)> answer) {
    Later([&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        seen.buttons.sort();
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        if (box->escapeButton()) seen.escapeButton = box->escapeButton()->text();
        if (auto* view = box->findChild<QPlainTextEdit*>("tresilva_msgbox_text")) seen.shownText = view->toPlainText();
        seen.size = box->frameGeometry().size();
        seen.pos = box->pos();
        answer(*box);
    });
}

void Press(QMessageBox& box, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &event);
}

TEST(ErrorDisplayTest, DefaultBoxShowsTheMessageWithAFullStop) {
    SeenBox seen;
    Answer(seen, [](QMessageBox& box) { box.buttons().front()->click(); });
    HandleException(Exception("'abc' n'est pas une valeur en virgule flottante correcte"));
    EXPECT_EQ(seen.title, "Tresilva test");
    EXPECT_EQ(seen.text, "'abc' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_TRUE(seen.shownText.isEmpty());
}

TEST(ErrorDisplayTest, AVeryLongMessageStaysExactAndWithinTheScreen) {
    const std::string message = "'" + std::string(30000, '7') + "' n'est pas une valeur en virgule flottante correcte";
    SeenBox seen;
    Answer(seen, [](QMessageBox& box) { box.buttons().front()->click(); });
    HandleException(Exception(message));
    const QString expected = QString::fromStdString(message + ".");
    EXPECT_EQ(seen.text, expected);
    EXPECT_EQ(seen.shownText, expected);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(seen.size.width(), screen.width());
    EXPECT_LE(seen.size.height(), screen.height());
}

TEST(ErrorDisplayTest, ReplaceableAndCaughtForEveryEscapingError) {
    ErrorCatcher errors;
    CallGuarded([] { throw EListError(); });
    EXPECT_EQ(errors.texts, std::vector<std::string>{"Index liste hors bornes."});
}

TEST(StartupTest, AnUnreadableLayoutGivesExitStatusOne) {
    ErrorCatcher errors;
    int status = 0;
    try {
        TForm form(nullptr);
        form.LoadLayoutResource("layouts/none-such.layout");
    } catch (const std::exception& e) {
        status = Application.StartupFailed(e);
    }
    EXPECT_EQ(status, 1);
    ASSERT_EQ(errors.texts.size(), 1u);
    EXPECT_NE(errors.texts[0].find("none-such.layout"), std::string::npos);
}

TEST(MessageDlgTest, ConfirmationAsksWithOkAndAnnuler) {
    SeenBox seen;
    Answer(seen, [](QMessageBox& box) { Press(box, Qt::Key_Escape); });
    EXPECT_EQ(MessageDlg("Voulez-vous ouvrir la page ?", mtConfirmation, MsgDlgButtons({mbOK, mbCancel})), mrCancel);
    EXPECT_EQ(seen.title, "Confirmation");
    EXPECT_EQ(seen.text, "Voulez-vous ouvrir la page ?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, (QStringList{"Annuler", "OK"}));
    EXPECT_EQ(seen.defaultButton, "OK");
    EXPECT_EQ(seen.escapeButton, "Annuler");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = QRect(seen.pos, seen.size).center();
    EXPECT_LE(std::abs(centre.x() - screen.center().x()), 2);
    EXPECT_LE(std::abs(centre.y() - screen.center().y()), 2);

    Answer(seen, [](QMessageBox& box) { box.defaultButton()->click(); });
    EXPECT_EQ(MessageDlg("Encore ?", mtConfirmation, MsgDlgButtons({mbOK, mbCancel})), mrOk);
}

TEST(MessageDlgTest, TestsReplaceTheDialog) {
    std::string asked;
    auto previous = SetMessageDlgFunction([&](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
        asked = text;
        EXPECT_EQ(type, mtConfirmation);
        EXPECT_EQ(buttons, MsgDlgButtons({mbOK, mbCancel}));
        return mrOk;
    });
    EXPECT_EQ(MessageDlg("Question", mtConfirmation, MsgDlgButtons({mbOK, mbCancel})), mrOk);
    EXPECT_EQ(asked, "Question");
    SetMessageDlgFunction(previous);
}

TEST(TranslationsTest, QtSpeaksFrench) {
    ASSERT_TRUE(InstallFrenchTranslations());
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Undo"), "&Undo");
}

}  // namespace
}  // namespace tresilva::test
