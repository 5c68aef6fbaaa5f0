#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/QtFont.h"

namespace tresilva {
namespace {

constexpr TColor kBackground = RGB(0, 160, 0);

TBitmap Surface(int width, int height) {
    TBitmap b(width, height);
    TCanvas& c = b.Canvas();
    c.Brush().Color = kBackground;
    c.FillRect(Rect(0, 0, width, height));
    c.Font().SetName("Arial");
    c.Font().SetHeight(14);
    c.Font().SetColor(clBlack);
    return b;
}

// The smallest rectangle holding every pixel that is not the background (empty if none).
TRect InkBox(const TBitmap& b, const TRect& within) {
    TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = within.Top; y < within.Bottom; ++y)
        for (int x = within.Left; x < within.Right; ++x) {
            if (b.Pixel(x, y) == kBackground) continue;
            box.Left = std::min(box.Left, x);
            box.Top = std::min(box.Top, y);
            box.Right = std::max(box.Right, x + 1);
            box.Bottom = std::max(box.Bottom, y + 1);
        }
    return box.IsEmpty() ? TRect{} : box;
}
TRect InkBox(const TBitmap& b) { return InkBox(b, Rect(0, 0, b.Width(), b.Height())); }

// True when nothing outside `inside` differs from the background.
bool CleanOutside(const TBitmap& b, const TRect& inside) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (!inside.Contains(x, y) && b.Pixel(x, y) != kBackground) return false;
    return true;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

// Rows in which the ink forms one unbroken run at least `length` pixels long.
int LongestRun(const TBitmap& b, int y) {
    int best = 0, run = 0;
    for (int x = 0; x < b.Width(); ++x) {
        run = GetRValue(b.Pixel(x, y)) < 80 && b.Pixel(x, y) != kBackground ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

TEST(DrawText, AlignsEachLineWithinTheRectangle) {
    const TRect rect = Rect(10, 5, 190, 40);
    struct Row {
        unsigned format;
        const char* name;
    };
    for (const Row row : {Row{DT_LEFT, "left"}, Row{DT_CENTER, "centre"}, Row{DT_RIGHT, "right"}}) {
        TBitmap b = Surface(200, 50);
        TRect r = rect;
        const int height = b.Canvas().DrawText("Tresilva", r, row.format);
        EXPECT_EQ(height, b.Canvas().TextHeight("Tresilva")) << row.name;
        EXPECT_EQ(r, rect) << row.name;  // only the measuring form changes it
        const TRect ink = InkBox(b);
        ASSERT_FALSE(ink.IsEmpty()) << row.name;
        EXPECT_TRUE(CleanOutside(b, rect)) << row.name;
        EXPECT_LE(ink.Top, rect.Top + b.Canvas().TextHeight("T") / 2) << row.name << ": lines start at the top";
        const int leftGap = ink.Left - rect.Left, rightGap = rect.Right - ink.Right;
        if (row.format == DT_LEFT) {
            EXPECT_LE(leftGap, 2) << row.name;
        } else if (row.format == DT_RIGHT) {
            EXPECT_LE(rightGap, 2) << row.name;
        } else {
            EXPECT_LE(std::abs(leftGap - rightGap), 3) << row.name;
        }
    }
}

TEST(DrawText, DrawsInTheFontColourWithoutABackgroundBox) {
    TBitmap b = Surface(120, 30);
    b.Canvas().Font().SetColor(clHighlight);
    b.Canvas().Font().SetStyle(fsBold);
    TRect r = Rect(0, 0, 120, 30);
    b.Canvas().DrawText("MMMM", r, DT_LEFT);
    // Fully covered pixels take the resolved colour; the rest stay background or a blend of the two.
    bool solid = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x) {
            const TColor p = b.Pixel(x, y);
            solid |= p == RGB(0, 0, 128);
            EXPECT_EQ(GetRValue(p), 0) << x << "," << y;
            EXPECT_LE(GetGValue(p), 160) << x << "," << y;
        }
    EXPECT_TRUE(solid);
    EXPECT_EQ(b.Pixel(119, 29), kBackground);
}

TEST(DrawText, WrapsAtWordBoundariesAndClipsToTheRectangle) {
    TBitmap probe = Surface(1, 1);
    TCanvas& c = probe.Canvas();
    const int lineHeight = c.TextHeight("A");
    const std::string text = "un deux trois";
    // Wide enough for "un deux" but not for all three words.
    const int width = c.TextWidth("un deux") + 2;
    ASSERT_LT(width, c.TextWidth(text));

    TRect measured = Rect(0, 0, width, 0);
    EXPECT_EQ(c.DrawText(text, measured, DT_WORDBREAK | DT_CALCRECT), 2 * lineHeight);
    EXPECT_EQ(measured.Width(), c.TextWidth("un deux"));

    // Drawn in a rectangle one line high: the second line is clipped away.
    TBitmap b = Surface(200, 60);
    const TRect oneLine = Rect(5, 5, 5 + width, 5 + lineHeight);
    TRect r = oneLine;
    EXPECT_EQ(b.Canvas().DrawText(text, r, DT_WORDBREAK), 2 * lineHeight);
    EXPECT_TRUE(CleanOutside(b, oneLine));
    // ... and shows the same pixels as the first words alone.
    TBitmap first = Surface(200, 60);
    r = oneLine;
    first.Canvas().DrawText("un deux", r, DT_LEFT);
    EXPECT_TRUE(SamePixels(b, first));

    // With room for both lines, the second one starts at the left again, one line lower.
    TBitmap two = Surface(200, 60);
    r = Rect(5, 5, 5 + width, 5 + 2 * lineHeight);
    two.Canvas().DrawText(text, r, DT_WORDBREAK);
    const TRect secondLine = InkBox(two, Rect(0, 5 + lineHeight, 200, 60));
    ASSERT_FALSE(secondLine.IsEmpty());
    EXPECT_LE(secondLine.Left, 7);
    EXPECT_LE(secondLine.Right, 5 + c.TextWidth("trois") + 1);

    // Without the word-break flag the text stays on one line and is clipped at the right.
    TBitmap single = Surface(200, 60);
    r = Rect(5, 5, 5 + width, 5 + 2 * lineHeight);
    EXPECT_EQ(single.Canvas().DrawText(text, r, DT_LEFT), lineHeight);
    EXPECT_TRUE(InkBox(single, Rect(0, 5 + lineHeight, 200, 60)).IsEmpty());
    EXPECT_TRUE(CleanOutside(single, r));
}

TEST(DrawText, AWordWiderThanTheRectangleStaysWholeAndRightAlignedShowsItsEnd) {
    const std::string number = "1234567890,12345";
    TBitmap wide = Surface(300, 30);
    TRect r = Rect(0, 2, 250, 28);
    wide.Canvas().DrawText(number, r, DT_RIGHT | DT_WORDBREAK);
    TBitmap narrow = Surface(300, 30);
    const TRect small = Rect(200, 2, 250, 28);
    r = small;
    TRect measured = small;
    EXPECT_EQ(narrow.Canvas().DrawText(number, measured, DT_RIGHT | DT_WORDBREAK | DT_CALCRECT),
              narrow.Canvas().TextHeight(number));  // one line: the word is not split
    EXPECT_EQ(measured.Width(), narrow.Canvas().TextWidth(number));
    narrow.Canvas().DrawText(number, r, DT_RIGHT | DT_WORDBREAK);
    EXPECT_TRUE(CleanOutside(narrow, small));
    // Inside the small rectangle: exactly the end of the number as drawn in full.
    for (int y = small.Top; y < small.Bottom; ++y)
        for (int x = small.Left; x < small.Right; ++x) ASSERT_EQ(narrow.Pixel(x, y), wide.Pixel(x, y)) << x << "," << y;
}

TEST(DrawText, AmpersandUnderlinesTheNextCharacterUnlessNoPrefix) {
    TBitmap marked = Surface(120, 30);
    TRect r = Rect(10, 5, 110, 28);
    marked.Canvas().DrawText("&Monnaie", r, DT_LEFT);
    TBitmap plain = Surface(120, 30);
    r = Rect(10, 5, 110, 28);
    plain.Canvas().DrawText("Monnaie", r, DT_LEFT);
    // The marked version has an extra row: a line under the "M" as wide as it, below everything else.
    const int mWidth = plain.Canvas().TextWidth("M");
    const TRect plainInk = InkBox(plain), markedInk = InkBox(marked);
    ASSERT_GT(markedInk.Bottom, plainInk.Bottom);
    const int underlineRow = markedInk.Bottom - 1;
    EXPECT_GE(LongestRun(marked, underlineRow), mWidth - 1);
    EXPECT_LE(InkBox(marked, Rect(0, underlineRow, 120, underlineRow + 1)).Right, 10 + mWidth + 1);
    EXPECT_TRUE(SamePixels(plain, [&] {
        TBitmap above = marked;
        // Above the underline, the text is the unmarked text.
        for (int y = plainInk.Bottom; y < 30; ++y)
            for (int x = 0; x < 120; ++x) above.SetPixel(x, y, kBackground);
        return above;
    }()));

    // With no prefix the ampersand is drawn like any character.
    TBitmap noPrefix = Surface(120, 30);
    r = Rect(10, 5, 110, 28);
    noPrefix.Canvas().DrawText("&Monnaie", r, DT_NOPREFIX);
    EXPECT_GE(InkBox(noPrefix).Right - InkBox(noPrefix).Left, plainInk.Width() + plain.Canvas().TextWidth("&") - 2);
    EXPECT_LE(InkBox(noPrefix).Bottom, plainInk.Bottom + 1);

    // "&&" draws one ampersand, the same as a lone one without prefixes.
    TBitmap doubled = Surface(120, 30);
    r = Rect(10, 5, 110, 28);
    doubled.Canvas().DrawText("A&&B", r, DT_LEFT);
    TBitmap single = Surface(120, 30);
    r = Rect(10, 5, 110, 28);
    single.Canvas().DrawText("A&B", r, DT_NOPREFIX);
    EXPECT_TRUE(SamePixels(doubled, single));

    TRect measured = Rect(0, 0, 100, 0);
    marked.Canvas().DrawText("A&&B", measured, DT_CALCRECT);
    EXPECT_EQ(measured.Width(), marked.Canvas().TextWidth("A&B"));
    measured = Rect(0, 0, 100, 0);
    marked.Canvas().DrawText("A&&B", measured, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(measured.Width(), marked.Canvas().TextWidth("A&&B"));
}

TEST(DrawText, TabsExpandToStopsOfEightAverageCharacterWidths) {
    TBitmap b = Surface(1, 1);
    TCanvas& c = b.Canvas();
    EnsureGuiApplication();
    const int stop = 8 * QFontMetrics(ToQFont(c.Font())).averageCharWidth();
    ASSERT_GT(stop, c.TextWidth("ab"));
    auto measure = [&](const std::string& text, unsigned format) {
        TRect r = Rect(0, 0, 1000, 0);
        c.DrawText(text, r, format | DT_CALCRECT);
        return r.Width();
    };
    EXPECT_EQ(measure("\tx", DT_EXPANDTABS), stop + c.TextWidth("x"));
    EXPECT_EQ(measure("ab\tx", DT_EXPANDTABS), stop + c.TextWidth("x"));
    EXPECT_EQ(measure("\t\tx", DT_EXPANDTABS), 2 * stop + c.TextWidth("x"));
    EXPECT_LT(measure("ab\tx", DT_LEFT), stop);

    // Drawn: the "x" starts at the tab stop.
    TBitmap drawn = Surface(200, 30);
    TRect r = Rect(10, 2, 200, 28);
    drawn.Canvas().DrawText("\tx", r, DT_EXPANDTABS);
    const TRect ink = InkBox(drawn);
    EXPECT_GE(ink.Left, 10 + stop - 1);
    EXPECT_LE(ink.Left, 10 + stop + 2);
}

TEST(DrawText, MeasuringGivesTheLongestLineAndTheLineCountAndDrawsNothing) {
    TBitmap b = Surface(50, 50);
    const TBitmap before = b;
    TCanvas& c = b.Canvas();
    const int lineHeight = c.TextHeight("A");
    struct Row {
        const char* text;
        unsigned format;
        int width;  // in text widths of this string
        const char* widest;
        int lines;
    };
    const Row rows[] = {
        {"Tresilva 99", DT_LEFT, 0, "Tresilva 99", 1},
        {"Tresilva 99", DT_CENTER | DT_WORDBREAK, 0, "Tresilva 99", 1},
        {"un\r\ndeux trois\nquatre", DT_LEFT, 0, "deux trois", 3},
        {"un\n\ndeux", DT_LEFT, 0, "deux", 3},
        {"aa bb cc", DT_WORDBREAK, 1, "aa", 3},
        {"", DT_WORDBREAK, 0, "", 0},
    };
    for (const Row& row : rows) {
        const int width = row.width == 0 ? 400 : c.TextWidth("aa") + 1;
        TRect r = Rect(3, 4, 3 + width, 5);
        EXPECT_EQ(c.DrawText(row.text, r, row.format | DT_CALCRECT), row.lines * lineHeight) << row.text;
        EXPECT_EQ(r, Rect(3, 4, 3 + c.TextWidth(row.widest), 4 + row.lines * lineHeight)) << row.text;
    }
    EXPECT_TRUE(SamePixels(b, before));
}

TEST(DrawText, NeverWritesOutsideTheCanvasClip) {
    TBitmap b = Surface(100, 40);
    // A canvas whose clip is smaller than the text rectangle, with a shifted origin.
    TCanvas canvas(b, TPoint{20, 10}, Rect(25, 12, 60, 22));
    canvas.Font().SetHeight(20);
    canvas.Font().SetColor(clBlack);
    TRect r = Rect(-10, -5, 80, 30);
    canvas.DrawText("WWWWWWWWWWWW", r, DT_LEFT);
    EXPECT_TRUE(CleanOutside(b, Rect(25, 12, 60, 22)));
    EXPECT_FALSE(InkBox(b).IsEmpty());
}

TEST(DrawText, FacesAreSubstitutedAndStylesChangeTheText) {
    EnsureGuiApplication();
    TFont font;
    struct Row {
        const char* face;
        const char* family;
    };
    for (const Row row : {Row{"Arial", "Liberation Sans"}, Row{"MS Sans Serif", "Liberation Sans"},
                          Row{"Comic Sans MS", "Comic Neue"}, Row{"arial", "Liberation Sans"}}) {
        font.SetName(row.face);
        EXPECT_EQ(QFontInfo(ToQFont(font)).family().toStdString(), row.family) << row.face;
    }
    // Character heights, also in the negative form of classic layouts.
    for (const int height : {17, -17}) {
        font.SetHeight(height);
        EXPECT_EQ(QFontInfo(ToQFont(font)).pixelSize(), 17) << height;
    }

    TBitmap b = Surface(1, 1);
    TCanvas& c = b.Canvas();
    const int regular = c.TextWidth("Convertisseur");
    c.Font().SetStyle(fsBold);
    EXPECT_GT(c.TextWidth("Convertisseur"), regular);
    c.Font().SetStyle(fsUnderline);
    TBitmap underlined = Surface(150, 30);
    underlined.Canvas().Font().SetStyle(fsUnderline);
    TRect r = Rect(0, 0, 150, 30);
    underlined.Canvas().DrawText("Convertisseur", r, DT_LEFT);
    const TRect ink = InkBox(underlined);
    EXPECT_GE(LongestRun(underlined, ink.Bottom - 1), regular - 3);
}

}  // namespace
}  // namespace tresilva
