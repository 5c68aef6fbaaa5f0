#pragma once
// The base of the windowed standard controls (panel, group box, check box,
// drop-down list, edit field, picture button): a place in the keyboard's tab
// order and, for those made of a Qt widget, the classic look and the font.
#include "platform/ui/CustomControl.h"

namespace tresilva {

class TStdControl : public TCustomControl {
public:
    explicit TStdControl(TComponent* owner);

    // Position among the windowed siblings in the tab order (lowest first).
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value);
    // Whether Tab stops on the control; a control that takes no focus ignores it.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Whether the control can hold the keyboard focus at all.
    virtual bool CanFocus() const { return false; }
    bool Focused() const;
    void SetFocus();

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    // Declares TabOrder and TabStop for descendants to publish.
    static const TClassInfo& StaticClassInfo();

protected:
    // Gives a control's own Qt widget the classic look, font, focus policy
    // and enabled state; CreateWidget overrides call it.
    void PrepareWidget(QWidget& widget);
    void FontChanged() override;
    void EnabledChanged() override;
    void UpdateFocusPolicy();

private:
    int tabOrder_ = -1;
    bool tabStop_ = false;
};

}  // namespace tresilva
