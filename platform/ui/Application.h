#pragma once
// The application object: its title, help file and forms, the run of the
// event loop, and the default error display. One global object, Application.
//
// Initialize() makes the QApplication when there is none, installs the error
// display as the ui layer's exception handler (every error that escapes an
// event handler ends there; the rest of that handler is skipped and the
// program goes on), and loads Qt's French translations.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/Form.h"

namespace tresilva {

// Shows an error: the caption (the application title) and the text (the
// error's message followed by ".").
using TErrorDisplay = std::function<void(const std::string& caption, const std::string& text)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Makes the QApplication (with these arguments) unless one exists.
    void Initialize(int& argc, char** argv);
    // With an existing QApplication (tests), or a new one without arguments.
    void Initialize();
    // Frees the forms, then the QApplication if Initialize made it.
    void Finalize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value);
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& value) { helpFile_ = value; }
    // The program's icon (the windows' default icon).
    void SetIcon(const TPicture& icon);

    // Makes a form of class F owned by the application and reads its layout
    // (then its OnCreate runs). The first form made is the main form.
    template <class F>
    F* CreateForm(std::string_view layoutResource) {
        F* form = new F(this);
        if (!mainForm_) mainForm_ = form;
        form->LoadLayoutResource(layoutResource);
        return form;
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Shows the main form and dispatches events until it closes (Terminate).
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Dispatches the pending events (for tests and long work).
    void ProcessMessages();

    // The error display: the replaceable function, by default a message box.
    void ShowException(const std::exception& error);
    TErrorDisplay SetErrorDisplay(TErrorDisplay display);
    // The default: a message box captioned `caption`, an error icon, the
    // text (a long one wrapped and scrollable within the screen), one "OK" button.
    static void ShowErrorBox(const std::string& caption, const std::string& text);

    // A layout or resource that could not be read at start: shows it in a
    // message box and gives the exit status for main to return (1).
    int StartupFailed(const std::exception& error);

private:
    std::string title_;
    std::string helpFile_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    void* runLoop_ = nullptr;  // the QEventLoop of Run
    TErrorDisplay errorDisplay_;
    struct QtState;
    std::unique_ptr<QtState> qt_;
};

extern TApplication Application;

// Loads Qt's own French translations (standard dialogs, edit fields' menus)
// when the system has them; returns whether it did.
bool InstallFrenchTranslations();

}  // namespace tresilva
