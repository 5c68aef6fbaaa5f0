// The string-list view over an animation's frames: names, the frames as
// objects, who owns and frees them, and the index errors.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/ImageCtrl.h"
#include "controls/freelib/ImageListAccess.h"
#include "platform/Errors.h"
#include "platform/data/StringList.h"
#include "tests/controls/anim/AnimeFixtures.h"

namespace tresilva::test {
namespace {

using Names = std::vector<std::string>;

// An animation with frames A B C D, each with a 2 x 2 image of its own.
struct FourFrames {
    TBmpAnime anime{nullptr};
    std::vector<TImageCtrl*> frames;
    FourFrames() {
        int tag = 10;
        for (const char* name : {"A", "B", "C", "D"}) frames.push_back(&AddFrame(anime, name, Pattern(2, 2, tag += 10)));
    }
};

TEST(FrameListTest, StringOperationsActOnTheFrames) {
    struct Case {
        const char* what;
        std::function<void(TStrings&)> op;
        Names after;
    };
    const Case cases[] = {
        {"Move 0 to 3 exchanges the two", [](TStrings& l) { l.Move(0, 3); }, {"D", "B", "C", "A"}},
        {"Move 3 to 1", [](TStrings& l) { l.Move(3, 1); }, {"A", "D", "C", "B"}},
        {"Move onto itself", [](TStrings& l) { l.Move(2, 2); }, {"A", "B", "C", "D"}},
        {"Put renames", [](TStrings& l) { l.Put(1, "EURO2.BMP"); }, {"A", "EURO2.BMP", "C", "D"}},
        {"Delete", [](TStrings& l) { l.Delete(0); }, {"B", "C", "D"}},
        {"Insert at the count appends", [](TStrings& l) { l.Insert(4, "E"); }, {"A", "B", "C", "D", "E"}},
        {"Insert at 0", [](TStrings& l) { l.Insert(0, "Z"); }, {"Z", "A", "B", "C", "D"}},
        {"Add", [](TStrings& l) { l.Add("E"); }, {"A", "B", "C", "D", "E"}},
        {"Clear", [](TStrings& l) { l.Clear(); }, {}},
        {"replacing an object does nothing", [](TStrings& l) { l.PutObject(0, nullptr); }, {"A", "B", "C", "D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FourFrames f;
        c.op(f.anime.ImageList());
        EXPECT_EQ(FrameNames(f.anime), c.after);
        // Every listed frame is its string's object and is the animation's own list.
        ASSERT_EQ(f.anime.Frames().size(), c.after.size());
        for (int i = 0; i < f.anime.ImageList().Count(); ++i) {
            EXPECT_EQ(f.anime.ImageList().Objects(i), f.anime.Frames()[static_cast<std::size_t>(i)]);
        }
    }
}

TEST(FrameListTest, MoveCarriesTheImagesAndPutKeepsThem) {
    FourFrames f;
    const TColor a = f.frames[0]->Bmp().Pixel(0, 0);
    f.anime.ImageList().Move(0, 3);
    EXPECT_EQ(f.anime.Frames()[3], f.frames[0]);
    EXPECT_EQ(f.anime.Frames()[0], f.frames[3]);
    EXPECT_EQ(f.anime.Frames()[1], f.frames[1]);  // the frames between keep their places
    EXPECT_EQ(f.anime.Frames()[2], f.frames[2]);
    f.anime.ImageList().Put(3, "renamed");
    EXPECT_EQ(f.anime.Frames()[3], f.frames[0]);
    EXPECT_EQ(f.frames[0]->Bmp().Pixel(0, 0), a);
    EXPECT_EQ(f.frames[0]->Bmp().Width(), 2);
}

TEST(FrameListTest, NewFramesAreChildrenOwnedByTheAnimationWithEmptyImages) {
    TBmpAnime anime(nullptr);
    const int before = anime.ComponentCount();  // its timer
    anime.ImageList().Insert(0, "EURO1.BMP");
    auto* frame = static_cast<TImageCtrl*>(anime.ImageList().Objects(0));
    EXPECT_EQ(frame->Owner(), &anime);
    EXPECT_EQ(frame->Parent(), &anime);
    EXPECT_EQ(frame->Caption(), "EURO1.BMP");
    EXPECT_TRUE(frame->Bmp().Empty());
    EXPECT_EQ(anime.ComponentCount(), before + 1);
    EXPECT_EQ(anime.ControlCount(), 1);
    EXPECT_EQ(frame->BoundsRect(), Rect(0, 0, 0, 0));
}

TEST(FrameListTest, DeleteAndClearFreeTheFrames) {
    FourFrames f;
    const int owned = f.anime.ComponentCount();
    f.anime.ImageList().Delete(1);
    EXPECT_EQ(f.anime.ControlCount(), 3);
    EXPECT_EQ(f.anime.ComponentCount(), owned - 1);
    f.anime.ImageList().Clear();
    EXPECT_EQ(f.anime.ControlCount(), 0);
    EXPECT_EQ(f.anime.ComponentCount(), owned - 4);
    f.anime.ImageList().Clear();  // an empty list: nothing happens
    EXPECT_EQ(f.anime.ImageList().Count(), 0);
}

TEST(FrameListTest, AFrameFreedElsewhereLeavesTheList) {
    FourFrames f;
    delete f.frames[2];
    EXPECT_EQ(FrameNames(f.anime), (Names{"A", "B", "D"}));
}

TEST(FrameListTest, AssigningNamesGivesThatManyFramesWithEmptyImages) {
    FourFrames f;
    TStringList names;
    for (const char* n : {"IMAGE1.BMP", "IMAGE2.BMP", "IMAGE3.BMP"}) names.Add(n);
    f.anime.SetImageList(names);
    EXPECT_EQ(FrameNames(f.anime), (Names{"IMAGE1.BMP", "IMAGE2.BMP", "IMAGE3.BMP"}));
    EXPECT_EQ(f.anime.ControlCount(), 3);  // the four old frames are gone
    for (TImageCtrl* frame : f.anime.Frames()) EXPECT_TRUE(frame->Bmp().Empty());
}

TEST(FrameListTest, ABadIndexFailsBeforeAnythingChanges) {
    struct Case {
        const char* what;
        std::function<void(TStrings&)> op;
    };
    const Case cases[] = {
        {"Get -1", [](TStrings& l) { (void)l.Get(-1); }},
        {"Get 4", [](TStrings& l) { (void)l.Get(4); }},
        {"GetObject 4", [](TStrings& l) { (void)l.GetObject(4); }},
        {"Put 4", [](TStrings& l) { l.Put(4, "X"); }},
        {"Delete 4", [](TStrings& l) { l.Delete(4); }},
        {"Delete -1", [](TStrings& l) { l.Delete(-1); }},
        {"Move 0 to 4", [](TStrings& l) { l.Move(0, 4); }},
        {"Move -1 to 0", [](TStrings& l) { l.Move(-1, 0); }},
        {"Exchange 1 and 4", [](TStrings& l) { l.Exchange(1, 4); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FourFrames f;
        try {
            c.op(f.anime.ImageList());
            ADD_FAILURE() << "no error";
        } catch (const EListError& e) {
            EXPECT_STREQ(e.what(), "Index liste hors bornes");
        }
        EXPECT_EQ(f.anime.Frames(), f.frames);
        EXPECT_EQ(FrameNames(f.anime), (Names{"A", "B", "C", "D"}));
        EXPECT_EQ(f.anime.ControlCount(), 4);
    }
}

TEST(FrameListTest, InsertAtABadIndexLeavesItsFrameAChildOutsideTheList) {
    for (int index : {-1, 5}) {
        SCOPED_TRACE(index);
        FourFrames f;
        EXPECT_THROW(f.anime.ImageList().Insert(index, "lost"), EListError);
        EXPECT_EQ(f.anime.Frames(), f.frames);
        ASSERT_EQ(f.anime.ControlCount(), 5);
        auto* lost = dynamic_cast<TImageCtrl*>(f.anime.Controls(4));
        ASSERT_NE(lost, nullptr);
        EXPECT_EQ(lost->Caption(), "lost");
        EXPECT_EQ(lost->Owner(), &f.anime);
        // A layout writer still sees exactly the listed frames.
        std::vector<TComponent*> children;
        f.anime.GetChildren([&](TComponent* c) { children.push_back(c); });
        EXPECT_EQ(children.size(), 4u);
    }
}

}  // namespace
}  // namespace tresilva::test
