#include "platform/data/LayoutParser.h"

#include "platform/data/LayoutError.h"

#include <cstdio>
#include <limits>

namespace tresilva {

const char* TLayoutValue::KindName() const {
    switch (kind) {
        case TLayoutValueKind::Integer: return "an integer";
        case TLayoutValueKind::String: return "a string";
        case TLayoutValueKind::Identifier: return "a word";
        case TLayoutValueKind::Set: return "a set";
        case TLayoutValueKind::StringList: return "a list of strings";
        case TLayoutValueKind::Binary: return "a block of bytes";
        case TLayoutValueKind::Asset: return "an asset";
    }
    return "a value";
}

namespace {

// Deeper nesting than any window needs; it keeps hostile input from
// exhausting the stack.
constexpr int kMaxDepth = 64;

bool IsWordStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordChar(char c) { return IsWordStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at text[i], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) return 1;
    std::size_t n;
    std::uint32_t c;
    std::uint32_t minimum;
    if ((b & 0xE0) == 0xC0) { n = 2; c = b & 0x1F; minimum = 0x80; }
    else if ((b & 0xF0) == 0xE0) { n = 3; c = b & 0x0F; minimum = 0x800; }
    else if ((b & 0xF8) == 0xF0) { n = 4; c = b & 0x07; minimum = 0x10000; }
    else return 0;
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto cb = static_cast<unsigned char>(text[i + k]);
        if ((cb & 0xC0) != 0x80) return 0;
        c = (c << 6) | (cb & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

class Parser {
public:
    Parser(std::string_view text, std::string file, const TAssetLookup& assets)
        : text_(text), file_(std::move(file)), assets_(assets) {}

    TLayout Run() {
        CheckEncoding();
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
        SkipSpace();
        if (AtEnd()) Fail(line_, "empty layout: 'object' expected");
        TLayout layout;
        layout.root = ParseObject(0);
        SkipSpace();
        if (!AtEnd()) Fail(line_, "unexpected " + Describe() + " after the last 'end'");
        layout.file = file_;
        return layout;
    }

private:
    [[noreturn]] void Fail(int line, const std::string& message) const { throw ELayoutError(file_, line, message); }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    // The character at the current place, for messages.
    std::string Describe() const {
        if (AtEnd()) return "end of text";
        const char c = text_[pos_];
        if (c == '\r' || c == '\n') return "end of line";
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "character #%d", static_cast<unsigned char>(c));
            return buffer;
        }
        const std::size_t n = Utf8Length(text_, pos_);
        return "'" + std::string(text_.substr(pos_, n ? n : 1)) + "'";
    }

    void CheckEncoding() {
        int line = 1;
        for (std::size_t i = 0; i < text_.size();) {
            if (text_[i] == '\n') ++line;
            const std::size_t n = Utf8Length(text_, i);
            if (n == 0) Fail(line, "the text is not valid UTF-8");
            i += n;
        }
    }

    void NewLineAt() {
        // Called on CR or LF; a CR LF pair counts once.
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    void SkipSpace() {
        while (!AtEnd()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t') ++pos_;
            else if (c == '\r' || c == '\n') NewLineAt();
            else break;
        }
    }

    void SkipBlanks() {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    }

    std::string ReadWord() {
        const std::size_t start = pos_;
        while (!AtEnd() && IsWordChar(text_[pos_])) ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    TLayoutObject ParseObject(int depth) {
        TLayoutObject object;
        object.line = line_;
        if (!IsWordStart(Peek()) || !SameWord(ReadWord(), "object")) Fail(object.line, "'object' expected");
        if (depth >= kMaxDepth) Fail(object.line, "objects nested too deeply");
        // The heading stands on one line.
        SkipBlanks();
        if (!IsWordStart(Peek())) Fail(line_, "object name or class expected, found " + Describe());
        std::string first = ReadWord();
        SkipBlanks();
        if (Peek() == ':') {
            ++pos_;
            SkipBlanks();
            if (!IsWordStart(Peek())) Fail(line_, "class name expected after '" + first + ":'");
            object.name = std::move(first);
            object.className = ReadWord();
        } else {
            object.className = std::move(first);
        }
        const std::string title = object.name.empty() ? object.className : "'" + object.name + "'";

        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail(object.line, "object " + title + " has no 'end'");
            const int line = line_;
            if (!IsWordStart(Peek())) Fail(line, "unexpected " + Describe() + " in object " + title);
            const std::size_t wordStart = pos_;
            std::string word = ReadWord();
            if (SameWord(word, "end")) return object;
            if (SameWord(word, "object")) {
                pos_ = wordStart;
                object.children.push_back(ParseObject(depth + 1));
                continue;
            }
            std::string name = std::move(word);
            while (Peek() == '.') {
                ++pos_;
                if (!IsWordStart(Peek())) Fail(line, "property name expected after '" + name + ".'");
                name += "." + ReadWord();
            }
            if (!object.children.empty()) Fail(line, "property '" + name + "' after a child object of " + title);
            SkipSpace();
            if (Peek() != '=') Fail(line_, "'=' expected after '" + name + "', found " + Describe());
            ++pos_;
            SkipSpace();
            object.properties.push_back({name, ParseValue(name), line});
        }
    }

    TLayoutValue ParseValue(const std::string& property) {
        TLayoutValue value;
        const char c = Peek();
        if (IsDigit(c) || c == '-' || c == '+' || c == '$') {
            value.kind = TLayoutValueKind::Integer;
            value.integer = ParseInteger(property);
        } else if (c == '\'' || c == '#') {
            value.kind = TLayoutValueKind::String;
            value.text = ParseString();
        } else if (IsWordStart(c)) {
            // A value may start on the next line, but never with a keyword.
            const std::size_t start = pos_;
            value.kind = TLayoutValueKind::Identifier;
            value.text = ReadWord();
            if (SameWord(value.text, "end") || SameWord(value.text, "object")) {
                pos_ = start;
                Fail(line_, "value expected for '" + property + "', found '" + value.text + "'");
            }
        } else if (c == '[') {
            value.kind = TLayoutValueKind::Set;
            value.items = ParseSet();
        } else if (c == '(') {
            value.kind = TLayoutValueKind::StringList;
            value.items = ParseList();
        } else if (c == '{') {
            value.kind = TLayoutValueKind::Binary;
            value.bytes = ParseBinary();
        } else if (c == '@') {
            const int line = line_;
            ++pos_;
            SkipSpace();
            if (Peek() != '\'' && Peek() != '#') Fail(line_, "asset name expected after '@'");
            value.kind = TLayoutValueKind::Asset;
            value.text = ParseString();
            std::optional<std::vector<std::uint8_t>> bytes;
            if (assets_) bytes = assets_(value.text);
            if (!bytes) Fail(line, "asset '" + value.text + "' not found");
            value.bytes = std::move(*bytes);
        } else {
            Fail(line_, "value expected for '" + property + "', found " + Describe());
        }
        return value;
    }

    std::int64_t ParseInteger(const std::string& property) {
        const int line = line_;
        const std::size_t start = pos_;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') {
            negative = Peek() == '-';
            ++pos_;
        }
        // Accumulated as a negative number, whose range is the larger one.
        std::int64_t value = 0;
        bool digits = false;
        bool overflow = false;
        if (Peek() == '$') {
            ++pos_;
            std::uint64_t u = 0;
            for (int d; !AtEnd() && (d = HexValue(text_[pos_])) >= 0; ++pos_) {
                digits = true;
                if (u > (std::numeric_limits<std::uint64_t>::max() >> 4)) overflow = true;
                u = (u << 4) | static_cast<std::uint64_t>(d);
            }
            if (!overflow && u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) overflow = true;
            value = overflow ? 0 : -static_cast<std::int64_t>(u);
        } else {
            for (; !AtEnd() && IsDigit(text_[pos_]); ++pos_) {
                digits = true;
                const int d = text_[pos_] - '0';
                if (value < (std::numeric_limits<std::int64_t>::min() + d) / 10) overflow = true;
                if (!overflow) value = value * 10 - d;
            }
        }
        if (!digits || (!AtEnd() && (IsWordChar(text_[pos_]) || text_[pos_] == '.'))) {
            while (!AtEnd() && (IsWordChar(text_[pos_]) || text_[pos_] == '.' || text_[pos_] == '$')) ++pos_;
            Fail(line, "malformed number '" + std::string(text_.substr(start, pos_ - start)) + "' for '" + property + "'");
        }
        if (!negative && value == std::numeric_limits<std::int64_t>::min()) overflow = true;
        if (overflow) Fail(line, "number out of range for '" + property + "'");
        return negative ? value : -value;
    }

    // One or more pieces ('quoted' or #code) side by side, joined by + across lines.
    std::string ParseString() {
        std::string out;
        for (;;) {
            if (Peek() != '\'' && Peek() != '#') Fail(line_, "string expected after '+', found " + Describe());
            while (Peek() == '\'' || Peek() == '#') {
                if (Peek() == '\'') ReadQuoted(out);
                else ReadCharCode(out);
            }
            const std::size_t savedPos = pos_;
            const int savedLine = line_;
            SkipSpace();
            if (Peek() == '+') {
                ++pos_;
                SkipSpace();
                continue;
            }
            pos_ = savedPos;
            line_ = savedLine;
            return out;
        }
    }

    void ReadQuoted(std::string& out) {
        const int line = line_;
        ++pos_;
        for (;;) {
            if (AtEnd() || text_[pos_] == '\r' || text_[pos_] == '\n') Fail(line, "unterminated string");
            const char c = text_[pos_++];
            if (c == '\'') {
                if (Peek() != '\'') return;
                ++pos_;
            }
            out += c;
        }
    }

    void ReadCharCode(std::string& out) {
        const int line = line_;
        const std::size_t start = pos_;
        ++pos_;
        std::uint32_t code = 0;
        bool digits = false;
        bool tooBig = false;
        if (Peek() == '$') {
            ++pos_;
            for (int d; !AtEnd() && (d = HexValue(text_[pos_])) >= 0; ++pos_) {
                digits = true;
                code = code * 16 + static_cast<std::uint32_t>(d);
                tooBig = tooBig || code > 0x10FFFF;
                if (tooBig) code = 0x110000;
            }
        } else {
            for (; !AtEnd() && IsDigit(text_[pos_]); ++pos_) {
                digits = true;
                code = code * 10 + static_cast<std::uint32_t>(text_[pos_] - '0');
                tooBig = tooBig || code > 0x10FFFF;
                if (tooBig) code = 0x110000;
            }
        }
        if (!digits) Fail(line, "character code expected after '#'");
        if (tooBig || (code >= 0xD800 && code <= 0xDFFF)) Fail(line, "no character has the code " + std::string(text_.substr(start, pos_ - start)));
        AppendUtf8(out, code);
    }

    std::vector<std::string> ParseSet() {
        const int line = line_;
        ++pos_;
        std::vector<std::string> items;
        SkipSpace();
        if (Peek() == ']') {
            ++pos_;
            return items;
        }
        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail(line, "unterminated set");
            if (!IsWordStart(Peek())) Fail(line_, "set element expected, found " + Describe());
            items.push_back(ReadWord());
            SkipSpace();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            if (Peek() == ']') {
                ++pos_;
                return items;
            }
            if (AtEnd()) Fail(line, "unterminated set");
            Fail(line_, "',' or ']' expected in set, found " + Describe());
        }
    }

    std::vector<std::string> ParseList() {
        const int line = line_;
        ++pos_;
        std::vector<std::string> items;
        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail(line, "unterminated list");
            if (Peek() == ')') {
                ++pos_;
                return items;
            }
            if (Peek() != '\'' && Peek() != '#') Fail(line_, "string expected in list, found " + Describe());
            items.push_back(ParseString());
        }
    }

    std::vector<std::uint8_t> ParseBinary() {
        const int line = line_;
        ++pos_;
        std::vector<std::uint8_t> bytes;
        int high = -1;
        for (;;) {
            if (AtEnd()) Fail(line, "unterminated block of bytes");
            const char c = text_[pos_];
            if (c == '}') {
                ++pos_;
                break;
            }
            if (c == ' ' || c == '\t') {
                ++pos_;
                continue;
            }
            if (c == '\r' || c == '\n') {
                NewLineAt();
                continue;
            }
            const int d = HexValue(c);
            if (d < 0) Fail(line_, "unexpected " + Describe() + " in block of bytes");
            ++pos_;
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0) Fail(line, "odd number of hexadecimal digits in block of bytes");
        return bytes;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::string file_;
    const TAssetLookup& assets_;
};

}  // namespace

TLayout ParseLayout(std::string_view text, std::string file, const TAssetLookup& assets) {
    return Parser(text, std::move(file), assets).Run();
}

}  // namespace tresilva
