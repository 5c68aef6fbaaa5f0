#pragma once
// A fake main window for the converter's tests: it holds what the window would
// show (starting as a fresh main window: display "0", panels "000.00 " and navy,
// labels normal) and records every call, in order, as a short text such as
// "SetPanelCaption(6,100)" or "HideKey(P)".
#include <array>
#include <string>
#include <vector>

#include "core/ConverterWindow.h"
#include "core/Currency.h"

namespace tresilva::core::testing {

class TRecordingWindow : public TConverterWindow {
public:
    static constexpr const char* kFirstCaption = "000.00 ";

    TRecordingWindow() {
        captions.fill(kFirstCaption);
        colors.fill(kPanelNavy);
        bold.fill(false);
    }

    std::string DisplayText() override {
        calls.push_back("DisplayText");
        return display;
    }
    void SetDisplayText(const std::string& text) override {
        calls.push_back("SetDisplayText(" + text + ")");
        display = text;
    }
    void SetPanelCaption(int i, const std::string& caption) override {
        calls.push_back("SetPanelCaption(" + std::to_string(i) + "," + caption + ")");
        captions.at(static_cast<std::size_t>(i)) = caption;
    }
    void SetPanelColor(int i, ColorValue color) override {
        calls.push_back("SetPanelColor(" + std::to_string(i) + "," +
                        (color == kPanelNavy ? "navy" : color == kPanelRed ? "red" : std::to_string(color)) + ")");
        colors.at(static_cast<std::size_t>(i)) = color;
    }
    void SetLabelBold(int i, bool isBold) override {
        calls.push_back("SetLabelBold(" + std::to_string(i) + "," + (isBold ? "bold" : "normal") + ")");
        bold.at(static_cast<std::size_t>(i)) = isBold;
    }
    void SetMoneyCaption(const std::string& caption) override {
        calls.push_back("SetMoneyCaption(" + caption + ")");
        money = caption;
    }
    void CopyFlag(int i) override {
        calls.push_back("CopyFlag(" + std::to_string(i) + ")");
        flag = i;
    }
    void HideKey(char key) override { calls.push_back(std::string("HideKey(") + key + ")"); }
    void ShowKey(char key) override { calls.push_back(std::string("ShowKey(") + key + ")"); }
    bool RoundingOption() override {
        calls.push_back("RoundingOption");
        return rounding;
    }

    // The recorded calls that start with `prefix`.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.compare(0, prefix.size(), prefix) == 0) out.push_back(c);
        }
        return out;
    }
    // True when a conversion wrote the source panel (a Convert ran past step 3).
    bool Converted() const { return !CallsStartingWith("SetPanelCaption").empty(); }

    std::string display = "0";
    std::array<std::string, kCurrencyCount + 1> captions;
    std::array<ColorValue, kCurrencyCount + 1> colors{};
    std::array<bool, kCurrencyCount + 1> bold{};
    std::string money = "Francs Luxembourgeois";
    int flag = 1;
    bool rounding = false;
    std::vector<std::string> calls;
};

// Hex bytes "81 45 2F A3 58 7A".
inline std::string Hex(const std::array<unsigned char, 6>& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i) s += ' ';
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 15];
    }
    return s;
}

}  // namespace tresilva::core::testing
