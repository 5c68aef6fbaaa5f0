#include "platform/ui/Application.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <cstdio>

#include "platform/ui/ClassicLook.h"
#include "platform/ui/ErrorDisplay.h"

namespace tresilva {

TApplication Application;

namespace {

// The end of the desktop session (log-off, shut-down) reaches Qt as a quit
// request, which would close every window first and so run the main window's
// close sequence. The program ends at once instead, closing nothing.
class SessionEndFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit) return false;
        Application.Terminate();
        return true;
    }
};

}  // namespace

struct TApplication::QtState {
    std::unique_ptr<QApplication> app;  // only when Initialize made it
    std::unique_ptr<SessionEndFilter> sessionEnd;
};

TApplication::TApplication() : TComponent(nullptr), qt_(std::make_unique<QtState>()) {}

TApplication::~TApplication() {
    // Never tears Qt down during static destruction: main calls Finalize for that.
    (void)qt_->app.release();
    (void)qt_->sessionEnd.release();
    if (QCoreApplication::instance()) {
        mainForm_ = nullptr;
        while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    } else {
        // Qt is gone already: its widgets cannot be freed any more.
        while (ComponentCount() > 0) RemoveComponent(Components(ComponentCount() - 1));
    }
}

void TApplication::Initialize(int& argc, char** argv) {
    if (!QCoreApplication::instance()) qt_->app = std::make_unique<QApplication>(argc, argv);
    Initialize();
}

void TApplication::Initialize() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "tresilva";
        static char* argv[] = {name, nullptr};
        qt_->app = std::make_unique<QApplication>(argc, argv);
    }
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        app->setQuitOnLastWindowClosed(false);
        QApplication::setStyle("Windows");
        QApplication::setPalette(ClassicPalette());
        if (!title_.empty()) QApplication::setApplicationDisplayName(QString::fromStdString(title_));
    }
    if (!qt_->sessionEnd) {
        qt_->sessionEnd = std::make_unique<SessionEndFilter>();
        QCoreApplication::instance()->installEventFilter(qt_->sessionEnd.get());
    }
    InstallFrenchTranslations();
    SetExceptionHandler([this](const std::exception& error) { ShowException(error); });
}

void TApplication::Finalize() {
    mainForm_ = nullptr;
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    if (qt_->app) {
        SetExceptionHandler({});
        qt_->sessionEnd.reset();
        qt_->app.reset();
    }
}

void TApplication::SetTitle(const std::string& value) { title_ = value; }

void TApplication::SetIcon(const TPicture& icon) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(icon.Bitmap()))));
    }
}

void TApplication::Run() {
    terminated_ = false;
    if (!mainForm_) return;
    try {
        mainForm_->Show();
    } catch (const std::exception& e) {
        HandleException(e);
    }
    QEventLoop loop;
    runLoop_ = &loop;
    while (!terminated_) loop.exec();
    runLoop_ = nullptr;
}

void TApplication::Terminate() {
    terminated_ = true;
    if (runLoop_) static_cast<QEventLoop*>(runLoop_)->quit();
}

void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::ShowException(const std::exception& error) {
    const std::string text = std::string(error.what()) + ".";
    if (errorDisplay_) {
        errorDisplay_(title_, text);
    } else {
        ShowErrorBox(title_, text);
    }
}

TErrorDisplay TApplication::SetErrorDisplay(TErrorDisplay display) {
    return std::exchange(errorDisplay_, std::move(display));
}

void TApplication::ShowErrorBox(const std::string& caption, const std::string& text) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setIcon(QMessageBox::Critical);
    SetBoundedText(box, QString::fromStdString(text));
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

int TApplication::StartupFailed(const std::exception& error) {
    ShowException(error);
    return 1;
}

bool InstallFrenchTranslations() {
    if (!QCoreApplication::instance()) return false;
    static QPointer<QTranslator> translator;
    if (translator) return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
    return true;
}

}  // namespace tresilva
