// tresilva-convert: the built binary, run as a script would,
// and the regional-separator rule.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Convert.h"

extern char** environ;

namespace tresilva::cli {
namespace {

// Parameter rows print as their name.
template <class Row>
    requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

struct Result {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs the binary with `args`, `input` on its standard input and the given
// environment (nullptr: this process's).
Result RunBinary(const std::vector<std::string>& args, const std::string& input = "",
           const std::vector<std::string>* env = nullptr) {
    char dir[] = "/tmp/tresilva-cli-XXXXXX";
    if (mkdtemp(dir) == nullptr) return {};
    const std::string in = std::string(dir) + "/in", out = std::string(dir) + "/out", err = std::string(dir) + "/err";
    std::ofstream(in, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> argStrings = {TRESILVA_CONVERT};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings;
    std::vector<char*> envp;
    if (env != nullptr) {
        envStrings = *env;
        for (auto& e : envStrings) envp.push_back(e.data());
        envp.push_back(nullptr);
    }
    pid_t pid;
    Result r;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env ? envp.data() : environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    rmdir(dir);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

const char* const kCodes[] = {"DEM", "ATS", "BEF", "ESP", "FIM", "FRF", "IEP", "ITL",
                              "LUF", "NLG", "PTE", "EUR", "USD", "GBP", "JPY"};

// ---------------------------------------------------------------- one conversion

TEST(Cli, HundredFrancs) {
    const Result r = RunBinary({"--separator", ",", "100", "FRF"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 15u);
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(lines[i].substr(0, 4), std::string(kCodes[i]) + "\t");
    EXPECT_EQ(lines[0], "DEM\t             29,81644");  // 13 spaces, 21 characters
    EXPECT_EQ(lines[5], "FRF\t100");
    EXPECT_EQ(lines[11], "EUR\t             15,24490");
    EXPECT_EQ(lines[7], "ITL\t          29518,24586");
    EXPECT_EQ(lines[14], "JPY\t           1970,99810");
}

struct CaseRow {
    const char* name;
    std::vector<std::string> args;
    std::size_t line;  // 0-based panel line
    std::string expected;
};

class CliCase : public ::testing::TestWithParam<CaseRow> {};

TEST_P(CliCase, PanelLine) {
    const auto& row = GetParam();
    const Result r = RunBinary(row.args);
    EXPECT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 15u) << r.out;
    EXPECT_EQ(lines[row.line], row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliCase,
    ::testing::Values(
        CaseRow{"Round", {"--round", "--separator", ",", "100", "FRF"}, 0, "DEM\t             29,82"},
        CaseRow{"PointSeparator", {"--separator", ".", "100", "FRF"}, 0, "DEM\t             29.81644"},
        CaseRow{"PointDefaultRates", {"--separator=.", "1", "EUR"}, 12, "USD\t              1.15455"},
        CaseRow{"LowerCaseCode", {"--separator", ",", "100", "frf"}, 11, "EUR\t             15,24490"},
        CaseRow{"OwnDollarRate", {"--separator", ",", "--usd", "2", "1", "EUR"}, 12, "USD\t              2,00000"},
        CaseRow{"OwnYenRate", {"--separator", ",", "--jpy=100", "1", "EUR"}, 14, "JPY\t            100,00000"},
        CaseRow{"NegativeAmount", {"--separator", ",", "-5", "EUR"}, 0, "DEM\t             -9,77915"},
        CaseRow{"ExponentAmount", {"--separator", ",", "1E3", "EUR"}, 0, "DEM\t           1955,83000"},
        CaseRow{"AmountAfterDoubleDash", {"--separator", ",", "--", "12,5", "EUR"}, 11, "EUR\t12,5"},
        CaseRow{"LeadingSpacesKept", {"--separator", ",", "  7", "EUR"}, 11, "EUR\t  7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, FreshStateShowsFirstCaptions) {
    // A rate text that fails stops before the conversion: every panel "000.00 ".
    const Result r = RunBinary({"--separator", ",", "--gbp", "abc", "100", "FRF"});
    EXPECT_EQ(r.status, 1);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 16u);
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(lines[i], std::string(kCodes[i]) + "\t000.00 ");
    EXPECT_EQ(lines[15], "ERROR\t'abc' is not a valid floating point value");
}

TEST(Cli, DefaultTextsFailNeverWithTheSeparator) {
    // The default texts use the separator, so "." works.
    EXPECT_EQ(RunBinary({"--separator", ".", "1", "JPY"}).status, 0);
}

struct ErrorRow {
    const char* name;
    std::vector<std::string> args;
    std::string error;
    std::size_t written;  // panels (besides the source) with a new caption
};

class CliError : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(CliError, PanelsAsTheyStandThenTheError) {
    const auto& row = GetParam();
    const Result r = RunBinary(row.args);
    EXPECT_EQ(r.status, 1);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 16u) << r.out;
    EXPECT_EQ(lines[15], "ERROR\t" + row.error);
    std::size_t written = 0;
    for (std::size_t i = 0; i < 15; ++i) {
        if (lines[i].find("000.00 ") == std::string::npos) ++written;
    }
    EXPECT_EQ(written, row.written + 1);  // + the source panel
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliError,
    ::testing::Values(
        ErrorRow{"ParseError", {"--separator", ",", "1.5", "EUR"}, "'1.5' is not a valid floating point value", 0},
        ErrorRow{"DivisionByZero", {"--separator", ",", "--usd", "0", "5", "USD"}, "Floating point division by zero", 0},
        ErrorRow{"InvalidOperation", {"--separator", ",", "--usd", "0", "0", "USD"}, "Invalid floating point operation", 0},
        ErrorRow{"OverflowAtITL", {"--separator", ",", "1" + std::string(36, '0'), "EUR"}, "Floating point overflow", 7},
        ErrorRow{"EmptyAmount", {"--separator", ",", "", "EUR"}, "'' is not a valid floating point value", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- usage

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
};

class CliUsage : public ::testing::TestWithParam<UsageRow> {};

TEST_P(CliUsage, OneLineOnStandardErrorAndStatus2) {
    const Result r = RunBinary(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);  // exactly one line
    EXPECT_NE(r.err.find("usage: tresilva-convert"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliUsage,
                         ::testing::Values(UsageRow{"UnknownOption", {"--frobnicate", "1", "EUR"}},
                                           UsageRow{"UnknownCode", {"1", "XYZ"}},
                                           UsageRow{"MissingSeparatorValue", {"1", "EUR", "--separator"}},
                                           UsageRow{"MissingUsdValue", {"--usd"}},
                                           UsageRow{"BadSeparator", {"--separator", ";", "1", "EUR"}},
                                           UsageRow{"OnlyAmount", {"100"}},
                                           UsageRow{"ThreeWords", {"1", "EUR", "x"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, Help) {
    const Result r = RunBinary({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(kUsage, 0), 0u);
    EXPECT_EQ(r.err, "");
}

// ---------------------------------------------------------------- standard input

TEST(Cli, StandardInputBlocks) {
    const Result r = RunBinary({"--separator", ","}, "100 FRF\n1 eur\r\n\n1.5 EUR\n");
    EXPECT_EQ(r.status, 1);  // the third block failed
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 16u + 16u + 17u);
    EXPECT_EQ(lines[0], "DEM\t             29,81644");
    EXPECT_EQ(lines[15], "");
    EXPECT_EQ(lines[16], "DEM\t              1,95583");
    EXPECT_EQ(lines[27], "EUR\t1");  // each block from a fresh window
    EXPECT_EQ(lines[31], "");
    EXPECT_EQ(lines[32 + 11], "EUR\t1.5");
    EXPECT_EQ(lines[32 + 15], "ERROR\t'1.5' is not a valid floating point value");
    EXPECT_EQ(lines[32 + 16], "");
}

TEST(Cli, StandardInputAllGood) {
    const Result r = RunBinary({"--round", "--separator", "."}, "100 FRF\n  12.5\tDEM  \n");
    EXPECT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "DEM\t             29.82");
    EXPECT_EQ(lines[16], "DEM\t  12.5");  // AMOUNT as it stands before its blanks
}

TEST(Cli, StandardInputBadLine) {
    const Result r = RunBinary({"--separator", ","}, "100\n5 XYZ\n1 EUR\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(Lines(r.out).size(), 16u);  // the good line still has its block
    EXPECT_EQ(Lines(r.err).size(), 2u);
    EXPECT_NE(r.err.find("line 1"), std::string::npos);
    EXPECT_NE(r.err.find("line 2"), std::string::npos);
}

TEST(Cli, StandardInputEmpty) {
    const Result r = RunBinary({}, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

// ---------------------------------------------------------------- the regional separator

TEST(Cli, LocaleFromTheEnvironment) {
    // Without --separator, the separator of the environment's locale.
    std::vector<std::string> env = {"LC_ALL=C.UTF-8"};
    EXPECT_EQ(Lines(RunBinary({"100", "FRF"}, "", &env).out)[0], "DEM\t             29,81644");
    env = {"LC_ALL=POSIX", "LANG=C"};
    EXPECT_EQ(Lines(RunBinary({"100", "FRF"}, "", &env).out)[0], "DEM\t             29,81644");
    env = {};  // nothing set: the C locale
    EXPECT_EQ(Lines(RunBinary({"100", "FRF"}, "", &env).out)[0], "DEM\t             29,81644");
    env = {"LANG=xx_NOWHERE.UTF-8"};  // unreadable
    EXPECT_EQ(Lines(RunBinary({"100", "FRF"}, "", &env).out)[0], "DEM\t             29,81644");
    env = {"LANG=xx_NOWHERE.UTF-8"};
    EXPECT_EQ(Lines(RunBinary({"--separator", ".", "100", "FRF"}, "", &env).out)[0], "DEM\t             29.81644");
}

struct NameRow {
    const char* name;
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    std::string locale;
};

class LocaleName : public ::testing::TestWithParam<NameRow> {};

TEST_P(LocaleName, Precedence) {
    const auto& row = GetParam();
    EXPECT_EQ(NumericLocaleName(row.lcAll, row.lcNumeric, row.lang), row.locale);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, LocaleName,
    ::testing::Values(NameRow{"AllWins", "fr_FR.UTF-8", "en_US.UTF-8", "de_DE", "fr_FR.UTF-8"},
                      NameRow{"NumericNext", nullptr, "en_US.UTF-8", "de_DE", "en_US.UTF-8"},
                      NameRow{"EmptyAllIsUnset", "", "en_US.UTF-8", "de_DE", "en_US.UTF-8"},
                      NameRow{"LangLast", nullptr, "", "de_DE", "de_DE"},
                      NameRow{"NoneIsC", nullptr, nullptr, nullptr, "C"},
                      NameRow{"AllEmptyIsC", "", "", "", "C"}),
    [](const auto& info) { return std::string(info.param.name); });

char FakeLookup(const std::string& name) {
    if (name == "fr_FR.UTF-8") return ',';
    if (name == "en_US.UTF-8") return '.';
    if (name == "ar_XX") return '\x66';  // some other character
    throw std::runtime_error("no such locale");
}

struct SeparatorRow {
    const char* name;
    const char* locale;
    char separator;
};

class LocaleSeparator : public ::testing::TestWithParam<SeparatorRow> {};

TEST_P(LocaleSeparator, Rule) {
    EXPECT_EQ(SeparatorOfLocale(GetParam().locale, &FakeLookup), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(Cli, LocaleSeparator,
                         ::testing::Values(SeparatorRow{"French", "fr_FR.UTF-8", ','},
                                           SeparatorRow{"English", "en_US.UTF-8", '.'},
                                           SeparatorRow{"OtherCharacter", "ar_XX", ','},
                                           SeparatorRow{"Unreadable", "zz_ZZ", ','},
                                           SeparatorRow{"C", "C", ','},
                                           SeparatorRow{"POSIX", "POSIX", ','},
                                           SeparatorRow{"CUtf8", "C.UTF-8", ','},
                                           SeparatorRow{"CUtf8Lower", "C.utf8", ','}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, RealLocaleLookup) {
    EXPECT_EQ(SeparatorOfLocale("C.UTF-8"), ',');
    EXPECT_EQ(SeparatorOfLocale("xx_NOWHERE"), ',');
    EXPECT_EQ(DecimalPointOfLocale("C"), '.');  // the C library's own C locale, overridden by the rule
}

// ---------------------------------------------------------------- in process

TEST(CliInProcess, SameAsTheBinary) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunConvert({"100", "FRF"}, in, out, err, ','), 0);
    EXPECT_EQ(out.str(), RunBinary({"--separator", ",", "100", "FRF"}).out);
    std::ostringstream out2;
    EXPECT_EQ(RunConvert({"100", "FRF"}, in, out2, err, '.'), 0);
    EXPECT_EQ(Lines(out2.str())[0], "DEM\t             29.81644");
}

}  // namespace
}  // namespace tresilva::cli
