#include "core/Converter.h"

#include <stdexcept>
#include <string_view>

#include "core/Format.h"
#include "core/ParseDecimal.h"
#include "core/Text.h"

namespace tresilva::core {

TConverter::TConverter(TConverterWindow& window, char separator)
    : window_(window), separator_(NormalizeSeparator(separator)) {}

Float48 TConverter::Rate(int i) const {
    if (!IsCurrencyIndex(i)) throw std::out_of_range("currency index outside 1..15");
    return rates_[static_cast<std::size_t>(i)];
}

void TConverter::SetCurrent(int i) {
    if (!IsCurrencyIndex(i)) throw std::out_of_range("currency index outside 1..15");
    current_ = i;
}

// ---------------------------------------------------------------- currency table and rates

void TConverter::InitFixedRates() {
    for (int i = 1; i <= kEUR; ++i) {
        rates_[static_cast<std::size_t>(i)] = Float48::Store(kCurrencies[static_cast<std::size_t>(i - 1)].rate);
    }
}

void TConverter::LoadEditableRates(const std::string& usd, const std::string& gbp, const std::string& jpy) {
    rates_[kUSD] = Float48::Store(ParseDecimal(usd, separator_));
    rates_[kGBP] = Float48::Store(ParseDecimal(gbp, separator_));
    rates_[kJPY] = Float48::Store(ParseDecimal(jpy, separator_));
}

// ---------------------------------------------------------------- conversion and formatting

void TConverter::Convert() {
    const std::string t = window_.DisplayText();  // step 1
    std::string_view parse = t;                    // step 2: only "." is dropped
    if (!parse.empty() && parse.back() == '.') parse.remove_suffix(1);
    const std::string parseText = Utf8Prefix(parse, 255);
    window_.SetPanelCaption(current_, t);  // step 3
    const Extended a = ParseDecimal(parseText, separator_);  // step 4
    const Float48 e = Float48::Store(Divide(a, rates_[static_cast<std::size_t>(current_)].Load()));  // step 5
    const Extended euro = e.Load();
    for (int j = 1; j <= kCurrencyCount; ++j) {  // step 6
        if (j == current_) continue;
        const Float48 v = Float48::Store(Multiply(euro, rates_[static_cast<std::size_t>(j)].Load()));
        core::FormatAmount(v, 15, 5, separator_, scratch_);
        // ApplyRounding, the option read afresh for every result; off, the
        // five-decimal text goes to the panel without a copy.
        if (window_.RoundingOption()) window_.SetPanelCaption(j, core::ApplyRounding(scratch_, true, separator_));
        else window_.SetPanelCaption(j, scratch_);
    }
}

std::string TConverter::FormatAmount(Float48 value, int width, int decimals) const {
    return core::FormatAmount(value, width, decimals, separator_);
}

std::string TConverter::ApplyRounding(const std::string& text) {
    return core::ApplyRounding(text, window_.RoundingOption(), separator_);
}

// ---------------------------------------------------------------- amount entry

void TConverter::AppendChar(char ch) {
    if (!(separatorTyped_ && IsSeparatorChar(ch))) {  // step 1
        std::string text = window_.DisplayText();      // step 2
        if (text == "0" && !IsSeparatorChar(ch)) text.assign(1, ch);
        else text.push_back(ch);
        window_.SetDisplayText(text);
        Convert();  // step 3
    }
    if (IsSeparatorChar(ch)) separatorTyped_ = true;  // step 4
}

void TConverter::FlashKey(char ch) {
    char key;
    if (IsSeparatorChar(ch)) key = kSeparatorKey;
    else if (ch >= '0' && ch <= '9') key = ch;
    else return;
    window_.HideKey(key);
    window_.ShowKey(key);
}

void TConverter::EraseStep(std::string& s) {
    const std::string_view last = Utf8Last(s);
    if (last.size() == 1 && IsSeparatorChar(last[0])) separatorTyped_ = false;  // step 1
    if (Utf8Length(s, 2) > 1) s = Utf8DropLast(s);                              // step 2
    else s.assign(1, '0');
}

std::string TConverter::EraseCopy() { return Utf8Prefix(window_.DisplayText(), 255); }

void TConverter::FormKeyPress(char& key) {
    const bool digit = key >= '0' && key <= '9';
    if (!digit && !IsSeparatorChar(key)) return;  // step 1
    if (IsSeparatorChar(key)) key = separator_;   // step 2
    AppendChar(key);                              // step 3
    FlashKey(key);
}

void TConverter::FormKeyUp(std::uint16_t key) {
    std::string s = EraseCopy();  // step 1
    if (key == 8) {               // step 2
        EraseStep(s);
    } else if (key == 46) {
        s.assign(1, '0');
        separatorTyped_ = false;
    }
    window_.SetDisplayText(s);  // step 3
    Convert();
}

void TConverter::KeyClick(char key) {
    char ch;
    if (key >= '0' && key <= '9') ch = key;
    else if (key == kSeparatorKey) ch = separator_;
    else throw std::invalid_argument("not an on-screen key");
    AppendChar(ch);
    FlashKey(ch);
}

void TConverter::EraseKeyClick() {
    std::string s = EraseCopy();
    EraseStep(s);
    window_.SetDisplayText(s);
    Convert();
}

// ---------------------------------------------------------------- currency selection

void TConverter::UnselectCurrency(int i) {
    if (!IsCurrencyIndex(i)) return;
    window_.SetLabelBold(i, false);
    window_.SetPanelColor(i, kPanelNavy);
}

void TConverter::SelectCurrency(int i) {
    if (IsCurrencyIndex(i)) {
        window_.SetMoneyCaption(CurrencyAt(i).name);
        window_.CopyFlag(i);
        window_.SetLabelBold(i, true);
        window_.SetPanelColor(i, kPanelRed);
    }
    Convert();
}

void TConverter::CurrencyClick(int i) {
    if (!IsCurrencyIndex(i)) throw std::out_of_range("currency index outside 1..15");
    UnselectCurrency(current_);
    current_ = i;
    SelectCurrency(i);
}

}  // namespace tresilva::core
