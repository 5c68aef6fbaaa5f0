#include "app/RatesForm.h"

namespace tresilva {

Ttaux* taux = nullptr;

Ttaux::Ttaux(TComponent* owner) : TForm(owner) {
    taux = this;
    DefineMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
}

void Ttaux::FormCreate(TObject*) { SetBorderIcons(BorderIcon(biSystemMenu)); }

}  // namespace tresilva
