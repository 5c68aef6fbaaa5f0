#include "platform/os/Launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tresilva {
namespace {
namespace fs = std::filesystem;

class Recorder : public TLauncher {
public:
    std::vector<std::string> calls;
    void OpenUrl(const std::string& url) override { calls.push_back("open " + url); }
    void StartDetached(const std::string& program) override { calls.push_back("start " + program); }
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { SetLauncher(&recorder); }
    void TearDown() override { SetLauncher(nullptr); }
    Recorder recorder;
};

TEST(WebAddress, AnAddressWithoutSchemeIsAWebAddress) {
    struct Row {
        const char* address;
        const char* expected;
    };
    const Row rows[] = {
        {"www.tresilva.example/telechargement.html", "http://www.tresilva.example/telechargement.html"},
        {"http://www.tresilva.example/", "http://www.tresilva.example/"},
        {"https://x.example", "https://x.example"},
        {"mailto:contact@tresilva.example", "mailto:contact@tresilva.example"},
        {"file:///tmp/a.html", "file:///tmp/a.html"},
        {"localhost:8080/p", "http://localhost:8080/p"},
        {"www.x.example:80/p", "http://www.x.example:80/p"},
        {"x.example/a:b", "http://x.example/a:b"},
        {"", "http://"},
    };
    for (const Row& row : rows) EXPECT_EQ(WebAddress(row.address), row.expected) << row.address;
}

TEST_F(LauncherTest, LaunchesGoThroughTheInstalledLauncher) {
    OpenAddress("www.tresilva.example/telechargement.html");
    EXPECT_TRUE(StartProgram("/home/u/my dir;$(touch x) 'q'/marvessa.exe"));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"open http://www.tresilva.example/telechargement.html",
                                                        "start /home/u/my dir;$(touch x) 'q'/marvessa.exe"}));
    SetLauncher(nullptr);
    EXPECT_NE(&CurrentLauncher(), &recorder);
}

TEST_F(LauncherTest, ProgramPathOver255CharactersIsNotStarted) {
    const std::string dir = "/" + std::string(241, 'd') + "/";  // 243 + "marvessa.exe" = 255
    ASSERT_EQ((dir + "marvessa.exe").size(), 255u);
    EXPECT_TRUE(StartProgram(dir + "marvessa.exe"));
    EXPECT_FALSE(StartProgram("/" + dir + "marvessa.exe"));
    std::string accented;  // 255 characters of two bytes each
    for (int i = 0; i < 255; ++i) accented += "\xC3\xA9";
    EXPECT_TRUE(StartProgram(accented));
    EXPECT_FALSE(StartProgram(accented + "x"));
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0], "start " + dir + "marvessa.exe");
}

// The desktop's launcher starts the one file the path names, blanks and shell
// characters included, and nothing at all for a missing one.
TEST(DesktopLauncher, StartsExactlyThatFileWithoutAShell) {
    std::string pattern = (fs::temp_directory_path() / "tresilva-launch-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = fs::path(pattern) / "my dir;$(false) & 'q'";
    fs::create_directories(dir);
    const fs::path program = dir / "marvessa.exe";
    {
        std::ofstream script(program);
        script << "#!/bin/sh\necho \"$#\" > \"$0.ran\"\n";
    }
    fs::permissions(program, fs::perms::owner_all);
    ASSERT_NE(&CurrentLauncher(), nullptr);
    EXPECT_TRUE(StartProgram(program.string()));
    EXPECT_TRUE(StartProgram((dir / "absent.exe").string()));  // asked, nothing happens, no error

    const fs::path marker = program.string() + ".ran";
    for (int i = 0; i < 200 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(fs::exists(marker));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::ifstream in(marker);
    std::string arguments;
    std::getline(in, arguments);
    EXPECT_EQ(arguments, "0");
    fs::remove_all(pattern);
}

}  // namespace
}  // namespace tresilva
