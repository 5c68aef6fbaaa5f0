#pragma once
// Colour values: 0x00BBGGRR for a plain colour, or a negative system-colour
// code (0x80000000 | index) resolved through a fixed classic palette.
#include <cstdint>

namespace tresilva {

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

// What a pixel read outside a surface gives.
constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFFu);

constexpr TColor clBlack   = 0x000000;
constexpr TColor clMaroon  = 0x000080;
constexpr TColor clGreen   = 0x008000;
constexpr TColor clOlive   = 0x008080;
constexpr TColor clNavy    = 0x800000;
constexpr TColor clPurple  = 0x800080;
constexpr TColor clTeal    = 0x808000;
constexpr TColor clGray    = 0x808080;
constexpr TColor clSilver  = 0xC0C0C0;
constexpr TColor clRed     = 0x0000FF;
constexpr TColor clLime    = 0x00FF00;
constexpr TColor clYellow  = 0x00FFFF;
constexpr TColor clBlue    = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua    = 0xFFFF00;
constexpr TColor clWhite   = 0xFFFFFF;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr TColor clScrollBar         = SystemColor(0);
constexpr TColor clBackground        = SystemColor(1);
constexpr TColor clActiveCaption     = SystemColor(2);
constexpr TColor clInactiveCaption   = SystemColor(3);
constexpr TColor clMenu              = SystemColor(4);
constexpr TColor clWindow            = SystemColor(5);
constexpr TColor clWindowFrame       = SystemColor(6);
constexpr TColor clMenuText          = SystemColor(7);
constexpr TColor clWindowText        = SystemColor(8);
constexpr TColor clCaptionText       = SystemColor(9);
constexpr TColor clActiveBorder      = SystemColor(10);
constexpr TColor clInactiveBorder    = SystemColor(11);
constexpr TColor clAppWorkSpace      = SystemColor(12);
constexpr TColor clHighlight         = SystemColor(13);
constexpr TColor clHighlightText     = SystemColor(14);
constexpr TColor clBtnFace           = SystemColor(15);
constexpr TColor clBtnShadow         = SystemColor(16);
constexpr TColor clGrayText          = SystemColor(17);
constexpr TColor clBtnText           = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight      = SystemColor(20);
constexpr TColor cl3DDkShadow        = SystemColor(21);
constexpr TColor cl3DLight           = SystemColor(22);
constexpr TColor clInfoText          = SystemColor(23);
constexpr TColor clInfoBk            = SystemColor(24);

// A plain colour unchanged; a system colour through the classic palette; an
// unknown code (CLR_INVALID among them) gives black. Never indexes out of range.
TColor ColorToRGB(TColor color);

// Named colours, as layouts write them ("clNavy", "clBtnFace"); matched
// without regard to case. Returns false for an unknown name.
bool ColorFromName(const char* name, TColor& out);
// The name of a named colour, or an empty string.
const char* ColorName(TColor color);

}  // namespace tresilva
