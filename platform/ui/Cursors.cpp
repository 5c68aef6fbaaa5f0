#include "platform/ui/Cursors.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace tresilva {

namespace {

struct Named {
    const char* name;
    TCursor number;
};

constexpr Named kNames[] = {
    {"crDefault", crDefault},     {"crNone", crNone},         {"crArrow", crArrow},         {"crCross", crCross},
    {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},
    {"crSizeWE", crSizeWE},       {"crUpArrow", crUpArrow},   {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
    {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},     {"crVSplit", crVSplit},       {"crMultiDrag", crMultiDrag},
    {"crSQLWait", crSQLWait},     {"crNo", crNo},             {"crAppStart", crAppStart},   {"crHelp", crHelp},
    {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll},
};

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool Bit(const std::array<std::uint8_t, TCursorImage::Size * TCursorImage::Size / 8>& mask, int x, int y) {
    if (x < 0 || y < 0 || x >= TCursorImage::Size || y >= TCursorImage::Size) return false;
    const std::uint8_t byte = mask[static_cast<std::size_t>(y * (TCursorImage::Size / 8) + x / 8)];
    return (byte & (0x80u >> (x % 8))) != 0;
}

}  // namespace

bool CursorFromName(std::string_view name, TCursor& out) {
    for (const Named& n : kNames) {
        if (SameText(n.name, name)) {
            out = n.number;
            return true;
        }
    }
    return false;
}

std::string CursorName(TCursor cursor) {
    for (const Named& n : kNames) {
        if (n.number == cursor) return n.name;
    }
    return {};
}

bool TCursorImage::AndBit(int x, int y) const { return Bit(AndMask, x, y); }
bool TCursorImage::XorBit(int x, int y) const { return Bit(XorMask, x, y); }

struct TScreen::Table {
    std::map<TCursor, TCursorHandle> entries;
};

TScreen::TScreen() : table_(std::make_unique<Table>()) {}
TScreen::~TScreen() = default;

const TCursorImage* TScreen::Cursor(TCursor number) const {
    const auto it = table_->entries.find(number);
    return it == table_->entries.end() ? nullptr : it->second.get();
}

void TScreen::SetCursor(TCursor number, TCursorHandle handle) {
    // The old cursor is destroyed before the new one is stored.
    table_->entries.erase(number);
    if (handle) table_->entries.emplace(number, std::move(handle));
    ++generation_;
}

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

}  // namespace tresilva
