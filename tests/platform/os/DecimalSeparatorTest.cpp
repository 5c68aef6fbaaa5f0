#include "platform/os/DecimalSeparator.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tresilva {
namespace {

TEST(DecimalSeparator, FromTheLocaleOfNumbers) {
    struct Row {
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
        char expected;
    };
    const Row rows[] = {
        {"", "", "", ','},                             // nothing set: the C locale
        {"C", "", "en_US.UTF-8", ','},
        {"POSIX", "", "", ','},
        {"C.UTF-8", "", "", ','},
        {"", "C.utf8", "en_US.UTF-8", ','},            // LC_NUMERIC comes before LANG
        {"", "", "en_US.UTF-8", '.'},
        {"", "", "fr_FR.UTF-8", ','},
        {"", "fr_FR.UTF-8", "en_US.UTF-8", ','},
        {"en_US.UTF-8", "fr_FR.UTF-8", "fr_FR.UTF-8", '.'},  // LC_ALL comes first
        {"", "en_GB", "", '.'},
        {"", "de_DE@euro", "", ','},
        {"", "de_CH.UTF-8", "", '.'},
        {"", "ja_JP.eucJP", "", '.'},
        {"", "ar_EG.UTF-8", "", ','},                  // a separator that is neither
        {"", "fa_IR", "", ','},
        {"", "xx_YY.UTF-8", "en_US", ','},             // unreadable
        {"", "!!!", "", ','},
        {"", ".UTF-8", "", ','},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DecimalSeparatorFor(row.lcAll, row.lcNumeric, row.lang), row.expected)
            << row.lcAll << " / " << row.lcNumeric << " / " << row.lang;
    }
}

TEST(DecimalSeparator, ReadsTheEnvironment) {
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_NUMERIC", "en_US.UTF-8", 1);
    ::setenv("LANG", "fr_FR.UTF-8", 1);
    EXPECT_EQ(RegionalDecimalSeparator(), '.');
    ::unsetenv("LC_NUMERIC");
    EXPECT_EQ(RegionalDecimalSeparator(), ',');
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("LANG", "C.UTF-8", 1);
}

}  // namespace
}  // namespace tresilva
