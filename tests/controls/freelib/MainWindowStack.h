#pragma once
// The main window's windowless stack on a 563 x 283 host, in its painting
// order: the marble mosaic, the outer pad, the keypad, currency and tool pads,
// eleven keypad keys, the darkening band over the fifth currency row, two
// tool keys, the display pad, the erase key and the last tool key. Used by
// the benchmark and the demonstration window.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/freelib/BmpMosaic.h"
#include "controls/freelib/BmpTransparent.h"
#include "controls/freelib/IntensityFilter.h"
#include "controls/freelib/Pad3D.h"
#include "platform/Errors.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/WinControl.h"

namespace tresilva::test {

// A committed picture of assets/, or a procedural stand-in of the same size
// (white key colour around a golden block) when the file is missing.
inline TPicture AssetPicture(const std::string& path, int width, int height) {
    TPicture picture;
    std::ifstream in(std::string(TRESILVA_SOURCE_DIR) + "/assets/" + path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!bytes.empty()) {
        try {
            picture.SetBitmap(TBitmap::FromBmpBytes(bytes));
            return picture;
        } catch (const Exception&) {
        }
    }
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int dx = 2 * x - width + 1, dy = 2 * y - height + 1;
            if (dx * dx + dy * dy < width * height * 3 / 4) b.SetPixel(x, y, RGB(200 - y, 160 - y, 40 + x));
        }
    picture.SetBitmap(b);
    return picture;
}

// The marble tile of assets/, or a procedural light grey veined tile.
inline TPicture MarbleTile() {
    TPicture picture = AssetPicture("marble.bmp", 0, 0);
    if (picture.Width() > 0) return picture;
    TBitmap b(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const int vein = ((x * 3 + y * 5) ^ (x * 7 - y * 2)) & 31;
            const int v = 200 + (vein < 4 ? -30 + vein * 5 : vein % 9);
            b.SetPixel(x, y, RGB(v, v, v + 2));
        }
    picture.SetBitmap(b);
    return picture;
}

class MainWindowStack : public TWinControl {
public:
    static constexpr int kWidth = 563;
    static constexpr int kHeight = 283;

    explicit MainWindowStack(TQuality quality) : TWinControl(nullptr) {
        SetBounds(0, 0, kWidth, kHeight);
        Add<TBmpMosaic>(0, 0, kWidth, kHeight).SetPicture(MarbleTile());
        Pad(0, 0, kWidth, kHeight, 0, 60, 2, quality);
        Pad(10, 60, 126, 213, 2, 20, 1, quality);
        Pad(140, 60, 413, 213, 2, 20, 1, quality);
        Pad(10, 8, 191, 48, 2, 20, 1, quality);
        struct KeyAt {
            int left, top;
            const char* file;
            int width;
        };
        const KeyAt keys[] = {{15, 65, "keys/key7.bmp", 30},  {55, 65, "keys/key8.bmp", 28},
                              {90, 65, "keys/key9.bmp", 28},  {15, 115, "keys/key4.bmp", 30},
                              {55, 115, "keys/key5.bmp", 28}, {90, 115, "keys/key6.bmp", 27},
                              {15, 165, "keys/key1.bmp", 28}, {55, 165, "keys/key2.bmp", 28},
                              {90, 165, "keys/key3.bmp", 28}, {15, 215, "keys/key0.bmp", 30},
                              {55, 215, "keys/keypoint.bmp", 20}};
        for (const KeyAt& k : keys) Key(k.left, k.top, 36, 41, AssetPicture(k.file, k.width, 42));
        auto& filter = Add<TIntensityFilter>(145, 225, 400, 41);
        filter.SetIntensity(-30);
        filter.SetQuality(quality);
        Key(17, 16, 32, 32, AssetPicture("tools/hammer.bmp", 30, 30));
        Key(62, 16, 32, 32, AssetPicture("tools/question.bmp", 26, 30));
        Pad(205, 8, 348, 48, 2, 20, 1, quality);
        Key(90, 215, 33, 35, AssetPicture("keys/erase.bmp", 33, 35));
        Key(97, 16, 32, 32, AssetPicture("tools/ball.bmp", 26, 26));
    }

    template <class C>
    C& Add(int left, int top, int width, int height) {
        auto* c = new C(nullptr);
        c->SetBounds(left, top, width, height);
        c->SetParent(this);
        return *c;
    }

private:
    void Pad(int left, int top, int width, int height, int shadowWidth, int shadowIntensity, int borderWidth,
             TQuality quality) {
        auto& pad = Add<TPad3D>(left, top, width, height);
        pad.SetShadowWidth(shadowWidth);
        pad.SetShadowIntensity(shadowIntensity);
        pad.SetBorderWidth(borderWidth);
        pad.SetBorderIntensity(40);
        pad.SetShadowQuality(quality);
        pad.SetBorderQuality(quality);
    }
    void Key(int left, int top, int width, int height, const TPicture& picture) {
        auto& key = Add<TBmpTransparent>(left, top, width, height);
        key.SetAuto(true);
        key.SetPicture(picture);
    }
};

}  // namespace tresilva::test
