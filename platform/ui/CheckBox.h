#pragma once
// A check box (a Qt check box in the classic look). OnClick runs when the
// user toggles it; setting Checked from code does not run it.
#include "platform/ui/StdControl.h"

namespace tresilva {

class TCheckBox : public TStdControl {
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    // The box on the left (taRightJustify, the default) or on the right.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool CanFocus() const override { return true; }

    // Toggles as a user's click does (and runs OnClick).
    void Toggle();

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;
    void ColorChanged() override;

private:
    void ApplyColor();
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace tresilva
