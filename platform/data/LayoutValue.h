#pragma once
// One property value of a layout file.
#include <cstdint>
#include <string>
#include <vector>

namespace tresilva {

enum class TLayoutValueKind {
    Integer,     // 12, -3, $FF
    String,      // 'it''s' #233 'x' + 'y' (UTF-8)
    Identifier,  // taCenter, clNavy, True, FormCreate
    Set,         // [fsBold, fsItalic]
    StringList,  // ( 'a' 'b' )
    Binary,      // { 0A1B ... }
    Asset,       // @'frames/euro/EURO1.BMP': the asset file's bytes as they are
};

struct TLayoutValue {
    TLayoutValueKind kind = TLayoutValueKind::Integer;
    std::int64_t integer = 0;          // Integer
    std::string text;                  // String, Identifier, and the name of an Asset
    std::vector<std::string> items;    // Set (identifiers), StringList (strings)
    std::vector<std::uint8_t> bytes;   // Binary, Asset

    // What kind of value this is, in words, for error messages.
    const char* KindName() const;
};

}  // namespace tresilva
