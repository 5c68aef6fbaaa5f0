#include "platform/ui/MessageDialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "platform/ui/ClassicLook.h"

namespace tresilva {

namespace {

TMessageDlgFunction& Function() {
    static TMessageDlgFunction function;
    return function;
}

// Does the text need more room than a message box's label gives it?
bool TooLongForLabel(const QString& text) {
    if (text.size() > 1000) return true;
    int run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > 60) return true;
    }
    return false;
}

TModalResult ResultOf(TMsgDlgBtn button) {
    switch (button) {
        case mbYes: return mrYes;
        case mbNo: return mrNo;
        case mbOK: return mrOk;
        case mbCancel: return mrCancel;
        case mbAbort: return mrAbort;
        case mbRetry: return mrRetry;
        case mbIgnore: return mrIgnore;
        case mbAll: return mrAll;
        case mbNoToAll: return mrNoToAll;
        case mbYesToAll: return mrYesToAll;
        case mbHelp: return mrNone;
    }
    return mrNone;
}

}  // namespace

void SetBoundedText(QMessageBox& box, const QString& text) {
    box.setText(text);
    if (!TooLongForLabel(text)) return;
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.layout()) return;
    auto* view = new QPlainTextEdit(&box);
    view->setObjectName(QStringLiteral("tresilva_msgbox_text"));
    view->setPlainText(text);
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    view->setPalette(palette);
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->availableGeometry();
    const int width = std::min(480, screen.width() / 2);
    const QFontMetrics metrics(view->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWrapAnywhere, text);
    const int height = std::clamp(needed.height() + 2 * metrics.height(), 3 * metrics.height(), screen.height() / 2);
    view->setFixedSize(width, height);
    delete box.layout()->replaceWidget(label, view);  // the old layout item is ours
    label->hide();
}

std::string MsgDlgCaption(TMsgDlgType type) {
    switch (type) {
        case mtWarning: return "Avertissement";
        case mtError: return "Erreur";
        case mtInformation: return "Information";
        case mtConfirmation: return "Confirmation";
        case mtCustom: break;
    }
    return QCoreApplication::instance() ? QCoreApplication::applicationName().toStdString() : std::string();
}

std::string MsgDlgButtonText(TMsgDlgBtn button) {
    switch (button) {
        case mbYes: return "&Oui";
        case mbNo: return "&Non";
        case mbOK: return "OK";
        case mbCancel: return "Annuler";
        case mbAbort: return "&Abandonner";
        case mbRetry: return "&R\xC3\xA9" "essayer";
        case mbIgnore: return "&Ignorer";
        case mbAll: return "&Tous";
        case mbNoToAll: return "N&on \xC3\xA0 tout";
        case mbYesToAll: return "Oui \xC3\xA0 &tout";
        case mbHelp: return "&Aide";
    }
    return {};
}

TModalResult ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(MsgDlgCaption(type)));
    switch (type) {
        case mtWarning: box.setIcon(QMessageBox::Warning); break;
        case mtError: box.setIcon(QMessageBox::Critical); break;
        case mtInformation: box.setIcon(QMessageBox::Information); break;
        case mtConfirmation: box.setIcon(QMessageBox::Question); break;
        case mtCustom: box.setIcon(QMessageBox::NoIcon); break;
    }
    SetBoundedText(box, QString::fromStdString(text));
    std::vector<std::pair<QPushButton*, TMsgDlgBtn>> made;
    QPushButton* defaultButton = nullptr;
    QPushButton* cancelButton = nullptr;
    for (int b = mbYes; b <= mbHelp; ++b) {
        if (!(buttons & (1u << b))) continue;
        const auto button = static_cast<TMsgDlgBtn>(b);
        const QMessageBox::ButtonRole role = button == mbCancel || button == mbNo || button == mbAbort
                                                 ? QMessageBox::RejectRole
                                                 : (button == mbHelp ? QMessageBox::HelpRole : QMessageBox::AcceptRole);
        QPushButton* p = box.addButton(QString::fromStdString(MsgDlgButtonText(button)), role);
        made.emplace_back(p, button);
        if (!defaultButton && button != mbHelp) defaultButton = p;  // the first button is the default
        if (button == mbCancel) cancelButton = p;
        if (button == mbNo && !cancelButton) cancelButton = p;
    }
    if (made.empty()) {
        QPushButton* p = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        made.emplace_back(p, mbOK);
        defaultButton = p;
    }
    if (defaultButton) box.setDefaultButton(defaultButton);
    box.setEscapeButton(cancelButton ? cancelButton : (made.size() == 1 ? made.front().first : nullptr));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& [p, button] : made) {
        if (p == clicked) return ResultOf(button);
    }
    return cancelButton ? mrCancel : mrNone;
}

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (Function()) return Function()(text, type, buttons);
    return ShowMessageBox(text, type, buttons);
}

TMessageDlgFunction SetMessageDlgFunction(TMessageDlgFunction function) {
    return std::exchange(Function(), std::move(function));
}

}  // namespace tresilva
