// The layout reader: properties in file order through the setters while the
// object is being read, child objects with their owner and parent, binary
// blocks and assets, reading hooks, references, and the error messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormsHelpers.h"
#include "platform/data/LayoutParser.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Reader.h"

namespace tresilva::test {
namespace {

// Logs every property set, with whether the object was being read.
class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    static std::vector<std::string>& Log() {
        static std::vector<std::string> log;
        return log;
    }
    void Note(const std::string& what) {
        Log().push_back(Name() + "." + what + (HasState(csReading) ? " reading" : "") +
                        (HasState(csLoading) ? " loading" : ""));
    }
    int A() const { return a_; }
    void SetA(int v) { a_ = v, Note("A"); }
    int B() const { return b_; }
    void SetB(int v) { b_ = v, Note("B"); }
    const std::string& S() const { return s_; }
    void SetS(const std::string& v) { s_ = v, Note("S"); }
    const TBytes& Data() const { return data_; }
    void SetData(const TBytes& v) { data_ = v, Note("Data"); }
    void Loaded() override {
        TComponent::Loaded();
        Note("Loaded");
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info = [] {
            TClassInfo c("TProbe", &TComponent::StaticClassInfo(), MakeFactory<TProbe>());
            c.Publish(IntegerProperty("A", &TProbe::A, &TProbe::SetA));
            c.Publish(IntegerProperty("B", &TProbe::B, &TProbe::SetB));
            c.Publish(StringProperty("S", &TProbe::S, &TProbe::SetS));
            c.Publish(BinaryProperty("Data", &TProbe::Data, &TProbe::SetData));
            return c;
        }();
        return info;
    }

private:
    int a_ = 0, b_ = 0;
    std::string s_;
    TBytes data_;
};

// A reading hook of the kind the animation uses: reads its properties and
// children with the reader's owner set to itself, restoring it afterwards,
// also when reading fails; notes the parent it was read under.
class THook : public TProbe {
public:
    explicit THook(TComponent* owner) : TProbe(owner) {}
    static std::vector<std::string>& Seen() {
        static std::vector<std::string> seen;
        return seen;
    }
    void ReadState(TReader& reader) override {
        Seen().push_back("parent " + (reader.Parent() ? reader.Parent()->Name() : std::string("-")) + ", file " +
                         reader.FileName());
        TComponent* saved = reader.Owner();
        reader.SetOwner(this);
        try {
            TProbe::ReadState(reader);
        } catch (...) {
            reader.SetOwner(saved);
            throw;
        }
        reader.SetOwner(saved);
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info = [] {
            TClassInfo c("THook", &TProbe::StaticClassInfo(), MakeFactory<THook>());
            c.InheritAll();
            return c;
        }();
        return info;
    }
};

class ReaderTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterClass(TProbe::StaticClassInfo());
        RegisterClass(THook::StaticClassInfo());
        TProbe::Log().clear();
        THook::Seen().clear();
    }
};

TEST_F(ReaderTest, SetsPropertiesInFileOrderWhileBeingReadThenLoadsEveryObject) {
    TProbe root(nullptr);
    ReadLayoutText(root,
                   "object Root: TProbe\n"
                   "  B = 2\n"
                   "  A = 1\n"
                   "  object One: TProbe\n"
                   "    S = 'x'\n"
                   "    A = 3\n"
                   "  end\n"
                   "  object Two: TProbe\n"
                   "    B = 4\n"
                   "  end\n"
                   "end\n",
                   "order.layout");
    EXPECT_EQ(TProbe::Log(), (std::vector<std::string>{
                                 "Root.B reading loading", "Root.A reading loading", "One.S reading loading",
                                 "One.A reading loading", "Two.B reading loading",
                                 // Loaded once all are read, in reading order, no longer being read
                                 "Root.Loaded", "One.Loaded", "Two.Loaded"}));
    ASSERT_EQ(root.ComponentCount(), 2);
    auto* one = dynamic_cast<TProbe*>(root.FindComponent("one"));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->Owner(), &root);
    EXPECT_EQ(one->S(), "x");
    EXPECT_EQ(one->A(), 3);
    EXPECT_EQ(root.Name(), "Root");
    for (TComponent* c : {static_cast<TComponent*>(&root), root.Components(0), root.Components(1)}) {
        EXPECT_FALSE(c->HasState(csReading | csLoading)) << c->Name();
    }
}

TEST_F(ReaderTest, ChildControlsGetTheirParentAndTheRootAsOwner) {
    auto form = ReadForm(
        "object F: TForm\n"
        "  object P: TPanel\n"
        "    Left = 5\n"
        "    Top = 6\n"
        "    Width = 50\n"
        "    Height = 40\n"
        "    object L: TLabel\n"
        "      Left = 1\n"
        "      Caption = 'Bonjour'\n"
        "      Font.Name = 'Arial'\n"
        "      Font.Height = 27\n"
        "      Font.Style = [fsBold, fsItalic]\n"
        "      Font.Color = clWhite\n"
        "    end\n"
        "  end\n"
        "end\n");
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("P"));
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("L"));
    ASSERT_TRUE(panel && label);
    EXPECT_EQ(panel->Parent(), form.get());
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(label->Owner(), form.get());
    EXPECT_EQ(panel->BoundsRect(), Bounds(5, 6, 50, 40));
    EXPECT_EQ(label->Caption(), "Bonjour");
    EXPECT_EQ(label->Font().Name(), "Arial");
    EXPECT_EQ(label->Font().Height(), 27);
    EXPECT_EQ(label->Font().Style(), fsBold | fsItalic);
    EXPECT_EQ(label->Font().Color(), clWhite);
}

TEST_F(ReaderTest, BinaryBlocksAndAssetsReachTheProperty) {
    TBitmap bitmap(3, 2);
    bitmap.SetPixel(2, 1, clRed);
    const std::string text =
        "object F: TForm\n"
        "  object I: TImage\n"
        "    Picture.Data = " + BitmapBlock(bitmap) + "\n"
        "  end\n"
        "  object J: TImage\n"
        "    Picture.Data = @'red.bmp'\n"
        "  end\n"
        "  object Raw: TProbe\n"
        "    Data = { 00 FF\n 7a }\n"
        "  end\n"
        "end\n";
    // The asset is a plain BMP file: the reader puts the block's length in front.
    const TLayout layout = ParseLayout(text, "pictures.layout", [&](std::string_view name) {
        return name == "red.bmp" ? std::optional(bitmap.ToBmpBytes()) : std::nullopt;
    });
    TForm form(nullptr);
    TReader reader(layout, form);
    reader.ReadRoot();
    for (const char* name : {"I", "J"}) {
        auto* image = dynamic_cast<TImage*>(form.FindComponent(name));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Picture().Width(), 3) << name;
        EXPECT_EQ(image->Picture().Height(), 2) << name;
        EXPECT_EQ(image->Picture().Bitmap().Pixel(2, 1), clRed) << name;
    }
    EXPECT_EQ(dynamic_cast<TProbe*>(form.FindComponent("Raw"))->Data(), (TBytes{0x00, 0xFF, 0x7A}));
}

TEST_F(ReaderTest, HookChangesTheOwnerAroundItsReadingAndSeesItsParent) {
    TProbe root(nullptr);
    const TLayout layout = ParseLayout(
        "object Root: TProbe\n"
        "  object H: THook\n"
        "    A = 1\n"
        "    object Inner: TProbe\n"
        "      A = 2\n"
        "    end\n"
        "  end\n"
        "end\n",
        "hooks.layout");
    TReader reader(layout, root);
    reader.ReadRoot();
    EXPECT_EQ(THook::Seen(), (std::vector<std::string>{"parent Root, file hooks.layout"}));
    EXPECT_EQ(reader.Owner(), &root);
    // Children are owned by the root whatever the reader's owner.
    EXPECT_EQ(root.FindComponent("Inner")->Owner(), &root);
}

TEST_F(ReaderTest, HookRestoresTheOwnerWhenReadingFails) {
    TProbe root(nullptr);
    const TLayout layout = ParseLayout(
        "object Root: TProbe\n"
        "  object H: THook\n"
        "    A = 'text'\n"
        "  end\n"
        "end\n",
        "failing.layout");
    TReader reader(layout, root);
    try {
        reader.ReadRoot();
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_STREQ(e.what(), "failing.layout:3: bad value for 'A' of THook: integer expected, not a string");
    }
    EXPECT_EQ(reader.Owner(), &root);
    EXPECT_FALSE(root.FindComponent("H")->HasState(csReading | csLoading));
}

TEST_F(ReaderTest, EventsBindToTheRootsHandlersByName) {
    TForm form(nullptr);
    int clicks = 0;
    TObject* sender = nullptr;
    form.DefineMethod("PanelClick", TNotifyEvent([&](TObject* s) { ++clicks, sender = s; }));
    form.LoadLayoutText(
        "object F: TForm\n"
        "  object P: TPanel\n"
        "    OnClick = panelclick\n"
        "  end\n"
        "end\n",
        "events.layout");
    auto* panel = dynamic_cast<TPanel*>(form.FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    panel->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, panel);
}

TEST_F(ReaderTest, ComponentReferencesResolveOnceEverythingIsRead) {
    auto form = ReadForm(
        "object F: TForm\n"
        "  PopupMenu = Menu\n"
        "  object Menu: TPopupMenu\n"
        "    AutoPopup = False\n"
        "    object First: TMenuItem\n"
        "      Caption = '&Documentation'\n"
        "    end\n"
        "    object Line: TMenuItem\n"
        "      Caption = '-'\n"
        "    end\n"
        "  end\n"
        "end\n");
    auto* menu = dynamic_cast<TPopupMenu*>(form->FindComponent("Menu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(form->PopupMenu(), menu);
    EXPECT_FALSE(menu->AutoPopup());
    ASSERT_EQ(menu->Items().Count(), 2);
    EXPECT_EQ(menu->Items().Items(0)->Caption(), "&Documentation");
    EXPECT_TRUE(menu->Items().Items(1)->IsLine());
}

struct ErrorCase {
    const char* what;
    const char* layout;
    const char* message;
};

class ReaderErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ReaderErrorTest, NamesTheFileAndLine) {
    TForm form(nullptr);
    form.DefineMethod("Known", TNotifyEvent([](TObject*) {}));
    try {
        form.LoadLayoutText(GetParam().layout, "bad.layout");
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReaderErrorTest,
    testing::Values(
        ErrorCase{"unknown class", "object F: TForm\n  Caption = 'x'\n  object A: TNothing\n  end\nend\n",
                  "bad.layout:3: unknown class 'TNothing'"},
        ErrorCase{"unknown property", "object F: TForm\n  object P: TPanel\n    Depth = 3\n  end\nend\n",
                  "bad.layout:3: unknown property 'Depth' of TPanel"},
        ErrorCase{"unknown sub-property", "object F: TForm\n  Font.Size = 3\nend\n",
                  "bad.layout:2: unknown property 'Font.Size' of TForm"},
        ErrorCase{"unknown handler", "object F: TForm\n  object P: TPanel\n    OnClick = Missing\n  end\nend\n",
                  "bad.layout:3: unknown handler 'Missing' for event 'OnClick' of TPanel"},
        ErrorCase{"unknown event", "object F: TForm\n  OnWobble = Known\nend\n",
                  "bad.layout:2: unknown event 'OnWobble' of TForm"},
        ErrorCase{"handler of another type", "object F: TForm\n  OnClose = Known\nend\n",
                  "bad.layout:2: handler 'Known' does not fit event 'OnClose' of TForm"},
        ErrorCase{"integer expected", "object F: TForm\n  ClientWidth = 'wide'\nend\n",
                  "bad.layout:2: bad value for 'ClientWidth' of TForm: integer expected, not a string"},
        ErrorCase{"unknown enumeration value", "object F: TForm\n  BorderStyle = bsRound\nend\n",
                  "bad.layout:2: bad value for 'BorderStyle' of TForm: unknown value 'bsRound'"},
        ErrorCase{"unknown colour", "object F: TForm\n  Color = clPlaid\nend\n",
                  "bad.layout:2: bad value for 'Color' of TForm: unknown colour 'clPlaid'"},
        ErrorCase{"unknown set element", "object F: TForm\n  Font.Style = [fsBold, fsWavy]\nend\n",
                  "bad.layout:2: bad value for 'Font.Style' of TForm: unknown set element 'fsWavy'"},
        ErrorCase{"not a Boolean", "object F: TForm\n  Visible = 1\nend\n",
                  "bad.layout:2: bad value for 'Visible' of TForm: True or False expected"},
        ErrorCase{"bad picture block", "object F: TForm\n  object I: TImage\n    Picture.Data = {0400000042}\n  end\nend\n",
                  "bad.layout:3: Image bitmap incorrecte"},
        ErrorCase{"unknown component", "object F: TForm\n  PopupMenu = Nowhere\nend\n",
                  "bad.layout:2: unknown component 'Nowhere' for 'PopupMenu' of TForm"},
        ErrorCase{"duplicate name", "object F: TForm\n  object A: TPanel\n  end\n  object A: TPanel\n  end\nend\n",
                  "bad.layout:4: duplicate name 'A'"},
        ErrorCase{"control in a non-host", "object F: TForm\n  object M: TPopupMenu\n    object L: TLabel\n    end\n  end\nend\n",
                  "bad.layout:3: TPopupMenu cannot hold the control 'TLabel'"}),
    [](const testing::TestParamInfo<ErrorCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(ReaderMalformed, ParserErrorsNameTheFileAndLine) {
    TForm form(nullptr);
    try {
        form.LoadLayoutText("object F: TForm\n  Caption = 'open\nend\n", "broken.layout");
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.File(), "broken.layout");
        EXPECT_EQ(e.Line(), 2);
    }
}

}  // namespace
}  // namespace tresilva::test
