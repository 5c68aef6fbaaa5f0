#pragma once
// Turns a layout tree into live objects through a builder that knows the real
// classes. The walker visits the tree in file order: for each object its
// properties, then its children, each child created with its parent (the
// enclosing object) and its owner (the root). A property whose name is "On"
// followed by a capital letter is an event: its value must be a word, the name
// of the handler to bind.
//
// A builder signals what it does not know by raising ELayoutUnknownClass,
// ELayoutUnknownProperty, ELayoutUnknownEvent, ELayoutUnknownHandler or
// ELayoutBadValue; the walker raises ELayoutError with the file, the line and
// a message naming the class, property or handler. Any other error from the
// builder (an invalid bitmap, say) becomes an ELayoutError with that error's
// message, the original nested inside it (std::rethrow_if_nested).
#include "platform/data/LayoutError.h"
#include "platform/data/LayoutTree.h"

#include <exception>
#include <string>
#include <string_view>

namespace tresilva {

template <class Object>
class TLayoutBuilder {
public:
    virtual ~TLayoutBuilder() = default;

    // The root object exists already (the window reading its own layout).
    virtual void BeginRoot(Object& root, std::string_view className, std::string_view name) {
        (void)root, (void)className, (void)name;
    }
    // Creates an object by class name; never returns null.
    virtual Object* CreateChild(std::string_view className, std::string_view name, Object& parent, Object& owner) = 0;
    virtual void SetProperty(Object& object, std::string_view property, const TLayoutValue& value) = 0;
    virtual void BindEvent(Object& object, std::string_view event, std::string_view handler) = 0;
    // After an object's properties, before its first child.
    virtual void BeginChildren(Object& object) { (void)object; }
    // After an object's properties and children.
    virtual void EndObject(Object& object) { (void)object; }
    // After the whole layout: every object has been read.
    virtual void EndLayout(Object& root) { (void)root; }
};

inline bool IsLayoutEvent(std::string_view property) {
    return property.size() > 2 && property[0] == 'O' && property[1] == 'n' && property[2] >= 'A' && property[2] <= 'Z';
}

namespace layout_detail {

template <class Object, class Step>
void AtLine(const TLayout& layout, int line, Step&& step) {
    try {
        step();
    } catch (const ELayoutError&) {
        throw;
    } catch (const std::exception& e) {
        std::throw_with_nested(ELayoutError(layout.file, line, e.what()));
    }
}

template <class Object>
void ReadObject(const TLayout& layout, const TLayoutObject& node, Object& object, Object& owner,
                TLayoutBuilder<Object>& builder) {
    for (const TLayoutProperty& property : node.properties) {
        const std::string where = "'" + property.name + "' of " + node.className;
        try {
            if (IsLayoutEvent(property.name)) {
                if (property.value.kind != TLayoutValueKind::Identifier) {
                    throw ELayoutError(layout.file, property.line,
                                       "event " + where + " needs a handler name, not " + property.value.KindName());
                }
                try {
                    builder.BindEvent(object, property.name, property.value.text);
                } catch (const ELayoutUnknownEvent&) {
                    throw ELayoutError(layout.file, property.line, "unknown event " + where);
                } catch (const ELayoutUnknownHandler&) {
                    throw ELayoutError(layout.file, property.line,
                                       "unknown handler '" + property.value.text + "' for event " + where);
                }
            } else {
                try {
                    builder.SetProperty(object, property.name, property.value);
                } catch (const ELayoutUnknownProperty&) {
                    throw ELayoutError(layout.file, property.line, "unknown property " + where);
                } catch (const ELayoutBadValue& e) {
                    throw ELayoutError(layout.file, property.line, "bad value for " + where + ": " + e.what());
                }
            }
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            std::throw_with_nested(ELayoutError(layout.file, property.line, e.what()));
        }
    }
    AtLine<Object>(layout, node.line, [&] { builder.BeginChildren(object); });
    for (const TLayoutObject& childNode : node.children) {
        Object* child = nullptr;
        AtLine<Object>(layout, childNode.line, [&] {
            try {
                child = builder.CreateChild(childNode.className, childNode.name, object, owner);
            } catch (const ELayoutUnknownClass&) {
                child = nullptr;
            }
            if (!child) throw ELayoutError(layout.file, childNode.line, "unknown class '" + childNode.className + "'");
        });
        ReadObject(layout, childNode, *child, owner, builder);
        AtLine<Object>(layout, childNode.line, [&] { builder.EndObject(*child); });
    }
}

}  // namespace layout_detail

// Reads the layout into root and the objects the builder creates under it.
template <class Object>
void WalkLayout(const TLayout& layout, TLayoutBuilder<Object>& builder, Object& root) {
    const TLayoutObject& node = layout.root;
    layout_detail::AtLine<Object>(layout, node.line, [&] {
        try {
            builder.BeginRoot(root, node.className, node.name);
        } catch (const ELayoutUnknownClass&) {
            throw ELayoutError(layout.file, node.line, "unknown class '" + node.className + "'");
        }
    });
    layout_detail::ReadObject(layout, node, root, root, builder);
    layout_detail::AtLine<Object>(layout, node.line, [&] { builder.EndObject(root); });
    layout_detail::AtLine<Object>(layout, node.line, [&] { builder.EndLayout(root); });
}

}  // namespace tresilva
