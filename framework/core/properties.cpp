// Basic property types and property access by name.
#include "framework/core/properties.h"

namespace ov {

namespace {

TTypeInfo MakeType(TTypeKind kind, std::wstring name)
{
    TTypeInfo t;
    t.Kind = kind;
    t.Name = std::move(name);
    return t;
}

const TPropInfo& RequireProperty(const TObject& object, std::wstring_view name)
{
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p)
        throw Exception(L"Property %s does not exist", {name});
    return *p;
}

std::wstring Trim(std::wstring_view s)
{
    size_t b = s.find_first_not_of(L" \t");
    size_t e = s.find_last_not_of(L" \t");
    return b == std::wstring_view::npos ? std::wstring() : std::wstring(s.substr(b, e - b + 1));
}

std::int64_t SetBitsFromIdents(const TTypeInfo& element, std::wstring_view text)
{
    if (!text.empty() && text.front() == L'[' && text.back() == L']')
        text = text.substr(1, text.size() - 2);
    std::int64_t bits = 0;
    while (!Trim(text).empty()) {
        size_t comma = text.find(L',');
        std::wstring ident = Trim(text.substr(0, comma));
        auto ordinal = element.IdentValue(ident);
        if (!ordinal)
            throw Exception(L"Invalid property value %s", {ident});
        bits |= std::int64_t{1} << *ordinal;
        text = comma == std::wstring_view::npos ? std::wstring_view() : text.substr(comma + 1);
    }
    return bits;
}

}  // namespace

const TTypeInfo& IntegerType()
{
    static const TTypeInfo t = MakeType(TTypeKind::Integer, L"Integer");
    return t;
}
const TTypeInfo& Int64Type()
{
    static const TTypeInfo t = MakeType(TTypeKind::Integer, L"Int64");
    return t;
}
const TTypeInfo& BooleanType()
{
    static const TTypeInfo t = MakeType(TTypeKind::Boolean, L"Boolean");
    return t;
}
const TTypeInfo& StringType()
{
    static const TTypeInfo t = MakeType(TTypeKind::String, L"WideString");
    return t;
}
const TTypeInfo& StringListType()
{
    static const TTypeInfo t = MakeType(TTypeKind::StringList, L"TStrings");
    return t;
}

TTypeInfo MakeEnumType(std::wstring name, std::vector<std::wstring> idents)
{
    TTypeInfo t = MakeType(TTypeKind::Enumeration, std::move(name));
    t.EnumNames = std::move(idents);
    return t;
}

TTypeInfo MakeSetType(std::wstring name, const TTypeInfo& element)
{
    TTypeInfo t = MakeType(TTypeKind::Set, std::move(name));
    t.ElementType = &element;
    return t;
}

TTypeInfo MakeEventType(std::wstring name) { return MakeType(TTypeKind::Method, std::move(name)); }

const TPropInfo& FindUnpublished(const TClassInfo& ancestor, std::wstring_view name)
{
    for (const TClassInfo* c = &ancestor; c; c = c->Parent) {
        for (const TPropInfo& p : c->Unpublished)
            if (SameIdent(p.Name, name))
                return p;
        for (const TPropInfo& p : c->Properties)
            if (SameIdent(p.Name, name))
                return p;
    }
    throw Exception(L"Property %s does not exist", {name});
}

void ThrowBadPropertyValue() { throw Exception(L"Invalid property value"); }

const TPropInfo* FindPropInfo(const TObject& object, std::wstring_view name)
{
    return object.ClassInfo().FindProperty(name);
}

bool HasPublishedProperty(const TObject& object, std::wstring_view name) { return FindPropInfo(object, name); }

std::wstring PropertyTypeName(const TObject& object, std::wstring_view name)
{
    const TPropInfo* p = FindPropInfo(object, name);
    return p ? p->Type->TypeName() : std::wstring();
}

TValue GetPropertyValue(TObject& object, std::wstring_view name) { return RequireProperty(object, name).Get(&object); }

void SetPropertyValue(TObject& object, std::wstring_view name, const TValue& value)
{
    const TPropInfo& p = RequireProperty(object, name);
    if (!p.Set)
        throw Exception(L"Property %s is read-only", {name});
    p.Set(&object, value);
}

std::wstring GetPropertyIdent(TObject& object, std::wstring_view name)
{
    const TPropInfo& p = RequireProperty(object, name);
    TValue v = p.Get(&object);
    if (auto b = std::get_if<bool>(&v))
        return *b ? L"True" : L"False";
    if (auto s = std::get_if<std::wstring>(&v))
        return *s;
    auto i = std::get_if<std::int64_t>(&v);
    if (!i)
        throw Exception(L"Property %s has no identifier value", {name});
    const TTypeInfo& type = *p.Type;
    if (type.Kind == TTypeKind::Enumeration && *i >= 0 && *i < static_cast<std::int64_t>(type.EnumNames.size()))
        return type.EnumNames[static_cast<size_t>(*i)];
    if (type.Kind == TTypeKind::Set) {
        std::wstring text = L"[";
        for (size_t bit = 0; bit < type.ElementType->EnumNames.size(); ++bit) {
            if (!(*i & (std::int64_t{1} << bit)))
                continue;
            if (text.size() > 1)
                text += L", ";
            text += type.ElementType->EnumNames[bit];
        }
        return text + L"]";
    }
    if (type.IntToIdent)
        if (auto ident = type.IntToIdent(*i))
            return *ident;
    return std::to_wstring(*i);
}

void SetPropertyIdent(TObject& object, std::wstring_view name, std::wstring_view ident)
{
    const TPropInfo& p = RequireProperty(object, name);
    const TTypeInfo& type = *p.Type;
    if (type.Kind == TTypeKind::Boolean) {
        if (!SameIdent(ident, L"True") && !SameIdent(ident, L"False"))
            throw Exception(L"Invalid property value %s", {ident});
        SetPropertyValue(object, name, SameIdent(ident, L"True"));
    } else if (type.Kind == TTypeKind::Set) {
        SetPropertyValue(object, name, SetBitsFromIdents(*type.ElementType, ident));
    } else if (auto value = type.IdentValue(ident)) {
        SetPropertyValue(object, name, *value);
    } else {
        throw Exception(L"Invalid property value %s", {ident});
    }
}

}  // namespace ov
