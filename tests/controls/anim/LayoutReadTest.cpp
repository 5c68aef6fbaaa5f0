// Frames read from a layout: each one listed before its properties are read,
// the animation emptied before its children, the reader's owner restored.
#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/ImageCtrl.h"
#include "platform/Errors.h"
#include "platform/data/LayoutError.h"
#include "platform/data/LayoutParser.h"
#include "platform/ui/Reader.h"
#include "platform/ui/WinControl.h"
#include "tests/controls/anim/AnimeFixtures.h"

namespace tresilva::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> Asset(std::string_view name) {
    std::ifstream in(std::filesystem::path(TRESILVA_SOURCE_DIR) / "assets" / std::string(name), std::ios::binary);
    if (!in) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Frame(const std::string& caption, const std::string& data) {
    return "    object TImageCtrl\n      Left = 0\n      Top = 0\n      Width = 0\n      Height = 0\n"
           "      Caption = '" + caption + "'\n      Bmp.Data = " + data + "\n    end\n";
}

std::string Animation(const std::string& frames) {
    return "object Root: TWinControl\n"
           "  object BmpAnime14: TBmpAnime\n    Left = 140\n    Top = 13\n    Width = 46\n    Height = 33\n"
           "    Active = True\n    AnimationSpeed = 80\n    AutoSize = False\n    Center = False\n"
           "    Stretch = True\n" + frames + "  end\nend\n";
}

TBmpAnime* FindAnime(TComponent& root) { return dynamic_cast<TBmpAnime*>(root.FindComponent("BmpAnime14")); }

TEST(LayoutReadTest, TheFramesAreThoseOfTheLayoutInStoredOrder) {
    RegisterBmpAnime();
    std::string frames;
    for (int i = 1; i <= 6; ++i) {
        const std::string name = "EURO" + std::to_string(i) + ".BMP";
        frames += Frame(name, "@'frames/euro/" + name + "'");
    }
    const TLayout layout = ParseLayout(Animation(frames), "main.layout", Asset);
    TWinControl root(nullptr);
    TReader reader(layout, root);
    reader.ReadRoot();
    TBmpAnime* anime = FindAnime(root);
    ASSERT_NE(anime, nullptr);
    EXPECT_EQ(FrameNames(*anime),
              (std::vector<std::string>{"EURO1.BMP", "EURO2.BMP", "EURO3.BMP", "EURO4.BMP", "EURO5.BMP", "EURO6.BMP"}));
    for (TImageCtrl* frame : anime->Frames()) {
        EXPECT_EQ(frame->Owner(), &root);  // a frame read from a layout belongs to its window
        EXPECT_EQ(frame->Parent(), anime);
        EXPECT_EQ(frame->Bmp().Width(), 61);
        EXPECT_EQ(frame->Bmp().Height(), 43);
    }
    EXPECT_EQ(anime->ControlCount(), 6);
    EXPECT_EQ(anime->FrameIndex(), 0);
    EXPECT_TRUE(anime->Stretch());
    EXPECT_EQ(anime->BoundsRect(), Bounds(140, 13, 46, 33));
    EXPECT_EQ(reader.Owner(), &root);
}

TEST(LayoutReadTest, AnAnimationWithoutFramesInItsLayoutEndsEmpty) {
    RegisterBmpAnime();
    TWinControl root(nullptr);
    ReadLayoutText(root, Animation(""), "main.layout");
    ASSERT_NE(FindAnime(root), nullptr);
    EXPECT_TRUE(FindAnime(root)->Frames().empty());
}

TEST(LayoutReadTest, ReadingEmptiesTheAnimationFirst) {
    RegisterBmpAnime();
    TBmpAnime anime(nullptr);
    AddFrame(anime, "old1", Pattern(2, 2));
    AddFrame(anime, "old2", Pattern(2, 2));
    anime.NextFrame(nullptr);
    const std::string text = "object BmpAnime2: TBmpAnime\n  Active = True\n" +
                             Frame("IMAGE1.BMP", "@'frames/globe/IMAGE1.BMP'") + "end\n";
    const TLayout layout = ParseLayout(text, "about.layout", Asset);
    TReader reader(layout, anime);
    reader.ReadRoot();
    EXPECT_EQ(FrameNames(anime), (std::vector<std::string>{"IMAGE1.BMP"}));
    EXPECT_EQ(anime.ControlCount(), 1);  // the old frames were freed
    EXPECT_EQ(anime.FrameIndex(), 0);
    EXPECT_EQ(anime.Frames()[0]->Bmp().Width(), 39);
}

TEST(LayoutReadTest, ABadImageFailsWithTheFrameAlreadyListed) {
    RegisterBmpAnime();
    const std::string frames =
        Frame("IMAGE1.BMP", "@'frames/globe/IMAGE1.BMP'") + Frame("IMAGE2.BMP", "{0400000042 4D0000}");
    const TLayout layout = ParseLayout(Animation(frames), "about.layout", Asset);
    TWinControl root(nullptr);
    TReader reader(layout, root);
    try {
        reader.ReadRoot();
        ADD_FAILURE() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Message(), "Image bitmap incorrecte");
        bool graphic = false;
        try {
            std::rethrow_if_nested(e);
        } catch (const EInvalidGraphic&) {
            graphic = true;
        } catch (...) {
        }
        EXPECT_TRUE(graphic);
    }
    TBmpAnime* anime = FindAnime(root);
    ASSERT_NE(anime, nullptr);
    ASSERT_EQ(anime->Frames().size(), 2u);
    EXPECT_EQ(anime->Frames()[1]->Caption(), "IMAGE2.BMP");
    EXPECT_TRUE(anime->Frames()[1]->Bmp().Empty());
    EXPECT_EQ(reader.Owner(), &root);  // set back by the frame and by the animation
}

}  // namespace
}  // namespace tresilva::test
