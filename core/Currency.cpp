#include "core/Currency.h"

#include <stdexcept>

namespace tresilva::core {

const std::array<Currency, kCurrencyCount> kCurrencies = {{
    {"DEM", "Allemagne (DEM)", "Deutche mark", "1.95583", 1.95583L, false},
    {"ATS", "Autriche (ATS)", "Schilling", "13.7603", 13.7603L, false},
    {"BEF", "Belgique (BEF)", "Franc belge", "40.3399", 40.3399L, false},
    {"ESP", "Espagne (ESP)", "Pesete", "166.386", 166.386L, false},
    {"FIM", "Finlande (FIM)", "Markka", "5.94573", 5.94573L, false},
    {"FRF", "France (FRF)", "Franc fran\xC3\xA7" "ais", "6.55957", 6.55957L, false},
    {"IEP", "Irlande (IEP)", "Livre irlandaise", "0.787564", 0.787564L, false},
    {"ITL", "Italie (ITL)", "Lire", "1936.27", 1936.27L, false},
    {"LUF", "Luxembourg (LUF)", "Franc luxembourgeois", "40.3399", 40.3399L, false},
    {"NLG", "Pays-Bas (NLG)", "Florin", "2.20371", 2.20371L, false},
    {"PTE", "Portugal (PTE)", "Escudo portugais", "200.482", 200.482L, false},
    {"EUR", "Europe (EUR)", "Euro", "1", 1.0L, false},
    {"USD", "Etats-Unis (USD)", "US Dollar", "1,15455", 0.0L, true},
    {"GBP", "GB (GBP)", "Livre sterling", "0,70807", 0.0L, true},
    {"JPY", "Japon (JPY)", "Yen", "129,289", 0.0L, true},
}};

const Currency& CurrencyAt(int i) {
    if (!IsCurrencyIndex(i)) throw std::out_of_range("currency index outside 1..15");
    return kCurrencies[static_cast<std::size_t>(i - 1)];
}

int CurrencyIndexOfCode(std::string_view code) {
    if (code.size() != 3) return 0;
    for (int i = 1; i <= kCurrencyCount; ++i) {
        const char* c = kCurrencies[static_cast<std::size_t>(i - 1)].code;
        bool same = true;
        for (std::size_t k = 0; k < 3; ++k) {
            char ch = code[k];
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
            if (ch != c[k]) same = false;
        }
        if (same) return i;
    }
    return 0;
}

std::string DefaultRateText(int i, char separator) {
    const Currency& c = CurrencyAt(i);
    if (!c.editable) throw std::out_of_range("not an editable currency");
    std::string text = c.rateText;
    for (char& ch : text) {
        if (ch == ',') ch = separator;
    }
    return text;
}

}  // namespace tresilva::core
