#pragma once
// Windows-1252, the code page of the settings file, to and from UTF-8.
#include <string>
#include <string_view>

namespace tresilva {

// Every byte becomes one character; the five bytes the code page leaves
// undefined become the C1 control characters of the same number, so that a
// file read and written back keeps them.
std::string Cp1252ToUtf8(std::string_view bytes);

// One byte per character; a character outside the code page, and each byte of
// a malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace tresilva
