// The layouts as read: places and sizes, the hand pointer on exactly the
// controls that carry it, what follows a resize, and pixels of the composed
// main window where the shading is fixed.
#include <algorithm>
#include <map>
#include <set>

#include "controls/cursors/HandCursors.h"
#include "platform/data/Resources.h"
#include "tests/app/AppFixture.h"

namespace tresilva::test {
namespace {

using LayoutTest = AppTest;

std::vector<TForm*> Windows() { return {Form1, taux, apropos, config}; }

TEST_F(LayoutTest, HandPointerOnExactlyTheSeventySevenControls) {
    Start();
    std::set<std::string> expected;
    for (int i = 1; i <= 15; ++i) {
        for (const char* kind : {"f", "m", "c"}) expected.insert(Indexed((std::string("Form1.") + kind).c_str(), i));
    }
    for (const char* key : {"T0", "T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "TP", "BmpTransparent1",
                            "BmpTransparent3", "BmpTransparent4", "BmpTransparent5", "BmpAnime14", "flag"}) {
        expected.insert(std::string("Form1.") + key);
    }
    expected.insert("taux.Label1");
    for (const char* c : {"m13", "Label2", "Label3", "f13", "f14", "f15", "Label1", "Label4", "Label5"}) {
        expected.insert(std::string("config.") + c);
    }
    for (const char* c : {"MagicLabel1", "MagicLabel3", "tf2", "BmpAnime17", "BmpAnime2"}) {
        expected.insert(std::string("apropos.") + c);
    }
    ASSERT_EQ(expected.size(), 77u);
    std::set<std::string> found;
    for (TForm* form : Windows()) {
        if (form->Cursor() == crTopHand) found.insert(form->Name());
        for (int i = 0; i < form->ComponentCount(); ++i) {
            if (auto* c = dynamic_cast<TControl*>(form->Components(i)); c && c->Cursor() == crTopHand) {
                found.insert(form->Name() + "." + c->Name());
            }
        }
    }
    EXPECT_EQ(found, expected);
}

struct Place {
    const char* form;
    const char* name;
    int left, top, width, height;
};

TEST_F(LayoutTest, ElementsStandAtTheirPlaces) {
    Start();
    const std::vector<Place> places = {
        {"Form1", "Pad3D1", 0, 0, 563, 283},        {"Form1", "pavenumerique", 10, 60, 126, 213},
        {"Form1", "Pad3D3", 140, 60, 413, 213},     {"Form1", "Pad3D4", 10, 8, 191, 48},
        {"Form1", "Pad3D2", 205, 8, 348, 48},       {"Form1", "IntensityFilter1", 145, 225, 400, 41},
        {"Form1", "f1", 150, 70, 16, 11},           {"Form1", "m1", 170, 69, 86, 13},
        {"Form1", "c1", 150, 83, 121, 18},          {"Form1", "f9", 420, 70, 16, 11},
        {"Form1", "m9", 440, 69, 87, 13},           {"Form1", "c12", 420, 203, 121, 18},
        {"Form1", "f13", 150, 230, 16, 11},         {"Form1", "m14", 305, 229, 86, 13},
        {"Form1", "c15", 420, 243, 121, 18},        {"Form1", "T7", 15, 65, 36, 41},
        {"Form1", "T6", 90, 115, 36, 41},           {"Form1", "T0", 15, 215, 36, 41},
        {"Form1", "TP", 55, 215, 36, 41},           {"Form1", "BmpTransparent1", 90, 215, 36, 41},
        {"Form1", "BmpTransparent4", 17, 16, 32, 32}, {"Form1", "BmpTransparent5", 62, 16, 32, 32},
        {"Form1", "BmpTransparent3", 97, 16, 32, 32}, {"Form1", "BmpAnime14", 140, 13, 46, 33},
        {"Form1", "Panel2", 210, 13, 336, 36},      {"Form1", "cadran", 100, 1, 226, 35},
{"Form1", "flag", 0, 15, 16, 11},
        {"taux", "f1", 65, 10, 16, 11},             {"taux", "m1", 85, 9, 71, 13},
        {"taux", "m9", 85, 169, 87, 13},            {"taux", "f11", 65, 210, 16, 11},
        {"taux", "Label1", 10, 9, 51, 13},          {"config", "Panel1", 0, 0, 222, 185},
        {"config", "Panel2", 0, 185, 222, 32},      {"config", "monnaie", 110, 10, 101, 21},
        {"config", "arrondir", 10, 45, 201, 17},    {"config", "GroupBox1", 10, 70, 201, 105},
        {"config", "JPY", 85, 70, 81, 21},          {"config", "f14", 65, 49, 16, 11},
        {"config", "Label5", 170, 75, 31, 13},      {"config", "BitBtn1", 73, 4, 75, 24},
        {"apropos", "MagicLabel2", 42, 90, 231, 56}, {"apropos", "tf2", 69, 310, 176, 32},
        {"apropos", "Image1", 26, 5, 262, 62},      {"apropos", "BmpAnime17", 191, 160, 50, 40},
        {"apropos", "BmpAnime2", 83, 158, 39, 42},  {"apropos", "afficher", 6, 360, 165, 17},
    };
    std::map<std::string, TForm*> forms = {{"Form1", Form1}, {"taux", taux}, {"apropos", apropos}, {"config", config}};
    for (const Place& p : places) {
        const TRect b = Get(*forms[p.form], p.name).BoundsRect();
        EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Width(), b.Height()}),
                  (std::vector<int>{p.left, p.top, p.width, p.height}))
            << p.form << "." << p.name;
    }
    EXPECT_EQ(Get(*Form1, "m6").Caption(), "France (FRF)");
    EXPECT_EQ(Get(*Form1, "m13").Caption(), "Etats-Unis (USD)");
    EXPECT_EQ(Get(*apropos, "MagicLabel2").Caption(), "");
    EXPECT_EQ(Get(*apropos, "MagicLabel4").Caption(), "contact@tresilva.example");
    EXPECT_EQ(Get(*apropos, "SpecialLabel2").Caption(), "Tresilva Logiciels, 1999");
    EXPECT_EQ(Get(*config, "GroupBox1").Caption(), "Taux de conversion ");
    EXPECT_EQ(config->monnaie().Items().size(), 15u);
    EXPECT_EQ(apropos->ClientWidth(), 314);
    EXPECT_EQ(apropos->ClientHeight(), 381);
    EXPECT_EQ(config->ClientWidth(), 222);
    EXPECT_EQ(config->ClientHeight(), 217);
    EXPECT_EQ(Form1->Icon().Width(), 32);
    EXPECT_EQ(Form1->Icon().Height(), 32);
}

TEST_F(LayoutTest, ResizingMovesOnlyTheBackgroundAndTheOuterPad) {
    Start();
    std::map<std::string, TRect> before;
    for (int i = 0; i < Form1->ComponentCount(); ++i) {
        if (auto* c = dynamic_cast<TControl*>(Form1->Components(i))) before[c->Name()] = c->BoundsRect();
    }
    Form1->SetClientWidth(700);
    Form1->SetClientHeight(400);
    Pump();
    for (auto& [name, rect] : before) {
        if (name.empty()) continue;  // the animation's frames
        const TRect now = Get(*Form1, name).BoundsRect();
        if (name == "BmpMosaic2" || name == "Pad3D1") {
            EXPECT_EQ(now.Width(), 700) << name;
            EXPECT_EQ(now.Height(), 400) << name;
        } else {
            EXPECT_EQ(now, rect) << name;
        }
    }
}

// The composed main window, pixel by pixel.
class PixelTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Start();
        Form1->PaintArea(Form1->ClientRect());
        marble = TBitmap::FromBmpBytes(*FindResource("marble.bmp"));
    }
    TColor At(int x, int y) const { return Form1->Surface().Pixel(x, y); }
    TColor Marble(int x, int y) const { return marble.Pixel(x % 128, y % 128); }
    // A channel shaded by d: one that overshoots 255 or 0 is held at 254 or 1.
    static TColor Shade(TColor c, int d) {
        TColor out = 0;
        for (int shift : {0, 8, 16}) {
            int v = static_cast<int>((c >> shift) & 0xFF) + d;
            if (v > 255) v = 254;
            if (v < 0) v = 1;
            out |= static_cast<TColor>(v) << shift;
        }
        return out;
    }
    TBitmap marble;
};

TEST_F(PixelTest, KeypadPadBorderAndShadowOverTheMarble) {
    const int x0 = 10, y0 = 60;  // the keypad pad, 126 x 213
    for (int x : {5, 60, 110}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(At(x0 + x, y0 + 0), Shade(Marble(x0 + x, y0 + 0), 40));
        EXPECT_EQ(At(x0 + x, y0 + 1), Shade(Marble(x0 + x, y0 + 1), 40));
        EXPECT_EQ(At(x0 + x, y0 + 2), Marble(x0 + x, y0 + 2));
        EXPECT_EQ(At(x0 + x, y0 + 209), Shade(Marble(x0 + x, y0 + 209), -40));
        EXPECT_EQ(At(x0 + x, y0 + 210), Shade(Marble(x0 + x, y0 + 210), -40));
        EXPECT_EQ(At(x0 + x, y0 + 211), Shade(Marble(x0 + x, y0 + 211), -20));
        EXPECT_EQ(At(x0 + x, y0 + 212), Shade(Marble(x0 + x, y0 + 212), -20));
    }
    for (int y : {20, 100, 200}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(At(x0 + 0, y0 + y), Shade(Marble(x0 + 0, y0 + y), 40));
        EXPECT_EQ(At(x0 + 123, y0 + y), Shade(Marble(x0 + 123, y0 + y), -40));
        EXPECT_EQ(At(x0 + 124, y0 + y), Shade(Marble(x0 + 124, y0 + y), -20));
        EXPECT_EQ(At(x0 + 125, y0 + y), Shade(Marble(x0 + 125, y0 + y), -20));
    }
    // The shadow's first pixels belong to what lay beneath.
    EXPECT_EQ(At(x0 + 1, y0 + 211), Marble(x0 + 1, y0 + 211));
    EXPECT_EQ(At(x0 + 124, y0 + 1), Marble(x0 + 124, y0 + 1));
}

TEST_F(PixelTest, FilterDarkensTheFifthRowButNotItsFlagsAndLabels) {
    // Inside the filter, over the currency pad's face.
    for (auto [x, y] : {std::pair{300, 227}, std::pair{200, 264}, std::pair{540, 226}}) {
        EXPECT_EQ(At(x, y), Shade(Marble(x, y), -30)) << x << "," << y;
    }
    // Just above it, the face is as beneath.
    EXPECT_EQ(At(300, 224), Marble(300, 224));
    // The flags of that row are drawn after the filter: exactly their pictures.
    for (int i : {13, 14, 15}) {
        auto& flag = Get<TImage>(*Form1, Indexed("f", i));
        const TBitmap& pic = flag.Picture().Bitmap();
        for (int y = 0; y < pic.Height(); ++y) {
            for (int x = 0; x < pic.Width(); ++x) {
                ASSERT_EQ(At(flag.Left() + x, flag.Top() + y), pic.Pixel(x, y)) << i << ": " << x << "," << y;
            }
        }
    }
    // Their labels paint after the filter (painting follows the window's
    // order of windowless controls), and between their letters the darkened
    // face shows through.
    std::map<std::string, int> order;
    for (int i = 0; i < Form1->ControlCount(); ++i) order[Form1->Controls(i)->Name()] = i;
    for (int i = 1; i <= 15; ++i) {
        for (const char* kind : {"f", "m"}) {
            const std::string name = Indexed(kind, i);
            if (i >= 13) EXPECT_GT(order.at(name), order.at("IntensityFilter1")) << name;
            else EXPECT_LT(order.at(name), order.at("IntensityFilter1")) << name;
        }
    }
    const TRect b = Label(14).BoundsRect();
    EXPECT_EQ(At(b.Right - 1, b.Top), Shade(Marble(b.Right - 1, b.Top), -30));
}

TEST_F(PixelTest, KeyColourShowsThePadBeneath) {
    auto& key = Get(*Form1, "T5");  // picture 28 x 42 centred on 36 x 41
    const TBitmap pic = TBitmap::FromBmpBytes(*FindResource("keys/key5.bmp"));
    const TColor white = pic.Pixel(0, 0);
    const int ox = key.Left() + (key.Width() - pic.Width()) / 2;
    const int oy = key.Top() + (key.Height() - pic.Height()) / 2;
    int see = 0, glyph = 0;
    for (int y = 0; y < pic.Height(); ++y) {
        for (int x = 0; x < pic.Width(); ++x) {
            const int sx = ox + x, sy = oy + y;
            if (sy < key.Top() || sy >= key.Top() + key.Height()) continue;
            if (pic.Pixel(x, y) == white) {
                ASSERT_EQ(At(sx, sy), Marble(sx, sy)) << x << "," << y;  // the pad's face, unshaded there
                ++see;
            } else {
                ASSERT_EQ(At(sx, sy), pic.Pixel(x, y)) << x << "," << y;
                ++glyph;
            }
        }
    }
    EXPECT_GT(see, 100);
    EXPECT_GT(glyph, 100);
}

}  // namespace
}  // namespace tresilva::test

namespace tresilva::test {
namespace {

struct Look {
    const char* form;
    const char* name;
    const char* face;
    int height;
    TColor color;
    TFontStyles style;
};

TEST_F(LayoutTest, FontsAndColours) {
    Start();
    std::map<std::string, TForm*> forms = {{"Form1", Form1}, {"taux", taux}, {"apropos", apropos}, {"config", config}};
    const std::vector<Look> looks = {
        {"Form1", "cadran", "Arial", 27, clWhite, 0},
        {"Form1", "money", "Arial", 9, clWhite, 0},
        {"Form1", "m1", "MS Sans Serif", 9, clBlack, 0},
        {"Form1", "m12", "MS Sans Serif", 9, clBlack, fsBold},  // current
        {"Form1", "c1", "MS Sans Serif", 11, clWhite, fsBold},
        {"taux", "m6", "MS Sans Serif", 9, clBlack, 0},
        {"taux", "Label1", "MS Sans Serif", 9, clBlack, fsBold},
        {"config", "Label2", "MS Sans Serif", 9, clBlack, fsBold},
        {"config", "Label4", "MS Sans Serif", 9, clBlack, 0},
        {"config", "GBP", "MS Sans Serif", 9, clBlack, 0},
        {"apropos", "MagicLabel1", "Comic Sans MS", 16, clBlack, 0},
        {"apropos", "MagicLabel2", "Arial", 13, clRed, fsBold},
        {"apropos", "MagicLabel4", "Arial", 16, RGB(0, 0, 255), fsBold},
        {"apropos", "MagicLabel5", "Arial", 13, clBlack, 0},
        {"apropos", "SpecialLabel2", "Arial", 11, clBlack, 0},
    };
    for (const Look& l : looks) {
        const TFont& f = Get(*forms[l.form], l.name).Font();
        EXPECT_EQ(f.Name(), l.face) << l.form << "." << l.name;
        EXPECT_EQ(std::abs(f.Height()), l.height) << l.form << "." << l.name;
        EXPECT_EQ(f.Color(), l.color) << l.form << "." << l.name;
        EXPECT_EQ(f.Style(), l.style) << l.form << "." << l.name;
    }
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(taux), static_cast<TForm*>(config),
                        static_cast<TForm*>(apropos)}) {
        EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
        EXPECT_EQ(std::abs(form->Font().Height()), 11);
    }
    EXPECT_EQ(Get(*Form1, "Panel2").Color(), clBlack);
    EXPECT_EQ(Get(*Form1, "c3").Color(), clNavy);
    EXPECT_EQ(Get<TPanel>(*Form1, "c3").Alignment(), taRightJustify);
    EXPECT_EQ(Get<TLabel>(*taux, "Label1").Alignment(), taRightJustify);
    EXPECT_EQ(apropos->Color(), clWhite);
    EXPECT_EQ(config->Color(), clBtnFace);
    EXPECT_EQ(Get(*Form1, "BmpTransparent4").Hint(), "Paramètres");
    EXPECT_EQ(Get(*Form1, "BmpTransparent5").Hint(), "Aide");
    EXPECT_EQ(Get(*Form1, "BmpTransparent3").Hint(), "Quitter");
    EXPECT_EQ(Get(*Form1, "BmpAnime14").Hint(), "Taux de conversion");
    EXPECT_TRUE(Get(*Form1, "BmpTransparent4").ShowHint());
    EXPECT_FALSE(Get(*Form1, "BmpAnime14").ShowHint());
}

TEST_F(LayoutTest, ConfigurationTabOrder) {
    Start();
    std::vector<std::string> chain;
    WhenShown(*config, [&] {
        std::map<QWidget*, std::string> names;
        for (const char* n : {"monnaie", "arrondir", "USD", "GBP", "JPY", "BitBtn1"}) {
            names[Get<TWinControl>(*config, n).Widget()] = n;
        }
        // The chain Tab follows, from the list that comes first in it.
        QWidget* w = Get<TWinControl>(*config, "monnaie").Widget();
        for (int i = 0; i < 40 && chain.size() < 6 && w; ++i, w = w->nextInFocusChain()) {
            if (names.count(w) && (chain.empty() || chain.back() != names[w])) chain.push_back(names[w]);
        }
        CloseBox(*config);
    });
    Click(*Form1, "BmpTransparent4");
    EXPECT_EQ(chain, (std::vector<std::string>{"monnaie", "arrondir", "USD", "GBP", "JPY", "BitBtn1"}));
}

}  // namespace
}  // namespace tresilva::test
