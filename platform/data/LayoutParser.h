#pragma once
// Reads the text form of a layout into a tree.
//
//   object Form1: TForm1          an object: its name, its class
//     Caption = 'Tresilva 99'     properties first, in any number
//     Font.Name = 'MS Sans Serif'
//     object TImageCtrl           a nameless object names only its class
//       Bmp.Data = @'frames/euro/EURO1.BMP'
//     end
//   end                           child objects follow the properties
//
// Values: integers (decimal with an optional sign, or "$" and hexadecimal
// digits), strings (quoted, '' for a quote, #233 or #$E9 for a character by
// its code, pieces written side by side or joined by + across lines), words
// (enumeration values, colours, True/False, handler names), sets of words in
// [ ], lists of strings in ( ), bytes in { } as hexadecimal digits that may span
// lines, and @'name', the bytes of an asset found by the lookup given.
// Malformed text raises ELayoutError with the file and line.
#include "platform/data/LayoutTree.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tresilva {

using TAssetLookup = std::function<std::optional<std::vector<std::uint8_t>>(std::string_view name)>;

TLayout ParseLayout(std::string_view text, std::string file, const TAssetLookup& assets = {});

}  // namespace tresilva
