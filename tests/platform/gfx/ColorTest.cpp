#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/Color.h"

namespace tresilva {
namespace {

TEST(ColorToRGB, ResolvesSystemColoursThroughTheClassicPalette) {
    struct Row {
        TColor code;
        TColor rgb;
    };
    const Row rows[] = {
        {clBtnFace, RGB(192, 192, 192)},      {clWindowText, RGB(0, 0, 0)},
        {clGrayText, RGB(128, 128, 128)},     {clWindow, RGB(255, 255, 255)},
        {clBtnShadow, RGB(128, 128, 128)},    {clBtnHighlight, RGB(255, 255, 255)},
        {cl3DDkShadow, RGB(64, 64, 64)},      {cl3DLight, RGB(223, 223, 223)},
        {clHighlight, RGB(0, 0, 128)},        {clHighlightText, RGB(255, 255, 255)},
        {clInfoBk, RGB(255, 255, 225)},       {clInfoText, RGB(0, 0, 0)},
        {clBtnText, RGB(0, 0, 0)},            {clActiveCaption, RGB(0, 0, 128)},
    };
    for (const Row& row : rows) EXPECT_EQ(ColorToRGB(row.code), row.rgb) << std::hex << row.code;
    EXPECT_EQ(clGrayText, static_cast<TColor>(0x80000011u));
}

TEST(ColorToRGB, KeepsPlainColoursAndGivesBlackForUnknownCodes) {
    for (TColor plain : {clBlack, clWhite, clNavy, clOlive, RGB(1, 2, 3)}) EXPECT_EQ(ColorToRGB(plain), plain);
    // CLR_INVALID is what a read outside a surface gives: shading it must not
    // index past the palette.
    for (TColor unknown : {CLR_INVALID, SystemColor(25), SystemColor(0xFF), SystemColor(0x7FFFFFFE),
                           static_cast<TColor>(0x80000000u | 0x100u | 15u)}) {
        EXPECT_EQ(ColorToRGB(unknown), clBlack) << std::hex << unknown;
    }
}

TEST(ColorNames, RoundTripAndMatchWithoutCase) {
    const char* names[] = {"clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal",
                           "clGray", "clSilver", "clRed", "clLime", "clYellow", "clBlue", "clFuchsia",
                           "clAqua", "clWhite", "clBtnFace", "clWindowText", "clGrayText", "clInfoBk",
                           "cl3DDkShadow", "clHighlight"};
    for (const char* name : names) {
        TColor value = 12345;
        ASSERT_TRUE(ColorFromName(name, value)) << name;
        EXPECT_EQ(std::string(ColorName(value)), name);
    }
    TColor value = 0;
    EXPECT_TRUE(ColorFromName("CLNAVY", value));
    EXPECT_EQ(value, clNavy);
    EXPECT_TRUE(ColorFromName("clbtnface", value));
    EXPECT_EQ(value, clBtnFace);
    value = 7;
    EXPECT_FALSE(ColorFromName("clNavyBlue", value));
    EXPECT_FALSE(ColorFromName("", value));
    EXPECT_FALSE(ColorFromName(nullptr, value));
    EXPECT_EQ(value, 7);
    EXPECT_STREQ(ColorName(RGB(1, 2, 3)), "");
}

}  // namespace
}  // namespace tresilva
