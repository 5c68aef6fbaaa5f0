#pragma once
// The main window: the calculator itself. It owns the converter and is the
// window the converter writes to; its handlers forward keys and clicks to the
// converter, open the dialogs and the help menu, and load and save the
// settings, which live in the dialogs' controls between the two.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Converter.h"
#include "core/ConverterWindow.h"
#include "platform/ui/Form.h"

namespace tresilva {

class TBmpTransparent;
class TImage;
class TLabel;
class TMagicLabel;
class TPanel;
class TPopupMenu;

// The current directory when the main window was created, with a trailing
// "/": where the help document and the catalogue program are looked for.
extern std::string StartupDir;

class TForm1 : public TForm, public core::TConverterWindow {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    // --- window life ---
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // --- settings file "Tresilva.ini" ---
    void LoadSettings();
    void SaveSettings();

    // --- keys and clicks ---
    void FormKeyPress(TObject* sender, char& key);
    void FormKeyUp(TObject* sender, std::uint16_t& key, TShiftState shift);
    void BmpTransparent1Click(TObject* sender);  // erase key
    void BmpTransparent3Click(TObject* sender);  // quit
    void BmpTransparent4Click(TObject* sender);  // configuration dialog
    void BmpTransparent5Click(TObject* sender);  // help menu
    void BmpAnime14Click(TObject* sender);       // rates dialog
    void Ajouter_ADClick(TObject* sender);       // help document
    void Modifier_ADClick(TObject* sender);      // about window
    void Selectionner_ADClick(TObject* sender);  // web page
    void Autreslogiciels1Click(TObject* sender); // catalogue program

    core::TConverter& Converter() { return *converter_; }

    // --- what the converter reaches of the window ---
    std::string DisplayText() override;
    void SetDisplayText(const std::string& text) override;
    void SetPanelCaption(int i, const std::string& caption) override;
    void SetPanelColor(int i, core::ColorValue color) override;
    void SetLabelBold(int i, bool bold) override;
    void SetMoneyCaption(const std::string& caption) override;
    void CopyFlag(int i) override;
    void HideKey(char key) override;
    void ShowKey(char key) override;
    bool RoundingOption() override;

protected:
    void Loaded() override;

private:
    template <class T>
    T& Find(const std::string& name);
    TBmpTransparent& Key(char key);

    std::unique_ptr<core::TConverter> converter_;
    TMagicLabel* cadran_ = nullptr;
    TLabel* money_ = nullptr;
    TImage* flag_ = nullptr;
    TPopupMenu* popupMenu1_ = nullptr;
    std::array<TPanel*, 16> c_{};   // [1..15]
    std::array<TLabel*, 16> m_{};   // [1..15]
    std::array<TImage*, 16> f_{};   // [1..15]
    std::array<TBmpTransparent*, 11> keys_{};  // T0..T9, then TP
};

extern TForm1* Form1;

}  // namespace tresilva
