#include "platform/ui/Component.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/Properties.h"
#include "platform/ui/Reader.h"

namespace tresilva {

namespace {
bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    // Newest first; each one removes itself from the list as it goes.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;
        if (!components_.empty() && components_.back() == last) components_.pop_back();
    }
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) { name_ = name; }

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_) {
        if (SameText(c->name_, name)) return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this) return;
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
}

void TComponent::Loaded() { ExcludeState(csLoading); }

void TComponent::ReadState(TReader& reader) { reader.ReadData(*this); }

void TComponent::DefineMethod(const std::string& name, std::any handler) {
    for (auto& [n, h] : methods_) {
        if (SameText(n, name)) {
            h = std::move(handler);
            return;
        }
    }
    methods_.emplace_back(name, std::move(handler));
}

const std::any* TComponent::FindMethod(std::string_view name) const {
    for (const auto& [n, h] : methods_) {
        if (SameText(n, name)) return &h;
    }
    return nullptr;
}

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TComponent", &TObject::StaticClassInfo());
        c.Declare(StringProperty("Name", &TComponent::Name, &TComponent::SetName));
        return c;
    }();
    return info;
}

}  // namespace tresilva
