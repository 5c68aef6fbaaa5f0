#pragma once
// The configuration dialog: the default currency, the rounding option and the
// three editable rates. It has no logic of its own; its controls hold four of
// the settings and the main window reads them directly.
#include "platform/ui/Form.h"

namespace tresilva {

class TCheckBox;
class TComboBox;
class TEdit;

class Tconfig : public TForm {
public:
    explicit Tconfig(TComponent* owner);

    TComboBox& monnaie() const { return *monnaie_; }
    TCheckBox& arrondir() const { return *arrondir_; }
    TEdit& USD() const { return *usd_; }
    TEdit& GBP() const { return *gbp_; }
    TEdit& JPY() const { return *jpy_; }

protected:
    void Loaded() override;

private:
    TComboBox* monnaie_ = nullptr;
    TCheckBox* arrondir_ = nullptr;
    TEdit* usd_ = nullptr;
    TEdit* gbp_ = nullptr;
    TEdit* jpy_ = nullptr;
};

extern Tconfig* config;

}  // namespace tresilva
