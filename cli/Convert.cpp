#include "cli/Convert.h"

#include <cstdlib>
#include <istream>
#include <locale>
#include <optional>
#include <ostream>

#include "cli/MemoryWindow.h"
#include "core/Converter.h"
#include "core/Errors.h"

namespace tresilva::cli {

const char* const kUsage =
    "usage: tresilva-convert [--round] [--separator C] [--usd TEXT] [--gbp TEXT] [--jpy TEXT] [AMOUNT CODE]";

namespace {

const char* const kHelp =
    "Shows what the fifteen result panels of Tresilva 99 would show for AMOUNT typed in CODE,\n"
    "one line per panel in currency order: the code, a tab, the panel's caption.\n"
    "\n"
    "  AMOUNT          the display text, taken as it stands\n"
    "  CODE            DEM ATS BEF ESP FIM FRF IEP ITL LUF NLG PTE EUR USD GBP JPY (any case)\n"
    "  --round         the two-decimal rounding option\n"
    "  --separator C   the decimal separator, \".\" or \",\" (default: the locale's)\n"
    "  --usd TEXT      rate texts of the editable currencies (default: 1,15455, 0,70807,\n"
    "  --gbp TEXT      129,289 written with the separator)\n"
    "  --jpy TEXT\n"
    "  --              ends the options (for an AMOUNT starting with --)\n"
    "\n"
    "Without AMOUNT and CODE, reads \"AMOUNT CODE\" lines from standard input (CODE is the\n"
    "last word of the line) and prints one block per line, each followed by an empty line.\n"
    "A failing step prints the panels as they stand, then ERROR, a tab and the message.\n"
    "Exit status: 0, 1 when a conversion or a rate failed, 2 for bad usage.\n";

struct Options {
    bool round = false;
    std::optional<char> separator;
    std::optional<std::string> usd, gbp, jpy;
};

int Usage(std::ostream& err, const std::string& reason) {
    err << "tresilva-convert: " << reason << "; " << kUsage << '\n';
    return 2;
}

// One block: a fresh window's state, the rates, AMOUNT as the display text, CODE
// made current with SelectCurrency. Returns false when a step failed.
bool RunBlock(const Options& options, char separator, const std::string& amount, int code, std::ostream& out) {
    TMemoryWindow window(options.round);
    core::TConverter converter(window, separator);
    std::string error;
    try {
        converter.InitFixedRates();
        converter.LoadEditableRates(options.usd.value_or(core::DefaultRateText(core::kUSD, separator)),
                                    options.gbp.value_or(core::DefaultRateText(core::kGBP, separator)),
                                    options.jpy.value_or(core::DefaultRateText(core::kJPY, separator)));
        window.SetDisplayText(amount);
        converter.SetCurrent(code);
        converter.SelectCurrency(code);
    } catch (const core::ECoreError& e) {
        error = e.what();
        if (error.empty()) error = "error";
    }
    for (int i = 1; i <= core::kCurrencyCount; ++i) {
        out << core::CurrencyAt(i).code << '\t' << window.PanelCaption(i) << '\n';
    }
    if (!error.empty()) out << "ERROR\t" << error << '\n';
    return error.empty();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
               char regionalSeparator) {
    Options options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help") {
            out << kUsage << "\n\n" << kHelp;
            return 0;
        }
        if (arg == "--round") {
            options.round = true;
            continue;
        }
        std::string name = arg, value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        if (name != "--separator" && name != "--usd" && name != "--gbp" && name != "--jpy") {
            return Usage(err, "unknown option '" + arg + "'");
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) return Usage(err, "missing value after " + name);
            value = args[++i];
        }
        if (name == "--separator") {
            if (value != "." && value != ",") return Usage(err, "the separator must be \".\" or \",\"");
            options.separator = value[0];
        } else if (name == "--usd") {
            options.usd = value;
        } else if (name == "--gbp") {
            options.gbp = value;
        } else {
            options.jpy = value;
        }
    }
    const char separator = core::NormalizeSeparator(options.separator.value_or(regionalSeparator));

    if (positional.size() == 2) {
        const int code = core::CurrencyIndexOfCode(positional[1]);
        if (code == 0) return Usage(err, "unknown code '" + positional[1] + "'");
        const bool ok = RunBlock(options, separator, positional[0], code, out);
        out.flush();
        return ok ? 0 : 1;
    }
    if (!positional.empty()) return Usage(err, "expected AMOUNT and CODE, or neither");

    // Standard input: one "AMOUNT CODE" line per block.
    bool anyError = false, anyBadLine = false;
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t end = line.size();
        while (end > 0 && IsBlank(line[end - 1])) --end;
        if (end == 0) continue;  // a blank line is no block
        std::size_t codeBegin = end;
        while (codeBegin > 0 && !IsBlank(line[codeBegin - 1])) --codeBegin;
        std::size_t amountEnd = codeBegin;
        while (amountEnd > 0 && IsBlank(line[amountEnd - 1])) --amountEnd;
        const std::string codeText = line.substr(codeBegin, end - codeBegin);
        const int code = core::CurrencyIndexOfCode(codeText);
        if (codeBegin == 0 || code == 0) {
            Usage(err, "line " + std::to_string(lineNumber) +
                           (codeBegin == 0 ? ": expected AMOUNT CODE" : ": unknown code '" + codeText + "'"));
            anyBadLine = true;
            continue;
        }
        if (!RunBlock(options, separator, line.substr(0, amountEnd), code, out)) anyError = true;
        out << '\n';
    }
    out.flush();
    return anyBadLine ? 2 : anyError ? 1 : 0;
}

std::string NumericLocaleName(const char* lcAll, const char* lcNumeric, const char* lang) {
    for (const char* v : {lcAll, lcNumeric, lang}) {
        if (v != nullptr && *v != '\0') return v;
    }
    return "C";
}

char DecimalPointOfLocale(const std::string& localeName) {
    const std::locale locale(localeName.c_str());  // throws std::runtime_error when it cannot be read
    return std::use_facet<std::numpunct<char>>(locale).decimal_point();
}

char SeparatorOfLocale(const std::string& localeName, DecimalPointLookup lookup) {
    if (localeName == "C" || localeName == "POSIX" || localeName.compare(0, 2, "C.") == 0) return ',';
    char point;
    try {
        point = lookup(localeName);
    } catch (const std::exception&) {
        return ',';
    }
    return point == '.' || point == ',' ? point : ',';
}

char RegionalSeparator() {
    return SeparatorOfLocale(
        NumericLocaleName(std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")));
}

}  // namespace tresilva::cli
