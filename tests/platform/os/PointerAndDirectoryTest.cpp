#include "platform/os/CurrentDirectory.h"
#include "platform/os/PointerPosition.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include <filesystem>
#include <unistd.h>

namespace tresilva {
namespace {
namespace fs = std::filesystem;

TEST(CurrentDirectory, IsTheProcesssWorkingDirectory) {
    const fs::path old = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "tresilva-cwd-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = fs::path(pattern) / "a b";
    fs::create_directory(dir);
    fs::current_path(dir);
    EXPECT_EQ(CurrentDirectory(), fs::canonical(dir).string());
    fs::current_path("/");
    EXPECT_EQ(CurrentDirectory(), "/");
    fs::current_path(old);
    fs::remove_all(pattern);
}

TEST(PointerPosition, IsWhereThePointerIs) {
    static int argc = 1;
    static char name[] = "pointer-test";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QCursor::setPos(123, 45);
    EXPECT_EQ(PointerPosition(), (TPoint{123, 45}));
}

}  // namespace
}  // namespace tresilva
