// Class information lookups and the registry of classes by name.
#include "framework/core/class_info.h"

#include <windows.h>

#include <deque>
#include <map>

#include "framework/core/properties.h"

namespace ov {

namespace {

struct IdentLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const noexcept
    {
        return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
               CSTR_LESS_THAN;
    }
};

std::map<std::wstring, const TClassInfo*, IdentLess>& ClassesByName()
{
    static std::map<std::wstring, const TClassInfo*, IdentLess> classes;
    return classes;
}

template <typename Item>
const Item* FindByName(const TClassInfo* info, std::vector<Item> TClassInfo::*list, std::wstring_view name)
{
    for (; info; info = info->Parent)
        for (const Item& item : info->*list)
            if (SameIdent(item.Name, name))
                return &item;
    return nullptr;
}

}  // namespace

bool SameIdent(std::wstring_view a, std::wstring_view b) noexcept
{
    // Case folding here maps one UTF-16 unit to one, so names of other lengths never match: most
    // of the names a lookup passes are told apart without asking the system.
    return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring TTypeInfo::TypeName() const { return ClassType ? ClassType().Name : Name; }

std::optional<std::int64_t> TTypeInfo::IdentValue(std::wstring_view ident) const
{
    for (size_t i = 0; i < EnumNames.size(); ++i)
        if (SameIdent(EnumNames[i], ident))
            return static_cast<std::int64_t>(i);
    if (IdentToInt)
        return IdentToInt(ident);
    return std::nullopt;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other)
            return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::wstring_view className) const
{
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (SameIdent(c->Name, className))
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::wstring_view name) const
{
    return FindByName(this, &TClassInfo::Properties, name);
}

const TMethodInfo* TClassInfo::FindMethod(std::wstring_view name) const
{
    return FindByName(this, &TClassInfo::Methods, name);
}

const TFieldInfo* TClassInfo::FindField(std::wstring_view name) const
{
    return FindByName(this, &TClassInfo::Fields, name);
}

const TClassInfo& StoreClassInfo(TClassInfo info)
{
    // A deque never moves its elements, so the references handed out stay valid.
    static std::deque<TClassInfo> store;
    const TClassInfo& stored = store.emplace_back(std::move(info));
    RegisterComponentClass(stored);
    return stored;
}

void RegisterComponentClass(const TClassInfo& info) { ClassesByName()[info.Name] = &info; }

const TClassInfo* FindComponentClass(std::wstring_view name)
{
    auto& classes = ClassesByName();
    auto it = classes.find(std::wstring(name));
    return it == classes.end() ? nullptr : it->second;
}

const TClassInfo& TObject::StaticClass()
{
    static const TClassInfo& info = []() -> const TClassInfo& {
        TClassInfo root;
        root.Name = L"TObject";
        return StoreClassInfo(std::move(root));
    }();
    return info;
}

}  // namespace ov
