#include "platform/ui/StdControl.h"

#include <QWidget>

#include "platform/gfx/QtFont.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Properties.h"

namespace tresilva {

TStdControl::TStdControl(TComponent* owner) : TCustomControl(owner) {}

void TStdControl::SetTabOrder(int value) { tabOrder_ = value; }

void TStdControl::SetTabStop(bool value) {
    tabStop_ = value;
    UpdateFocusPolicy();
}

bool TStdControl::Focused() const { return Widget() && Widget()->hasFocus(); }

void TStdControl::SetFocus() {
    Realise();
    if (QWidget* w = Widget()) w->setFocus(Qt::OtherFocusReason);
}

namespace {
Qt::FocusPolicy PolicyFor(bool canFocus, bool tabStop) {
    if (!canFocus) return Qt::NoFocus;
    return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}
}  // namespace

void TStdControl::UpdateFocusPolicy() {
    if (QWidget* w = Widget()) w->setFocusPolicy(PolicyFor(CanFocus(), tabStop_));
}

void TStdControl::PrepareWidget(QWidget& widget) {
    ApplyClassicLook(widget);
    widget.setFont(ToQFont(Font()));
    widget.setEnabled(Enabled());
    widget.setFocusPolicy(PolicyFor(CanFocus(), tabStop_));
}

void TStdControl::FontChanged() {
    TCustomControl::FontChanged();
    if (QWidget* w = Widget()) w->setFont(ToQFont(Font()));
}

void TStdControl::EnabledChanged() { TCustomControl::EnabledChanged(); }

const TClassInfo& TStdControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TStdControl;
        TClassInfo c("TStdControl", &TCustomControl::StaticClassInfo());
        c.InheritAll();
        c.Declare(IntegerProperty("TabOrder", &C::TabOrder, &C::SetTabOrder));
        c.Declare(BooleanProperty("TabStop", &C::TabStop, &C::SetTabStop));
        return c;
    }();
    return info;
}

}  // namespace tresilva
