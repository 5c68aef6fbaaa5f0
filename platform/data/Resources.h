#pragma once
// Program resources: files embedded in the program (pictures, frames, cursors,
// layouts), found by their path without regard to letter case anywhere in it:
// "frames/euro/euro1.bmp" finds "Frames/Euro/EURO1.BMP". A leading "/" or ":/"
// is ignored and "\" separates folders like "/".
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tresilva {

std::optional<std::vector<std::uint8_t>> FindResource(std::string_view name);

}  // namespace tresilva
