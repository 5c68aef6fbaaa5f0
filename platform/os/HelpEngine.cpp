#include "platform/os/HelpEngine.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tresilva {
namespace {

THelpMessageHook& MessageHook() {
    static THelpMessageHook hook;
    return hook;
}

void Report(const std::string& message) {
    if (MessageHook()) {
        MessageHook()(message);
        return;
    }
    QMessageBox::warning(nullptr, QString::fromUtf8(kHelpWindowTitle), QString::fromStdString(message));
}

class HelpWindow : public THelpEngine {
public:
    ~HelpWindow() override {
        // Only while the application lives: widgets cannot outlive it.
        if (dialog_ && QCoreApplication::instance()) delete dialog_;
    }

    void ShowTopic(const std::string& file, int context) override {
        const QString path = QString::fromStdString(file);
        QFile in(path);
        if (!QFileInfo(path).isFile() || !in.open(QIODevice::ReadOnly)) {
            Report("Fichier d'aide introuvable : " + file);
            return;
        }
        const QString html = QString::fromUtf8(in.readAll());
        if (!dialog_) Create();
        browser_->setSearchPaths({QFileInfo(path).absolutePath()});
        browser_->setHtml(html);
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
        browser_->scrollToAnchor(QString::fromStdString(HelpTopicAnchor(context)));
    }

private:
    void Create() {
        dialog_ = new QDialog(nullptr, Qt::Window);
        dialog_->setObjectName(QString::fromUtf8(kHelpWindowObjectName));
        dialog_->setWindowTitle(QString::fromUtf8(kHelpWindowTitle));
        dialog_->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog_->resize(640, 480);
        auto* layout = new QVBoxLayout(dialog_);
        layout->setContentsMargins(0, 0, 0, 0);
        browser_ = new QTextBrowser(dialog_);
        browser_->setOpenExternalLinks(true);
        layout->addWidget(browser_);
    }

    QPointer<QDialog> dialog_;
    QTextBrowser* browser_ = nullptr;
};

THelpEngine* installed = nullptr;

}  // namespace

THelpEngine& CurrentHelpEngine() {
    static HelpWindow window;
    return installed ? *installed : window;
}

void SetHelpEngine(THelpEngine* engine) { installed = engine; }

void ShowHelp(std::string_view file, int context) { CurrentHelpEngine().ShowTopic(std::string(file), context); }

std::string HelpTopicAnchor(int context) { return "context-" + std::to_string(context); }

void SetHelpMessageHook(THelpMessageHook hook) { MessageHook() = std::move(hook); }

}  // namespace tresilva
