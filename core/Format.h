#pragma once
// Result formatting: the fixed-point writer, FormatAmount and ApplyRounding.
#include <string>

#include "core/Extended.h"
#include "core/Float48.h"

namespace tresilva::core {

// The fixed-point writer, steps 1 to 8 exactly: x in a field of
// `width` characters (255 at most) with `decimals` decimals, "." as the point.
// Values with |x| >= about 1.33 x 10^36 (k >= 36) take the exponent form with
// width - 8 significant digits (18 at most). Decimals below 1 are taken as 1,
// and an exponent form wider than 26 characters is padded with spaces in front
// (neither happens through FormatAmount). x must be finite: a NaN raises
// EInvalidOp and an infinity EOverflow (a Float48 is never either).
// Uses no C library formatting; the result does not depend on the locale.
std::string WriteFixed(Extended x, int width, int decimals);
// The same into `out`, which is cleared first (keeps its capacity).
void WriteFixed(Extended x, int width, int decimals, std::string& out);

// FormatAmount (value, width, decimals): the writer with field width
// width + decimals + 1, then every "." and "," replaced by `separator`.
std::string FormatAmount(Float48 value, int width, int decimals, char separator);
void FormatAmount(Float48 value, int width, int decimals, char separator, std::string& out);

// ApplyRounding (text) with the rounding option `rounding`: off, the text as it
// is; on, a text with at least three characters after its first "." or ","
// becomes FormatAmount (Float48 store of ParseDecimal (text), 15, 2); any other
// text gives its first 255 characters. May raise the errors of ParseDecimal and
// of the Float48 store.
std::string ApplyRounding(const std::string& text, bool rounding, char separator);

}  // namespace tresilva::core
