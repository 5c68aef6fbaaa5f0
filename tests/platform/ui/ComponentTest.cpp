// Ownership, parents and component states.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Component.h"
#include "tests/platform/ui/Probes.h"

namespace tresilva::test {
namespace {

class Logged : public TComponent {
public:
    Logged(TComponent* owner, std::string name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~Logged() override { log_.push_back(Name()); }

private:
    std::vector<std::string>& log_;
};

TEST(ComponentTest, AnOwnerFreesItsComponentsNewestFirst) {
    std::vector<std::string> log;
    {
        auto* root = new Logged(nullptr, "root", log);
        new Logged(root, "a", log);
        auto* b = new Logged(root, "b", log);
        new Logged(b, "b1", log);
        new Logged(root, "c", log);
        EXPECT_EQ(root->ComponentCount(), 3);
        EXPECT_EQ(root->FindComponent("B"), b);
        EXPECT_EQ(root->FindComponent("b1"), nullptr);  // only its own components
        delete root;
    }
    // A destructor's own body runs before its components go.
    EXPECT_EQ(log, (std::vector<std::string>{"root", "c", "b", "b1", "a"}));
}

TEST(ComponentTest, FreeingAComponentRemovesItFromOwnerAndParent) {
    Host host(10, 10, clWhite);
    auto* key = new FillControl(&host, Bounds(1, 1, 2, 2), clRed);
    host.Realise();
    host.Update();
    ASSERT_EQ(host.ControlCount(), 1);
    delete key;
    EXPECT_EQ(host.ControlCount(), 0);
    EXPECT_EQ(host.ComponentCount(), 0);
    EXPECT_EQ(host.PendingBounds(), Bounds(1, 1, 2, 2));  // its area is repainted without it
}

TEST(ComponentTest, AWindowFreesChildControlsOwnedElsewhere) {
    TComponent root(nullptr);
    auto* panel = new Host(10, 10, clWhite);
    auto* child = new FillControl(nullptr, Bounds(0, 0, 1, 1), clRed);
    root.InsertComponent(child);
    child->SetParent(panel);
    ASSERT_EQ(root.ComponentCount(), 1);
    delete panel;  // frees its children, which leave their owner
    EXPECT_EQ(root.ComponentCount(), 0);
}

TEST(ComponentTest, StatesAndLoaded) {
    TComponent c(nullptr);
    c.IncludeState(csLoading | csReading);
    EXPECT_TRUE(c.HasState(csReading));
    c.ExcludeState(csReading);
    EXPECT_FALSE(c.HasState(csReading));
    EXPECT_TRUE(c.HasState(csLoading));
    c.Loaded();
    EXPECT_EQ(c.ComponentState(), 0);
}

TEST(ComponentTest, ChildrenFollowTheParentsFontAndColourUntilGivenTheirOwn) {
    Host host(10, 10, clNavy);
    FillControl a(&host, Bounds(0, 0, 1, 1), clRed);
    FillControl b(&host, Bounds(0, 0, 1, 1), clRed);
    EXPECT_EQ(a.Color(), clNavy);
    b.Font().SetHeight(20);  // its own font now
    EXPECT_FALSE(b.ParentFont());
    host.Font().SetName("Arial");
    host.SetColor(clOlive);
    EXPECT_EQ(a.Font().Name(), "Arial");
    EXPECT_TRUE(a.ParentFont());
    EXPECT_EQ(b.Font().Name(), "MS Sans Serif");
    EXPECT_EQ(a.Color(), clOlive);
    host.SetShowHint(true);
    EXPECT_TRUE(a.ShowHint());
    a.SetShowHint(false);
    EXPECT_FALSE(a.ParentShowHint());
}

}  // namespace
}  // namespace tresilva::test
