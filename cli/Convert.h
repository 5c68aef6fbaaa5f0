#pragma once
// tresilva-convert, the command-line companion, as a
// function the program's main and the tests call.
#include <iosfwd>
#include <string>
#include <vector>

namespace tresilva::cli {

// The one-line usage.
extern const char* const kUsage;

// Runs the companion with the arguments after the program name. Output goes to
// `out`, usage messages to `err`; `in` is read when AMOUNT and CODE are not given.
// `regionalSeparator` is used when --separator is not given.
// Returns the exit status: 0, 1 (a conversion or rate error), 2 (bad usage).
int RunConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
               char regionalSeparator);

// The locale name that governs LC_NUMERIC: the first non-empty of LC_ALL,
// LC_NUMERIC and LANG, or "C" when none is set (nullptr means unset).
std::string NumericLocaleName(const char* lcAll, const char* lcNumeric, const char* lang);

// The regional separator of a locale name: "C", "POSIX"
// and "C.<anything>" give ","; otherwise the locale's decimal point as
// std::numpunct<char> gives it, kept when it is "." or ","; a locale that cannot
// be read, or any other character, gives ",". `lookup` reads a locale's decimal
// point and throws when the locale cannot be read (the default uses std::locale).
using DecimalPointLookup = char (*)(const std::string& localeName);
char DecimalPointOfLocale(const std::string& localeName);
char SeparatorOfLocale(const std::string& localeName, DecimalPointLookup lookup = &DecimalPointOfLocale);

// SeparatorOfLocale of NumericLocaleName of the process's environment.
char RegionalSeparator();

}  // namespace tresilva::cli
