// The windowed standard controls as a layout places and sets them, their
// look, tab order, user events, and errors escaping their handlers.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <set>

#include "FormsHelpers.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PopupMenu.h"

namespace tresilva::test {
namespace {

TBitmap GlyphStrip() {
    // 36 x 18: a green square on olive (normal), a grey one (disabled).
    TBitmap strip(36, 18);
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 36; ++x) {
            const bool inside = (x % 18) >= 4 && (x % 18) < 14 && y >= 4 && y < 14;
            strip.SetPixel(x, y, !inside ? clOlive : (x < 18 ? clGreen : clGray));
        }
    }
    return strip;
}

std::string ConfigLayout() {
    return "object config: TForm\n"
           "  BorderStyle = bsDialog\n"
           "  ClientHeight = 217\n"
           "  ClientWidth = 222\n"
           "  object Panel1: TPanel\n"
           "    Left = 0\n"
           "    Top = 0\n"
           "    Width = 222\n"
           "    Height = 185\n"
           "    TabOrder = 0\n"
           "    object Label6: TLabel\n"
           "      Left = 10\n"
           "      Top = 15\n"
           "      Width = 92\n"
           "      Height = 13\n"
           "      Caption = 'Monnaie par d'#233'faut'\n"
           "    end\n"
           "    object monnaie: TComboBox\n"
           "      Left = 110\n"
           "      Top = 10\n"
           "      Width = 101\n"
           "      Height = 21\n"
           "      Style = csDropDownList\n"
           "      ItemHeight = 13\n"
           "      Items.Strings = (\n"
           "        'DEM'\n"
           "        'ATS'\n"
           "        'BEF')\n"
           "      TabOrder = 0\n"
           "    end\n"
           "    object GroupBox1: TGroupBox\n"
           "      Left = 10\n"
           "      Top = 70\n"
           "      Width = 201\n"
           "      Height = 105\n"
           "      Caption = 'Taux de conversion '\n"
           "      TabOrder = 2\n"
           "      object JPY: TEdit\n"
           "        Left = 85\n"
           "        Top = 70\n"
           "        Width = 81\n"
           "        Height = 21\n"
           "        Font.Height = 9\n"
           "        TabOrder = 2\n"
           "        Text = '129,289'\n"
           "      end\n"
           "      object USD: TEdit\n"
           "        Left = 85\n"
           "        Top = 20\n"
           "        Width = 81\n"
           "        Height = 21\n"
           "        TabOrder = 0\n"
           "      end\n"
           "      object GBP: TEdit\n"
           "        Left = 85\n"
           "        Top = 45\n"
           "        Width = 81\n"
           "        Height = 21\n"
           "        TabOrder = 1\n"
           "      end\n"
           "    end\n"
           "    object arrondir: TCheckBox\n"
           "      Left = 10\n"
           "      Top = 45\n"
           "      Width = 201\n"
           "      Height = 17\n"
           "      Caption = 'Arrondir deux chiffres apr'#232's la virgule'\n"
           "      Checked = True\n"
           "      TabOrder = 1\n"
           "    end\n"
           "  end\n"
           "  object Panel2: TPanel\n"
           "    Left = 0\n"
           "    Top = 185\n"
           "    Width = 222\n"
           "    Height = 32\n"
           "    TabOrder = 1\n"
           "    object BitBtn1: TBitBtn\n"
           "      Left = 73\n"
           "      Top = 4\n"
           "      Width = 75\n"
           "      Height = 24\n"
           "      Caption = 'OK'\n"
           "      ModalResult = 1\n"
           "      TabOrder = 0\n"
           "      Glyph.Data = " + BitmapBlock(GlyphStrip()) + "\n"
           "      NumGlyphs = 2\n"
           "    end\n"
           "  end\n"
           "end\n";
}

class ControlsTest : public testing::Test {
protected:
    void SetUp() override {
        form = ReadForm(ConfigLayout(), "config.layout");
        form->Show();
    }
    template <class C>
    C* Find(const char* name) {
        auto* c = dynamic_cast<C*>(form->FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    std::unique_ptr<TForm> form;
};

TEST_F(ControlsTest, ControlsStandAtTheirPlacesWithTheirSettings) {
    struct Place {
        const char* name;
        QRect geometry;  // in the parent's window
    };
    for (const Place& p : {Place{"Panel1", QRect(0, 0, 222, 185)}, Place{"Panel2", QRect(0, 185, 222, 32)},
                           Place{"monnaie", QRect(110, 10, 101, 21)}, Place{"GroupBox1", QRect(10, 70, 201, 105)},
                           Place{"USD", QRect(85, 20, 81, 21)}, Place{"JPY", QRect(85, 70, 81, 21)},
                           Place{"arrondir", QRect(10, 45, 201, 17)}, Place{"BitBtn1", QRect(73, 4, 75, 24)}}) {
        auto* control = Find<TWinControl>(p.name);
        ASSERT_NE(control->Widget(), nullptr) << p.name;
        EXPECT_EQ(control->Widget()->geometry(), p.geometry) << p.name;
        EXPECT_TRUE(control->Widget()->isVisible()) << p.name;
    }
    auto* list = qobject_cast<QComboBox*>(Find<TComboBox>("monnaie")->Widget());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(2), "BEF");
    EXPECT_EQ(list->currentIndex(), -1);
    auto* check = qobject_cast<QCheckBox*>(Find<TCheckBox>("arrondir")->Widget());
    EXPECT_EQ(check->text(), QString::fromUtf8("Arrondir deux chiffres apr\xC3\xA8s la virgule"));
    EXPECT_TRUE(check->isChecked());
    auto* jpy = qobject_cast<QLineEdit*>(Find<TEdit>("JPY")->Widget());
    EXPECT_EQ(jpy->text(), "129,289");
    EXPECT_EQ(jpy->font().pixelSize(), 9);
    auto* ok = qobject_cast<QPushButton*>(Find<TBitBtn>("BitBtn1")->Widget());
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_FALSE(ok->isDefault());
    EXPECT_FALSE(ok->autoDefault());
    EXPECT_EQ(Find<TLabel>("Label6")->Caption(), "Monnaie par d\xC3\xA9" "faut");
    // The classic look: Qt's "Windows" style, button face 192, 192, 192.
    EXPECT_EQ(check->style()->name(), "windows");
    EXPECT_EQ(ok->palette().color(QPalette::Button), QColor(192, 192, 192));
    EXPECT_EQ(Find<TLabel>("Label6")->Parent(), Find<TPanel>("Panel1"));
}

TEST_F(ControlsTest, TabOrderFollowsTheTabPositionsDepthFirst) {
    std::vector<QWidget*> expected;
    for (const char* name : {"monnaie", "arrondir", "USD", "GBP", "JPY", "BitBtn1"}) {
        expected.push_back(Find<TWinControl>(name)->Widget());
    }
    const std::set<QWidget*> ours(expected.begin(), expected.end());
    std::vector<QWidget*> chain;
    QWidget* w = expected.front();
    do {
        if (ours.count(w)) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != expected.front() && chain.size() < 20);
    EXPECT_EQ(chain, expected);
    for (QWidget* focusable : expected) EXPECT_EQ(focusable->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(Find<TPanel>("Panel1")->Widget()->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlsTest, DropDownListSelectionStaysWithinItsItems) {
    auto* list = Find<TComboBox>("monnaie");
    auto* widget = qobject_cast<QComboBox*>(list->Widget());
    list->SetItemIndex(2);
    EXPECT_EQ(widget->currentIndex(), 2);
    list->SetItemIndex(3);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(widget->currentIndex(), -1);
    list->SetItemIndex(1);
    list->SetItems({"DEM", "ATS"});
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetItems({"DEM"});
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(widget->count(), 1);
}

TEST_F(ControlsTest, CheckBoxClickRunsOnlyForTheUser) {
    auto* box = Find<TCheckBox>("arrondir");
    int clicks = 0;
    box->SetOnClick([&](TObject*) { ++clicks; });
    box->SetChecked(false);
    EXPECT_EQ(clicks, 0);
    qobject_cast<QCheckBox*>(box->Widget())->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Checked());
}

TEST_F(ControlsTest, EditTextFollowsTheFieldBothWays) {
    auto* edit = Find<TEdit>("USD");
    auto* widget = qobject_cast<QLineEdit*>(edit->Widget());
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    widget->insert("1,15455");
    EXPECT_EQ(edit->Text(), "1,15455");
    edit->SetText("0,70807");
    EXPECT_EQ(widget->text(), "0,70807");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, AnErrorInAHandlerReachesTheDisplayAndTheProgramGoesOn) {
    ErrorCatcher errors;
    auto* box = Find<TCheckBox>("arrondir");
    int before = 0, after = 0;
    box->SetOnClick([&](TObject*) {
        ++before;
        if (before == 1) throw Exception("Index liste hors bornes");
        ++after;
    });
    auto* widget = qobject_cast<QCheckBox*>(box->Widget());
    widget->click();
    EXPECT_EQ(errors.texts, std::vector<std::string>{"Index liste hors bornes."});
    EXPECT_EQ(errors.captions, std::vector<std::string>{"Tresilva test"});
    EXPECT_EQ(after, 0);  // the rest of the handler was skipped
    widget->click();
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(errors.texts.size(), 1u);
}

TEST_F(ControlsTest, BitBtnShowsTheNormalAndDisabledGlyphs) {
    auto* button = qobject_cast<QPushButton*>(Find<TBitBtn>("BitBtn1")->Widget());
    EXPECT_EQ(button->iconSize(), QSize(18, 18));
    const QImage normal = button->icon().pixmap(QSize(18, 18), 1.0, QIcon::Normal).toImage();
    const QImage disabled = button->icon().pixmap(QSize(18, 18), 1.0, QIcon::Disabled).toImage();
    ASSERT_EQ(normal.size(), QSize(18, 18));
    EXPECT_EQ(qAlpha(normal.pixel(0, 17)), 0);  // the bottom-left colour is see-through
    EXPECT_EQ(normal.pixel(8, 8) & 0xFFFFFF, 0x008000u);
    EXPECT_EQ(disabled.pixel(8, 8) & 0xFFFFFF, 0x808080u);
}

TEST(PanelTest, SunkenEdgeLiesOutsideTheClientAreaAndTheCaptionIsRightAligned) {
    auto form = ReadForm(
        "object F: TForm\n"
        "  ClientWidth = 200\n"
        "  ClientHeight = 100\n"
        "  object c1: TPanel\n"
        "    Left = 10\n"
        "    Top = 10\n"
        "    Width = 121\n"
        "    Height = 18\n"
        "    Alignment = taRightJustify\n"
        "    BevelOuter = bvNone\n"
        "    BorderStyle = bsSingle\n"
        "    Caption = '000.00 '\n"
        "    Color = clNavy\n"
        "    Font.Color = clWhite\n"
        "    Font.Style = [fsBold]\n"
        "    object L: TLabel\n"
        "      Left = 0\n"
        "      Top = 0\n"
        "      Width = 3\n"
        "      Height = 3\n"
        "      Color = clRed\n"
        "      Transparent = False\n"
        "    end\n"
        "  end\n"
        "end\n");
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("c1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->ClientBounds(), Rect(2, 2, 119, 16));
    EXPECT_EQ(panel->Surface().Width(), 117);
    EXPECT_EQ(panel->Surface().Height(), 14);
    form->Show();
    panel->Repaint();
    const QImage image = panel->Widget()->grab().toImage();
    ASSERT_EQ(image.size(), QSize(121, 18));
    auto rgb = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
    // Qt's 0xRRGGBB of a colour of ours.
    auto qt = [](TColor c) {
        c = ColorToRGB(c);
        return static_cast<unsigned>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    };
    EXPECT_EQ(rgb(0, 0), 0x808080u);     // outer ring: shadow above and left
    EXPECT_EQ(rgb(1, 1), qt(cl3DDkShadow));  // inner ring: dark shadow
    EXPECT_EQ(rgb(120, 17), 0xFFFFFFu);  // outer ring: highlight below and right
    EXPECT_EQ(rgb(119, 16), qt(cl3DLight));  // inner ring: light
    EXPECT_EQ(rgb(0, 17), 0xFFFFFFu);    // the far corners belong to the lower colours
    EXPECT_EQ(rgb(120, 0), 0xFFFFFFu);
    EXPECT_EQ(rgb(2, 2), 0xFF0000u);     // the child stands inside the edge (red label)
    EXPECT_EQ(rgb(5, 8), 0x000080u);     // navy face
    // White caption pixels on the right half only.
    int leftWhite = 0, rightWhite = 0;
    for (int y = 2; y < 16; ++y) {
        for (int x = 2; x < 119; ++x) {
            if (rgb(x, y) == 0xFFFFFFu) ++(x < 60 ? leftWhite : rightWhite);
        }
    }
    EXPECT_EQ(leftWhite, 0);
    EXPECT_GT(rightWhite, 10);
}

TEST(PanelTest, RaisedBevelOnTheButtonFace) {
    TForm form(nullptr);
    TPanel panel(&form);
    panel.SetBounds(0, 0, 20, 10);
    panel.SetParent(&form);
    panel.Realise();
    panel.PaintArea(panel.ClientRect());
    const TBitmap& s = panel.Surface();
    EXPECT_EQ(s.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(s.Pixel(0, 8), RGB(255, 255, 255));
    EXPECT_EQ(s.Pixel(18, 0), RGB(255, 255, 255));
    EXPECT_EQ(s.Pixel(19, 0), RGB(128, 128, 128));
    EXPECT_EQ(s.Pixel(0, 9), RGB(128, 128, 128));
    EXPECT_EQ(s.Pixel(19, 9), RGB(128, 128, 128));
    EXPECT_EQ(s.Pixel(10, 5), RGB(192, 192, 192));
}

TEST(GroupBoxTest, EtchedFrameUnderTheCaption) {
    TForm form(nullptr);
    TGroupBox box(&form);
    box.SetBounds(0, 0, 100, 50);
    box.SetParent(&form);
    box.SetColor(clBtnFace);
    box.SetCaption("Taux");
    box.Realise();
    box.PaintArea(box.ClientRect());
    const TBitmap& s = box.Surface();
    TBitmap probe(1, 1);
    probe.Canvas().Font().Assign(box.Font());
    const int h = probe.Canvas().TextHeight("0");
    EXPECT_EQ(s.Pixel(0, h / 2 + 5), RGB(128, 128, 128));    // shadow line
    EXPECT_EQ(s.Pixel(1, h / 2 + 5), RGB(255, 255, 255));    // highlight beside it
    EXPECT_EQ(s.Pixel(98, 48), RGB(128, 128, 128));
    EXPECT_EQ(s.Pixel(99, 49), RGB(255, 255, 255));
    EXPECT_EQ(s.Pixel(50, 25), RGB(192, 192, 192));
    EXPECT_EQ(s.Pixel(4, h / 2 - 1), RGB(128, 128, 128));    // the line left of the caption
}

TEST(PopupMenuTest, OpensAtAPointAndRunsTheChosenItemAfterClosing) {
    TForm form(nullptr);
    std::vector<std::string> log;
    form.DefineMethod("DocClick", TNotifyEvent([&](TObject*) { log.push_back("doc"); }));
    form.DefineMethod("SiteClick", TNotifyEvent([&](TObject*) {
                          log.push_back(QApplication::activePopupWidget() ? "menu open" : "menu closed");
                      }));
    form.LoadLayoutText(
        "object F: TForm\n"
        "  object PopupMenu1: TPopupMenu\n"
        "    AutoPopup = False\n"
        "    object Ajouter_AD: TMenuItem\n"
        "      Caption = '&Documentation'\n"
        "      OnClick = DocClick\n"
        "    end\n"
        "    object Supprimer_AD: TMenuItem\n"
        "      Caption = '-'\n"
        "    end\n"
        "    object Selectionner_AD: TMenuItem\n"
        "      Caption = '&Site web (t'#233'l'#233'chargement)'\n"
        "      OnClick = SiteClick\n"
        "    end\n"
        "  end\n"
        "end\n",
        "menu.layout");
    auto* menu = dynamic_cast<TPopupMenu*>(form.FindComponent("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    QPoint at;
    Later([&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup) return;
        at = popup->pos();
        for (QAction* a : popup->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        popup->actions().at(2)->trigger();
        popup->close();
    });
    menu->Popup(40, 50);
    EXPECT_EQ(texts, (QStringList{"&Documentation", "-", QString::fromUtf8("&Site web (t\xC3\xA9l\xC3\xA9" "chargement)")}));
    EXPECT_EQ(at, QPoint(40, 50));
    EXPECT_EQ(log, std::vector<std::string>{"menu closed"});
}

}  // namespace
}  // namespace tresilva::test
