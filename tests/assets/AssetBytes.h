#pragma once
// Reading the committed asset files and their little-endian headers.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tresilva::testing {

inline std::filesystem::path AssetPath(const std::string& relative) {
    return std::filesystem::path(TRESILVA_SOURCE_DIR) / "assets" / relative;
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> ReadAsset(const std::string& relative) { return ReadBytes(AssetPath(relative)); }

// Zero when the bytes run out, so a short file fails its checks instead of crashing.
inline std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return at + 2 <= b.size() ? static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8)) : 0;
}
inline std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return at + 4 <= b.size() ? U16(b, at) | (U16(b, at + 2) << 16) : 0;
}
inline std::int32_t I32(const std::vector<std::uint8_t>& b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

}  // namespace tresilva::testing
