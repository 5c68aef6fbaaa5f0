#include "platform/data/Resources.h"

#include <gtest/gtest.h>

namespace tresilva {
namespace {

TEST(Resources, FoundByNameWithoutRegardToCaseAnywhereInThePath) {
    const std::vector<std::uint8_t> bmp{'B', 'M', 1, 2, 0};
    for (const char* name : {"Frames/Euro/EURO1.BMP", "frames/euro/euro1.bmp", "FRAMES/EURO/Euro1.Bmp",
                             ":/Frames/Euro/EURO1.BMP", "/frames/EURO/euro1.bmp", "frames\\euro\\EURO1.BMP"}) {
        EXPECT_EQ(FindResource(name), bmp) << name;
    }
    const auto layout = FindResource("Layouts/main.LAYOUT");
    ASSERT_TRUE(layout);
    EXPECT_EQ(std::string(layout->begin(), layout->end()), "object Form1: TForm1\nend\n");
}

TEST(Resources, MissingOnesGiveNone) {
    for (const char* name : {"", "/", "frames", "frames/euro", "frames/euro/EURO2.BMP", "EURO1.BMP", "frames/euro/EURO1.BM"}) {
        EXPECT_EQ(FindResource(name), std::nullopt) << name;
    }
}

}  // namespace
}  // namespace tresilva
