// The shading controls read from a layout by class and property name give
// the same window as the same controls built in code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "controls/freelib/BmpMosaic.h"
#include "controls/freelib/BmpTransparent.h"
#include "controls/freelib/IntensityFilter.h"
#include "controls/freelib/Pad3D.h"
#include "controls/freelib/Registration.h"
#include "platform/data/LayoutError.h"
#include "platform/data/LayoutParser.h"
#include "platform/ui/Reader.h"
#include "platform/ui/WinControl.h"
#include "tests/controls/freelib/MainWindowStack.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

std::optional<std::vector<std::uint8_t>> Asset(std::string_view name) {
    std::ifstream in(std::filesystem::path(TRESILVA_SOURCE_DIR) / "assets" / std::string(name), std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Part of the main window's layout, every property stored as the controls publish them.
constexpr const char* kLayout = R"(object Form1: TWinControl
  Left = 0
  Top = 0
  Width = 200
  Height = 283
  object BmpMosaic2: TBmpMosaic
    Left = 0
    Top = 0
    Width = 200
    Height = 283
    Align = alClient
    Picture.Data = @'marble.bmp'
  end
  object pavenumerique: TPad3D
    Left = 10
    Top = 60
    Width = 126
    Height = 213
    Align = alNone
    Alignment = taCenter
    Font.Name = 'MS Sans Serif'
    Caption = ''
    ShadowIntensity = 20
    ShadowQuality = quHi
    ShadowPosition = shBottomRight
    ShadowWidth = 2
    BorderQuality = quHi
    BorderWidth = 1
    BorderIntensity = 40
    Background = bgMosaic
    visible = True
  end
  object T5: TBmpTransparent
    Left = 55
    Top = 115
    Width = 36
    Height = 41
    Picture.Data = @'keys/key5.bmp'
    Auto = True
    TransparentColor = clOlive
  end
  object IntensityFilter1: TIntensityFilter
    Left = 5
    Top = 150
    Width = 190
    Height = 41
    Align = alNone
    Intensity = -30
    Quality = quHi
    Border = False
    BorderWidth = 5
    BorderIntensity = 40
    visible = True
  end
end
)";

TEST(FreelibLayout, ControlsReadByNameMatchTheSameControlsBuiltInCode) {
    RegisterFreelibControls();
    const TLayout layout = ParseLayout(kLayout, "main.layout", Asset);
    TWinControl read(nullptr);
    TReader reader(layout, read);
    reader.ReadRoot();

    auto* pad = dynamic_cast<TPad3D*>(read.FindComponent("pavenumerique"));
    auto* key = dynamic_cast<TBmpTransparent*>(read.FindComponent("T5"));
    auto* filter = dynamic_cast<TIntensityFilter*>(read.FindComponent("IntensityFilter1"));
    ASSERT_NE(pad, nullptr);
    ASSERT_NE(key, nullptr);
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(pad->ShadowWidth(), 2);
    EXPECT_EQ(pad->ShadowQuality(), quHi);
    EXPECT_EQ(pad->BorderWidth(), 1);
    EXPECT_TRUE(key->Auto());
    EXPECT_EQ(key->Picture().Width(), 28);
    EXPECT_EQ(filter->Intensity(), -30);
    EXPECT_EQ(filter->Quality(), quHi);

    TWinControl twin(nullptr);
    twin.SetBounds(0, 0, 200, 283);
    auto add = [&](TGraphicControl* c, int l, int t, int w, int h) {
        c->SetBounds(l, t, w, h);
        c->SetParent(&twin);
    };
    auto* mosaic = new TBmpMosaic(nullptr);
    add(mosaic, 0, 0, 200, 283);
    mosaic->SetPicture(test::MarbleTile());
    auto* twinPad = new TPad3D(nullptr);
    add(twinPad, 10, 60, 126, 213);
    twinPad->SetShadowIntensity(20);
    twinPad->SetShadowWidth(2);
    twinPad->SetShadowQuality(quHi);
    twinPad->SetBorderQuality(quHi);
    twinPad->SetBorderWidth(1);
    auto* twinKey = new TBmpTransparent(nullptr);
    add(twinKey, 55, 115, 36, 41);
    twinKey->SetPicture(test::AssetPicture("keys/key5.bmp", 28, 42));
    twinKey->SetAuto(true);
    auto* twinFilter = new TIntensityFilter(nullptr);
    add(twinFilter, 5, 150, 190, 41);
    twinFilter->SetIntensity(-30);
    twinFilter->SetQuality(quHi);

    read.Realise();
    read.Update();
    twin.Realise();
    twin.Update();
    EXPECT_TRUE(test::SamePixels(twin.Surface(), read.Surface()));
}

TEST(FreelibLayout, AnUnknownValueNameIsALayoutError) {
    RegisterFreelibControls();
    const TLayout layout = ParseLayout(
        "object Form1: TWinControl\n  object P: TPad3D\n    ShadowPosition = shMiddle\n  end\nend\n", "bad.layout");
    TWinControl root(nullptr);
    TReader reader(layout, root);
    EXPECT_THROW(reader.ReadRoot(), ELayoutError);
}

}  // namespace
}  // namespace tresilva
