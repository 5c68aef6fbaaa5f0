#include "app/MainForm.h"

#include <stdexcept>

#include "app/AboutForm.h"
#include "app/ConfigForm.h"
#include "app/RatesForm.h"
#include "controls/freelib/BmpTransparent.h"
#include "controls/magiclab/MagicLabel.h"
#include "core/Currency.h"
#include "platform/data/IniFile.h"
#include "platform/os/CurrentDirectory.h"
#include "platform/os/DecimalSeparator.h"
#include "platform/os/HelpEngine.h"
#include "platform/os/PointerPosition.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PopupMenu.h"

namespace tresilva {

std::string StartupDir;
TForm1* Form1 = nullptr;

namespace {

constexpr const char* kSettingsFile = "Tresilva.ini";
constexpr const char* kSection = "Propriétés";
constexpr const char* kHelpDocument = "DOCFR.HLP";

// The shipped default rates, written with the user's separator so that a first
// start reads them whatever the region's notation.
std::string DefaultRate(const char* digits, char separator) {
    std::string text = digits;
    for (char& ch : text) {
        if (ch == ',') ch = separator;
    }
    return text;
}

// An element's name with its number: "c" 12 gives "c12".
std::string Indexed(const char* prefix, int i, const char* suffix = "") {
    std::string name(prefix);
    name.append(std::to_string(i));
    name.append(suffix);
    return name;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    Form1 = this;
    DefineMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    DefineMethod("FormShow", TNotifyEvent([this](TObject* s) { FormShow(s); }));
    DefineMethod("FormClose", TCloseEvent([this](TObject* s, TCloseAction& a) { FormClose(s, a); }));
    DefineMethod("FormKeyPress", TKeyPressEvent([this](TObject* s, char& k) { FormKeyPress(s, k); }));
    DefineMethod("FormKeyUp",
                 TKeyEvent([this](TObject* s, std::uint16_t& k, TShiftState sh) { FormKeyUp(s, k, sh); }));
    for (char d = '0'; d <= '9'; ++d) {
        DefineMethod(Indexed("T", d - '0', "Click"), TNotifyEvent([this, d](TObject*) { converter_->KeyClick(d); }));
    }
    DefineMethod("TPClick", TNotifyEvent([this](TObject*) { converter_->KeyClick(core::kSeparatorKey); }));
    for (int i = 1; i <= core::kCurrencyCount; ++i) {
        DefineMethod(Indexed("m", i, "Click"),
                     TNotifyEvent([this, i](TObject*) { converter_->CurrencyClick(i); }));
    }
    DefineMethod("BmpTransparent1Click", TNotifyEvent([this](TObject* s) { BmpTransparent1Click(s); }));
    DefineMethod("BmpTransparent3Click", TNotifyEvent([this](TObject* s) { BmpTransparent3Click(s); }));
    DefineMethod("BmpTransparent4Click", TNotifyEvent([this](TObject* s) { BmpTransparent4Click(s); }));
    DefineMethod("BmpTransparent5Click", TNotifyEvent([this](TObject* s) { BmpTransparent5Click(s); }));
    DefineMethod("BmpAnime14Click", TNotifyEvent([this](TObject* s) { BmpAnime14Click(s); }));
    DefineMethod("Ajouter_ADClick", TNotifyEvent([this](TObject* s) { Ajouter_ADClick(s); }));
    DefineMethod("Modifier_ADClick", TNotifyEvent([this](TObject* s) { Modifier_ADClick(s); }));
    DefineMethod("Selectionner_ADClick", TNotifyEvent([this](TObject* s) { Selectionner_ADClick(s); }));
    DefineMethod("Autreslogiciels1Click", TNotifyEvent([this](TObject* s) { Autreslogiciels1Click(s); }));
    // Until FormCreate reads the region's separator, the converter works with ",".
    converter_ = std::make_unique<core::TConverter>(*this, ',');
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

template <class T>
T& TForm1::Find(const std::string& name) {
    T* found = dynamic_cast<T*>(FindComponent(name));
    if (!found) throw std::runtime_error("main.layout: missing element '" + name + "'");
    return *found;
}

void TForm1::Loaded() {
    TForm::Loaded();
    cadran_ = &Find<TMagicLabel>("cadran");
    money_ = &Find<TLabel>("money");
    flag_ = &Find<TImage>("flag");
    popupMenu1_ = &Find<TPopupMenu>("PopupMenu1");
    for (int i = 1; i <= core::kCurrencyCount; ++i) {
        c_[i] = &Find<TPanel>(Indexed("c", i));
        m_[i] = &Find<TLabel>(Indexed("m", i));
        f_[i] = &Find<TImage>(Indexed("f", i));
    }
    for (int d = 0; d <= 9; ++d) keys_[d] = &Find<TBmpTransparent>(Indexed("T", d));
    keys_[10] = &Find<TBmpTransparent>("TP");
}

// --- window life ---

void TForm1::FormCreate(TObject*) {
    SetBrushStyle(bsClear);
    StartupDir = CurrentDirectory() + "/";
    Application.SetHelpFile(StartupDir + kHelpDocument);
    converter_ = std::make_unique<core::TConverter>(*this, core::NormalizeSeparator(RegionalDecimalSeparator()));
}

void TForm1::FormShow(TObject*) {
    LoadSettings();
    // A rate that cannot be read is shown, and the window is still made usable:
    // the default currency becomes current and the amount is converted.
    try {
        converter_->InitFixedRates();
        converter_->LoadEditableRates(config->USD().Text(), config->GBP().Text(), config->JPY().Text());
    } catch (const std::exception& error) {
        Application.ShowException(error);
    }
    const int position = config->monnaie().ItemIndex();
    const int current = position >= 0 && position < core::kCurrencyCount ? position + 1 : core::kEUR;
    converter_->SetCurrent(current);
    converter_->SelectCurrency(current);
    converter_->SetSeparatorTyped(false);
}

void TForm1::FormClose(TObject*, TCloseAction&) {
    if (!apropos->afficher().Checked()) apropos->ShowModal();
    SaveSettings();
}

// --- settings ---

void TForm1::LoadSettings() {
    TIniFile ini(kSettingsFile);
    const char sep = converter_->Separator();
    config->arrondir().SetChecked(ini.ReadBool(kSection, "arrondir", false));
    config->monnaie().SetItemIndex(ini.ReadInteger(kSection, "monnaie", 11));
    config->USD().SetText(ini.ReadString(kSection, "USD", DefaultRate("1,15455", sep)));
    config->GBP().SetText(ini.ReadString(kSection, "GBP", DefaultRate("0,70807", sep)));
    config->JPY().SetText(ini.ReadString(kSection, "JPY", DefaultRate("129,289", sep)));
    apropos->afficher().SetChecked(ini.ReadBool(kSection, "apropos", false));
}

void TForm1::SaveSettings() {
    TIniFile ini(kSettingsFile);
    ini.WriteBool(kSection, "arrondir", config->arrondir().Checked());
    ini.WriteInteger(kSection, "monnaie", config->monnaie().ItemIndex());
    ini.WriteString(kSection, "USD", config->USD().Text());
    ini.WriteString(kSection, "GBP", config->GBP().Text());
    ini.WriteString(kSection, "JPY", config->JPY().Text());
    ini.WriteBool(kSection, "apropos", apropos->afficher().Checked());
}

// --- keys and clicks ---

void TForm1::FormKeyPress(TObject*, char& key) { converter_->FormKeyPress(key); }

void TForm1::FormKeyUp(TObject*, std::uint16_t& key, TShiftState) { converter_->FormKeyUp(key); }

void TForm1::BmpTransparent1Click(TObject*) { converter_->EraseKeyClick(); }

void TForm1::BmpTransparent3Click(TObject*) { Close(); }

void TForm1::BmpTransparent4Click(TObject*) {
    config->ShowModal();
    converter_->LoadEditableRates(config->USD().Text(), config->GBP().Text(), config->JPY().Text());
    converter_->Convert();
}

void TForm1::BmpTransparent5Click(TObject*) {
    const TPoint at = PointerPosition();
    popupMenu1_->Popup(at.X, at.Y);
}

void TForm1::BmpAnime14Click(TObject*) { taux->ShowModal(); }

void TForm1::Ajouter_ADClick(TObject*) { ShowHelp(Application.HelpFile(), 1); }

void TForm1::Modifier_ADClick(TObject*) { apropos->ShowModal(); }

void TForm1::Selectionner_ADClick(TObject*) { VisitWebPage(); }

void TForm1::Autreslogiciels1Click(TObject*) { StartCatalogue(); }

// --- the converter's window ---

std::string TForm1::DisplayText() { return cadran_->Caption(); }

void TForm1::SetDisplayText(const std::string& text) { cadran_->SetCaption(text); }

void TForm1::SetPanelCaption(int i, const std::string& caption) { c_.at(i)->SetCaption(caption); }

void TForm1::SetPanelColor(int i, core::ColorValue color) { c_.at(i)->SetColor(static_cast<TColor>(color)); }

void TForm1::SetLabelBold(int i, bool bold) { m_.at(i)->Font().SetStyle(bold ? TFontStyles(fsBold) : TFontStyles(0)); }

void TForm1::SetMoneyCaption(const std::string& caption) { money_->SetCaption(caption); }

void TForm1::CopyFlag(int i) { flag_->SetPicture(f_.at(i)->Picture()); }

TBmpTransparent& TForm1::Key(char key) {
    if (key >= '0' && key <= '9') return *keys_[static_cast<std::size_t>(key - '0')];
    if (key == core::kSeparatorKey) return *keys_[10];
    throw std::invalid_argument(std::string("no on-screen key '") + key + "'");
}

void TForm1::HideKey(char key) { Key(key).Hide(); }

void TForm1::ShowKey(char key) { Key(key).Show(); }

bool TForm1::RoundingOption() { return config->arrondir().Checked(); }

}  // namespace tresilva
