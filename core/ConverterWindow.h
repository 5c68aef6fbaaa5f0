#pragma once
// The one interface through which the converter reaches the main window: exactly
// the operations that Parts 1.2, 1.3 and 1.4 list. The main window (app/)
// implements it; the tests implement it with a recording fake.
//
// Currency indexes are 1..15 (the converter never passes another). Colours are
// 0x00BBGGRR values. Keys are named by the last character of their widget name:
// '0'..'9' for T0..T9 and kSeparatorKey ('P') for TP.
#include <cstdint>
#include <string>

namespace tresilva::core {

using ColorValue = std::int32_t;                 // 0x00BBGGRR, as the platform's colour values
constexpr ColorValue kPanelNavy = 0x800000;      // clNavy: a panel not selected
constexpr ColorValue kPanelRed = 0x0000FF;       // clRed: the selected currency's panel
constexpr char kSeparatorKey = 'P';              // the on-screen separator key TP

class TConverterWindow {
public:
    virtual ~TConverterWindow() = default;

    // The caption of the amount display `cadran`.
    virtual std::string DisplayText() = 0;
    virtual void SetDisplayText(const std::string& text) = 0;

    // The caption of result panel c<i>.
    virtual void SetPanelCaption(int i, const std::string& caption) = 0;
    // The background colour of result panel c<i> (kPanelNavy or kPanelRed).
    virtual void SetPanelColor(int i, ColorValue color) = 0;
    // The font style of label m<i>: bold or normal (no style).
    virtual void SetLabelBold(int i, bool bold) = 0;
    // The caption of the label `money` (a currency's name, UTF-8).
    virtual void SetMoneyCaption(const std::string& caption) = 0;
    // The image `flag` := a copy of the bitmap of the flag image f<i>.
    virtual void CopyFlag(int i) = 0;

    // Hide / show the on-screen key '0'..'9' or kSeparatorKey.
    virtual void HideKey(char key) = 0;
    virtual void ShowKey(char key) = 0;

    // The current state of the configuration dialog's check box `arrondir`.
    virtual bool RoundingOption() = 0;

protected:
    TConverterWindow() = default;
    TConverterWindow(const TConverterWindow&) = default;
    TConverterWindow& operator=(const TConverterWindow&) = default;
};

}  // namespace tresilva::core
