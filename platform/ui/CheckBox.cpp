#include "platform/ui/CheckBox.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

// The box stands on its own colour (the window's, through ParentColor).
void SetBackground(QWidget& widget, TColor color) {
    QPalette p = widget.palette();
    const TColor c = ColorToRGB(color);
    p.setColor(QPalette::Window, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    widget.setPalette(p);
}

}  // namespace

TCheckBox::TCheckBox(TComponent* owner) : TStdControl(owner) { SetTabStop(true); }

void TCheckBox::SetChecked(bool value) {
    checked_ = value;
    if (auto* box = qobject_cast<QCheckBox*>(Widget())) {
        const QSignalBlocker block(box);
        box->setChecked(value);
    }
}

void TCheckBox::SetAlignment(TAlignment value) {
    alignment_ = value == taLeftJustify ? taLeftJustify : taRightJustify;
    if (QWidget* w = Widget()) w->setLayoutDirection(alignment_ == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::Toggle() {
    SetChecked(!checked_);
    Click();
}

QWidget* TCheckBox::CreateWidget(QWidget* parentWidget) {
    auto* box = new QCheckBox(QString::fromStdString(Caption()), parentWidget);
    PrepareWidget(*box);
    box->setChecked(checked_);
    box->setLayoutDirection(alignment_ == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    QObject::connect(box, &QCheckBox::clicked, box, [this](bool checked) {
        CallGuarded([&] {
            checked_ = checked;
            Click();
        });
    });
    // Buttons fill with the button colour by default; a check box stands on its own colour.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    SetBackground(*box, Color());
    return box;
}

void TCheckBox::ApplyColor() {
    if (QWidget* w = Widget()) SetBackground(*w, Color());
}

void TCheckBox::TextChanged() {
    TStdControl::TextChanged();
    if (auto* box = qobject_cast<QCheckBox*>(Widget())) box->setText(QString::fromStdString(Caption()));
}

void TCheckBox::ColorChanged() {
    TStdControl::ColorChanged();
    ApplyColor();
}

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TCheckBox;
        TClassInfo c("TCheckBox", &TStdControl::StaticClassInfo(), MakeFactory<TCheckBox>());
        c.InheritAll();
        c.Publish(EnumProperty("Alignment", AlignmentType(), &C::Alignment, &C::SetAlignment));
        c.Inherit("Caption");
        c.Publish(BooleanProperty("Checked", &C::Checked, &C::SetChecked));
        for (const char* name : {"Color", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentFont",
                                 "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"}) {
            c.Inherit(name);
        }
        return c;
    }();
    return info;
}

}  // namespace tresilva
