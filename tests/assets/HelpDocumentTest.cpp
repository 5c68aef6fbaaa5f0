// The help document: a French HTML page whose topics the help engine finds by
// their context numbers, the first one being where it opens.
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include <QString>

#include "tests/assets/AssetBytes.h"

namespace tresilva::testing {
namespace {

std::string HelpText() {
    const std::vector<std::uint8_t> b = ReadAsset("help/DOCFR.HLP");
    return {b.begin(), b.end()};
}

TEST(HelpDocument, IsAFrenchHtmlPageInUtf8) {
    const std::string text = HelpText();
    ASSERT_FALSE(text.empty());
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    EXPECT_EQ(decoded.toUtf8().toStdString(), text) << "not valid UTF-8";
    EXPECT_NE(text.find("<html lang=\"fr\">"), std::string::npos);
    EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(text.find("<title>Aide de Tresilva 99</title>"), std::string::npos);
    // The texts the help refers to are the program's own.
    EXPECT_NE(text.find("« Arrondir deux chiffres après la virgule »"), std::string::npos);
    EXPECT_NE(text.find("« Configuration »"), std::string::npos);
}

TEST(HelpDocument, TopicsAreNumberedFromOneInOrder) {
    const std::string text = HelpText();
    const std::regex id("id=\"context-([0-9]+)\"");
    int expected = 1;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), id); it != std::sregex_iterator(); ++it, ++expected)
        EXPECT_EQ(std::stoi((*it)[1]), expected);
    EXPECT_GT(expected, 2) << "the start topic and at least one more";
    // Every link inside the document leads to a topic that exists.
    const std::regex link("href=\"#context-([0-9]+)\"");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it) {
        const int n = std::stoi((*it)[1]);
        EXPECT_TRUE(n >= 1 && n < expected) << "a link to context-" << n;
    }
}

}  // namespace
}  // namespace tresilva::testing
