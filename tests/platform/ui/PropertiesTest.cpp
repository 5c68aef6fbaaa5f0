// Published properties: stored order, access through the class's setters,
// sub-properties, events bound by name, and the class registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiClasses.h"

namespace tresilva::test {
namespace {

enum TShade : std::uint8_t { shLight, shDark };
const TEnumType& ShadeType() {
    static const TEnumType type{"TShade", {"shLight", "shDark"}};
    return type;
}

// A control that publishes its own properties first and then inherited ones,
// one of them renamed, as the shading controls do.
class TSample : public TGraphicControl {
public:
    explicit TSample(TComponent* owner) : TGraphicControl(owner) {}
    int Depth() const { return depth_; }
    void SetDepth(int value) {
        depth_ = value;
        log.push_back("Depth");
    }
    TShade Shade() const { return shade_; }
    void SetShade(TShade value) {
        shade_ = value;
        log.push_back("Shade");
    }
    const TBitmap& Image() const { return image_; }
    void SetImage(const TBitmap& value) { image_ = value; }
    std::vector<std::string> log;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info = [] {
            TClassInfo c("TSample", &TGraphicControl::StaticClassInfo(), MakeFactory<TSample>());
            c.Publish(IntegerProperty("Depth", &TSample::Depth, &TSample::SetDepth));
            c.Inherit("Font");
            c.Publish(EnumProperty("Shade", ShadeType(), &TSample::Shade, &TSample::SetShade));
            c.Publish(BitmapProperty("Bmp", &TSample::Image, &TSample::SetImage));
            c.Inherit("Visible", "visible");
            c.Inherit("Enabled");
            c.Inherit("OnClick");
            c.Inherit("OnMouseDown");
            return c;
        }();
        return info;
    }

private:
    int depth_ = 0;
    TShade shade_ = shLight;
    TBitmap image_;
};

std::vector<std::string> NamesOf(const TClassInfo& info) {
    std::vector<std::string> names;
    for (const TPropInfo& p : info.Published()) names.push_back(p.Name);
    return names;
}

TEST(PropertiesTest, AClassListsItsPropertiesInItsOwnOrder) {
    EXPECT_EQ(NamesOf(TSample::StaticClassInfo()),
              (std::vector<std::string>{"Depth", "Font", "Shade", "Bmp", "visible", "Enabled", "OnClick", "OnMouseDown"}));
    EXPECT_EQ(NamesOf(TGraphicControl::StaticClassInfo()),
              (std::vector<std::string>{"Left", "Top", "Width", "Height", "Cursor", "Hint"}));
    EXPECT_EQ(NamesOf(TLabel::StaticClassInfo()),
              (std::vector<std::string>{"Left", "Top", "Width", "Height", "Cursor", "Hint", "Align", "Alignment",
                                        "AutoSize", "Caption", "Color", "DragCursor", "DragMode", "Enabled",
                                        "FocusControl", "Font", "ParentColor", "ParentFont", "ParentShowHint",
                                        "PopupMenu", "ShowAccelChar", "ShowHint", "Transparent", "Visible",
                                        "WordWrap", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                                        "OnMouseDown", "OnMouseMove", "OnMouseUp"}));
    // What a class does not publish is not found, even if an ancestor declares it.
    EXPECT_EQ(TSample::StaticClassInfo().FindPublished("Caption"), nullptr);
    EXPECT_THROW(TClassInfo("TBad", &TGraphicControl::StaticClassInfo()).Inherit("NoSuch"), EPropertyError);
}

TEST(PropertiesTest, SettingByNameGoesThroughTheClassSetters) {
    TSample s(nullptr);
    SetOrdProp(s, "depth", 7);
    SetEnumProp(s, "Shade", "SHDARK");
    SetOrdProp(s, "Visible", 0);  // the renamed one, found without regard to case
    EXPECT_EQ(s.log, (std::vector<std::string>{"Depth", "Shade"}));
    EXPECT_EQ(GetOrdProp(s, "Depth"), 7);
    EXPECT_EQ(s.Shade(), shDark);
    EXPECT_FALSE(s.Visible());
    EXPECT_THROW(SetEnumProp(s, "Shade", "shGrey"), EPropertyError);
    EXPECT_THROW(SetOrdProp(s, "Caption", 1), EPropertyError);
    EXPECT_THROW(SetStrProp(s, "Depth", "x"), EPropertyError);
}

TEST(PropertiesTest, FontSubPropertiesWriteIntoTheControlsFont) {
    TSample s(nullptr);
    int changes = 0;
    s.Font().OnChange = [&] { ++changes; };
    SetStrProp(s, "Font.Name", "Comic Sans MS");
    SetOrdProp(s, "Font.Height", 13);
    SetOrdProp(s, "Font.Style", fsBold | fsItalic);
    SetOrdProp(s, "Font.Color", clNavy);
    EXPECT_EQ(s.Font().Name(), "Comic Sans MS");
    EXPECT_EQ(s.Font().Height(), 13);
    EXPECT_EQ(s.Font().Style(), fsBold | fsItalic);
    EXPECT_EQ(s.Font().Color(), clNavy);
    EXPECT_EQ(changes, 4);
    const auto style = ResolveProperty(TSample::StaticClassInfo(), "Font.Style");
    ASSERT_TRUE(style);
    EXPECT_EQ(style->Kind, TTypeKind::Set);
    EXPECT_EQ(style->Type->ValueOf("fsItalic"), 1);
    EXPECT_FALSE(ResolveProperty(TSample::StaticClassInfo(), "Font.Size"));
    EXPECT_FALSE(ResolveProperty(TSample::StaticClassInfo(), "Depth.Name"));
}

TEST(PropertiesTest, BitmapDataIsALengthThenABmpFile) {
    TSample s(nullptr);
    TBitmap image(3, 2);
    image.SetPixel(2, 1, clRed);
    const TBytes block = BitmapToDataBlock(image);
    ASSERT_GE(block.size(), 4u);
    const std::uint32_t n = block[0] | (block[1] << 8) | (block[2] << 16) | (static_cast<std::uint32_t>(block[3]) << 24);
    EXPECT_EQ(n, block.size() - 4);
    EXPECT_EQ(block[4], 'B');
    EXPECT_EQ(block[5], 'M');

    const TPropInfo data = GetProperty(s, "Bmp.Data");
    data.SetBytes(s, block);
    EXPECT_EQ(s.Image().Width(), 3);
    EXPECT_EQ(s.Image().Pixel(2, 1), clRed);
    EXPECT_EQ(data.GetBytes(s), block);

    // Damaged blocks: an error, and the bitmap stays as it was.
    struct Case {
        const char* what;
        TBytes bytes;
    };
    TBytes longer = block;
    longer[0] = static_cast<std::uint8_t>(longer[0] + 1);
    const TBytes shorter(block.begin(), block.end() - 1);
    TBytes notBmp = block;
    notBmp[4] = 'X';
    const Case cases[] = {
        {"empty", {}}, {"short length", {1, 0}}, {"length past the end", longer}, {"truncated", shorter}, {"no BM", notBmp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            data.SetBytes(s, c.bytes);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Image bitmap incorrecte");
        }
        EXPECT_EQ(s.Image().Pixel(2, 1), clRed);
    }
}

TEST(PropertiesTest, EventsAreBoundToTheRootsMethodsByName) {
    TComponent root(nullptr);
    auto* s = new TSample(&root);
    std::vector<std::string> calls;
    root.DefineMethod("SampleClick", TNotifyEvent([&](TObject* sender) {
                          calls.push_back(sender == s ? "click" : "other");
                      }));
    root.DefineMethod("SampleDown", TMouseEvent([&](TObject*, TMouseButton, TShiftState, int x, int y) {
                          calls.push_back("down " + std::to_string(x) + "," + std::to_string(y));
                      }));
    const std::any* click = root.FindMethod("sampleclick");
    ASSERT_NE(click, nullptr);
    SetEventProp(*s, "OnClick", *click);
    SetEventProp(*s, "OnMouseDown", *root.FindMethod("SampleDown"));
    EXPECT_TRUE(GetProperty(*s, "OnClick").EventAssigned(*s));
    s->Click();
    s->MouseDown(mbLeft, 0, 3, 4);
    EXPECT_EQ(calls, (std::vector<std::string>{"click", "down 3,4"}));
    // A handler of another type is refused.
    EXPECT_THROW(SetEventProp(*s, "OnClick", *root.FindMethod("SampleDown")), EPropertyError);
    EXPECT_EQ(root.FindMethod("Nothing"), nullptr);
}

TEST(PropertiesTest, TheRegistryCreatesClassesByName) {
    RegisterUiClasses();
    RegisterClass(TSample::StaticClassInfo());
    const TClassInfo* label = FindClass("tlabel");
    ASSERT_NE(label, nullptr);
    TComponent root(nullptr);
    TComponent* created = label->Create(&root);
    EXPECT_EQ(created->Owner(), &root);
    EXPECT_EQ(created->ClassName(), "TLabel");
    EXPECT_TRUE(created->InheritsFrom(TGraphicControl::StaticClassInfo()));
    EXPECT_NE(dynamic_cast<TLabel*>(created), nullptr);
    SetStrProp(*created, "Caption", "Bonjour");
    EXPECT_EQ(static_cast<TLabel*>(created)->Caption(), "Bonjour");
    EXPECT_EQ(FindClass("TNothing"), nullptr);
    EXPECT_THROW(TGraphicControl::StaticClassInfo().Create(&root), EPropertyError);  // not creatable
    ASSERT_NE(FindClass("TTimer"), nullptr);
    ASSERT_NE(FindClass("TImage"), nullptr);
}

}  // namespace
}  // namespace tresilva::test
