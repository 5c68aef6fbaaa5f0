#pragma once
// A window that only remembers: what a fresh main window holds (display "0",
// every panel "000.00 ", navy, labels normal), changed only through the
// converter's interface. The command-line companion prints its panels.
#include <array>
#include <string>

#include "core/ConverterWindow.h"
#include "core/Currency.h"

namespace tresilva::cli {

class TMemoryWindow : public core::TConverterWindow {
public:
    static constexpr const char* kFirstPanelCaption = "000.00 ";  // the result panels' first caption

    explicit TMemoryWindow(bool rounding) : rounding_(rounding) {
        captions_.fill(kFirstPanelCaption);
        colors_.fill(core::kPanelNavy);
        bold_.fill(false);
    }

    std::string DisplayText() override { return display_; }
    void SetDisplayText(const std::string& text) override { display_ = text; }
    void SetPanelCaption(int i, const std::string& caption) override { captions_[Slot(i)] = caption; }
    void SetPanelColor(int i, core::ColorValue color) override { colors_[Slot(i)] = color; }
    void SetLabelBold(int i, bool bold) override { bold_[Slot(i)] = bold; }
    void SetMoneyCaption(const std::string& caption) override { money_ = caption; }
    void CopyFlag(int i) override { flag_ = i; }
    void HideKey(char) override {}
    void ShowKey(char) override {}
    bool RoundingOption() override { return rounding_; }

    const std::string& PanelCaption(int i) const { return captions_[Slot(i)]; }
    const std::string& MoneyCaption() const { return money_; }

private:
    static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

    std::string display_ = "0";
    std::array<std::string, core::kCurrencyCount + 1> captions_;
    std::array<core::ColorValue, core::kCurrencyCount + 1> colors_{};
    std::array<bool, core::kCurrencyCount + 1> bold_{};
    std::string money_ = "Francs Luxembourgeois";
    int flag_ = 1;
    bool rounding_;
};

}  // namespace tresilva::cli
