#pragma once
// Fonts as the layouts give them: a face name, a character height in pixels,
// a style and a colour. Faces are substituted on Linux ("Arial" and
// "MS Sans Serif" by Liberation Sans, "Comic Sans MS" by Comic Neue).
#include <cstdint>
#include <functional>
#include <string>

#include "platform/gfx/Color.h"

namespace tresilva {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;  // a set of TFontStyle bits

class TFont {
public:
    TFont();  // "MS Sans Serif", 11 pixels, no style, clWindowText

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }  // character height in pixels
    void SetHeight(int pixels);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // Copies every attribute; fires OnChange once.
    void Assign(const TFont& other);
    bool operator==(const TFont& other) const;

    // Called after any attribute changes (labels re-fit, controls repaint).
    std::function<void()> OnChange;

private:
    void Changed();
    std::string name_;
    int height_;
    TFontStyles style_;
    TColor color_;
};

}  // namespace tresilva
