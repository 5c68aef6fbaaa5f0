#include "tools/assetgen/AssetSet.h"

#include <sstream>

#include <QBuffer>

#include "tools/assetgen/BmpWriter.h"
#include "tools/assetgen/EuroAnimation.h"
#include "tools/assetgen/Flags.h"
#include "tools/assetgen/FloppyAnimation.h"
#include "tools/assetgen/GlobeAnimation.h"
#include "tools/assetgen/HandCursors.h"
#include "tools/assetgen/IcoWriter.h"
#include "tools/assetgen/Icon.h"
#include "tools/assetgen/KeyGlyphs.h"
#include "tools/assetgen/Layer.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Marble.h"
#include "tools/assetgen/TickStrip.h"
#include "tools/assetgen/ToolPictures.h"

namespace tresilva {

namespace {

struct Listing {
    std::string path, size, format, content;
};

std::vector<std::uint8_t> Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

QImage CursorPreview(const MonoCursor& cursor) {
    QImage out(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Ink ink = cursor.pixels[y][x];
            out.setPixel(x, y, ink == Ink::Clear ? qRgba(0, 0, 0, 0) : ink == Ink::Black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return out;
}

std::string Dims(const QImage& image) {
    return std::to_string(image.width()) + " x " + std::to_string(image.height());
}

class Builder {
public:
    AssetSet set;
    std::vector<Listing> listing;

    void Bmp24(const std::string& path, const QImage& image, const std::string& content) {
        Add(path, EncodeBmp24(image), Dims(image), "BMP, 24-bit", content);
    }
    void Bmp8(const std::string& path, const IndexedImage& image, const std::string& content) {
        Add(path, EncodeBmp8(image), Dims(image.ToImage()), "BMP, 8-bit, 256-entry palette", content);
    }
    void Add(const std::string& path, std::vector<std::uint8_t> bytes, const std::string& size, const std::string& format,
             const std::string& content) {
        listing.push_back({path, size + ", " + std::to_string(bytes.size()) + " bytes", format, content});
        set.files.push_back({path, std::move(bytes)});
    }
    // One palette for a whole animation, so its frames never shift colour.
    std::vector<IndexedImage> Frames(const std::vector<QImage>& frames, QRgb background) {
        const Palette palette = BuildPalette(frames, {background});
        std::vector<IndexedImage> out;
        for (const QImage& f : frames) out.push_back(Quantise(f, palette));
        return out;
    }
};

std::string Readme(const std::vector<Listing>& listing) {
    std::ostringstream out;
    out << "# Pictures, frames, cursors, icon and help\n\n"
           "Everything here but `help/DOCFR.HLP` is drawn by the generator in `tools/assetgen/`\n"
           "and committed, so the program builds without running it. To make them again:\n\n"
           "```\n"
           "cmake -S . -B build && cmake --build build --target tresilva-assetgen\n"
           "build/tools/assetgen/tresilva-assetgen assets --contact-sheet docs/contact-sheet.png\n"
           "```\n\n"
           "The output is the same byte for byte on every run (the letters come from the installed\n"
           "Liberation font files). The asset test checks that these files equal a fresh run, so a\n"
           "picture edited by hand must also be drawn by the generator (or the test told).\n"
           "Key and tool pictures use their top-left white (255, 255, 255) as the transparent\n"
           "colour: no other pixel of them is exactly white, and their edges blend toward the pad\n"
           "grey (205, 205, 205), never toward white. Frames and flags are 8-bit pictures with\n"
           "256 palette entries and the pixels at offset 1078; the floppy and globe frames share\n"
           "their names, so each animation has its own folder. `docs/contact-sheet.png` shows them all.\n\n"
           "| File | Size | Format | Content |\n|---|---|---|---|\n";
    for (const Listing& l : listing)
        out << "| `" << l.path << "` | " << l.size << " | " << l.format << " | " << l.content << " |\n";
    out << "| `help/DOCFR.HLP` | | HTML, UTF-8 (written by hand) | the help document, opened at `context-1` |\n";
    return out.str();
}

}  // namespace

AssetSet BuildAssets() {
    Builder b;
    AssetSet& set = b.set;

    set.marble = MarbleTile();
    b.Bmp24("marble.bmp", set.marble, "light grey marble tile, seamless");
    set.sheet.push_back({"Marble tile 128 x 128, tiled 2 x 2", {set.marble}, {}, 2, Backdrop::Tiled, 0});

    SheetRow flagRow{"Flags 16 x 11, 256 colours", {}, {}, 4, Backdrop::None, 0};
    for (const Flag& flag : AllFlags()) {
        std::string file = flag.code;
        for (char& c : file) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const Palette palette = BuildPalette({flag.image});
        b.Bmp8("flags/" + file + ".bmp", Quantise(flag.image, palette), "flag of " + flag.country + " (" + flag.code + "), black frame");
        flagRow.images.push_back(flag.image);
        flagRow.captions.push_back(QString::fromStdString(flag.code));
    }
    set.sheet.push_back(flagRow);

    SheetRow keyRow{"Keypad glyphs, 42 high (and on the marble, white transparent)", {}, {}, 4, Backdrop::Keyed, 0};
    for (const KeyGlyph& key : KeypadGlyphs()) {
        const std::string name = key.name.toStdString();
        b.Bmp24("keys/key" + name + ".bmp", key.image, "golden key glyph \"" + name + "\" on the key white");
        keyRow.images.push_back(key.image);
        keyRow.captions.push_back(key.name + " (" + QString::number(key.image.width()) + ")");
    }
    const QImage erase = EraseGlyph();
    b.Bmp24("keys/erase.bmp", erase, "golden left-pointing arrowhead on the key white");
    keyRow.images.push_back(erase);
    keyRow.captions.push_back("erase");
    set.sheet.push_back(keyRow);
    SheetRow trueSize = keyRow;
    trueSize.title = "Keypad glyphs at true size";
    trueSize.zoom = 1;
    trueSize.captions.clear();
    set.sheet.push_back(trueSize);
    set.sheet.push_back({"Flags at true size", flagRow.images, {}, 1, Backdrop::None, 0});

    const QImage hammer = HammerPicture(), question = QuestionPicture(), ball = BallPicture();
    b.Bmp24("tools/hammer.bmp", hammer, "hammer (settings) on the key white");
    b.Bmp24("tools/question.bmp", question, "blue question mark (help) on the key white");
    b.Bmp24("tools/ball.bmp", ball, "green ball (quit) on the key white");
    set.sheet.push_back({"Tool pictures", {hammer, question, ball}, {"hammer", "question", "ball"}, 4, Backdrop::Keyed, 0});

    auto frameRow = [&](const char* title, const std::string& folder, const char* stem, const std::vector<QImage>& frames,
                        QRgb background, const std::string& content, int zoom, int perLine) {
        SheetRow row{title, {}, {}, zoom, Backdrop::None, perLine};
        const std::vector<IndexedImage> indexed = b.Frames(frames, background);
        for (std::size_t i = 0; i < indexed.size(); ++i) {
            const std::string name = stem + std::to_string(i + 1) + ".BMP";
            b.Bmp8("frames/" + folder + "/" + name, indexed[i], content + ", frame " + std::to_string(i + 1));
            row.images.push_back(indexed[i].ToImage());
            row.captions.push_back(QString::number(i + 1));
        }
        set.sheet.push_back(row);
    };
    frameRow("Flag animation EURO1..6, 61 x 43", "euro", "EURO", EuroFrames(), kPadGrey, "waving European flag", 4, 0);
    frameRow("Floppy animation IMAGE1..36, 50 x 40", "floppy", "IMAGE", FloppyFrames(), qRgb(255, 255, 255),
             "floppy disk, red arrow circling", 3, 12);
    frameRow("Globe animation IMAGE1..12, 39 x 42", "globe", "IMAGE", GlobeFrames(), qRgb(255, 255, 255),
             "turning globe", 4, 0);

    const QImage banner = BannerPicture(), click = ClickHerePicture();
    b.Bmp24("about/banner.bmp", banner, "\"Tresilva 99\", golden bevelled italic on white");
    b.Bmp24("about/cliquez-ici.bmp", click, "\"Cliquez ici\", golden bevelled on white");
    set.sheet.push_back({"About window: banner 262 x 62, \"Cliquez ici\" 176 x 32", {banner, click}, {}, 3, Backdrop::None, 0});

    const QImage tick = TickStrip();
    b.Bmp24("config/ok-tick.bmp", tick, "OK glyph strip: green tick, then disabled (grey), on the button face (192, 192, 192)");
    set.sheet.push_back({"OK tick strip 36 x 18 (normal, disabled)", {tick}, {}, 6, Backdrop::None, 0});

    const QImage icon32 = IconPicture(32);
    b.Add("icon/tresilva.ico", EncodeIco8(Quantise(icon32, BuildPalette({icon32}))), "32 x 32", "ICO, 8-bit, 256 colours",
          "program icon: yellow euro sign on dark blue");
    SheetRow iconRow{"Icon: 32 x 32 .ico, and the desktop's PNG sizes", {}, {}, 1, Backdrop::None, 0};
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = IconPicture(size);
        const std::string n = std::to_string(size);
        b.Add("icon/hicolor/" + n + "x" + n + "/apps/tresilva.png", Png(icon), n + " x " + n, "PNG, 24-bit",
              "program icon for the desktop");
        iconRow.images.push_back(icon);
        iconRow.captions.push_back(QString::number(size));
    }
    set.sheet.push_back(iconRow);
    set.sheet.push_back({"Icon 32 x 32 enlarged", {icon32}, {}, 4, Backdrop::None, 0});

    SheetRow cursorRow{"Hand cursors 32 x 32, hot spot in red", {}, {}, 4, Backdrop::Cursor, 0};
    for (const HandCursor& hand : HandCursors()) {
        b.Add("cursors/" + hand.name + ".cur", EncodeCur(hand.cursor), "32 x 32", "CUR, monochrome (AND and XOR masks)",
              "hand cursor, hot spot (" + std::to_string(hand.cursor.hotX) + ", " + std::to_string(hand.cursor.hotY) + ")");
        QImage preview = CursorPreview(hand.cursor);
        preview.setText("hotspot", QString("%1,%2").arg(hand.cursor.hotX).arg(hand.cursor.hotY));
        cursorRow.images.push_back(preview);
        cursorRow.captions.push_back(QString::fromStdString(hand.name));
    }
    set.sheet.push_back(cursorRow);

    const std::string readme = Readme(b.listing);
    set.files.push_back({"README.md", std::vector<std::uint8_t>(readme.begin(), readme.end())});
    return set;
}

}  // namespace tresilva
