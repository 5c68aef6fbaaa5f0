#include "platform/ui/Reader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>

#include "platform/data/LayoutParser.h"
#include "platform/data/Resources.h"
#include "platform/gfx/Color.h"
#include "platform/ui/Component.h"
#include "platform/ui/Control.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/Properties.h"
#include "platform/ui/StdClasses.h"
#include "platform/ui/WinControl.h"

namespace tresilva {

namespace {

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

[[noreturn]] void BadValue(const std::string& detail) { throw ELayoutBadValue(detail); }

std::string Expected(const char* what, const TLayoutValue& value) {
    return std::string(what) + " expected, not " + value.KindName();
}

std::int64_t IntegerValue(const TLayoutValue& value) {
    if (value.kind != TLayoutValueKind::Integer) BadValue(Expected("integer", value));
    if (value.integer < std::numeric_limits<std::int32_t>::min() ||
        value.integer > std::numeric_limits<std::uint32_t>::max()) {
        BadValue("out of range");
    }
    return value.integer;
}

// A 32-bit little-endian byte count, then the bytes: the block a picture's or
// bitmap's Data property takes.
TBytes LengthPrefixed(const std::vector<std::uint8_t>& file) {
    if (file.size() > std::numeric_limits<std::uint32_t>::max()) BadValue("asset too large");
    const auto n = static_cast<std::uint32_t>(file.size());
    // Sized once and filled in place: GCC 12 misreads an insert after a
    // four-byte initialiser as an out-of-bounds copy (-Warray-bounds).
    TBytes block(4 + file.size());
    for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(file.begin(), file.end(), block.begin() + 4);
    return block;
}

// The bytes of a binary value. An asset behind a picture or bitmap stands
// for the BMP file itself, so it gets the block's length in front.
TBytes BinaryValue(const TLayoutValue& value, bool imageBlock) {
    if (value.kind == TLayoutValueKind::Binary) return value.bytes;
    if (value.kind == TLayoutValueKind::Asset) return imageBlock ? LengthPrefixed(value.bytes) : value.bytes;
    BadValue(Expected("binary block or asset", value));
}

bool IsImageData(const TClassInfo& info, std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos || !SameText(name.substr(dot + 1), "Data")) return false;
    const TPropInfo* owner = info.FindPublished(name.substr(0, dot));
    return owner && (owner->Kind == TTypeKind::Picture || owner->Kind == TTypeKind::Bitmap);
}

std::int64_t SetValue(const TPropInfo& p, const TLayoutValue& value) {
    if (value.kind != TLayoutValueKind::Set) BadValue(Expected("set", value));
    std::int64_t bits = 0;
    for (const std::string& element : value.items) {
        const int ordinal = p.Type ? p.Type->ValueOf(element) : -1;
        if (ordinal < 0 || ordinal >= 63) BadValue("unknown set element '" + element + "'");
        bits |= std::int64_t{1} << ordinal;
    }
    return bits;
}

std::int64_t OrdinalValue(const TPropInfo& p, const TLayoutValue& value) {
    switch (p.Kind) {
        case TTypeKind::Integer: return IntegerValue(value);
        case TTypeKind::Boolean:
            if (value.kind == TLayoutValueKind::Identifier) {
                if (SameText(value.text, "True")) return 1;
                if (SameText(value.text, "False")) return 0;
            }
            BadValue("True or False expected");
        case TTypeKind::Enumeration: {
            if (value.kind != TLayoutValueKind::Identifier) BadValue(Expected("identifier", value));
            const int ordinal = p.Type ? p.Type->ValueOf(value.text) : -1;
            if (ordinal < 0) BadValue("unknown value '" + value.text + "'");
            return ordinal;
        }
        case TTypeKind::Set: return SetValue(p, value);
        case TTypeKind::Color: {
            if (value.kind == TLayoutValueKind::Integer) return static_cast<TColor>(IntegerValue(value));
            TColor color = 0;
            if (value.kind == TLayoutValueKind::Identifier && ColorFromName(value.text.c_str(), color)) return color;
            if (value.kind == TLayoutValueKind::Identifier) BadValue("unknown colour '" + value.text + "'");
            BadValue(Expected("colour", value));
        }
        case TTypeKind::Cursor: {
            if (value.kind == TLayoutValueKind::Integer) return IntegerValue(value);
            TCursor cursor = 0;
            if (value.kind == TLayoutValueKind::Identifier && CursorFromName(value.text, cursor)) return cursor;
            if (value.kind == TLayoutValueKind::Identifier) BadValue("unknown cursor '" + value.text + "'");
            BadValue(Expected("cursor", value));
        }
        default: BadValue("not an ordinal property");
    }
}

// Is `component` still alive: the root or one of the components it owns,
// directly or further down?
bool Owns(const TComponent& owner, const TComponent* component) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        const TComponent* c = owner.Components(i);
        if (c == component || Owns(*c, component)) return true;
    }
    return false;
}

}  // namespace

TReader::TReader(const TLayout& layout, TComponent& root) : layout_(layout), root_(&root), owner_(&root) {
    RegisterStdClasses();
}

void TReader::ReadData(TComponent& instance) {
    const TLayoutObject* node = next_;
    if (!node) throw ELayoutError(layout_.file, 0, "nothing to read for " + instance.ClassName());
    next_ = nullptr;
    instance.IncludeState(csLoading | csReading);
    loaded_.push_back(&instance);
    ReadProperties(instance, *node);
    ReadChildren(instance, *node);
}

void TReader::ReadProperties(TComponent& instance, const TLayoutObject& node) {
    const TClassInfo& info = instance.ClassInfo();
    for (const TLayoutProperty& property : node.properties) {
        const std::string where = "'" + property.name + "' of " + node.className;
        try {
            std::optional<TPropInfo> p = ResolveProperty(info, property.name);
            // "Items.Strings", as form files write a list of strings.
            const auto dot = property.name.rfind('.');
            if (!p && dot != std::string::npos && SameText(std::string_view(property.name).substr(dot + 1), "Strings")) {
                p = ResolveProperty(info, std::string_view(property.name).substr(0, dot));
                if (p && p->Kind != TTypeKind::Strings) p.reset();
            }
            if (!p) {
                const bool event = property.name.size() > 2 && property.name.compare(0, 2, "On") == 0 &&
                                   std::isupper(static_cast<unsigned char>(property.name[2]));
                throw ELayoutError(layout_.file, property.line, (event ? "unknown event " : "unknown property ") + where);
            }
            try {
                switch (p->Kind) {
                    case TTypeKind::Event: {
                        if (property.value.kind != TLayoutValueKind::Identifier) {
                            throw ELayoutError(layout_.file, property.line,
                                               "event " + where + " needs a handler name, not " +
                                                   property.value.KindName());
                        }
                        const std::any* handler = root_->FindMethod(property.value.text);
                        if (!handler) {
                            throw ELayoutError(layout_.file, property.line,
                                               "unknown handler '" + property.value.text + "' for event " + where);
                        }
                        try {
                            p->SetEvent(instance, *handler);
                        } catch (const EPropertyError&) {
                            throw ELayoutError(layout_.file, property.line,
                                               "handler '" + property.value.text + "' does not fit event " + where);
                        }
                        break;
                    }
                    case TTypeKind::String:
                        if (property.value.kind != TLayoutValueKind::String) {
                            BadValue(Expected("string", property.value));
                        }
                        p->SetStr(instance, property.value.text);
                        break;
                    case TTypeKind::Strings:
                        if (property.value.kind != TLayoutValueKind::StringList) {
                            BadValue(Expected("list of strings", property.value));
                        }
                        p->SetStrings(instance, property.value.items);
                        break;
                    case TTypeKind::Binary:
                        p->SetBytes(instance, BinaryValue(property.value, IsImageData(info, property.name)));
                        break;
                    case TTypeKind::Picture: {
                        TPicture picture;
                        picture.SetBitmap(BitmapFromDataBlock(BinaryValue(property.value, true)));
                        p->SetPicture(instance, picture);
                        break;
                    }
                    case TTypeKind::Bitmap:
                        p->SetBitmap(instance, BitmapFromDataBlock(BinaryValue(property.value, true)));
                        break;
                    case TTypeKind::Font: BadValue("a font is given by its parts (Font.Name, Font.Height...)");
                    case TTypeKind::Component:
                        if (property.value.kind != TLayoutValueKind::Identifier) {
                            BadValue(Expected("component name", property.value));
                        }
                        // Resolved once everything is read: the component may come later in the file.
                        fixups_.push_back({&instance, *p, property.value.text, property.line, where});
                        break;
                    default: p->SetOrd(instance, OrdinalValue(*p, property.value)); break;
                }
            } catch (const ELayoutBadValue& e) {
                throw ELayoutError(layout_.file, property.line, "bad value for " + where + ": " + e.what());
            }
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            std::throw_with_nested(ELayoutError(layout_.file, property.line, e.what()));
        }
    }
}

void TReader::ReadChildren(TComponent& instance, const TLayoutObject& node) {
    for (const TLayoutObject& childNode : node.children) {
        TComponent* child = nullptr;
        try {
            const TClassInfo* info = FindClass(childNode.className);
            if (!info || !info->Creatable()) {
                throw ELayoutError(layout_.file, childNode.line, "unknown class '" + childNode.className + "'");
            }
            if (!childNode.name.empty() && (root_->FindComponent(childNode.name) || SameText(root_->Name(), childNode.name))) {
                throw ELayoutError(layout_.file, childNode.line, "duplicate name '" + childNode.name + "'");
            }
            child = info->Create(root_);
            child->SetName(childNode.name);
            auto* control = dynamic_cast<TControl*>(child);
            auto* host = dynamic_cast<TWinControl*>(&instance);
            if (control && host) {
                child->IncludeState(csLoading | csReading);  // a window shows only once it is read
                control->SetParent(host);
            } else if (control) {
                throw ELayoutError(layout_.file, childNode.line,
                                   node.className + " cannot hold the control '" + childNode.className + "'");
            }
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            std::throw_with_nested(ELayoutError(layout_.file, childNode.line, e.what()));
        }
        TComponent* const savedParent = parent_;
        parent_ = &instance;
        next_ = &childNode;
        try {
            child->ReadState(*this);
        } catch (const ELayoutError&) {
            parent_ = savedParent;
            next_ = nullptr;
            throw;
        } catch (const std::exception& e) {
            parent_ = savedParent;
            next_ = nullptr;
            std::throw_with_nested(ELayoutError(layout_.file, childNode.line, e.what()));
        }
        parent_ = savedParent;
        next_ = nullptr;
    }
}

void TReader::ReadRoot() {
    if (root_->Name().empty()) root_->SetName(layout_.root.name);
    next_ = &layout_.root;
    parent_ = nullptr;
    auto clearStates = [this] {
        for (TComponent* c : loaded_) {
            if (c == root_ || Owns(*root_, c)) c->ExcludeState(csLoading | csReading);
        }
    };
    try {
        try {
            root_->ReadState(*this);
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            std::throw_with_nested(ELayoutError(layout_.file, layout_.root.line, e.what()));
        }
        next_ = nullptr;
        for (const Fixup& f : fixups_) {
            if (f.object != root_ && !Owns(*root_, f.object)) continue;
            TComponent* target = SameText(root_->Name(), f.name) ? root_ : root_->FindComponent(f.name);
            if (!target) {
                throw ELayoutError(layout_.file, f.line, "unknown component '" + f.name + "' for " + f.where);
            }
            try {
                f.property.SetComponent(*f.object, target);
            } catch (const std::exception& e) {
                std::throw_with_nested(ELayoutError(layout_.file, f.line, e.what()));
            }
        }
    } catch (...) {
        clearStates();
        throw;
    }
    // Every object has its properties: each one finishes in reading order.
    const std::vector<TComponent*> read = loaded_;
    for (TComponent* c : read) {
        if (c != root_ && !Owns(*root_, c)) continue;  // freed by a hook meanwhile
        c->ExcludeState(csReading);
        c->Loaded();
        c->ExcludeState(csLoading);
    }
    // A window read as visible shows now that it is complete.
    for (TComponent* c : read) {
        if (c != root_ && !Owns(*root_, c)) continue;
        auto* window = dynamic_cast<TWinControl*>(c);
        if (window && !window->Parent() && window->Visible()) {
            // Through the visibility change, so a form places itself and runs OnShow.
            window->SetVisible(false);
            window->SetVisible(true);
        }
    }
}

void ReadLayoutText(TComponent& root, std::string_view text, const std::string& file) {
    const TLayout layout = ParseLayout(text, file, [](std::string_view name) { return FindResource(name); });
    TReader reader(layout, root);
    reader.ReadRoot();
}

void ReadLayoutResource(TComponent& root, std::string_view resourceName) {
    const std::optional<std::vector<std::uint8_t>> bytes = FindResource(resourceName);
    if (!bytes) throw Exception("Ressource introuvable : " + std::string(resourceName));
    ReadLayoutText(root, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                   std::string(resourceName));
}

}  // namespace tresilva
