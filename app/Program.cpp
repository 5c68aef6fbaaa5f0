#include "app/Program.h"

#include "app/AboutForm.h"
#include "app/ConfigForm.h"
#include "app/MainForm.h"
#include "app/RatesForm.h"
#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/Registration.h"
#include "controls/labelsp/LabelSp.h"
#include "controls/magiclab/MagicLabel.h"
#include "platform/ui/Application.h"

namespace tresilva {

void RegisterAppClasses() {
    RegisterFreelibControls();
    RegisterBmpAnime();
    RegisterMagicLabel();
    RegisterSpecialLabel();
}

void CreateWindows() {
    RegisterAppClasses();
    Application.SetTitle("Tresilva 99");
    Application.CreateForm<TForm1>("layouts/main.layout");
    Application.CreateForm<Ttaux>("layouts/taux.layout");
    Application.CreateForm<Tapropos>("layouts/about.layout");
    Application.CreateForm<Tconfig>("layouts/config.layout");
    Application.SetIcon(Form1->Icon());
}

void DestroyWindows() {
    delete config;
    delete apropos;
    delete taux;
    delete Form1;
    config = nullptr;
    apropos = nullptr;
    taux = nullptr;
    Form1 = nullptr;
    Application.SetMainForm(nullptr);
}

}  // namespace tresilva
