#include "controls/freelib/ImageCtrl.h"

#include <algorithm>

#include "controls/freelib/BmpAnime.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Reader.h"

namespace tresilva {

TImageCtrl::TImageCtrl(TComponent* owner) : TControl(owner) {}

TImageCtrl::~TImageCtrl() {
    // While the animation itself is being destroyed it is no longer a
    // TBmpAnime here, and its list is gone already.
    if (auto* anime = dynamic_cast<TBmpAnime*>(Parent())) {
        auto& frames = anime->frames_;
        frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
    }
}

void TImageCtrl::ReadState(TReader& reader) {
    // Listed before its properties are read, so a bad image still leaves it listed.
    if (auto* anime = dynamic_cast<TBmpAnime*>(reader.Parent())) anime->frames_.push_back(this);
    TComponent* const saved = reader.Owner();
    reader.SetOwner(reader.Root());
    try {
        TControl::ReadState(reader);
    } catch (...) {
        reader.SetOwner(saved);
        throw;
    }
    reader.SetOwner(saved);
}

const TClassInfo& TImageCtrl::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TImageCtrl;
        TClassInfo c("TImageCtrl", &TControl::StaticClassInfo(), MakeFactory<TImageCtrl>());
        c.InheritAll();
        c.Publish(StringProperty("Caption", &C::Caption, &C::SetCaption));
        c.Publish(BitmapProperty(
            "Bmp", [](C& frame) -> const TBitmap& { return frame.Bmp(); }, &C::SetBmp));
        return c;
    }();
    return info;
}

}  // namespace tresilva
