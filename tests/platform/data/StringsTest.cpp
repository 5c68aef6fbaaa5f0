#include "platform/data/StringList.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <vector>

namespace tresilva {
namespace {

// A minimal list giving only the storage operations, so that every other
// operation runs its base behaviour; it records the calls it receives.
class RecordingList : public TStrings {
public:
    std::vector<std::string> items;
    std::vector<std::string> calls;
    std::vector<bool> updates;

    std::string Get(int i) const override {
        if (i < 0 || i >= GetCount()) IndexError();
        return items[static_cast<std::size_t>(i)];
    }
    int GetCount() const override { return static_cast<int>(items.size()); }
    void Insert(int i, const std::string& s) override {
        if (i < 0 || i > GetCount()) IndexError();
        calls.push_back("Insert " + std::to_string(i) + " " + s);
        items.insert(items.begin() + i, s);
    }
    void Delete(int i) override {
        if (i < 0 || i >= GetCount()) IndexError();
        calls.push_back("Delete " + std::to_string(i));
        items.erase(items.begin() + i);
    }
    void Clear() override {
        calls.push_back("Clear");
        items.clear();
    }

protected:
    void SetUpdateState(bool updating) override { updates.push_back(updating); }
};

std::vector<std::string> Contents(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.Get(i));
    return out;
}

TEST(StringsBase, AssignClearsThenAddsEachInOrderInsideOneUpdate) {
    TStringList source;
    source.Add("EURO1.BMP");
    source.Add("EURO2.BMP");
    source.Add("EURO3.BMP");
    RecordingList view;
    view.items = {"old1", "old2"};

    view.Assign(source);

    EXPECT_EQ(view.calls, (std::vector<std::string>{"Clear", "Insert 0 EURO1.BMP", "Insert 1 EURO2.BMP", "Insert 2 EURO3.BMP"}));
    EXPECT_EQ(view.updates, (std::vector<bool>{true, false}));
    EXPECT_EQ(view.UpdateCount(), 0);
}

TEST(StringsBase, AssigningAListToItselfKeepsIt) {
    TStringList list;
    list.Add("a");
    list.Add("b");
    list.Assign(list);
    EXPECT_EQ(Contents(list), (std::vector<std::string>{"a", "b"}));
}

TEST(StringsBase, ReplacingAnObjectDoesNothingAndObjectsReadNull) {
    RecordingList view;
    int object = 0;
    EXPECT_EQ(view.AddObject("a", &object), 0);
    view.PutObject(0, &object);
    EXPECT_EQ(view.GetObject(0), nullptr);
    EXPECT_THROW(view.GetObject(1), EListError);
}

TEST(StringsBase, AddInsertsAtTheEndAndGivesTheIndex) {
    RecordingList view;
    view.items = {"a", "b"};
    EXPECT_EQ(view.Add("c"), 2);
    EXPECT_EQ(view.calls.back(), "Insert 2 c");
}

TEST(StringsBase, PutMoveAndExchangeAreBuiltOnDeleteAndInsert) {
    RecordingList view;
    view.items = {"A", "B", "C", "D"};
    view.Put(1, "b");
    EXPECT_EQ(view.items, (std::vector<std::string>{"A", "b", "C", "D"}));
    view.Move(0, 3);
    EXPECT_EQ(view.items, (std::vector<std::string>{"b", "C", "D", "A"}));
    view.Exchange(0, 2);
    EXPECT_EQ(view.items, (std::vector<std::string>{"D", "C", "b", "A"}));
}

TEST(StringsBase, IndexErrorsComeBeforeAnyChange) {
    RecordingList view;
    view.items = {"A", "B"};
    EXPECT_THROW(view.Put(2, "x"), EListError);
    EXPECT_THROW(view.Move(0, 2), EListError);
    EXPECT_THROW(view.Move(-1, 0), EListError);
    EXPECT_THROW(view.Exchange(1, 5), EListError);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(view.items, (std::vector<std::string>{"A", "B"}));
    try {
        view.Get(7);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "Index liste hors bornes");
    }
}

TEST(StringsBase, IndexOfIgnoresLetterCaseIncludingAccents) {
    TStringList list;
    list.Add("EURO1.BMP");
    list.Add("Propri\xC3\xA9t\xC3\xA9s");
    list.Add("euro1.bmp");
    EXPECT_EQ(list.IndexOf("euro1.bmp"), 0);
    EXPECT_EQ(list.IndexOf("PROPRI\xC3\x89T\xC3\x89S"), 1);
    EXPECT_EQ(list.IndexOf("EURO2.BMP"), -1);
    EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(StringsBase, TextJoinsAndSplitsLines) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(Contents(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\nb\nc\nd\n");
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, KeepsObjectsWithTheirStringsWithoutOwningThem) {
    int x = 1, y = 2, z = 3;
    TStringList list;
    list.AddObject("x", &x);
    list.AddObject("y", &y);
    list.InsertObject(0, "z", &z);
    list.Move(0, 2);
    EXPECT_EQ(Contents(list), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(list.Objects(2), &z);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Objects(0), &y);
    list.Put(0, "Y");
    EXPECT_EQ(list.Objects(0), &y);
    list.PutObject(0, nullptr);
    EXPECT_EQ(list.Objects(0), nullptr);
    EXPECT_EQ(list.IndexOfObject(&x), 1);

    TStringList copy;
    copy.Assign(list);
    EXPECT_EQ(Contents(copy), Contents(list));
    EXPECT_EQ(copy.Objects(2), &z);
}

TEST(StringList, IndexErrors) {
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Get(1), EListError);
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Insert(2, "b"), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.PutObject(1, nullptr), EListError);
    EXPECT_THROW(list.Move(0, 1), EListError);
    EXPECT_NO_THROW(list.Insert(1, "b"));  // at the count: appends
    EXPECT_EQ(Contents(list), (std::vector<std::string>{"a", "b"}));
    list.Clear();
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace tresilva
