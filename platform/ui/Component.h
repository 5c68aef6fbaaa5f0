#pragma once
// A named component with an owner. The owner frees the components it owns
// (newest first) when it is freed; freeing a component removes it from its
// owner first.
#include <any>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Object.h"

namespace tresilva {

// Component states, a set of bits.
enum TComponentStateFlag : std::uint16_t {
    csLoading = 1,     // the layout holding it is being read (until Loaded)
    csReading = 2,     // its own properties are being read from a layout
    csDesigning = 4,   // being edited in a designer (never set by this system itself)
    csDestroying = 8,  // its destructor runs
};
using TComponentState = std::uint16_t;

class TReader;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    // An owned component by name (without regard to case), or null.
    TComponent* FindComponent(std::string_view name) const;
    // Takes over (or gives up) ownership of a component.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponentState ComponentState() const { return state_; }
    bool HasState(TComponentState flags) const { return (state_ & flags) != 0; }
    // The layout reader sets csLoading / csReading around its work; tests may set csDesigning.
    void IncludeState(TComponentState flags) { state_ |= flags; }
    void ExcludeState(TComponentState flags) { state_ &= static_cast<TComponentState>(~flags); }

    // Called by the layout reader once every object of a layout has its
    // properties; clears csLoading. Overrides call the base first.
    virtual void Loaded();
    // The layout reader hands itself to each object it creates (and to the
    // root): the default reads the object's properties and children through
    // reader.ReadData(*this). An override may act before or after, or change
    // the reader's owner around it (restoring it also when reading fails).
    virtual void ReadState(TReader& reader);

    // Event handlers that a layout can bind by name: a root (a form) defines
    // its methods here, each as the event's own std::function type.
    void DefineMethod(const std::string& name, std::any handler);
    // A defined method by name (without regard to case), or null.
    const std::any* FindMethod(std::string_view name) const;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

private:
    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    TComponentState state_ = 0;
    std::vector<std::pair<std::string, std::any>> methods_;
};

}  // namespace tresilva
