#include "platform/ui/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/HostWidget.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Reader.h"
#include "platform/ui/StdControl.h"

namespace tresilva {

namespace {

TShiftState ShiftOf(Qt::KeyboardModifiers mods) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    return s;
}

// The typed character of a key press, as the form's OnKeyPress gets it; 0 for none.
char CharOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        default: break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 127) {
        return static_cast<char>(text[0].unicode());
    }
    return 0;
}

// The windowed controls that take the focus, in tab order, depth first.
void CollectTabChain(const TWinControl& container, std::vector<QWidget*>& chain) {
    std::vector<TStdControl*> children;
    for (int i = 0; i < container.ControlCount(); ++i) {
        if (auto* c = dynamic_cast<TStdControl*>(container.Controls(i))) children.push_back(c);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const TStdControl* a, const TStdControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TStdControl* c : children) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->CanFocus()) {
            if (c->TabStop() && c->Widget()) chain.push_back(c->Widget());
        } else {
            CollectTabChain(*c, chain);
        }
    }
}

}  // namespace

std::uint16_t VirtualKeyOf(int key, unsigned modifiers) {
    const bool keypad = (modifiers & Qt::KeypadModifier) != 0;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint16_t>((keypad ? 96 : 48) + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(65 + (key - Qt::Key_A));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<std::uint16_t>(112 + (key - Qt::Key_F1));
    switch (key) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt:
        case Qt::Key_AltGr: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Print: return 44;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_Meta: return 91;
        case Qt::Key_Menu: return 93;
        case Qt::Key_Asterisk: return keypad ? 106 : 0;
        case Qt::Key_Plus: return keypad ? 107 : 187;
        case Qt::Key_Minus: return keypad ? 109 : 189;
        case Qt::Key_Period: return keypad ? 110 : 190;
        case Qt::Key_Comma: return keypad ? 110 : 188;
        case Qt::Key_Slash: return keypad ? 111 : 191;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        case Qt::Key_Semicolon: return 186;
        case Qt::Key_Equal: return 187;
        case Qt::Key_QuoteLeft: return 192;
        case Qt::Key_BracketLeft: return 219;
        case Qt::Key_Backslash: return 220;
        case Qt::Key_BracketRight: return 221;
        case Qt::Key_Apostrophe: return 222;
        default: return 0;
    }
}

// The display side of a form: its client area. Keys go to the form's key
// events; a close request goes through Close and never closes by itself.
class FormWidget : public HostWidget {
public:
    explicit FormWidget(TForm& form) : HostWidget(form, nullptr) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        TForm* form = Form();
        // Keys a focused control leaves alone (Enter in an edit field) are not the form's.
        if (!form || !ForTheForm()) {
            event->ignore();
            return;
        }
        CallGuarded([&] {
            std::uint16_t key = VirtualKeyOf(event->key(), event->modifiers());
            const TShiftState shift = ShiftOf(event->modifiers());
            if (key != 0) form->KeyDown(key, shift);
            char c = CharOf(*event);
            if (c != 0 && Form() == form) form->KeyPress(c);
        });
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        TForm* form = Form();
        if (!form || !ForTheForm()) {
            event->ignore();
            return;
        }
        if (event->isAutoRepeat()) return;  // one release for a held key
        CallGuarded([&] {
            std::uint16_t key = VirtualKeyOf(event->key(), event->modifiers());
            if (key != 0) form->KeyUp(key, ShiftOf(event->modifiers()));
        });
    }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();  // the form decides: it hides itself when it closes
        CallGuarded([&] {
            if (TForm* form = Form()) form->Close();
        });
    }

private:
    TForm* Form() const { return dynamic_cast<TForm*>(Control()); }
    bool ForTheForm() const {
        QWidget* focus = QApplication::focusWidget();
        return !focus || focus == this || !isAncestorOf(focus);
    }
};

const TEnumType& FormBorderStyleType() {
    static const TEnumType type{"TFormBorderStyle",
                                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
    return type;
}

const TEnumType& BorderIconType() {
    static const TEnumType type{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
    return type;
}

const TEnumType& PositionType() {
    static const TEnumType type{"TPosition",
                                {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"}};
    return type;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    StoreVisible(false);  // a form appears when it is shown
    SetParentColor(false);
    SetParentFont(false);
    SetColor(clBtnFace);
}

TForm::~TForm() {
    if (loop_) loop_->quit();
}

void TForm::LoadLayoutText(std::string_view text, const std::string& file) {
    ReadLayoutText(*this, text, file);
    DoCreate();
}

void TForm::LoadLayoutResource(std::string_view name) {
    ReadLayoutResource(*this, name);
    DoCreate();
}

void TForm::DoCreate() {
    if (!onCreate_) return;
    try {
        onCreate_(this);
    } catch (const std::exception& e) {
        HandleException(e);
    }
}

void TForm::DoShow() {
    if (!onShow_) return;
    try {
        onShow_(this);
    } catch (const std::exception& e) {
        HandleException(e);  // the window shows all the same
    }
}

void TForm::DoClose(TCloseAction& action) {
    if (onClose_) onClose_(this, action);
}

// --- frame --------------------------------------------------------------------------------

void TForm::SetBorderStyle(TFormBorderStyle value) {
    borderStyle_ = value;
    if (QWidget* w = Widget()) ApplyWindowFlags(*w);
}

void TForm::SetBorderIcons(TBorderIcons value) {
    borderIcons_ = static_cast<TBorderIcons>(value & 0x0F);
    if (QWidget* w = Widget()) ApplyWindowFlags(*w);
}

void TForm::ApplyWindowFlags(QWidget& widget) const {
    const bool visible = widget.isVisible();
    Qt::WindowFlags flags;
    switch (borderStyle_) {
        case bsDialog: flags = Qt::Dialog; break;
        case bsToolWindow:
        case bsSizeToolWin: flags = Qt::Tool; break;
        default: flags = Qt::Window; break;
    }
    if (borderStyle_ == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_ & BorderIcon(biSystemMenu)) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            const bool boxes = borderStyle_ == bsSizeable || borderStyle_ == bsSingle || borderStyle_ == bsNone;
            if (boxes && (borderIcons_ & BorderIcon(biMinimize))) flags |= Qt::WindowMinimizeButtonHint;
            if (boxes && (borderIcons_ & BorderIcon(biMaximize))) flags |= Qt::WindowMaximizeButtonHint;
            if (borderStyle_ == bsDialog && (borderIcons_ & BorderIcon(biHelp))) flags |= Qt::WindowContextHelpButtonHint;
        }
    }
    widget.setWindowFlags(flags);
    const bool sizeable = borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
    if (sizeable) {
        widget.setMinimumSize(0, 0);
        widget.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        widget.setFixedSize(std::max(0, Width()), std::max(0, Height()));
    }
    if (visible) widget.show();  // changing the flags hides a window
}

void TForm::SetIcon(const TPicture& value) {
    icon_.Assign(value);
    if (QWidget* w = Widget()) w->setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(icon_.Bitmap()))));
}

void TForm::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    QWidget* w = Widget();
    if (w && borderStyle_ != bsSizeable && borderStyle_ != bsSizeToolWin) {
        w->setFixedSize(std::max(0, Width()), std::max(0, Height()));
    }
}

QWidget* TForm::CreateWidget(QWidget*) {
    auto* widget = new FormWidget(*this);
    ApplyClassicLook(*widget);
    widget->setWindowTitle(QString::fromStdString(Caption()));
    if (!icon_.Bitmap().Empty()) widget->setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(icon_.Bitmap()))));
    ApplyWindowFlags(*widget);
    return widget;
}

void TForm::TextChanged() {
    TWinControl::TextChanged();
    if (QWidget* w = Widget()) w->setWindowTitle(QString::fromStdString(Caption()));
}

void TForm::PlaceOnScreen() {
    QWidget* w = Widget();
    if (!w) return;
    if (position_ == poScreenCenter) {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        const QRect area = screen->availableGeometry();
        const int x = area.x() + (area.width() - OuterWidth()) / 2;
        const int y = area.y() + (area.height() - OuterHeight()) / 2;
        w->move(std::max(area.x(), x), std::max(area.y(), y));
    } else if (position_ == poDesigned) {
        w->move(Left(), Top());
    }
}

void TForm::UpdateTabOrder() {
    std::vector<QWidget*> chain;
    CollectTabChain(*this, chain);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TForm::FocusFirstControl() {
    QWidget* w = Widget();
    if (!w) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && w->isAncestorOf(focus)) return;
    std::vector<QWidget*> chain;
    CollectTabChain(*this, chain);
    if (!chain.empty()) {
        chain.front()->setFocus(Qt::TabFocusReason);
    } else {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void TForm::VisibleChanged() {
    const bool showing = Visible() && !HasState(csReading | csLoading);
    if (showing) {
        Realise();
        UpdateTabOrder();
        if (!shownOnce_) {
            shownOnce_ = true;
            PlaceOnScreen();
        }
        DoShow();
    }
    TWinControl::VisibleChanged();
    if (showing && Visible()) {
        if (QWidget* w = Widget()) {
            w->raise();
            w->activateWindow();
        }
        FocusFirstControl();
    } else if (!Visible() && onHide_) {
        onHide_(this);
    }
}

// --- modal showing and closing ---------------------------------------------------------

void TForm::SetModalResult(TModalResult value) {
    modalResult_ = value;
    if (modal_ && value != mrNone && loop_) loop_->quit();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (onCloseQuery_) onCloseQuery_(this, canClose);
    return canClose;
}

bool TForm::CloseModal() {
    TCloseAction action = caNone;
    try {
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
    } catch (const std::exception& e) {
        HandleException(e);  // the dialog stays open
        action = caNone;
    }
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

int TForm::ShowModal() {
    if (modal_ || Visible()) throw Exception("Impossible de rendre modale une fen\xC3\xAAtre visible");
    modal_ = true;
    modalResult_ = mrNone;
    struct Reset {
        TForm& form;
        ~Reset() {
            form.loop_ = nullptr;
            form.modal_ = false;
            if (QWidget* w = form.Widget()) w->setWindowModality(Qt::NonModal);
        }
    } reset{*this};
    Realise();
    if (QWidget* w = Widget()) w->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    loop_ = &loop;
    for (;;) {
        if (modalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
        if (modalResult_ == mrNone) {
            // Left without a result: the application is ending, or the form went away.
            modalResult_ = mrCancel;
            break;
        }
        if (CloseModal()) break;
    }
    Hide();
    return modalResult_;
}

void TForm::Close() {
    if (modal_) {
        SetModalResult(mrCancel);  // the modal loop runs the close sequence
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application.MainForm() == this) {
        Hide();
        Application.Terminate();
        return;
    }
    if (action == caMinimize) {
        if (QWidget* w = Widget()) w->showMinimized();
        return;
    }
    Hide();
}

void TForm::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (onKeyDown_) onKeyDown_(this, key, shift);
}

void TForm::KeyPress(char& key) {
    if (onKeyPress_) onKeyPress_(this, key);
}

void TForm::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (onKeyUp_) onKeyUp_(this, key, shift);
}

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TForm;
        TClassInfo c("TForm", &TWinControl::StaticClassInfo(), MakeFactory<TForm>());
        c.Inherit("Left");
        c.Inherit("Top");
        c.Publish(IntegerProperty("Width", &C::OuterWidth, &C::SetOuterWidth));
        c.Publish(IntegerProperty("Height", &C::OuterHeight, &C::SetOuterHeight));
        c.Publish(SetProperty("BorderIcons", BorderIconType(), &C::BorderIcons, &C::SetBorderIcons));
        c.Publish(EnumProperty("BorderStyle", FormBorderStyleType(), &C::BorderStyle, &C::SetBorderStyle));
        c.Inherit("Caption");
        c.Publish(IntegerProperty("ClientHeight", &C::ClientHeight, &C::SetClientHeight));
        c.Publish(IntegerProperty("ClientWidth", &C::ClientWidth, &C::SetClientWidth));
        c.Inherit("Color");
        c.Inherit("Cursor");
        c.Inherit("Enabled");
        c.Inherit("Font");
        c.Inherit("Hint");
        c.Publish(PictureProperty("Icon", &C::Icon, &C::SetIcon));
        c.Publish(IntegerProperty("ModalResult", &C::ModalResult, &C::SetModalResult));
        c.Publish(EnumProperty("Position", PositionType(), &C::Position, &C::SetPosition));
        c.Inherit("PopupMenu");
        c.Inherit("ShowHint");
        c.Inherit("Visible");
        c.Publish(EventProperty("OnClose", &C::OnClose, &C::SetOnClose));
        c.Publish(EventProperty("OnCloseQuery", &C::OnCloseQuery, &C::SetOnCloseQuery));
        c.Publish(EventProperty("OnCreate", &C::OnCreate, &C::SetOnCreate));
        c.Publish(EventProperty("OnHide", &C::OnHide, &C::SetOnHide));
        c.Publish(EventProperty("OnKeyDown", &C::OnKeyDown, &C::SetOnKeyDown));
        c.Publish(EventProperty("OnKeyPress", &C::OnKeyPress, &C::SetOnKeyPress));
        c.Publish(EventProperty("OnKeyUp", &C::OnKeyUp, &C::SetOnKeyUp));
        c.Publish(EventProperty("OnShow", &C::OnShow, &C::SetOnShow));
        c.Inherit("OnClick");
        c.Inherit("OnDblClick");
        c.Inherit("OnMouseDown");
        c.Inherit("OnMouseMove");
        c.Inherit("OnMouseUp");
        return c;
    }();
    return info;
}

}  // namespace tresilva
