#include "platform/ui/BitBtn.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "platform/ui/ClassicLook.h"
#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/Form.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

// Enter presses the focused button, as Space does; nothing else is a default.
class BitBtnWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
            if (!event->isAutoRepeat()) click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

TBitBtn::TBitBtn(TComponent* owner) : TStdControl(owner) { SetTabStop(true); }

void TBitBtn::SetGlyph(const TBitmap& value) {
    glyph_ = value;
    ApplyGlyph();
}

void TBitBtn::SetNumGlyphs(int value) {
    numGlyphs_ = std::clamp(value, 1, 4);
    ApplyGlyph();
}

void TBitBtn::ApplyGlyph() {
    if (auto* button = qobject_cast<QPushButton*>(Widget())) ApplyGlyphTo(*button);
}

void TBitBtn::ApplyGlyphTo(QPushButton& button) const {
    if (glyph_.Empty()) {
        button.setIcon(QIcon());
        return;
    }
    const int w = glyph_.Width() / numGlyphs_;
    const TColor transparent = glyph_.Pixel(0, glyph_.Height() - 1);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(MaskedImage(glyph_, 0, w, transparent)), QIcon::Normal);
    if (numGlyphs_ >= 2) icon.addPixmap(QPixmap::fromImage(MaskedImage(glyph_, w, w, transparent)), QIcon::Disabled);
    button.setIcon(icon);
    button.setIconSize(QSize(w, glyph_.Height()));
}

QWidget* TBitBtn::CreateWidget(QWidget* parentWidget) {
    auto* button = new BitBtnWidget(QString::fromStdString(Caption()), parentWidget);
    PrepareWidget(*button);
    button->setAutoDefault(false);
    button->setDefault(false);
    ApplyGlyphTo(*button);
    QObject::connect(button, &QPushButton::clicked, button, [this] { CallGuarded([&] { Click(); }); });
    return button;
}

void TBitBtn::TextChanged() {
    TStdControl::TextChanged();
    if (auto* button = qobject_cast<QPushButton*>(Widget())) button->setText(QString::fromStdString(Caption()));
}

void TBitBtn::Click() {
    if (modalResult_ != mrNone) {
        for (TWinControl* p = Parent(); p; p = p->Parent()) {
            if (auto* form = dynamic_cast<TForm*>(p)) {
                form->SetModalResult(modalResult_);
                break;
            }
        }
    }
    TStdControl::Click();
}

const TClassInfo& TBitBtn::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TBitBtn;
        TClassInfo c("TBitBtn", &TStdControl::StaticClassInfo(), MakeFactory<TBitBtn>());
        c.InheritAll();
        for (const char* name : {"Caption", "Enabled", "Font"}) c.Inherit(name);
        c.Publish(BitmapProperty("Glyph", &C::Glyph, &C::SetGlyph));
        c.Publish(IntegerProperty("ModalResult", &C::ModalResult, &C::SetModalResult));
        c.Publish(IntegerProperty("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs));
        for (const char* name : {"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible",
                                 "OnClick"}) {
            c.Inherit(name);
        }
        return c;
    }();
    return info;
}

}  // namespace tresilva
