#pragma once
// The user's regional decimal separator, from the locale of numbers named by
// LC_ALL, else LC_NUMERIC, else LANG (the first that is set and not empty).
// Only "." and "," are separators: the C and POSIX locales (C.UTF-8 and the
// other C.* included), a locale that cannot be read, and a locale whose
// separator is any other character all give ",".
#include <string_view>

namespace tresilva {

// The rule on given values; an empty value counts as unset.
char DecimalSeparatorFor(std::string_view lcAll, std::string_view lcNumeric, std::string_view lang);

// The rule on this process's environment.
char RegionalDecimalSeparator();

}  // namespace tresilva
