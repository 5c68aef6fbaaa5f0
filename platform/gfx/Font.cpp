#include "platform/gfx/Font.h"

namespace tresilva {

TFont::TFont() : name_("MS Sans Serif"), height_(11), style_(0), color_(clWindowText) {}

void TFont::SetName(const std::string& name) {
    name_ = name;
    Changed();
}

void TFont::SetHeight(int pixels) {
    height_ = pixels;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

bool TFont::operator==(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_;
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

}  // namespace tresilva
