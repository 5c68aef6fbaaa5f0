// platform-demo: one host window with windowless test shapes painted through
// the platform's painting model:
//  - a checkerboard filling the window (the background the others work on),
//  - a control that inverts what lies beneath it, moved by a timer,
//  - labels (opaque, transparent, right-justified, disabled),
//  - an image, and a control with a hand-drawn pointer of its own.
// Clicking a shape writes its name to stdout. `--quit-after <ms>` ends the
// run; `--still` keeps the inverter in place (for screenshots).
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WinControl.h"

using namespace tresilva;

namespace {

class Checkerboard : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        for (int y = 0; y < Height(); y += 16) {
            for (int x = 0; x < Width(); x += 16) {
                const bool dark = ((x / 16) + (y / 16)) % 2 != 0;
                c.Brush().Color = dark ? RGB(150, 150, 160) : RGB(215, 215, 225);
                c.FillRect(Bounds(x, y, 16, 16));
            }
        }
    }
};

// Copies what lies beneath, inverts it and writes it back, as the shading controls do.
class Inverter : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        TBitmap copy(Width(), Height());
        copy.Canvas().CopyRect(ClientRect(), c, ClientRect());
        for (int y = 0; y < Height(); ++y) {
            std::uint32_t* row = copy.MutableRow(y);
            for (int x = 0; x < Width(); ++x) row[x] ^= 0x00FFFFFFu;
        }
        c.Draw(0, 0, copy);
        c.Brush().Style = bsClear;
        c.Pen().Color = clBlack;
        c.Pen().Style = psDash;
        c.Rectangle(0, 0, Width(), Height());
        c.Pen().Style = psSolid;
        c.Brush().Style = bsSolid;
    }
};

// A disc drawn pixel by pixel, so the edge shows whole pixels.
class Disc : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        const int r = Width() / 2;
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) {
                const int dx = x - r, dy = y - r;
                if (dx * dx + dy * dy <= r * r) c.SetPixel(x, y, (dx * dx + dy * dy <= (r - 3) * (r - 3)) ? clNavy : clYellow);
            }
        }
    }
};

TCursorHandle Crosshair() {
    auto image = std::make_unique<TCursorImage>();
    image->AndMask.fill(0xFF);
    auto opaque = [&](int x, int y, bool white) {
        const std::size_t i = static_cast<std::size_t>(y * 4 + x / 8);
        const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
        image->AndMask[i] = static_cast<std::uint8_t>(image->AndMask[i] & ~bit);
        if (white) image->XorMask[i] = static_cast<std::uint8_t>(image->XorMask[i] | bit);
    };
    for (int i = 2; i < 30; ++i) {
        for (int w = 15; w <= 17; ++w) {
            opaque(i, w, w == 16);
            opaque(w, i, w == 16);
        }
    }
    image->HotSpotX = 16;
    image->HotSpotY = 16;
    return image;
}

TBitmap Gradient(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(255 * x / (w - 1), 255 * y / (h - 1), 128));
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    // Registered before the application object exists, as the program does.
    Screen().SetCursor(-1018, Crosshair());

    QApplication app(argc, argv);
    int quitAfter = 0;
    bool still = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quit-after" && i + 1 < argc) quitAfter = std::atoi(argv[++i]);
        if (arg == "--still") still = true;
    }

    TWinControl host(nullptr);
    host.SetName("host");
    host.SetBounds(40, 40, 400, 260);
    host.SetColor(clBtnFace);
    host.SetShowHint(true);

    auto* board = new Checkerboard(&host);
    board->SetName("checkerboard");
    board->SetBounds(0, 0, 400, 260);
    board->SetParent(&host);

    auto* title = new TLabel(&host);
    title->SetName("title");
    title->SetParent(&host);
    title->SetBounds(12, 10, 0, 0);
    title->Font().SetName("Arial");
    title->Font().SetHeight(18);
    title->Font().SetStyle(fsBold);
    title->SetColor(clNavy);
    title->Font().SetColor(clWhite);
    title->SetCaption("D\xC3\xA9monstration de l'affichage");

    auto* clear = new TLabel(&host);
    clear->SetName("transparent");
    clear->SetParent(&host);
    clear->SetBounds(12, 40, 0, 0);
    clear->SetTransparent(true);
    clear->Font().SetHeight(14);
    clear->SetCaption("&Transparent, sans fond");

    auto* right = new TLabel(&host);
    right->SetName("right");
    right->SetParent(&host);
    right->SetAlignment(taRightJustify);
    right->SetBounds(388 - 65, 64, 65, 17);
    right->SetColor(clBlack);
    right->Font().SetColor(clLime);
    right->Font().SetHeight(16);
    right->SetCaption("1 234,56789");

    auto* disabled = new TLabel(&host);
    disabled->SetName("disabled");
    disabled->SetParent(&host);
    disabled->SetBounds(12, 64, 0, 0);
    disabled->SetEnabled(false);
    disabled->SetCaption("Inactif");

    auto* image = new TImage(&host);
    image->SetName("image");
    image->SetParent(&host);
    image->SetAutoSize(true);
    image->SetBounds(20, 100, 10, 10);
    TPicture picture;
    picture.SetBitmap(Gradient(120, 80));
    image->SetPicture(picture);

    auto* disc = new Disc(&host);
    disc->SetName("disc");
    disc->SetParent(&host);
    disc->SetBounds(300, 110, 60, 60);
    disc->SetCursor(-1018);
    disc->SetHint("Un disque|avec son propre pointeur");

    auto* inverter = new Inverter(&host);
    inverter->SetName("inverter");
    inverter->SetParent(&host);
    inverter->SetBounds(100, 120, 120, 70);
    inverter->SetCursor(crHandPoint);

    auto* corner = new Inverter(&host);  // over part of the disc
    corner->SetName("corner");
    corner->SetParent(&host);
    corner->SetBounds(330, 140, 50, 50);

    for (TControl* c : {static_cast<TControl*>(board), static_cast<TControl*>(title), static_cast<TControl*>(image),
                        static_cast<TControl*>(disc), static_cast<TControl*>(inverter)}) {
        c->SetOnClick([](TObject* sender) {
            std::printf("click: %s\n", static_cast<TComponent*>(sender)->Name().c_str());
            std::fflush(stdout);
        });
    }

    // The inverter glides back and forth over the others: every step is an
    // invalidation of where it was and where it goes.
    TTimer mover(&host);
    int step = 4;
    mover.SetInterval(40);
    mover.SetEnabled(!still);
    mover.SetOnTimer([&](TObject*) {
        if (inverter->Left() + step < 60 || inverter->Left() + inverter->Width() + step > 390) step = -step;
        inverter->SetLeft(inverter->Left() + step);
    });

    host.ShowWindow();
    if (quitAfter > 0) QTimer::singleShot(quitAfter, &app, &QCoreApplication::quit);
    return app.exec();
}
