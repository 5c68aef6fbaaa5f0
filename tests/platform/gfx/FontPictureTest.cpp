#include <gtest/gtest.h>

#include "platform/gfx/Font.h"
#include "platform/gfx/Picture.h"

namespace tresilva {
namespace {

TEST(Font, DefaultsAndChangeNotifications) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), 11);
    EXPECT_EQ(font.Style(), 0);
    EXPECT_EQ(font.Color(), clWindowText);

    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle(fsBold | fsItalic);
    font.SetColor(clNavy);
    EXPECT_EQ(changes, 4);

    TFont other;
    EXPECT_FALSE(other == font);
    int otherChanges = 0;
    other.OnChange = [&] { ++otherChanges; };
    other.Assign(font);
    EXPECT_EQ(otherChanges, 1);
    EXPECT_TRUE(other == font);
    EXPECT_EQ(other.Style(), fsBold | fsItalic);
}

TEST(Picture, HoldsItsOwnCopyOfTheImage) {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    TBitmap bitmap(3, 2);
    bitmap.SetPixel(1, 1, clRed);
    picture.SetBitmap(bitmap);
    bitmap.SetPixel(1, 1, clBlue);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(picture.Bitmap().Pixel(1, 1), clRed);

    TPicture other;
    other.Assign(picture);
    picture.Bitmap().SetPixel(1, 1, clLime);
    EXPECT_EQ(other.Bitmap().Pixel(1, 1), clRed);

    picture.Clear();
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_TRUE(picture.Bitmap().Empty());
    EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace tresilva
