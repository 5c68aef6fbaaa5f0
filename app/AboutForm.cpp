#include "app/AboutForm.h"

#include <stdexcept>

#include "app/MainForm.h"
#include "platform/os/Launcher.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/MessageDialogs.h"

namespace tresilva {

Tapropos* apropos = nullptr;

void VisitWebPage() {
    if (MessageDlg(kWebPageQuestion, mtConfirmation, MsgDlgButtons({mbOK, mbCancel})) == mrOk) {
        OpenAddress(kWebPageAddress);
    }
}

void StartCatalogue() { StartProgram(StartupDir + kCatalogueProgram); }

Tapropos::Tapropos(TComponent* owner) : TForm(owner) {
    apropos = this;
    DefineMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    DefineMethod("tf2Click", TNotifyEvent([this](TObject* s) { tf2Click(s); }));
    DefineMethod("BmpAnime2Click", TNotifyEvent([this](TObject* s) { BmpAnime2Click(s); }));
    DefineMethod("BmpAnime17Click", TNotifyEvent([this](TObject* s) { BmpAnime17Click(s); }));
}

void Tapropos::Loaded() {
    TForm::Loaded();
    afficher_ = dynamic_cast<TCheckBox*>(FindComponent("afficher"));
    if (!afficher_) throw std::runtime_error("about.layout: missing element 'afficher'");
}

void Tapropos::FormCreate(TObject*) { SetBorderIcons(0); }

// On a modal showing, Close ends it with the result Cancel. The window
// manager's close request goes through Close too, so it acts like this picture.
void Tapropos::tf2Click(TObject*) { Close(); }

void Tapropos::BmpAnime2Click(TObject*) { VisitWebPage(); }

void Tapropos::BmpAnime17Click(TObject*) { StartCatalogue(); }

}  // namespace tresilva
