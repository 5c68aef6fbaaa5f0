#pragma once
// The about window, shown from the help menu and at the end of a run, and the
// two launches that leave the program (the web page and the catalogue
// program), which its pictures and the help menu share.
#include <string>

#include "platform/ui/Form.h"

namespace tresilva {

class TCheckBox;

// The maker's download page, opened as a web address after a confirmation.
inline constexpr const char* kWebPageAddress = "www.tresilva.example/telechargement.html";
inline constexpr const char* kWebPageQuestion = "Exécution du navigateur pour visiter notre site web.";
// The catalogue program, looked for in the start-up directory.
inline constexpr const char* kCatalogueProgram = "marvessa.exe";

// Asks for confirmation, then opens the web page when the answer is OK.
void VisitWebPage();
// Starts StartupDir + "marvessa.exe" as one program path (never through a
// shell); a path over 255 characters is not started.
void StartCatalogue();

class Tapropos : public TForm {
public:
    explicit Tapropos(TComponent* owner);

    void FormCreate(TObject* sender);       // no title-bar button at all
    void tf2Click(TObject* sender);         // "Cliquez ici": closes the window
    void BmpAnime2Click(TObject* sender);   // globe and its words: web page
    void BmpAnime17Click(TObject* sender);  // floppy disk and its words: catalogue

    TCheckBox& afficher() const { return *afficher_; }

protected:
    void Loaded() override;

private:
    TCheckBox* afficher_ = nullptr;
};

extern Tapropos* apropos;

}  // namespace tresilva
