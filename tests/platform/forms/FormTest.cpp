// Forms on Qt's offscreen platform: frames, placing, showing, modal runs,
// closing, and the key events.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>

#include "FormsHelpers.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"

namespace tresilva::test {
namespace {

const char* const kDialog =
    "object config: TForm\n"
    "  BorderIcons = [biSystemMenu]\n"
    "  BorderStyle = bsDialog\n"
    "  Caption = 'Configuration'\n"
    "  ClientHeight = 217\n"
    "  ClientWidth = 222\n"
    "  Color = clBtnFace\n"
    "  Font.Name = 'MS Sans Serif'\n"
    "  Font.Height = 11\n"
    "  Position = poScreenCenter\n"
    "  OnClose = FormClose\n"
    "  object arrondir: TCheckBox\n"
    "    Left = 10\n"
    "    Top = 45\n"
    "    Width = 201\n"
    "    Height = 17\n"
    "    Caption = 'Arrondir'\n"
    "    TabOrder = 1\n"
    "  end\n"
    "  object USD: TEdit\n"
    "    Left = 85\n"
    "    Top = 20\n"
    "    Width = 81\n"
    "    Height = 21\n"
    "    TabOrder = 0\n"
    "  end\n"
    "  object BitBtn1: TBitBtn\n"
    "    Left = 73\n"
    "    Top = 150\n"
    "    Width = 75\n"
    "    Height = 24\n"
    "    Caption = 'OK'\n"
    "    ModalResult = 1\n"
    "    TabOrder = 2\n"
    "  end\n"
    "end\n";

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->DefineMethod("FormClose", TCloseEvent([this](TObject*, TCloseAction& action) {
                               ++closes;
                               if (onClose) onClose(action);
                           }));
        form->LoadLayoutText(kDialog, "config.layout");
        edit = dynamic_cast<TEdit*>(form->FindComponent("USD"));
        box = dynamic_cast<TCheckBox*>(form->FindComponent("arrondir"));
        button = dynamic_cast<TBitBtn*>(form->FindComponent("BitBtn1"));
        ASSERT_TRUE(edit && box && button);
    }
    void TearDown() override { Application.SetMainForm(nullptr); }

    static void Send(QWidget* target, QEvent::Type type, int key, const QString& text = {}, bool repeat = false,
                     Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent event(type, key, mods, text, repeat);
        QCoreApplication::sendEvent(target, &event);
    }

    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    TCheckBox* box = nullptr;
    TBitBtn* button = nullptr;
    int closes = 0;
    std::function<void(TCloseAction&)> onClose;
};

TEST_F(FormTest, DialogFrameIsFixedWithACloseBoxOnly) {
    form->Show();
    QWidget* w = form->Widget();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Configuration");
    EXPECT_EQ(w->size(), QSize(222, 217));
    EXPECT_EQ(form->OuterWidth(), 230);
    EXPECT_EQ(form->OuterHeight(), 244);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(FormTest, BorderIconsNoneLeaveNoCloseBoxAndSizeableFramesKeepTheirBoxes) {
    TForm about(nullptr);
    about.LoadLayoutText("object apropos: TForm\n  Width = 322\n  Height = 408\nend\n", "about.layout");
    EXPECT_EQ(about.ClientWidth(), 314);  // the outer size less the frame
    EXPECT_EQ(about.ClientHeight(), 381);
    about.Show();
    EXPECT_TRUE(about.Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(about.Widget()->minimumSize(), about.Widget()->maximumSize());
    about.SetBorderIcons(0);
    EXPECT_FALSE(about.Widget()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(about.Widget()->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(about.Widget()->isVisible());
}

TEST_F(FormTest, CentredAtTheFirstShowingThenKeepsItsPlace) {
    form->Show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form->Widget()->pos(), QPoint(screen.x() + (screen.width() - 230) / 2, screen.y() + (screen.height() - 244) / 2));
    form->Hide();
    form->Widget()->move(10, 20);
    form->Show();
    EXPECT_EQ(form->Widget()->pos(), QPoint(10, 20));
}

TEST_F(FormTest, ShowRunsOnShowAtEveryShowingAndCreateRunsAfterTheLayout) {
    TForm f(nullptr);
    int shows = 0;
    int childrenAtCreate = -1;
    f.DefineMethod("FormShow", TNotifyEvent([&](TObject*) { ++shows; }));
    f.DefineMethod("FormCreate", TNotifyEvent([&](TObject*) { childrenAtCreate = f.ControlCount(); }));
    f.LoadLayoutText(
        "object F: TForm\n  OnCreate = FormCreate\n  OnShow = FormShow\n  object P: TPanel\n  end\nend\n", "f.layout");
    EXPECT_EQ(childrenAtCreate, 1);
    EXPECT_FALSE(f.Visible());
    f.Show();
    f.Hide();
    f.Show();
    EXPECT_EQ(shows, 2);
}

TEST_F(FormTest, EnterAndEscapeLeaveAModalDialogOpenAndItKeepsItsValues) {
    bool checkedOpen = false;
    Later([&] {
        Send(edit->Widget(), QEvent::KeyPress, Qt::Key_1, "1");
        Send(edit->Widget(), QEvent::KeyPress, Qt::Key_Return, "\r");
        Send(edit->Widget(), QEvent::KeyPress, Qt::Key_Escape, "\x1b");
        Send(form->Widget(), QEvent::KeyPress, Qt::Key_Escape, "\x1b");
        Send(form->Widget(), QEvent::KeyPress, Qt::Key_Enter, "\r");
        Pump();
        checkedOpen = form->Visible() && form->Widget()->isVisible() && form->Modal();
        box->Toggle();
        form->Close();
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_TRUE(checkedOpen);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_TRUE(box->Checked());
    // Shown again, the values are still there.
    Later([&] { form->Close(); });
    form->ShowModal();
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(qobject_cast<QWidget*>(edit->Widget())->property("text").toString(), "1");
}

TEST_F(FormTest, TheButtonsResultEndsTheModalRun) {
    Later([&] { qobject_cast<QAbstractButton*>(button->Widget())->click(); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(closes, 1);
    // Enter on the focused button presses it too.
    Later([&] { Send(button->Widget(), QEvent::KeyPress, Qt::Key_Return, "\r"); });
    EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST_F(FormTest, WindowManagerCloseGoesThroughClose) {
    Later([&] { form->Widget()->close(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(closes, 1);
}

TEST_F(FormTest, AnErrorInOnCloseLeavesTheDialogOpenAndIsShown) {
    ErrorCatcher errors;
    bool openAfterError = false;
    onClose = [&](TCloseAction&) {
        if (closes == 1) throw Exception("Fermeture impossible");
    };
    Later([&] {
        form->Close();
        Later([&] {
            openAfterError = form->Visible() && form->Modal();
            form->Close();
        });
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_TRUE(openAfterError);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(errors.texts, std::vector<std::string>{"Fermeture impossible."});
    EXPECT_EQ(errors.captions, std::vector<std::string>{"Tresilva test"});
}

TEST_F(FormTest, CloseActionNoneAndCloseQueryKeepTheDialogOpen) {
    bool allow = false;
    int refused = 0;
    form->SetOnCloseQuery([&](TObject*, bool& canClose) {
        canClose = allow;
        if (!allow) ++refused;
    });
    onClose = [&](TCloseAction& action) { action = caNone; };
    Later([&] {
        form->Close();  // refused by the query
        Later([&] {
            allow = true;
            form->Close();  // refused by the close action
            Later([&] {
                onClose = nullptr;
                form->Close();
            });
        });
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(closes, 2);
}

TEST_F(FormTest, ClosingTheMainFormEndsTheRunAfterItsCloseEvent) {
    ErrorCatcher errors;
    Application.SetMainForm(form.get());
    onClose = [&](TCloseAction&) {
        if (closes == 1) throw Exception("Pas encore");
    };
    bool openAfterError = false;
    Later([&] {
        form->Widget()->close();  // its error stays in the event: shown, the window stays
        openAfterError = form->Visible();
        form->Close();
    });
    Application.Run();
    EXPECT_TRUE(openAfterError);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(errors.texts, std::vector<std::string>{"Pas encore."});
    EXPECT_TRUE(Application.Terminated());
    EXPECT_FALSE(form->Visible());
}

struct KeyCase {
    int qtKey;
    Qt::KeyboardModifiers mods;
    std::uint16_t code;
};

TEST_F(FormTest, KeyReleasesGiveVirtualKeyCodes) {
    form->Show();
    std::vector<std::uint16_t> codes;
    form->SetOnKeyUp([&](TObject*, std::uint16_t& key, TShiftState) { codes.push_back(key); });
    const KeyCase cases[] = {
        {Qt::Key_Backspace, Qt::NoModifier, 8}, {Qt::Key_Tab, Qt::NoModifier, 9},
        {Qt::Key_Return, Qt::NoModifier, 13},   {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Shift, Qt::ShiftModifier, 16}, {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},     {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Space, Qt::NoModifier, 32},    {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Up, Qt::NoModifier, 38},       {Qt::Key_Right, Qt::NoModifier, 39},
        {Qt::Key_Down, Qt::NoModifier, 40},     {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_0, Qt::NoModifier, 48},        {Qt::Key_9, Qt::NoModifier, 57},
        {Qt::Key_A, Qt::NoModifier, 65},        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, Qt::KeypadModifier, 96},    {Qt::Key_7, Qt::KeypadModifier, 103},
        {Qt::Key_Period, Qt::KeypadModifier, 110}, {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F12, Qt::NoModifier, 123},     {Qt::Key_Comma, Qt::NoModifier, 188},
    };
    std::vector<std::uint16_t> expected;
    for (const KeyCase& c : cases) {
        Send(form->Widget(), QEvent::KeyRelease, c.qtKey, {}, false, c.mods);
        expected.push_back(c.code);
    }
    EXPECT_EQ(codes, expected);
}

TEST_F(FormTest, AHeldKeyGivesRepeatedCharactersButOneRelease) {
    form->Show();
    std::string typed;
    int releases = 0;
    form->SetOnKeyPress([&](TObject*, char& key) { typed += key; });
    form->SetOnKeyUp([&](TObject*, std::uint16_t& key, TShiftState) {
        EXPECT_EQ(key, 53);
        ++releases;
    });
    QWidget* w = form->Widget();
    Send(w, QEvent::KeyPress, Qt::Key_5, "5");
    Send(w, QEvent::KeyRelease, Qt::Key_5, "5", true);
    Send(w, QEvent::KeyPress, Qt::Key_5, "5", true);
    Send(w, QEvent::KeyRelease, Qt::Key_5, "5", true);
    Send(w, QEvent::KeyPress, Qt::Key_5, "5", true);
    Send(w, QEvent::KeyRelease, Qt::Key_5, "5", false);
    EXPECT_EQ(typed, "555");
    EXPECT_EQ(releases, 1);
}

TEST_F(FormTest, TypedCharactersIncludeBackspaceAndSeparators) {
    form->Show();
    std::string typed;
    form->SetOnKeyPress([&](TObject*, char& key) { typed += key; });
    QWidget* w = form->Widget();
    Send(w, QEvent::KeyPress, Qt::Key_Comma, ",");
    Send(w, QEvent::KeyPress, Qt::Key_Period, ".");
    Send(w, QEvent::KeyPress, Qt::Key_Backspace, {});
    Send(w, QEvent::KeyPress, Qt::Key_Shift, {}, false, Qt::ShiftModifier);  // no character
    Send(w, QEvent::KeyPress, Qt::Key_3, "3", false, Qt::KeypadModifier);
    EXPECT_EQ(typed, std::string(",.\b3"));
}

TEST_F(FormTest, IconAndAFormReadAsVisibleShowOnceItIsComplete) {
    TBitmap icon(32, 32);
    icon.SetPixel(3, 4, clNavy);
    TForm f(nullptr);
    int shows = 0;
    f.DefineMethod("FormShow", TNotifyEvent([&](TObject*) { ++shows; }));
    f.LoadLayoutText("object F: TForm\n  Icon.Data = " + BitmapBlock(icon) +
                         "\n  OnShow = FormShow\n  Position = poScreenCenter\n  Visible = True\nend\n",
                     "icon.layout");
    EXPECT_EQ(shows, 1);
    ASSERT_NE(f.Widget(), nullptr);
    EXPECT_TRUE(f.Widget()->isVisible());
    const QImage image = f.Widget()->windowIcon().pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixel(3, 4) & 0xFFFFFF, 0x000080u);
}

TEST_F(FormTest, ShowModalOfAVisibleFormIsAnError) {
    form->Show();
    EXPECT_THROW(form->ShowModal(), Exception);
    EXPECT_TRUE(form->Visible());
}

}  // namespace
}  // namespace tresilva::test
