#include "platform/data/LayoutBuilder.h"
#include "platform/data/LayoutParser.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace tresilva {
namespace {

TLayoutObject Parse(std::string_view text) { return ParseLayout(text, "main.layout").root; }

// The message of the error that reading text raises, or "" when none.
std::string ErrorOf(std::string_view text, const TAssetLookup& assets = {}) {
    try {
        ParseLayout(text, "main.layout", assets);
    } catch (const ELayoutError& e) {
        return e.what();
    }
    return "";
}

TEST(LayoutParser, ObjectsPropertiesAndChildrenInFileOrder) {
    const TLayoutObject root = Parse(
        "object Form1: TForm1\n"
        "  Left = 0\n"
        "  Caption = 'Tresilva 99'\n"
        "  Font.Name = 'MS Sans Serif'\n"
        "  OnCreate = FormCreate\n"
        "  object Pad3D1: TPad3D\n"
        "    Alignment = taCenter\n"
        "  end\n"
        "  object BmpAnime14: TBmpAnime\n"
        "    object TImageCtrl\n"
        "      Caption = 'EURO1.BMP'\n"
        "    end\n"
        "    object TImageCtrl\n"
        "    end\n"
        "  end\n"
        "END\n");
    EXPECT_EQ(root.name, "Form1");
    EXPECT_EQ(root.className, "TForm1");
    EXPECT_EQ(root.line, 1);
    ASSERT_EQ(root.properties.size(), 4u);
    const char* names[] = {"Left", "Caption", "Font.Name", "OnCreate"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(root.properties[i].name, names[i]);
        EXPECT_EQ(root.properties[i].line, static_cast<int>(i) + 2);
    }
    EXPECT_EQ(root.properties[2].value.text, "MS Sans Serif");
    EXPECT_EQ(root.properties[3].value.kind, TLayoutValueKind::Identifier);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "Pad3D1");
    EXPECT_EQ(root.children[0].line, 6);
    const TLayoutObject& anime = root.children[1];
    ASSERT_EQ(anime.children.size(), 2u);
    EXPECT_EQ(anime.children[0].name, "");
    EXPECT_EQ(anime.children[0].className, "TImageCtrl");
    EXPECT_EQ(anime.children[0].properties[0].value.text, "EURO1.BMP");
    EXPECT_EQ(anime.children[1].line, 13);
    EXPECT_TRUE(anime.children[1].properties.empty());
}

TEST(LayoutParser, Values) {
    const TLayoutObject root = Parse(
        "object F: TF\r\n"
        "  A = 12\r\n"
        "  B = -2147483648\r\n"
        "  C = $FF\r\n"
        "  D = 'it''s'#233'x'#$20AC\r\n"
        "  E = 'Ne plus afficher ' +\r\n"
        "      'cette fen\xC3\xAAtre.'\r\n"
        "  F = ''\r\n"
        "  G = [fsBold, fsItalic]\r\n"
        "  H = []\r\n"
        "  I = (\r\n"
        "    'DEM'\r\n"
        "    'ATS' + 'x'\r\n"
        "    #39)\r\n"
        "  J = {0A1b\r\n"
        "       FF 00}\r\n"
        "  K = {}\r\n"
        "  L = True\r\n"
        "  M = +7\r\n"
        "end");
    const auto& p = root.properties;
    ASSERT_EQ(p.size(), 13u);
    EXPECT_EQ(p[0].value.integer, 12);
    EXPECT_EQ(p[1].value.integer, -2147483648LL);
    EXPECT_EQ(p[2].value.integer, 255);
    EXPECT_EQ(p[3].value.kind, TLayoutValueKind::String);
    EXPECT_EQ(p[3].value.text, "it's\xC3\xA9x\xE2\x82\xAC");
    EXPECT_EQ(p[4].value.text, "Ne plus afficher cette fen\xC3\xAAtre.");
    EXPECT_EQ(p[5].value.kind, TLayoutValueKind::String);
    EXPECT_EQ(p[5].value.text, "");
    EXPECT_EQ(p[5].line, 8);  // the + continuation counted its line
    EXPECT_EQ(p[6].value.kind, TLayoutValueKind::Set);
    EXPECT_EQ(p[6].value.items, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(p[7].value.items.empty());
    EXPECT_EQ(p[8].value.kind, TLayoutValueKind::StringList);
    EXPECT_EQ(p[8].value.items, (std::vector<std::string>{"DEM", "ATSx", "'"}));
    EXPECT_EQ(p[9].value.kind, TLayoutValueKind::Binary);
    EXPECT_EQ(p[9].value.bytes, (std::vector<std::uint8_t>{0x0A, 0x1B, 0xFF, 0x00}));
    EXPECT_TRUE(p[10].value.bytes.empty());
    EXPECT_EQ(p[11].value.text, "True");
    EXPECT_EQ(p[12].value.integer, 7);
    EXPECT_EQ(p[12].line, 19);
}

TEST(LayoutParser, AssetStandsForTheBytesTheLookupGives) {
    std::vector<std::string> asked;
    const TAssetLookup assets = [&](std::string_view name) -> std::optional<std::vector<std::uint8_t>> {
        asked.emplace_back(name);
        if (name == "frames/euro/EURO1.BMP") return std::vector<std::uint8_t>{'B', 'M', 1};
        return std::nullopt;
    };
    const TLayout layout = ParseLayout("object TImageCtrl\n  Bmp.Data = @'frames/euro/EURO1.BMP'\nend\n", "x.layout", assets);
    const TLayoutValue& value = layout.root.properties.at(0).value;
    EXPECT_EQ(value.kind, TLayoutValueKind::Asset);
    EXPECT_EQ(value.text, "frames/euro/EURO1.BMP");
    EXPECT_EQ(value.bytes, (std::vector<std::uint8_t>{'B', 'M', 1}));
    EXPECT_EQ(asked, std::vector<std::string>{"frames/euro/EURO1.BMP"});
    EXPECT_EQ(ErrorOf("object T\n  P = @'nope.bmp'\nend", assets), "main.layout:2: asset 'nope.bmp' not found");
    EXPECT_EQ(ErrorOf("object T\n  P = @'x.bmp'\nend"), "main.layout:2: asset 'x.bmp' not found");  // no lookup
}

TEST(LayoutParser, MalformedTextNamesFileAndLine) {
    struct Row {
        const char* text;
        const char* message;
    };
    const Row rows[] = {
        {"", "main.layout:1: empty layout: 'object' expected"},
        {"  \n\n", "main.layout:3: empty layout: 'object' expected"},
        {"thing F: TF\nend", "main.layout:1: 'object' expected"},
        {"object\n", "main.layout:1: object name or class expected, found end of line"},
        {"object", "main.layout:1: object name or class expected, found end of text"},
        {"object F:\nend", "main.layout:1: class name expected after 'F:'"},
        {"object F: TF\n  Left = 1\n", "main.layout:1: object 'F' has no 'end'"},
        {"object TImageCtrl\n", "main.layout:1: object TImageCtrl has no 'end'"},
        {"object F: TF\n  Left 1\nend", "main.layout:2: '=' expected after 'Left', found '1'"},
        {"object F: TF\n  Font. = 1\nend", "main.layout:2: property name expected after 'Font.'"},
        {"object F: TF\n  Left =\nend", "main.layout:3: value expected for 'Left', found 'end'"},
        {"object F: TF\n  Left = \n  object A: TA\n  end\nend", "main.layout:3: value expected for 'Left', found 'object'"},
        {"object F: TF\n  Left =", "main.layout:2: value expected for 'Left', found end of text"},
        {"object F: TF\n  Left = ?\nend", "main.layout:2: value expected for 'Left', found '?'"},
        {"object F: TF\n  Left = 1.5\nend", "main.layout:2: malformed number '1.5' for 'Left'"},
        {"object F: TF\n  Left = 12px\nend", "main.layout:2: malformed number '12px' for 'Left'"},
        {"object F: TF\n  Left = -\nend", "main.layout:2: malformed number '-' for 'Left'"},
        {"object F: TF\n  Left = $\nend", "main.layout:2: malformed number '$' for 'Left'"},
        {"object F: TF\n  Left = 99999999999999999999\nend", "main.layout:2: number out of range for 'Left'"},
        {"object F: TF\n  Left = $1FFFFFFFFFFFFFFFF\nend", "main.layout:2: number out of range for 'Left'"},
        {"object F: TF\n  Caption = 'abc\nend", "main.layout:2: unterminated string"},
        {"object F: TF\n  Caption = 'a' +\n  Left = 1\nend", "main.layout:3: string expected after '+', found 'L'"},
        {"object F: TF\n  Caption = #\nend", "main.layout:2: character code expected after '#'"},
        {"object F: TF\n  Caption = #1114112\nend", "main.layout:2: no character has the code #1114112"},
        {"object F: TF\n  Caption = #$D800\nend", "main.layout:2: no character has the code #$D800"},
        {"object F: TF\n  Style = [fsBold fsItalic]\nend", "main.layout:2: ',' or ']' expected in set, found 'f'"},
        {"object F: TF\n  Style = [fsBold,]\nend", "main.layout:2: set element expected, found ']'"},
        {"object F: TF\n  Style = [fsBold,\n", "main.layout:2: unterminated set"},
        {"object F: TF\n  Items = ( 'a' 1 )\nend", "main.layout:2: string expected in list, found '1'"},
        {"object F: TF\n  Items = ( 'a'\n", "main.layout:2: unterminated list"},
        {"object F: TF\n  Data = {0A1}\nend", "main.layout:2: odd number of hexadecimal digits in block of bytes"},
        {"object F: TF\n  Data = {0A\n  1G}\nend", "main.layout:3: unexpected 'G' in block of bytes"},
        {"object F: TF\n  Data = {0A\n", "main.layout:2: unterminated block of bytes"},
        {"object F: TF\n  P = @1\nend", "main.layout:2: asset name expected after '@'"},
        {"object F: TF\n  object A: TA\n  end\n  Left = 1\nend", "main.layout:4: property 'Left' after a child object of 'F'"},
        {"object F: TF\n  = 1\nend", "main.layout:2: unexpected '=' in object 'F'"},
        {"object F: TF\n  \xC3\xA9t\xC3\xA9 = 1\nend", "main.layout:2: unexpected '\xC3\xA9' in object 'F'"},
        {"object F: TF\n  \x01 = 1\nend", "main.layout:2: unexpected character #1 in object 'F'"},
        {"object F: TF\nend\nobject G: TG\nend", "main.layout:3: unexpected 'o' after the last 'end'"},
        {"object F: TF\n  Caption = '\xE9'\nend", "main.layout:2: the text is not valid UTF-8"},
    };
    for (const Row& row : rows) EXPECT_EQ(ErrorOf(row.text), row.message) << row.text;
}

TEST(LayoutParser, DeepNestingIsAnErrorNotACrash) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "object T\n";
    EXPECT_EQ(ErrorOf(text), "main.layout:65: objects nested too deeply");
    std::string fine;
    for (int i = 0; i < 64; ++i) fine += "object T\n";
    for (int i = 0; i < 64; ++i) fine += "end\n";
    EXPECT_EQ(ErrorOf(fine), "");
}

TEST(LayoutParser, ByteOrderMarkAndLoneCarriageReturns) {
    const TLayoutObject root = Parse("\xEF\xBB\xBFobject F: TF\r  Left = 1\r  Top = 2\rend\r");
    EXPECT_EQ(root.properties.at(1).line, 3);
}

// A builder over plain records, knowing a few classes, properties and handlers.
struct Node {
    std::string className;
    std::string name;
    Node* parent = nullptr;
    Node* owner = nullptr;
    std::vector<std::unique_ptr<Node>> children;
};

class RecordingBuilder : public TLayoutBuilder<Node> {
public:
    std::vector<std::string> log;
    std::map<std::string, std::set<std::string>> properties{
        {"TForm1", {"Caption", "Left", "Font.Name"}}, {"TPad3D", {"Left", "Alignment"}},
        {"TBmpAnime", {"Active"}}, {"TImageCtrl", {"Caption", "Bmp.Data"}}};
    std::set<std::string> events{"OnCreate", "OnClick"};
    std::set<std::string> handlers{"FormCreate", "m1Click"};

    void BeginRoot(Node& root, std::string_view className, std::string_view name) override {
        if (className != root.className) throw ELayoutUnknownClass();
        log.push_back("root " + std::string(name));
    }
    Node* CreateChild(std::string_view className, std::string_view name, Node& parent, Node& owner) override {
        if (!properties.count(std::string(className))) throw ELayoutUnknownClass();
        auto node = std::make_unique<Node>(Node{std::string(className), std::string(name), &parent, &owner, {}});
        log.push_back("create " + node->className + " " + node->name + " in " + parent.className);
        parent.children.push_back(std::move(node));
        return parent.children.back().get();
    }
    void SetProperty(Node& object, std::string_view property, const TLayoutValue& value) override {
        if (!properties[object.className].count(std::string(property))) throw ELayoutUnknownProperty();
        if (property == "Left" && value.kind != TLayoutValueKind::Integer) throw ELayoutBadValue("integer expected");
        if (property == "Bmp.Data" && value.bytes.empty()) throw EInvalidGraphic();
        log.push_back("set " + object.className + "." + std::string(property));
    }
    void BindEvent(Node& object, std::string_view event, std::string_view handler) override {
        if (!events.count(std::string(event))) throw ELayoutUnknownEvent();
        if (!handlers.count(std::string(handler))) throw ELayoutUnknownHandler();
        log.push_back("bind " + object.className + "." + std::string(event) + " " + std::string(handler));
    }
    void BeginChildren(Node& object) override { log.push_back("children " + object.className); }
    void EndObject(Node& object) override { log.push_back("end " + object.className); }
    void EndLayout(Node& root) override { log.push_back("loaded " + root.className); }
};

const char* const kForm =
    "object Form1: TForm1\n"
    "  Caption = 'Tresilva 99'\n"
    "  OnCreate = FormCreate\n"
    "  object Pad3D1: TPad3D\n"
    "    Left = 10\n"
    "    OnClick = m1Click\n"
    "  end\n"
    "  object BmpAnime14: TBmpAnime\n"
    "    Active = True\n"
    "    object TImageCtrl\n"
    "      Caption = 'EURO1.BMP'\n"
    "      Bmp.Data = {01}\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(LayoutWalker, DrivesTheBuilderInFileOrder) {
    Node form{"TForm1", "Form1", nullptr, nullptr, {}};
    RecordingBuilder builder;
    WalkLayout(ParseLayout(kForm, "main.layout"), builder, form);
    EXPECT_EQ(builder.log, (std::vector<std::string>{
                               "root Form1", "set TForm1.Caption", "bind TForm1.OnCreate FormCreate", "children TForm1",
                               "create TPad3D Pad3D1 in TForm1", "set TPad3D.Left", "bind TPad3D.OnClick m1Click",
                               "children TPad3D", "end TPad3D",
                               "create TBmpAnime BmpAnime14 in TForm1", "set TBmpAnime.Active", "children TBmpAnime",
                               "create TImageCtrl  in TBmpAnime", "set TImageCtrl.Caption", "set TImageCtrl.Bmp.Data",
                               "children TImageCtrl", "end TImageCtrl", "end TBmpAnime", "end TForm1", "loaded TForm1"}));
    const Node& frame = *form.children.at(1)->children.at(0);
    EXPECT_EQ(frame.parent, form.children.at(1).get());
    EXPECT_EQ(frame.owner, &form);  // the root owns every object read
}

TEST(LayoutWalker, WhatTheBuilderDoesNotKnowNamesFileAndLine) {
    struct Row {
        const char* from;
        const char* to;
        const char* message;
    };
    const Row rows[] = {
        {"object Pad3D1: TPad3D", "object Pad3D1: TPadX", "main.layout:4: unknown class 'TPadX'"},
        {"object Form1: TForm1", "object Form1: TForm2", "main.layout:1: unknown class 'TForm2'"},
        {"    Left = 10", "    Foo = 10", "main.layout:5: unknown property 'Foo' of TPad3D"},
        {"    Left = 10", "    Left = 'ten'", "main.layout:5: bad value for 'Left' of TPad3D: integer expected"},
        {"    OnClick = m1Click", "    OnClack = m1Click", "main.layout:6: unknown event 'OnClack' of TPad3D"},
        {"    OnClick = m1Click", "    OnClick = m99Click", "main.layout:6: unknown handler 'm99Click' for event 'OnClick' of TPad3D"},
        {"    OnClick = m1Click", "    OnClick = 'm1Click'", "main.layout:6: event 'OnClick' of TPad3D needs a handler name, not a string"},
        {"      Bmp.Data = {01}", "      Bmp.Data = {}", "main.layout:12: Image bitmap incorrecte"},
    };
    for (const Row& row : rows) {
        std::string text = kForm;
        text.replace(text.find(row.from), std::string(row.from).size(), row.to);
        Node form{"TForm1", "Form1", nullptr, nullptr, {}};
        RecordingBuilder builder;
        try {
            WalkLayout(ParseLayout(text, "main.layout"), builder, form);
            ADD_FAILURE() << "no error for " << row.to;
        } catch (const ELayoutError& e) {
            EXPECT_EQ(std::string(e.what()), row.message);
        }
    }
}

TEST(LayoutWalker, OtherErrorsKeepTheOriginalNestedInside) {
    std::string text = kForm;
    text.replace(text.find("{01}"), 4, "{}");
    Node form{"TForm1", "Form1", nullptr, nullptr, {}};
    RecordingBuilder builder;
    try {
        WalkLayout(ParseLayout(text, "main.layout"), builder, form);
        FAIL();
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.File(), "main.layout");
        EXPECT_EQ(e.Line(), 12);
        EXPECT_EQ(e.Message(), "Image bitmap incorrecte");
        EXPECT_THROW(std::rethrow_if_nested(e), EInvalidGraphic);
    }
    // The frame had been created before its bitmap failed.
    EXPECT_EQ(form.children.at(1)->children.size(), 1u);
}

}  // namespace
}  // namespace tresilva
