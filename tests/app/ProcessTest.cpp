// The program itself, started as a process on Qt's offscreen platform.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

struct Child {
    pid_t pid = -1;
    int status = 0;
};

Child StartProgram(const fs::path& configDir, const fs::path& dir) {
    Child child;
    child.pid = ::fork();
    if (child.pid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
        if (::chdir(dir.c_str()) != 0) ::_exit(126);
        ::execl(TRESILVA_APP_BINARY, "tresilva", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

TEST(ProcessTest, TerminationSignalEndsTheProgramWithoutSaving) {
    const fs::path root = fs::path(::testing::TempDir()) / ("tresilva-process-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "config");
    Child child = StartProgram(root / "config", fs::path(TRESILVA_SOURCE_DIR) / "assets/help");
    ASSERT_GT(child.pid, 0);
    // Long enough for the windows to be made and the settings to be read.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_EQ(::waitpid(child.pid, &child.status, WNOHANG), 0) << "the program ended by itself";
    ::kill(child.pid, SIGTERM);
    ASSERT_EQ(::waitpid(child.pid, &child.status, 0), child.pid);
    EXPECT_TRUE(WIFSIGNALED(child.status));
    EXPECT_EQ(WTERMSIG(child.status), SIGTERM);
    EXPECT_FALSE(fs::exists(root / "config" / "Tresilva.ini"));
    fs::remove_all(root);
}

}  // namespace
