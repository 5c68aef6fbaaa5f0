#pragma once
// Published properties and the class registry.
//
// Each class describes itself once (a TClassInfo): its name, its parent's
// description, a factory, and its published properties in the order the class
// stores them. That order is the class's own: a list may interleave the
// class's properties with inherited ones (Inherit), so a layout that writes
// them in declaration order sets them in exactly that order. Every getter and
// setter calls the class's own accessors, so reading a layout goes through
// the same setters as the code.
//
// Building a description:
//
//   const TClassInfo& TMyControl::StaticClassInfo() {
//       static const TClassInfo info = [] {
//           TClassInfo c("TMyControl", &TGraphicControl::StaticClassInfo(),
//                        MakeFactory<TMyControl>());
//           c.InheritAll();                                   // Left, Top, Width, Height, Cursor, Hint
//           c.Publish(IntegerProperty("Depth", &TMyControl::Depth, &TMyControl::SetDepth));
//           c.Inherit("Visible", "visible");                  // an inherited one, renamed
//           c.Inherit("OnClick");
//           return c;
//       }();
//       return info;
//   }
//
// and register it with RegisterClass(TMyControl::StaticClassInfo()) where the
// layout reader must find it by name.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/Errors.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Object.h"

namespace tresilva {

class TComponent;

enum class TTypeKind : std::uint8_t {
    Integer,      // 32-bit signed (or unsigned, as the accessor takes it)
    Boolean,
    String,       // UTF-8
    Enumeration,  // ordinal; value names in Type
    Set,          // bit i = element of ordinal i; element names in Type
    Color,        // TColor
    Cursor,       // TCursor, a cursor number
    Font,         // a TFont object; its sub-properties are Name, Height, Style, Color
    Picture,      // a TPicture; sub-property Data (bitmap data, see below)
    Bitmap,       // a TBitmap; sub-property Data
    Strings,      // a list of strings
    Binary,       // a block of bytes
    Event,        // a handler, bound by name through the root's methods
    Component,    // a reference to another component (by name in layouts)
};

using TBytes = std::vector<std::uint8_t>;
using TStringVector = std::vector<std::string>;

// An enumeration's value names, ordinal 0 first; also the element type of a set.
struct TEnumType {
    std::string Name;
    std::vector<std::string> Values;
    // Ordinal of a value name, matched without regard to case; -1 when unknown.
    int ValueOf(std::string_view name) const;
    // Name of an ordinal; empty when out of range.
    std::string NameOf(std::int64_t ordinal) const;
};

// A property name, kind or handler that does not fit.
class EPropertyError : public Exception {
public:
    using Exception::Exception;
};

// One property. Only the accessors of its kind are set:
//   Integer, Boolean, Enumeration, Set, Color, Cursor: GetOrd / SetOrd
//   String: GetStr / SetStr        Strings: GetStrings / SetStrings
//   Binary: GetBytes / SetBytes    Font: FontOf (sub-properties write into it)
//   Picture: GetPicture / SetPicture    Bitmap: GetBitmap / SetBitmap
//   Event: SetEvent (a std::any holding the event's own std::function type) / EventAssigned
//   Component: GetComponent / SetComponent
// Getters take a non-const object: a few reads have effects of their own.
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::Integer;
    const TEnumType* Type = nullptr;

    std::function<std::int64_t(TObject&)> GetOrd;
    std::function<void(TObject&, std::int64_t)> SetOrd;
    std::function<std::string(TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<TStringVector(TObject&)> GetStrings;
    std::function<void(TObject&, const TStringVector&)> SetStrings;
    std::function<TBytes(TObject&)> GetBytes;
    std::function<void(TObject&, const TBytes&)> SetBytes;
    std::function<TFont&(TObject&)> FontOf;
    std::function<const TPicture&(TObject&)> GetPicture;
    std::function<void(TObject&, const TPicture&)> SetPicture;
    std::function<const TBitmap&(TObject&)> GetBitmap;
    std::function<void(TObject&, const TBitmap&)> SetBitmap;
    std::function<void(TObject&, const std::any&)> SetEvent;
    std::function<bool(TObject&)> EventAssigned;
    std::function<TComponent*(TObject&)> GetComponent;
    std::function<void(TObject&, TComponent*)> SetComponent;
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

class TClassInfo {
public:
    TClassInfo(std::string name, const TClassInfo* parent, TComponentFactory factory = {});

    const std::string& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    // Creates an instance owned by `owner`; throws EPropertyError for an abstract class.
    TComponent* Create(TComponent* owner) const;
    bool Creatable() const { return static_cast<bool>(factory_); }
    bool InheritsFrom(const TClassInfo& other) const;

    // The published properties, in stored order.
    const std::vector<TPropInfo>& Published() const { return published_; }
    // A published property by name (without regard to case), or null.
    const TPropInfo* FindPublished(std::string_view name) const;
    // Any property this class or an ancestor declared, published or not, or null.
    const TPropInfo* FindDeclared(std::string_view name) const;

    // Building (only while the description is made):
    // declares and publishes a property of this class, at the end of the list;
    TClassInfo& Publish(TPropInfo property);
    // declares a property that descendants may publish, without publishing it;
    TClassInfo& Declare(TPropInfo property);
    // publishes an ancestor's declared property here, optionally under another
    // name (a name that differs only in case, as "visible");
    TClassInfo& Inherit(std::string_view name, std::string_view publishedName = {});
    // publishes the parent's whole published list, in its order.
    TClassInfo& InheritAll();

private:
    std::string name_;
    const TClassInfo* parent_;
    TComponentFactory factory_;
    std::vector<TPropInfo> published_;
    std::vector<TPropInfo> declared_;
};

// Registers a class under its name, so a layout can create it by name;
// registering the same description again does nothing.
void RegisterClass(const TClassInfo& info);
// A registered class by name (without regard to case), or null.
const TClassInfo* FindClass(std::string_view name);

// Looks up a property of an object's class by name. A dotted name reaches a
// sub-property: "Font.Name", "Font.Height", "Font.Style", "Font.Color" on a
// font property, "Data" on a picture or bitmap property (Binary: a 32-bit
// little-endian byte count N, then a whole BMP file of N bytes; a bad block
// gives EInvalidGraphic and leaves the property as it was). Returns nullopt
// when there is no such published property.
std::optional<TPropInfo> ResolveProperty(const TClassInfo& info, std::string_view name);
// As ResolveProperty on the object's class, throwing EPropertyError when missing.
TPropInfo GetProperty(TObject& object, std::string_view name);

// Convenience access by name, through the class's own accessors. They throw
// EPropertyError for a missing property or one of another kind.
std::int64_t GetOrdProp(TObject& object, std::string_view name);
void SetOrdProp(TObject& object, std::string_view name, std::int64_t value);
std::string GetStrProp(TObject& object, std::string_view name);
void SetStrProp(TObject& object, std::string_view name, const std::string& value);
// Sets an enumeration by its value name.
void SetEnumProp(TObject& object, std::string_view name, std::string_view valueName);
// Binds an event property to `handler` (std::any holding the event's std::function type).
void SetEventProp(TObject& object, std::string_view name, const std::any& handler);

// The Data block of a bitmap property: 32-bit little-endian length, then the BMP file.
TBitmap BitmapFromDataBlock(const TBytes& block);
TBytes BitmapToDataBlock(const TBitmap& bitmap);

// --- typed builders over member functions -------------------------------------

namespace detail {
template <class C>
C& As(TObject& object) {
    if (auto* p = dynamic_cast<C*>(&object)) return *p;
    throw EPropertyError("Objet de classe '" + object.ClassName() + "' sans cette propri\xC3\xA9t\xC3\xA9");
}
}  // namespace detail

// An ordinal property (Integer, Boolean, Enumeration, Set, Color, Cursor).
// `get` is any member callable returning a value convertible to int64.
template <class C, class G, class A>
TPropInfo OrdinalProperty(std::string name, TTypeKind kind, G get, void (C::*set)(A),
                          const TEnumType* type = nullptr) {
    using V = std::remove_cvref_t<A>;
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    p.Type = type;
    p.GetOrd = [get](TObject& o) { return static_cast<std::int64_t>(std::invoke(get, detail::As<C>(o))); };
    p.SetOrd = [set](TObject& o, std::int64_t v) { (detail::As<C>(o).*set)(static_cast<V>(v)); };
    return p;
}

template <class C, class G, class A>
TPropInfo IntegerProperty(std::string name, G get, void (C::*set)(A)) {
    return OrdinalProperty(std::move(name), TTypeKind::Integer, get, set);
}
template <class C, class G, class A>
TPropInfo BooleanProperty(std::string name, G get, void (C::*set)(A)) {
    return OrdinalProperty(std::move(name), TTypeKind::Boolean, get, set);
}
template <class C, class G, class A>
TPropInfo EnumProperty(std::string name, const TEnumType& type, G get, void (C::*set)(A)) {
    return OrdinalProperty(std::move(name), TTypeKind::Enumeration, get, set, &type);
}
template <class C, class G, class A>
TPropInfo SetProperty(std::string name, const TEnumType& elements, G get, void (C::*set)(A)) {
    return OrdinalProperty(std::move(name), TTypeKind::Set, get, set, &elements);
}
template <class C, class G, class A>
TPropInfo ColorProperty(std::string name, G get, void (C::*set)(A)) {
    return OrdinalProperty(std::move(name), TTypeKind::Color, get, set);
}
template <class C, class G, class A>
TPropInfo CursorProperty(std::string name, G get, void (C::*set)(A)) {
    return OrdinalProperty(std::move(name), TTypeKind::Cursor, get, set);
}

template <class C, class G, class A>
TPropInfo StringProperty(std::string name, G get, void (C::*set)(A)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::String;
    p.GetStr = [get](TObject& o) { return std::string(std::invoke(get, detail::As<C>(o))); };
    p.SetStr = [set](TObject& o, const std::string& v) { (detail::As<C>(o).*set)(v); };
    return p;
}

template <class C, class G, class A>
TPropInfo StringsProperty(std::string name, G get, void (C::*set)(A)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Strings;
    p.GetStrings = [get](TObject& o) { return TStringVector(std::invoke(get, detail::As<C>(o))); };
    p.SetStrings = [set](TObject& o, const TStringVector& v) { (detail::As<C>(o).*set)(v); };
    return p;
}

template <class C, class G, class A>
TPropInfo BinaryProperty(std::string name, G get, void (C::*set)(A)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Binary;
    p.GetBytes = [get](TObject& o) { return TBytes(std::invoke(get, detail::As<C>(o))); };
    p.SetBytes = [set](TObject& o, const TBytes& v) { (detail::As<C>(o).*set)(v); };
    return p;
}

// A font property: `fontOf` gives the object's own font, into which the
// sub-properties write (so its change notification runs as in the code).
template <class C, class F>
TPropInfo FontProperty(std::string name, F fontOf) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Font;
    p.FontOf = [fontOf](TObject& o) -> TFont& { return std::invoke(fontOf, detail::As<C>(o)); };
    return p;
}

template <class C, class G, class A>
TPropInfo PictureProperty(std::string name, G get, void (C::*set)(A)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Picture;
    p.GetPicture = [get](TObject& o) -> const TPicture& { return std::invoke(get, detail::As<C>(o)); };
    p.SetPicture = [set](TObject& o, const TPicture& v) { (detail::As<C>(o).*set)(v); };
    return p;
}

template <class C, class G, class A>
TPropInfo BitmapProperty(std::string name, G get, void (C::*set)(A)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Bitmap;
    p.GetBitmap = [get](TObject& o) -> const TBitmap& { return std::invoke(get, detail::As<C>(o)); };
    p.SetBitmap = [set](TObject& o, const TBitmap& v) { (detail::As<C>(o).*set)(v); };
    return p;
}

// An event property over a setter taking the event type (a std::function) and
// a getter returning it. The handler given by name must hold exactly that type.
template <class C, class G, class A>
TPropInfo EventProperty(std::string name, G get, void (C::*set)(A)) {
    using E = std::remove_cvref_t<A>;
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::Event;
    p.SetEvent = [set, name](TObject& o, const std::any& handler) {
        if (!handler.has_value()) {
            (detail::As<C>(o).*set)(E{});
            return;
        }
        const E* f = std::any_cast<E>(&handler);
        if (!f) throw EPropertyError("Gestionnaire de type incorrect pour " + name);
        (detail::As<C>(o).*set)(*f);
    };
    p.EventAssigned = [get](TObject& o) { return static_cast<bool>(std::invoke(get, detail::As<C>(o))); };
    return p;
}

template <class C, class G, class A>
TPropInfo ComponentProperty(std::string name, G get, void (C::*set)(A)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Component;
    p.GetComponent = [get](TObject& o) -> TComponent* { return std::invoke(get, detail::As<C>(o)); };
    p.SetComponent = [set](TObject& o, TComponent* v) { (detail::As<C>(o).*set)(v); };
    return p;
}

// A factory `new C(owner)` for a class whose constructor takes its owner.
template <class C>
TComponentFactory MakeFactory() {
    return [](TComponent* owner) -> TComponent* { return new C(owner); };
}

}  // namespace tresilva
