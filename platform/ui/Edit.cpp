#include "platform/ui/Edit.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

void SetBase(QWidget& widget, TColor color) {
    QPalette p = widget.palette();
    const TColor c = ColorToRGB(color);
    p.setColor(QPalette::Active, QPalette::Base, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    p.setColor(QPalette::Inactive, QPalette::Base, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    widget.setPalette(p);
}

}  // namespace

TEdit::TEdit(TComponent* owner) : TStdControl(owner) {
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TEdit::SetMaxLength(int value) {
    maxLength_ = value < 0 ? 0 : value;
    if (auto* edit = qobject_cast<QLineEdit*>(Widget())) edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (auto* edit = qobject_cast<QLineEdit*>(Widget())) edit->setReadOnly(value);
}

QWidget* TEdit::CreateWidget(QWidget* parentWidget) {
    auto* edit = new QLineEdit(parentWidget);
    PrepareWidget(*edit);
    SetBase(*edit, Color());
    edit->setText(QString::fromStdString(Text()));
    edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
    edit->setReadOnly(readOnly_);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& text) {
        CallGuarded([&] {
            fromWidget_ = true;
            struct Reset {
                bool& flag;
                ~Reset() { flag = false; }
            } reset{fromWidget_};
            SetText(text.toStdString());
        });
    });
    return edit;
}

void TEdit::TextChanged() {
    TStdControl::TextChanged();
    if (!fromWidget_) {
        if (auto* edit = qobject_cast<QLineEdit*>(Widget())) {
            const QSignalBlocker block(edit);
            edit->setText(QString::fromStdString(Text()));
        }
    }
    if (onChange_ && !HasState(csReading)) onChange_(this);
}

void TEdit::ColorChanged() {
    TStdControl::ColorChanged();
    if (QWidget* w = Widget()) SetBase(*w, Color());
}

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TEdit;
        TClassInfo c("TEdit", &TStdControl::StaticClassInfo(), MakeFactory<TEdit>());
        c.InheritAll();
        for (const char* name : {"Color", "DragCursor", "DragMode", "Enabled", "Font"}) c.Inherit(name);
        c.Publish(IntegerProperty("MaxLength", &C::MaxLength, &C::SetMaxLength));
        for (const char* name : {"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"}) c.Inherit(name);
        c.Publish(BooleanProperty("ReadOnly", &C::ReadOnly, &C::SetReadOnly));
        for (const char* name : {"ShowHint", "TabOrder", "TabStop", "Text", "Visible"}) c.Inherit(name);
        c.Publish(EventProperty("OnChange", &C::OnChange, &C::SetOnChange));
        for (const char* name : {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag"}) c.Inherit(name);
        return c;
    }();
    return info;
}

}  // namespace tresilva
