#pragma once
// The root of every class that publishes properties: it knows its class
// description (name, published properties, factory).

#include <string>

namespace tresilva {

class TClassInfo;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The description of the object's most derived described class. A class
    // that publishes properties overrides this to return its StaticClassInfo().
    virtual const TClassInfo& ClassInfo() const;
    const std::string& ClassName() const;
    // True when the object's class is `info` or derives from it.
    bool InheritsFrom(const TClassInfo& info) const;

    static const TClassInfo& StaticClassInfo();
};

}  // namespace tresilva
