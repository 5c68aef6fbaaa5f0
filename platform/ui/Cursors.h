#pragma once
// Cursor numbers and the screen's cursor table.
//
// The table maps a cursor number to a decoded monochrome image (32 x 32 AND
// and XOR masks and a hot spot). It is plain data, so cursors can be
// registered before any application object exists; the display side makes
// the Qt cursors from it lazily. A number without an entry shows the arrow.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tresilva {

using TCursor = int;

// The standard shapes, shown with the system's own pointers.
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The name of a standard cursor ("crHandPoint") to its number, without regard
// to case; false for an unknown name.
bool CursorFromName(std::string_view name, TCursor& out);
// The name of a standard cursor number, or an empty string.
std::string CursorName(TCursor cursor);

// A monochrome 32 x 32 pointer image. Rows run top to bottom, 4 bytes a row,
// the most significant bit the leftmost pixel. Per pixel (AND, XOR):
// (0, 0) black, (0, 1) white, (1, 0) transparent, (1, 1) inverted.
struct TCursorImage {
    static constexpr int Size = 32;
    std::array<std::uint8_t, Size * Size / 8> AndMask{};
    std::array<std::uint8_t, Size * Size / 8> XorMask{};
    int HotSpotX = 0;
    int HotSpotY = 0;

    bool AndBit(int x, int y) const;
    bool XorBit(int x, int y) const;
};

// A cursor handle: owning, empty for "no cursor".
using TCursorHandle = std::unique_ptr<TCursorImage>;

class TScreen {
public:
    // The entry under a number, or null (a standard shape or no entry).
    const TCursorImage* Cursor(TCursor number) const;
    // Stores a handle under a number: first removes and destroys what was
    // stored there, then stores the new handle unless it is empty.
    void SetCursor(TCursor number, TCursorHandle handle);
    bool HasCursor(TCursor number) const { return Cursor(number) != nullptr; }
    // Incremented on every change of the table (the display side's cache key).
    std::uint64_t Generation() const { return generation_; }

    TScreen();
    ~TScreen();
    TScreen(const TScreen&) = delete;
    TScreen& operator=(const TScreen&) = delete;

private:
    struct Table;
    std::unique_ptr<Table> table_;
    std::uint64_t generation_ = 0;
};

// The one screen object of the program.
TScreen& Screen();

}  // namespace tresilva
