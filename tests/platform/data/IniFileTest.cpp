#include "platform/data/IniFile.h"

#include "platform/Errors.h"
#include "platform/data/IniDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tresilva {
namespace {
namespace fs = std::filesystem;

// "Propriétés" in UTF-8 (the API) and as the file's Windows-1252 bytes.
const std::string kSection = "Propri\xC3\xA9t\xC3\xA9s";
const std::string kSectionBytes = "Propri\xE9t\xE9s";

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tresilva-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldXdg_ = old;
        ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (oldXdg_) ::setenv("XDG_CONFIG_HOME", oldXdg_->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& entry : fs::recursive_directory_iterator(dir_, ec)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(dir_, ec);
    }

    fs::path File() const { return dir_ / "Tresilva.ini"; }
    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string Get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    std::optional<std::string> oldXdg_;
};

TEST_F(IniFileTest, BareNameLivesInTheConfigDirectoryWhichIsCreatedOnWrite) {
    const fs::path nested = dir_ / "a" / "b";
    ::setenv("XDG_CONFIG_HOME", nested.c_str(), 1);
    TIniFile ini("Tresilva.ini");
    EXPECT_EQ(ini.Path(), nested / "Tresilva.ini");
    EXPECT_EQ(ini.ReadString(kSection, "USD", "1,15455"), "1,15455");
    EXPECT_FALSE(fs::exists(nested));  // reading creates nothing
    ini.WriteString(kSection, "USD", "1,1");
    EXPECT_EQ(Get(nested / "Tresilva.ini"), "[" + kSectionBytes + "]\r\nUSD=1,1\r\n");

    ::unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(TIniFile("Tresilva.ini").Path(), fs::path(home) / ".config" / "Tresilva.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/dir", 1);  // not absolute: ignored
    EXPECT_EQ(TIniFile("Tresilva.ini").Path(), fs::path(home) / ".config" / "Tresilva.ini");
    EXPECT_EQ(TIniFile("/some/where/x.ini").Path(), fs::path("/some/where/x.ini"));
}

TEST_F(IniFileTest, FileWrittenFromTheDefaultsIsTheSevenLineExample) {
    TIniFile ini("Tresilva.ini");
    ini.WriteBool(kSection, "arrondir", ini.ReadBool(kSection, "arrondir", false));
    ini.WriteInteger(kSection, "monnaie", ini.ReadInteger(kSection, "monnaie", 11));
    ini.WriteString(kSection, "USD", ini.ReadString(kSection, "USD", "1,15455"));
    ini.WriteString(kSection, "GBP", ini.ReadString(kSection, "GBP", "0,70807"));
    ini.WriteString(kSection, "JPY", ini.ReadString(kSection, "JPY", "129,289"));
    ini.WriteBool(kSection, "apropos", ini.ReadBool(kSection, "apropos", false));
    EXPECT_EQ(Get(File()),
              "[Propri\xE9t\xE9s]\r\n"
              "arrondir=0\r\n"
              "monnaie=11\r\n"
              "USD=1,15455\r\n"
              "GBP=0,70807\r\n"
              "JPY=129,289\r\n"
              "apropos=0\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"Tresilva.ini"});  // no temporary file left
}

TEST_F(IniFileTest, ReadsFollowTheValueRules) {
    Put(File(),
        "; settings\r\n"
        "top=before any section\r\n"
        "[PROPRI\xC9T\xC9S]\r\n"
        "ARRONDIR=2\r\n"
        "apropos=0x1\r\n"
        "Monnaie=0x0C\r\n"
        "  USD \t=  1.15455 \t\r\n"
        ";GBP=commented\r\n"
        "GBP=\r\n"
        "JPY=129,289\r\n"
        "jpy=duplicate\r\n"
        "word=abc\r\n"
        "big=2147483648\r\n"
        "no equals sign\r\n"
        "=no name\r\n"
        "euro=\x80 caf\xE9\r\n"
        "[propri\xE9t\xE9s]\r\n"
        "extra=in the second section of the same name\r\n"
        "[Autre]\r\n"
        "USD=other section\r\n");
    const TIniFile ini(File().string());
    struct Row {
        const char* key;
        const char* expected;
    };
    for (const Row& row : std::initializer_list<Row>{{"usd", "1.15455"},
                                                      {"GBP", ""},  // present but empty: not the default
                                                      {"JPY", "129,289"},
                                                      {"euro", "\xE2\x82\xAC caf\xC3\xA9"},
                                                      {"top", "-"},
                                                      {"extra", "-"},
                                                      {"no equals sign", "-"},
                                                      {"missing", "-"}}) {
        EXPECT_EQ(ini.ReadString(kSection, row.key, "-"), row.expected) << row.key;
    }
    EXPECT_EQ(ini.ReadString("Autre", "usd", "-"), "other section");
    EXPECT_EQ(ini.ReadString("Absente", "USD", "-"), "-");

    EXPECT_TRUE(ini.ReadBool(kSection, "arrondir", false));   // 2
    EXPECT_TRUE(ini.ReadBool(kSection, "apropos", false));    // 0x1
    EXPECT_FALSE(ini.ReadBool(kSection, "word", false));      // a word: the default
    EXPECT_TRUE(ini.ReadBool(kSection, "word", true));
    EXPECT_TRUE(ini.ReadBool(kSection, "missing", true));
    EXPECT_EQ(ini.ReadInteger(kSection, "monnaie", 11), 12);  // 0x0C
    EXPECT_EQ(ini.ReadInteger(kSection, "word", 11), 11);
    EXPECT_EQ(ini.ReadInteger(kSection, "big", 11), 11);
    EXPECT_EQ(ini.ReadInteger(kSection, "GBP", 11), 11);      // empty
}

TEST(IniInteger, Rule) {
    struct Row {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Row rows[] = {
        {"11", 11}, {"-1", -1}, {"+7", 7}, {"  42", 42}, {"\t5", 5}, {"007", 7},
        {"0x0C", 12}, {"0X1f", 31}, {"$ff", 255}, {"$FF", 255}, {"0x7FFFFFFF", 2147483647},
        {"$FFFFFFFF", -1}, {"0x80000000", -2147483647 - 1}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt},
        {"1 ", std::nullopt}, {"1.5", std::nullopt}, {"-", std::nullopt}, {"+", std::nullopt},
        {"$", std::nullopt}, {"0x", std::nullopt}, {"0x1G", std::nullopt}, {"- 1", std::nullopt},
        {"-$10", std::nullopt}, {"2147483648", std::nullopt}, {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt}, {"99999999999999999999999", std::nullopt}, {"1e3", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseIniInteger(row.text), row.value) << '"' << row.text << '"';
}

TEST_F(IniFileTest, LongValuesAreCutAt1023Characters) {
    Put(File(), "[" + kSectionBytes + "]\nUSD=" + std::string(1500, '\xE9') + "\nGBP=" + std::string(1023, 'x') + "\n");
    const TIniFile ini(File().string());
    std::string expected;
    for (int i = 0; i < 1023; ++i) expected += "\xC3\xA9";
    EXPECT_EQ(ini.ReadString(kSection, "USD", ""), expected);
    EXPECT_EQ(ini.ReadString(kSection, "GBP", ""), std::string(1023, 'x'));
}

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnLine) {
    // Mixed line endings, comments, other sections and a final line without ending.
    const std::string before =
        "; mine\n"
        "[Autre]\r\n"
        "USD=not this one\n"
        "[propri\xC9t\xC9S]\n"
        "  usd = 1,15455 \n"
        ";JPY=0\n"
        "GBP=0,70807\r\n"
        "\n"
        "[Fin]\n"
        "x=1";
    Put(File(), before);
    TIniFile ini(File().string());

    ini.WriteString(kSection, "USD", "1.2");  // present: replaced in place
    ini.WriteString(kSection, "JPY", "130");  // missing: after the section's last key
    ini.WriteInteger("Nouvelle", "monnaie", -1);  // missing section: at the end
    EXPECT_EQ(Get(File()),
              "; mine\n"
              "[Autre]\r\n"
              "USD=not this one\n"
              "[propri\xC9t\xC9S]\n"
              "  usd =1.2\n"
              ";JPY=0\n"
              "GBP=0,70807\r\n"
              "JPY=130\n"
              "\n"
              "[Fin]\n"
              "x=1\n"
              "[Nouvelle]\n"
              "monnaie=-1\n");
}

TEST_F(IniFileTest, NewLinesTakeTheDominantEnding) {
    Put(File(), "[A]\r\nx=1\r\n[B]\ny=2\r\n");
    TIniFile ini(File().string());
    ini.WriteString("A", "z", "3");
    ini.WriteString("C", "k", "v");
    EXPECT_EQ(Get(File()), "[A]\r\nx=1\r\nz=3\r\n[B]\ny=2\r\n[C]\r\nk=v\r\n");

    Put(File(), "[A]\nx=1\n");
    ini.WriteString("a", "Y", "2");
    EXPECT_EQ(Get(File()), "[A]\nx=1\nY=2\n");

    Put(File(), "[A]");  // a header and nothing else
    ini.WriteString("A", "k", "v");
    EXPECT_EQ(Get(File()), "[A]\r\nk=v\r\n");
}

TEST_F(IniFileTest, WrittenTextIsWindows1252OnOneLine) {
    TIniFile ini("Tresilva.ini");
    ini.WriteString(kSection, "USD", "\xE2\x82\xAC caf\xC3\xA9 \xE2\x98\x83 a\r\nb\nc\rd \xFF");
    EXPECT_EQ(Get(File()), "[" + kSectionBytes + "]\r\nUSD=\x80 caf\xE9 ? a  b c d ?\r\n");
    EXPECT_EQ(ini.ReadString(kSection, "USD", ""), "\xE2\x82\xAC caf\xC3\xA9 ? a  b c d ?");
    // A name outside the code page still finds what writing it produced.
    ini.WriteString("\xE2\x98\x83", "k", "1");
    ini.WriteString("\xE2\x98\x83", "k", "2");
    EXPECT_EQ(ini.ReadString("\xE2\x98\x83", "k", ""), "2");
    EXPECT_EQ(ini.ReadString("?", "K", ""), "2");
}

TEST_F(IniFileTest, ReadOnlyFileGivesTheErrorAndStaysAsItWas) {
    const std::string before = "[" + kSectionBytes + "]\r\nUSD=1\r\n";
    Put(File(), before);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read);
    TIniFile ini("Tresilva.ini");
    try {
        ini.WriteString(kSection, "USD", "2");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_STREQ(e.what(), "Ne peut \xC3\xA9" "crire dans Tresilva.ini");
    }
    EXPECT_EQ(Get(File()), before);
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Entries(), std::vector<std::string>{"Tresilva.ini"});
}

TEST_F(IniFileTest, UnwritableFolderGivesTheErrorWithTheNamePassedIn) {
    const std::string before = "[" + kSectionBytes + "]\r\nUSD=1\r\n";
    Put(File(), before);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    TIniFile ini(File().string());
    try {
        ini.WriteBool(kSection, "arrondir", true);
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Ne peut \xC3\xA9" "crire dans " + File().string());
    }
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Get(File()), before);

    // A folder that cannot be created, and a name that is a folder.
    EXPECT_THROW(TIniFile((File() / "sub" / "x.ini").string()).WriteString("A", "k", "v"), EIniFileException);
    fs::create_directory(dir_ / "folder.ini");
    EXPECT_THROW(TIniFile((dir_ / "folder.ini").string()).WriteString("A", "k", "v"), EIniFileException);
}

TEST_F(IniFileTest, PermissionsAreKeptAndNewFilesFollowTheUmask) {
    Put(File(), "[A]\r\nk=1\r\n");
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TIniFile ini(File().string());
    ini.WriteString("A", "k", "2");
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t old = ::umask(027);
    TIniFile fresh((dir_ / "new.ini").string());
    fresh.WriteString("A", "k", "1");
    ::umask(old);
    EXPECT_EQ(fs::status(dir_ / "new.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, SymbolicLinkIsWrittenThroughToItsTarget) {
    fs::create_directory(dir_ / "real");
    Put(dir_ / "real" / "target.ini", "[A]\r\nk=1\r\n");
    fs::create_symlink("real/target.ini", dir_ / "Tresilva.ini");
    TIniFile ini("Tresilva.ini");
    ini.WriteString("A", "k", "2");
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(Get(dir_ / "real" / "target.ini"), "[A]\r\nk=2\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "2");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Tresilva.ini", "real"}));

    // A dangling link creates its target; a loop of links is an error.
    fs::create_symlink("real/later.ini", dir_ / "dangling.ini");
    TIniFile((dir_ / "dangling.ini").string()).WriteString("A", "k", "3");
    EXPECT_EQ(Get(dir_ / "real" / "later.ini"), "[A]\r\nk=3\r\n");
    fs::create_symlink("loop2.ini", dir_ / "loop1.ini");
    fs::create_symlink("loop1.ini", dir_ / "loop2.ini");
    EXPECT_THROW(TIniFile((dir_ / "loop1.ini").string()).WriteString("A", "k", "v"), EIniFileException);
}

// A process killed at any moment of a save leaves the file in one complete
// state: the one before a write or the one after it.
TEST_F(IniFileTest, KilledWriterNeverLeavesADamagedFile) {
    const std::string header = "; kept\r\n[Autre]\r\nx=" + std::string(4000, 'o') + "\r\n";
    Put(File(), header);
    TIniFile ini(File().string());
    const auto value = [](long n) { return std::to_string(n) + ":" + std::string(2000 + static_cast<std::size_t>(n % 1000), 'v'); };
    ini.WriteString(kSection, "a", value(0));
    ini.WriteString(kSection, "b", value(0));

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delay(0, 4000);
    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TIniFile writer(File().string());
            long n = std::stol(writer.ReadString(kSection, "b", "0"));
            for (;;) {
                ++n;
                writer.WriteString(kSection, "a", value(n));
                writer.WriteString(kSection, "b", value(n));
            }
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string bytes = Get(File());
        const TIniDocument document(bytes);
        const std::string a = document.Find(kSection, "a").value_or("");
        const std::string b = document.Find(kSection, "b").value_or("");
        const long na = std::stol(a.substr(0, a.find(':')));
        const long nb = std::stol(b.substr(0, b.find(':')));
        ASSERT_TRUE(na == nb || na == nb + 1) << "round " << round;
        EXPECT_EQ(bytes, header + "[" + kSectionBytes + "]\r\na=" + value(na) + "\r\nb=" + value(nb) + "\r\n") << "round " << round;
    }
}

}  // namespace
}  // namespace tresilva
