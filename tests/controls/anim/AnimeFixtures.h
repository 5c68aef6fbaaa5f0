#pragma once
// Frames with recognisable pixels, and an animation that counts its paints.
#include <string>
#include <vector>

#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/ImageCtrl.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace tresilva::test {

// Every pixel its own colour: red from x, green from y, blue from `tag`.
inline TBitmap Pattern(int width, int height, int tag = 200) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(5 + 7 * x, 5 + 7 * y, tag));
    }
    return b;
}

class CountingAnime : public TBmpAnime {
public:
    explicit CountingAnime(TComponent* owner = nullptr) : TBmpAnime(owner) {}
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TBmpAnime::Paint();
    }
};

// The frame names in list order.
inline std::vector<std::string> FrameNames(TBmpAnime& anime) {
    std::vector<std::string> names;
    for (int i = 0; i < anime.ImageList().Count(); ++i) names.push_back(anime.ImageList().Strings(i));
    return names;
}

// Adds a named frame with an image through the view.
inline TImageCtrl& AddFrame(TBmpAnime& anime, const std::string& name, const TBitmap& image) {
    const int index = anime.ImageList().Add(name);
    auto* frame = static_cast<TImageCtrl*>(anime.ImageList().Objects(index));
    frame->SetBmp(image);
    return *frame;
}

}  // namespace tresilva::test
