#pragma once
// The currency table. A currency index is 1..15 in the fixed order
// DEM ATS BEF ESP FIM FRF IEP ITL LUF NLG PTE EUR USD GBP JPY.
#include <array>
#include <string>
#include <string_view>

#include "core/Extended.h"

namespace tresilva::core {

constexpr int kCurrencyCount = 15;
constexpr int kEUR = 12;  // the euro, and the currency that starts current
constexpr int kUSD = 13;
constexpr int kGBP = 14;
constexpr int kJPY = 15;

struct Currency {
    const char* code;   // "DEM"
    const char* label;  // caption of the label m<i>: "Allemagne (DEM)"
    const char* name;   // shown under the display while selected: "Deutche mark" (UTF-8)
    // Fixed rates (1..12): units per euro as a decimal text with "." and as the
    // nearest extended value; the editable ones (13..15) have their default text
    // with "," here and a rate of 0.
    const char* rateText;
    Extended rate;
    bool editable;
};

// The fifteen rows, index i at position i - 1.
extern const std::array<Currency, kCurrencyCount> kCurrencies;

constexpr bool IsCurrencyIndex(int i) { return i >= 1 && i <= kCurrencyCount; }

// Row of currency i (1..15); throws std::out_of_range for any other i.
const Currency& CurrencyAt(int i);

// The index of a code ("frf", "FRF", any letter case), or 0 when there is none.
int CurrencyIndexOfCode(std::string_view code);

// The default rate text of an editable currency (13, 14, 15) with the given
// decimal separator: "1,15455" / "1.15455", "0,70807" / "0.70807", "129,289" /
// "129.289" (the defaults use the user's separator).
// Throws std::out_of_range for any other index.
std::string DefaultRateText(int i, char separator);

// The currency that start-up makes current for the list position `monnaie`
// (0..14 gives 1..15); any other position gives EUR.
constexpr int CurrencyOfListPosition(int monnaie) {
    return monnaie >= 0 && monnaie < kCurrencyCount ? monnaie + 1 : kEUR;
}

}  // namespace tresilva::core
