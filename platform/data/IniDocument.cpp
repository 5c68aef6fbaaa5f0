#include "platform/data/IniDocument.h"

#include "platform/data/Cp1252.h"

#include <QString>

#include <array>

namespace tresilva {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Section name of a header line, or none for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    if (close != std::string_view::npos) line = line.substr(0, close);
    return Trim(line);
}

struct KeyLine {
    std::string_view name;
    std::string_view value;
    std::size_t equals;  // position of the "=" in the raw line
};

std::optional<KeyLine> ParseKey(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view name = Trim(line.substr(0, equals));
    if (name.empty()) return std::nullopt;
    return KeyLine{name, Trim(line.substr(equals + 1)), equals};
}

QString Decode(std::string_view bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

// Compares a name of the file with one given by the caller, after passing the
// caller's name through the code page, so a name with a character outside it
// matches what writing it produced.
class Name {
public:
    explicit Name(std::string_view utf8) : bytes_(Utf8ToCp1252(utf8)), folded_(Decode(bytes_)) {
        for (char& c : bytes_) {
            if (c == '\r' || c == '\n') c = ' ';
        }
        bytes_ = std::string(Trim(bytes_));
        folded_ = Decode(bytes_);
    }
    bool Matches(std::string_view fileBytes) const {
        return Decode(fileBytes).compare(folded_, Qt::CaseInsensitive) == 0;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    QString folded_;
};

}  // namespace

TIniDocument::TIniDocument(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        std::size_t next = end + 1;
        if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
        lines_.push_back({std::string(bytes.substr(start, end - start)), std::string(bytes.substr(end, next - end))});
        start = next;
    }
}

std::optional<std::size_t> TIniDocument::FindSection(std::string_view section) const {
    const Name wanted(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i].text);
        if (name && wanted.Matches(*name)) return i;
    }
    return std::nullopt;
}

std::size_t TIniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i].text)) ++i;
    return i;
}

std::optional<std::string> TIniDocument::Find(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const Name wanted(key);
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto line = ParseKey(lines_[i].text);
        if (line && wanted.Matches(line->name)) {
            // Each byte is one character, so the cut never splits one.
            return Cp1252ToUtf8(line->value.substr(0, kMaxValueLength));
        }
    }
    return std::nullopt;
}

std::string TIniDocument::DominantEnding() const {
    std::array<int, 3> counts{};  // CR LF, LF, CR
    for (const Line& line : lines_) {
        if (line.ending == "\r\n") ++counts[0];
        else if (line.ending == "\n") ++counts[1];
        else if (line.ending == "\r") ++counts[2];
    }
    if (counts[1] > counts[0] && counts[1] >= counts[2]) return "\n";
    if (counts[2] > counts[0] && counts[2] > counts[1]) return "\r";
    return "\r\n";
}

void TIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string bytes = Utf8ToCp1252(value);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    const Name keyName(key);
    const std::string ending = DominantEnding();

    if (const auto header = FindSection(section)) {
        const std::size_t end = SectionEnd(*header);
        std::size_t last = *header;
        for (std::size_t i = *header + 1; i < end; ++i) {
            const auto line = ParseKey(lines_[i].text);
            if (!line) continue;
            if (keyName.Matches(line->name)) {
                Line& target = lines_[i];
                target.text = target.text.substr(0, line->equals + 1) + bytes;
                return;
            }
            last = i;
        }
        if (lines_[last].ending.empty()) lines_[last].ending = ending;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), Line{keyName.Bytes() + "=" + bytes, ending});
        return;
    }

    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending;
    lines_.push_back({"[" + Name(section).Bytes() + "]", ending});
    lines_.push_back({keyName.Bytes() + "=" + bytes, ending});
}

std::string TIniDocument::Bytes() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

std::vector<std::string> TIniDocument::Sections() const {
    std::vector<std::string> names;
    std::vector<QString> seen;
    for (const Line& line : lines_) {
        const auto name = HeaderName(line.text);
        if (!name) continue;
        const QString decoded = Decode(*name);
        bool duplicate = false;
        for (const QString& s : seen) duplicate = duplicate || s.compare(decoded, Qt::CaseInsensitive) == 0;
        if (duplicate) continue;
        seen.push_back(decoded);
        names.push_back(Cp1252ToUtf8(*name));
    }
    return names;
}

std::vector<std::string> TIniDocument::Keys(std::string_view section) const {
    std::vector<std::string> names;
    const auto header = FindSection(section);
    if (!header) return names;
    std::vector<QString> seen;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto line = ParseKey(lines_[i].text);
        if (!line) continue;
        const QString decoded = Decode(line->name);
        bool duplicate = false;
        for (const QString& s : seen) duplicate = duplicate || s.compare(decoded, Qt::CaseInsensitive) == 0;
        if (duplicate) continue;
        seen.push_back(decoded);
        names.push_back(Cp1252ToUtf8(line->name));
    }
    return names;
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    std::string s(text);
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s = "$" + s.substr(2);
    std::string_view v = s;
    while (!v.empty() && IsBlank(v.front())) v.remove_prefix(1);
    if (v.empty()) return std::nullopt;

    if (v.front() == '$') {
        v.remove_prefix(1);
        if (v.empty()) return std::nullopt;
        std::uint64_t value = 0;
        for (char c : v) {
            int digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (v.front() == '+' || v.front() == '-') {
        negative = v.front() == '-';
        v.remove_prefix(1);
    }
    if (v.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : v) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace tresilva
