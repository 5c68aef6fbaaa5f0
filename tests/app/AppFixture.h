#pragma once
// The real windows of the program, created as the program creates them, in a
// private settings folder and a chosen current directory, with recorders in
// place of the error display, the confirmation dialog, the launcher and the
// help engine. Helpers type keys and click elements as a user would.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/AboutForm.h"
#include "app/ConfigForm.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "app/RatesForm.h"
#include "platform/os/HelpEngine.h"
#include "platform/os/Launcher.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/Panel.h"

namespace tresilva::test {

namespace fs = std::filesystem;

// An element's name with its number: "c" 12 gives "c12".
inline std::string Indexed(const char* prefix, int i) {
    std::string name(prefix);
    name.append(std::to_string(i));
    return name;
}

struct LaunchRecorder : TLauncher {
    std::vector<std::string> urls, programs;
    void OpenUrl(const std::string& url) override { urls.push_back(url); }
    void StartDetached(const std::string& program) override { programs.push_back(program); }
};

struct HelpRecorder : THelpEngine {
    std::vector<std::pair<std::string, int>> shown;
    void ShowTopic(const std::string& file, int context) override { shown.emplace_back(file, context); }
};

struct Dialog {
    std::string text;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
};

// The settings file as the program writes it: Windows-1252, "é" is 0xE9.
inline const std::string kSectionBytes = "[Propri\xE9t\xE9s]";

class AppTest : public testing::Test {
public:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        root = fs::path(::testing::TempDir()) / Indexed("tresilva-app-", ::getpid()) / name;
        fs::remove_all(root);
        configDir = root / "config";
        startDir = root / "start";
        fs::create_directories(configDir);
        fs::create_directories(startDir);
        ::setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
        SetSeparator(',');
        previousDir = fs::current_path();
        previousDisplay = Application.SetErrorDisplay([this](const std::string& caption, const std::string& text) {
            errors.push_back(caption + "|" + text);
        });
        previousDlg = SetMessageDlgFunction([this](const std::string& text, TMsgDlgType type, TMsgDlgButtons b) {
            dialogs.push_back({text, type, b});
            return answer;
        });
        SetLauncher(&launcher);
        SetHelpEngine(&help);
    }

    void TearDown() override {
        ++Epoch();
        DestroyWindows();
        SetHelpEngine(nullptr);
        SetHelpMessageHook({});
        SetLauncher(nullptr);
        SetMessageDlgFunction(previousDlg);
        Application.SetErrorDisplay(previousDisplay);
        fs::current_path(previousDir);
        std::error_code ec;
        fs::permissions(configDir, fs::perms::owner_all, ec);
        fs::remove_all(root, ec);
    }

    // The region's separator the program reads at creation: "," from the C
    // locale, "." from an English one.
    static void SetSeparator(char sep) { ::setenv("LC_ALL", sep == '.' ? "en_US.UTF-8" : "C.UTF-8", 1); }

    void WriteSettings(const std::string& keys) {
        std::ofstream(configDir / "Tresilva.ini", std::ios::binary) << kSectionBytes << "\r\n" << keys;
    }
    std::string SettingsBytes() const {
        std::ifstream in(configDir / "Tresilva.ini", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Creates the four windows as the program does, from `dir` as the current
    // directory, and shows the main window (its show handler runs).
    void Start(const fs::path& dir = {}) {
        fs::current_path(dir.empty() ? startDir : dir);
        CreateWindows();
        Form1->Show();
        Pump();
    }

    static void Pump() {
        for (int i = 0; i < 3; ++i) Application.ProcessMessages();
    }

    // Runs `step` from inside the next modal loop.
    static void Later(std::function<void()> step) { QTimer::singleShot(0, qApp, std::move(step)); }
    // Runs `step` once `form` is shown modally (gives up after about ten
    // seconds, or when the test ends: the windows and the test's locals are gone then).
    static int& Epoch() {
        static int epoch = 0;
        return epoch;
    }
    static void WhenShown(TForm& form, std::function<void()> step, int tries = 2000) {
        QTimer::singleShot(5, qApp, [&form, step, tries, epoch = Epoch()] {
            if (epoch != Epoch()) return;
            if (form.Modal() && form.Widget() && form.Widget()->isVisible()) step();
            else if (tries > 0) WhenShown(form, step, tries - 1);
        });
    }
    // Chooses the item `caption` once the pop-up menu is open.
    static void WhenMenu(const QString& caption, int tries = 2000) {
        QTimer::singleShot(5, qApp, [caption, tries, epoch = Epoch()] {
            if (epoch != Epoch()) return;
            if (qobject_cast<QMenu*>(QApplication::activePopupWidget())) ChooseMenuItem(caption);
            else if (tries > 0) WhenMenu(caption, tries - 1);
        });
    }

    template <class T = TControl>
    static T& Get(TComponent& form, const std::string& name) {
        T* c = dynamic_cast<T*>(form.FindComponent(name));
        if (!c) throw std::runtime_error("no element " + name);
        return *c;
    }
    static TPanel& Panel(int i) { return Get<TPanel>(*Form1, Indexed("c", i)); }
    static std::string PanelText(int i) {
        const std::string& s = Panel(i).Caption();
        return s.substr(std::min(s.find_first_not_of(' '), s.size()));
    }
    static TLabel& Label(int i) { return Get<TLabel>(*Form1, Indexed("m", i)); }
    static std::string Display() { return Get(*Form1, "cadran").Caption(); }
    static std::string Money() { return Get(*Form1, "money").Caption(); }

    // Typed characters and key releases, as the keyboard sends them.
    static void KeyPress(int key, const QString& text, bool repeat = false) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text, repeat);
        QCoreApplication::sendEvent(Form1->Widget(), &e);
    }
    static void KeyRelease(int key, const QString& text, bool repeat = false) {
        QKeyEvent e(QEvent::KeyRelease, key, Qt::NoModifier, text, repeat);
        QCoreApplication::sendEvent(Form1->Widget(), &e);
    }
    static void Type(const std::string& keys) {
        for (char ch : keys) {
            const QString text(QChar::fromLatin1(ch));
            const int key = ch == ',' ? Qt::Key_Comma : ch == '.' ? Qt::Key_Period : Qt::Key_0 + (ch - '0');
            KeyPress(key, text);
            KeyRelease(key, text);
        }
    }

    static void MouseClickAt(QWidget* w, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }
    // A click in the middle of an element: a windowed one on its own window,
    // a windowless one on its parent's.
    static void Click(TControl& c) {
        if (auto* w = dynamic_cast<TWinControl*>(&c); w && w->Widget()) {
            MouseClickAt(w->Widget(), QPoint(w->Widget()->width() / 2, w->Widget()->height() / 2));
        } else {
            const TRect b = c.BoundsRect();
            MouseClickAt(c.Parent()->Widget(), QPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2));
        }
    }
    static void Click(TComponent& form, const std::string& name) { Click(Get(form, name)); }

    // The window manager's close request (the close box).
    static void CloseBox(TForm& form) {
        QCloseEvent e;
        QCoreApplication::sendEvent(form.Widget(), &e);
    }

    // Chooses the item of the open pop-up menu whose text is `caption`.
    static void ChooseMenuItem(const QString& caption) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions()) {
            if (a->text() == caption) a->trigger();
        }
        menu->close();
    }

    fs::path root, configDir, startDir, previousDir;
    std::vector<std::string> errors;
    std::vector<Dialog> dialogs;
    TModalResult answer = mrCancel;
    LaunchRecorder launcher;
    HelpRecorder help;
    TErrorDisplay previousDisplay;
    TMessageDlgFunction previousDlg;
};

}  // namespace tresilva::test
