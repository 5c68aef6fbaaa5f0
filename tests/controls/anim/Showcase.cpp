// A test window that shows the animations and the raised labels at work, on
// a white and on a black background, for a look on a real display:
//   controls_showcase [seconds]     (ends by itself after that long; default 5)
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/cursors/HandCursors.h"
#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/ImageCtrl.h"
#include "controls/labelsp/LabelSp.h"
#include "controls/magiclab/MagicLabel.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/WinControl.h"

using namespace tresilva;

namespace {

std::vector<std::uint8_t> ReadAsset(const std::string& name) {
    std::ifstream in(std::filesystem::path(TRESILVA_SOURCE_DIR) / "assets" / name, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TBmpAnime* Animation(TWinControl* parent, int left, int top, int width, int height, const std::string& folder,
                     const std::string& stem, int frames, int speed) {
    auto* anime = new TBmpAnime(parent);
    anime->SetBounds(left, top, width, height);
    anime->SetCursor(crTopHand);
    anime->SetAnimationSpeed(speed);
    for (int i = 1; i <= frames; ++i) {
        const std::string name = stem + std::to_string(i) + ".BMP";
        const int index = anime->ImageList().Add(name);
        static_cast<TImageCtrl*>(anime->ImageList().Objects(index))
            ->SetBmp(TBitmap::FromBmpBytes(ReadAsset("frames/" + folder + "/" + name)));
    }
    anime->SetParent(parent);
    return anime;
}

TWinControl* Panel(TWinControl* parent, int left, int top, int width, int height, TColor color) {
    auto* panel = new TWinControl(parent);
    panel->SetBounds(left, top, width, height);
    panel->SetColor(color);
    panel->SetParent(parent);
    return panel;
}

template <class L>
L* Label(TWinControl* parent, int left, int top, int width, int height, const std::string& caption,
         const char* face, int size, TColor color, TAlignment alignment) {
    auto* label = new L(parent);
    label->SetParent(parent);
    label->SetBounds(left, top, width, height);
    label->SetAlignment(alignment);
    label->Font().SetName(face);
    label->Font().SetHeight(size);
    label->Font().SetColor(color);
    label->SetTransparent(true);
    label->SetCaption(caption);
    return label;
}

}  // namespace

int main(int argc, char** argv) {
    RegisterHandCursors();  // before the application object, as the program does
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;

    TWinControl window(nullptr);
    window.SetBounds(0, 0, 640, 240);
    window.SetColor(RGB(192, 192, 192));
    TWinControl* white = Panel(&window, 8, 8, 308, 224, clWhite);
    TWinControl* black = Panel(&window, 324, 8, 308, 224, clBlack);

    // The about window's settings: centred, a silver shadow one pixel away.
    auto* site = Label<TMagicLabel>(white, 8, 60, 111, 51, "Site web t\xC3\xA9l\xC3\xA9" "chargement", "Comic Sans MS",
                                    16, clBlack, taCenter);
    site->SetRaisedTop(false);
    site->SetRaisedBottomColor(clSilver);
    auto* other = Label<TMagicLabel>(white, 180, 60, 71, 51, "Autres logiciels", "Comic Sans MS", 16, clBlack, taCenter);
    other->SetRaisedTop(false);
    other->SetRaisedBottomColor(clSilver);
    auto* company = Label<TSpecialLabel>(white, 8, 8, 207, 15, "Tresilva Logiciels, 1999", "Arial", 11, clBlack,
                                         taLeftJustify);
    company->SetRaisedTop(false);
    company->SetRaisedBottomColor(clSilver);
    // The default look: silver text, white highlight, grey shadow, bold.
    auto* raised = Label<TMagicLabel>(white, 8, 130, 290, 40, "Tresilva 99", "Arial", 32, clSilver, taCenter);
    raised->Font().SetStyle(fsBold);
    raised->SetTransparent(false);
    raised->SetColor(RGB(192, 192, 192));
    auto* blink = Label<TMagicLabel>(white, 8, 180, 290, 30, "clignote", "Arial", 22, clNavy, taCenter);
    blink->SetBlinkTransparent(false);
    blink->SetBlinkSpeed(400);
    blink->SetBlink(true);
    Animation(white, 40, 110 - 90, 39, 42, "globe", "IMAGE", 12, 80);
    Animation(white, 190, 110 - 90, 50, 40, "floppy", "IMAGE", 36, 50);

    // The amount display: right-aligned white Arial 27, no shadow, no highlight.
    auto* cadran = Label<TMagicLabel>(black, 8, 8, 226, 35, "1234,56", "Arial", 27, clWhite, taRightJustify);
    cadran->SetRaisedTop(false);
    cadran->SetRaisedBottom(false);
    auto* onBlack = Label<TMagicLabel>(black, 8, 60, 290, 40, "Tresilva 99", "Arial", 32, clSilver, taCenter);
    onBlack->Font().SetStyle(fsBold);
    onBlack->SetRaisedBottomDistance(2);
    auto* gold = Label<TMagicLabel>(black, 8, 110, 290, 30, "Taux de conversion", "Arial", 20, RGB(255, 200, 40),
                                    taCenter);
    gold->SetRaisedTopColor(RGB(128, 96, 0));
    gold->SetRaisedBottomColor(RGB(90, 90, 90));
    auto* euro = Animation(black, 240, 150, 46, 33, "euro", "EURO", 6, 80);
    euro->SetStretch(true);
    Animation(black, 20, 150, 61, 43, "euro", "EURO", 6, 80);

    window.ShowWindow();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
