#pragma once
// The converter (Parts 1.1 to 1.4): its state (`rates`, `current`,
// `separatorTyped`, `separator`) and its operations. The main window owns one
// TConverter and forwards its handlers to it; the converter reaches the window
// only through TConverterWindow.
//
// Errors are exceptions derived from ECoreError (core/Errors.h) carrying the
// Parts' exact messages. An operation that fails stops where it fails and undoes
// nothing: panels already written stay written, rates already loaded stay loaded,
// and after a failed Convert the calling handler's remaining steps do not run
// (the key does not flash, an appended separator does not set separatorTyped,
// the new selection stays marked).
#include <array>
#include <cstdint>
#include <string>

#include "core/ConverterWindow.h"
#include "core/Currency.h"
#include "core/Float48.h"

namespace tresilva::core {

// Only "." and "," are separators: any other character gives ",".
constexpr char NormalizeSeparator(char c) { return c == '.' ? '.' : ','; }

class TConverter {
public:
    // `separator` is the user's decimal separator, normalised by NormalizeSeparator.
    // Every rate starts at zero; `current` starts at EUR (12), separatorTyped false.
    TConverter(TConverterWindow& window, char separator);

    // --- State ---
    char Separator() const { return separator_; }
    // Rate i (1..15); throws std::out_of_range for any other i.
    Float48 Rate(int i) const;
    // The selected currency, always within 1..15.
    int Current() const { return current_; }
    // Makes i current without marking or converting (start-up).
    // Throws std::out_of_range for an i outside 1..15, which keeps `current` valid.
    void SetCurrent(int i);
    bool SeparatorTyped() const { return separatorTyped_; }
    void SetSeparatorTyped(bool typed) { separatorTyped_ = typed; }

    // --- currency table and rates ---
    // Entries 1..12 := the twelve fixed rates.
    void InitFixedRates();
    // Entry 13, 14, 15 := Float48 store of ParseDecimal of each text, in this
    // order; a failure leaves the earlier entries loaded and the failing one and
    // those after it as they were.
    void LoadEditableRates(const std::string& usd, const std::string& gbp, const std::string& jpy);

    // --- conversion and formatting ---
    // Converts the display text from `current` into every other panel.
    // `current` is always within 1..15 (it starts at EUR and only SetCurrent and
    // CurrencyClick change it, both checking the range), so the case of "no valid
    // current currency" cannot happen by construction.
    void Convert();
    std::string FormatAmount(Float48 value, int width, int decimals) const;
    // Reads the rounding option from the window.
    std::string ApplyRounding(const std::string& text);

    // --- amount entry ---
    void AppendChar(char ch);
    void FlashKey(char ch);
    // The erase step on `s` (an erase copy): may clear separatorTyped.
    void EraseStep(std::string& s);
    // The display text cut to its first 255 characters.
    std::string EraseCopy();
    // The typed-character handler: `key` may be changed (a "." or "," becomes the separator).
    void FormKeyPress(char& key);
    // The key-release handler: 8 is backspace, 46 delete; every key converts.
    void FormKeyUp(std::uint16_t key);
    // T0Click..T9Click ('0'..'9') and TPClick (kSeparatorKey). Any other key
    // throws std::invalid_argument before doing anything.
    void KeyClick(char key);
    // BmpTransparent1Click.
    void EraseKeyClick();

    // --- currency selection ---
    void UnselectCurrency(int i);
    void SelectCurrency(int i);
    // m1Click..m15Click for currency i: UnselectCurrency (current), current := i,
    // SelectCurrency (i). An i outside 1..15 throws std::out_of_range before
    // doing anything.
    void CurrencyClick(int i);

private:
    static bool IsSeparatorChar(char c) { return c == '.' || c == ','; }

    TConverterWindow& window_;
    char separator_;
    std::array<Float48, kCurrencyCount + 1> rates_{};  // [1..15]; [0] unused
    int current_ = kEUR;
    bool separatorTyped_ = false;
    std::string scratch_;  // reused by Convert for the five-decimal texts
};

}  // namespace tresilva::core
