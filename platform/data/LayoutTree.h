#pragma once
// A layout file read into a tree: each object with its class, its name (empty
// for a nameless object), its line, its properties in file order and its child
// objects in file order.
#include "platform/data/LayoutValue.h"

#include <string>
#include <vector>

namespace tresilva {

struct TLayoutProperty {
    std::string name;  // dotted for a property of a property: "Font.Name"
    TLayoutValue value;
    int line = 0;
};

struct TLayoutObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<TLayoutProperty> properties;
    std::vector<TLayoutObject> children;
};

struct TLayout {
    std::string file;  // the name used in error messages
    TLayoutObject root;
};

}  // namespace tresilva
