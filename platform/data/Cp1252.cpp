#include "platform/data/Cp1252.h"

#include <array>
#include <cstdint>

namespace tresilva {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80) out += ch;
        else if (b < 0xA0) AppendUtf8(out, kHigh[b - 0x80]);
        else AppendUtf8(out, b);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if ((b & 0xE0) == 0xC0) { extra = 1; c = b & 0x1F; minimum = 0x80; }
        else if ((b & 0xF0) == 0xE0) { extra = 2; c = b & 0x0F; minimum = 0x800; }
        else if ((b & 0xF8) == 0xF0) { extra = 3; c = b & 0x07; minimum = 0x10000; }
        else { out += '?'; ++i; continue; }
        if (i + static_cast<std::size_t>(extra) >= text.size()) {
            out += '?';
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cb = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
            if ((cb & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (cb & 0x3F);
        }
        if (!ok || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += '?';
            ++i;
            continue;
        }
        out += ToByte(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace tresilva
