#include "app/ConfigForm.h"

#include <stdexcept>
#include <string>

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

namespace tresilva {

Tconfig* config = nullptr;

namespace {

template <class T>
T* Require(TComponent& root, const char* name) {
    T* found = dynamic_cast<T*>(root.FindComponent(name));
    if (!found) throw std::runtime_error(std::string("config.layout: missing element '") + name + "'");
    return found;
}

}  // namespace

Tconfig::Tconfig(TComponent* owner) : TForm(owner) { config = this; }

void Tconfig::Loaded() {
    TForm::Loaded();
    monnaie_ = Require<TComboBox>(*this, "monnaie");
    arrondir_ = Require<TCheckBox>(*this, "arrondir");
    usd_ = Require<TEdit>(*this, "USD");
    gbp_ = Require<TEdit>(*this, "GBP");
    jpy_ = Require<TEdit>(*this, "JPY");
}

}  // namespace tresilva
