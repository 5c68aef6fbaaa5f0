#pragma once
// ParseDecimal, the reader of decimal texts.
#include <string>
#include <string_view>

#include "core/Extended.h"

namespace tresilva::core {

// Reads `text` with `separator` as the decimal separator:
//   spaces (only ' '), an optional '+' or '-', digits, optionally the separator
//   and more digits (at least one digit or the separator must be there, so a
//   separator alone reads as 0), optionally 'E' or 'e' with an optional sign and
//   digits (no digits: exponent 0, so "1E" reads 1), trailing spaces, the end.
// Anything else raises EConvertError: "'<text>' is not a valid floating point value".
//
// What the reading guarantees: the result is always the exact decimal value of
// the text rounded once to extended precision (to nearest, ties to even),
// subnormal results included; this covers and extends the Part's guarantee for
// texts of at most 19 digits with powers of ten between -27 and 27 (which take a
// single exact multiplication or division). Longer texts and other powers go
// through exact big-integer arithmetic; beyond 12000 significant digits the rest
// is folded into one sticky digit, which keeps the rounding exact (no halfway
// point between two extended values needs that many digits).
// A value that rounds beyond the extended range raises EConvertError (never
// EOverflow); a value too small for extended reads as 0 (with its sign). The
// exponent's digits saturate at 10^9, so no counter ever overflows, whatever
// their number. "-0" reads as negative zero. The C library is not used: the
// reading does not depend on the locale.
Extended ParseDecimal(std::string_view text, char separator);

}  // namespace tresilva::core
