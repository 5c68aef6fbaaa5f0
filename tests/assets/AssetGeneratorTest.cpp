// The generator writes the same bytes on every run, and the committed assets are
// what it writes: a picture edited by hand is caught here.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include <unistd.h>

#include "tests/assets/AssetBytes.h"

namespace tresilva::testing {
namespace {

#ifdef TRESILVA_ASSETGEN

namespace fs = std::filesystem;

// Every file under `root`, by its path relative to it.
std::map<std::string, std::vector<std::uint8_t>> Tree(const fs::path& root) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).generic_string()] = ReadBytes(entry.path());
    return files;
}

class GeneratorRun : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = fs::temp_directory_path() / ("tresilva-assetgen-" + std::to_string(::getpid()));
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
    }
    void TearDown() override { fs::remove_all(scratch_); }

    fs::path Generate(const std::string& name) {
        const fs::path out = scratch_ / name;
        const std::string command = std::string("'") + TRESILVA_ASSETGEN + "' '" + out.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return out;
    }

    fs::path scratch_;
};

TEST_F(GeneratorRun, TwoRunsWriteTheSameBytes) {
    const auto first = Tree(Generate("first"));
    const auto second = Tree(Generate("second"));
    ASSERT_FALSE(first.empty());
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [path, bytes] : first) {
        const auto other = second.find(path);
        ASSERT_NE(other, second.end()) << path;
        EXPECT_TRUE(bytes == other->second) << path << " differs between two runs";
    }
}

TEST_F(GeneratorRun, CommittedAssetsAreWhatTheGeneratorWrites) {
    const auto fresh = Tree(Generate("fresh"));
    const auto committed = Tree(fs::path(TRESILVA_SOURCE_DIR) / "assets");
    for (const auto& [path, bytes] : fresh) {
        const auto c = committed.find(path);
        if (c == committed.end()) {
            ADD_FAILURE() << path << " is not committed";
            continue;
        }
        EXPECT_TRUE(bytes == c->second) << "assets/" << path
                                        << " differs from a fresh run of tresilva-assetgen: regenerate, or draw the "
                                           "change in the generator";
    }
    // Nothing stale: every committed file is made by the generator, but the
    // help document, which is written by hand.
    for (const auto& [path, bytes] : committed) {
        if (path != "help/DOCFR.HLP") {
            EXPECT_TRUE(fresh.count(path)) << "assets/" << path << " is not generated";
        }
    }
}

#else

TEST(GeneratorRun, NeedsTheGenerator) { GTEST_SKIP() << "tresilva-assetgen is not part of this build"; }

#endif

}  // namespace
}  // namespace tresilva::testing
