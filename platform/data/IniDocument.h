#pragma once
// The text of a settings file, held as its lines, each with its own line
// ending, so that setting one key rewrites only that key's line and the file
// otherwise stays byte for byte as it was. The bytes are Windows-1252; names
// and values given and returned are UTF-8.
//
// Reading rules: a line "[name]" opens a section; in a section, a line with
// "=" is a key: the name before the first "=", the value after it, both with
// the blanks (spaces, tabs) around them trimmed; lines starting with ";" are
// comments. Names match without regard to letter case (Unicode case folding).
// The first of two sections, or of two keys of a section, with the same name
// is the one read and written. A value longer than 1023 characters is cut.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tresilva {

class TIniDocument {
public:
    static constexpr std::size_t kMaxValueLength = 1023;

    TIniDocument() = default;
    explicit TIniDocument(std::string_view bytes);

    // The value of a key, or none when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Replaces a present key's value in place (everything up to its "=" kept),
    // or adds the key after the last key of its section, or the section and
    // the key at the end of the text. A CR or LF inside the value, a name or a
    // section name is written as a blank; a character outside the code page as
    // "?". New lines take the text's dominant line ending, CR LF in an empty one.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Bytes() const;

    // Names of the sections, and of the keys of a section, as the reader sees
    // them (first of duplicates only), in file order.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

private:
    struct Line {
        std::string text;    // without its ending
        std::string ending;  // "\r\n", "\n", "\r" or "" for a last line without one
    };
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::string DominantEnding() const;

    std::vector<Line> lines_;
};

// The integer rule of the settings file: a text of more than two characters
// starting with "0x" or "0X" has those replaced by "$"; then leading blanks, and
// either an optional sign and decimal digits or "$" and hexadecimal digits, up
// to the end. A decimal value must fit 32 bits signed; a hexadecimal one of at
// most 32 bits is taken as its two's-complement value ("$FFFFFFFF" is -1).
// Anything else gives none.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace tresilva
