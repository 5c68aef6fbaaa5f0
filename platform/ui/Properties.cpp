#include "platform/ui/Properties.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace tresilva {

namespace {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

const TPropInfo* FindIn(const std::vector<TPropInfo>& list, std::string_view name) {
    for (const auto& p : list) {
        if (SameText(p.Name, name)) return &p;
    }
    return nullptr;
}

std::vector<const TClassInfo*>& Registry() {
    static std::vector<const TClassInfo*> classes;
    return classes;
}

const TEnumType& FontStyleType() {
    static const TEnumType type{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
    return type;
}

std::string KindMismatch(std::string_view name) {
    return "La propri\xC3\xA9t\xC3\xA9 '" + std::string(name) + "' n'est pas de ce type";
}

// The font sub-property `sub` of a font property.
std::optional<TPropInfo> FontSubProperty(const TPropInfo& font, std::string_view sub) {
    auto fontOf = font.FontOf;
    TPropInfo p;
    p.Name = font.Name + "." + std::string(sub);
    if (SameText(sub, "Name")) {
        p.Kind = TTypeKind::String;
        p.GetStr = [fontOf](TObject& o) { return fontOf(o).Name(); };
        p.SetStr = [fontOf](TObject& o, const std::string& v) { fontOf(o).SetName(v); };
    } else if (SameText(sub, "Height")) {
        p.Kind = TTypeKind::Integer;
        p.GetOrd = [fontOf](TObject& o) { return std::int64_t{fontOf(o).Height()}; };
        p.SetOrd = [fontOf](TObject& o, std::int64_t v) { fontOf(o).SetHeight(static_cast<int>(v)); };
    } else if (SameText(sub, "Style")) {
        p.Kind = TTypeKind::Set;
        p.Type = &FontStyleType();
        p.GetOrd = [fontOf](TObject& o) { return std::int64_t{fontOf(o).Style()}; };
        p.SetOrd = [fontOf](TObject& o, std::int64_t v) { fontOf(o).SetStyle(static_cast<TFontStyles>(v & 0x0F)); };
    } else if (SameText(sub, "Color")) {
        p.Kind = TTypeKind::Color;
        p.GetOrd = [fontOf](TObject& o) { return std::int64_t{fontOf(o).Color()}; };
        p.SetOrd = [fontOf](TObject& o, std::int64_t v) { fontOf(o).SetColor(static_cast<TColor>(v)); };
    } else {
        return std::nullopt;
    }
    return p;
}

// The Data sub-property of a picture or bitmap property.
std::optional<TPropInfo> DataSubProperty(const TPropInfo& owner, std::string_view sub) {
    if (!SameText(sub, "Data")) return std::nullopt;
    TPropInfo p;
    p.Name = owner.Name + ".Data";
    p.Kind = TTypeKind::Binary;
    if (owner.Kind == TTypeKind::Bitmap) {
        auto get = owner.GetBitmap;
        auto set = owner.SetBitmap;
        p.GetBytes = [get](TObject& o) { return BitmapToDataBlock(get(o)); };
        p.SetBytes = [set](TObject& o, const TBytes& v) { set(o, BitmapFromDataBlock(v)); };
    } else {
        auto get = owner.GetPicture;
        auto set = owner.SetPicture;
        p.GetBytes = [get](TObject& o) { return BitmapToDataBlock(get(o).Bitmap()); };
        p.SetBytes = [set](TObject& o, const TBytes& v) {
            TPicture picture;
            picture.SetBitmap(BitmapFromDataBlock(v));
            set(o, picture);
        };
    }
    return p;
}

}  // namespace

int TEnumType::ValueOf(std::string_view name) const {
    for (std::size_t i = 0; i < Values.size(); ++i) {
        if (SameText(Values[i], name)) return static_cast<int>(i);
    }
    return -1;
}

std::string TEnumType::NameOf(std::int64_t ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(Values.size())) return {};
    return Values[static_cast<std::size_t>(ordinal)];
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, TComponentFactory factory)
    : name_(std::move(name)), parent_(parent), factory_(std::move(factory)) {}

TComponent* TClassInfo::Create(TComponent* owner) const {
    if (!factory_) throw EPropertyError("La classe '" + name_ + "' ne peut pas \xC3\xAAtre cr\xC3\xA9\xC3\xA9" "e");
    return factory_(owner);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->parent_) {
        if (c == &other) return true;
    }
    return false;
}

const TPropInfo* TClassInfo::FindPublished(std::string_view name) const { return FindIn(published_, name); }

const TPropInfo* TClassInfo::FindDeclared(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->parent_) {
        if (const TPropInfo* p = FindIn(c->declared_, name)) return p;
    }
    return nullptr;
}

TClassInfo& TClassInfo::Publish(TPropInfo property) {
    declared_.push_back(property);
    published_.push_back(std::move(property));
    return *this;
}

TClassInfo& TClassInfo::Declare(TPropInfo property) {
    declared_.push_back(std::move(property));
    return *this;
}

TClassInfo& TClassInfo::Inherit(std::string_view name, std::string_view publishedName) {
    const TPropInfo* p = parent_ ? parent_->FindDeclared(name) : nullptr;
    if (!p) throw EPropertyError("La classe '" + name_ + "' n'h\xC3\xA9rite pas de propri\xC3\xA9t\xC3\xA9 '" + std::string(name) + "'");
    TPropInfo copy = *p;
    if (!publishedName.empty()) copy.Name = std::string(publishedName);
    published_.push_back(std::move(copy));
    return *this;
}

TClassInfo& TClassInfo::InheritAll() {
    if (parent_) published_.insert(published_.end(), parent_->published_.begin(), parent_->published_.end());
    return *this;
}

void RegisterClass(const TClassInfo& info) {
    auto& classes = Registry();
    for (const TClassInfo*& c : classes) {
        if (c == &info) return;
        if (SameText(c->Name(), info.Name())) {
            c = &info;  // a later description of the same name replaces the earlier
            return;
        }
    }
    classes.push_back(&info);
}

const TClassInfo* FindClass(std::string_view name) {
    for (const TClassInfo* c : Registry()) {
        if (SameText(c->Name(), name)) return c;
    }
    return nullptr;
}

std::optional<TPropInfo> ResolveProperty(const TClassInfo& info, std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        if (const TPropInfo* p = info.FindPublished(name)) return *p;
        return std::nullopt;
    }
    const TPropInfo* owner = info.FindPublished(name.substr(0, dot));
    if (!owner) return std::nullopt;
    const std::string_view sub = name.substr(dot + 1);
    switch (owner->Kind) {
        case TTypeKind::Font: return FontSubProperty(*owner, sub);
        case TTypeKind::Picture:
        case TTypeKind::Bitmap: return DataSubProperty(*owner, sub);
        default: return std::nullopt;
    }
}

TPropInfo GetProperty(TObject& object, std::string_view name) {
    auto p = ResolveProperty(object.ClassInfo(), name);
    if (!p) {
        throw EPropertyError("Propri\xC3\xA9t\xC3\xA9 '" + std::string(name) + "' inexistante dans la classe '" +
                             object.ClassName() + "'");
    }
    return std::move(*p);
}

std::int64_t GetOrdProp(TObject& object, std::string_view name) {
    const TPropInfo p = GetProperty(object, name);
    if (!p.GetOrd) throw EPropertyError(KindMismatch(name));
    return p.GetOrd(object);
}

void SetOrdProp(TObject& object, std::string_view name, std::int64_t value) {
    const TPropInfo p = GetProperty(object, name);
    if (!p.SetOrd) throw EPropertyError(KindMismatch(name));
    p.SetOrd(object, value);
}

std::string GetStrProp(TObject& object, std::string_view name) {
    const TPropInfo p = GetProperty(object, name);
    if (!p.GetStr) throw EPropertyError(KindMismatch(name));
    return p.GetStr(object);
}

void SetStrProp(TObject& object, std::string_view name, const std::string& value) {
    const TPropInfo p = GetProperty(object, name);
    if (!p.SetStr) throw EPropertyError(KindMismatch(name));
    p.SetStr(object, value);
}

void SetEnumProp(TObject& object, std::string_view name, std::string_view valueName) {
    const TPropInfo p = GetProperty(object, name);
    if (p.Kind != TTypeKind::Enumeration || !p.Type) throw EPropertyError(KindMismatch(name));
    const int ordinal = p.Type->ValueOf(valueName);
    if (ordinal < 0) {
        throw EPropertyError("Valeur '" + std::string(valueName) + "' inconnue pour la propri\xC3\xA9t\xC3\xA9 '" +
                             std::string(name) + "'");
    }
    p.SetOrd(object, ordinal);
}

void SetEventProp(TObject& object, std::string_view name, const std::any& handler) {
    const TPropInfo p = GetProperty(object, name);
    if (!p.SetEvent) throw EPropertyError(KindMismatch(name));
    p.SetEvent(object, handler);
}

TBitmap BitmapFromDataBlock(const TBytes& block) {
    if (block.size() < 4) throw EInvalidGraphic();
    const std::uint32_t n = static_cast<std::uint32_t>(block[0]) | (static_cast<std::uint32_t>(block[1]) << 8) |
                            (static_cast<std::uint32_t>(block[2]) << 16) | (static_cast<std::uint32_t>(block[3]) << 24);
    if (n != block.size() - 4) throw EInvalidGraphic();
    if (n == 0) return TBitmap();  // what an empty bitmap writes
    return TBitmap::FromBmpBytes(std::span<const std::uint8_t>(block.data() + 4, n));
}

TBytes BitmapToDataBlock(const TBitmap& bitmap) {
    const std::vector<std::uint8_t> file = bitmap.Empty() ? std::vector<std::uint8_t>{} : bitmap.ToBmpBytes();
    if (file.size() > std::numeric_limits<std::uint32_t>::max()) throw EInvalidGraphic();
    const auto n = static_cast<std::uint32_t>(file.size());
    TBytes block(file.size() + 4);
    for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(file.begin(), file.end(), block.begin() + 4);
    return block;
}

}  // namespace tresilva
