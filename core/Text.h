#pragma once
// Texts are UTF-8; every length limit of the Parts counts characters (code
// points), never splits one. A byte that is not a continuation byte starts a
// character, so malformed input is still cut safely.
#include <cstddef>
#include <string>
#include <string_view>

namespace tresilva::core {

inline bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The number of characters of `text`, counting at most up to `limit`.
inline std::size_t Utf8Length(std::string_view text, std::size_t limit = std::string_view::npos) {
    std::size_t count = 0;
    for (char c : text) {
        if (!IsUtf8Continuation(c) && ++count >= limit) return count;
    }
    return count;
}

// The first `count` characters of `text`.
inline std::string Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsUtf8Continuation(text[i])) {
            if (chars == count) return std::string(text.substr(0, i));
            ++chars;
        }
    }
    return std::string(text);
}

// `text` without its last character (empty stays empty).
inline std::string Utf8DropLast(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsUtf8Continuation(text[end - 1])) --end;
    if (end > 0) --end;
    return std::string(text.substr(0, end));
}

// The last character of `text` (empty for an empty text).
inline std::string_view Utf8Last(std::string_view text) {
    std::size_t begin = text.size();
    while (begin > 0 && IsUtf8Continuation(text[begin - 1])) --begin;
    if (begin > 0) --begin;
    return text.substr(begin);
}

}  // namespace tresilva::core
