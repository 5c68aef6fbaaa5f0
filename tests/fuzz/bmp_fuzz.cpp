// Fuzz target for the BMP reader: any bytes must either read or raise
// EInvalidGraphic; a crash, a sanitizer report or another exception is a fault.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/Errors.h"
#include "platform/gfx/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const tresilva::TBitmap bitmap = tresilva::TBitmap::FromBmpBytes(std::span<const std::uint8_t>(data, size));
        // A bitmap that reads must write back and read again.
        const tresilva::TBitmap again = tresilva::TBitmap::FromBmpBytes(bitmap.ToBmpBytes());
        if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height()) __builtin_trap();
    } catch (const tresilva::EInvalidGraphic&) {
    }
    return 0;
}
