// Name lookup over the Skin2Define lists.
#include "tools/skinc/entry_names.h"

#include <cctype>
#include <span>

#include "skin/data/named_list.h"
#include "skin/data/skin2_define.h"

namespace ov::skinc {
namespace {

constexpr std::string_view kSystemColorNames[] = {kSkin2SystemColor1, kSkin2SystemColor2};

std::optional<KnownName> FindIn(NameGroup group, std::span<const std::string_view> names, std::string_view name)
{
    for (size_t id = 0; id < names.size(); ++id) {
        if (EqualIgnoringCase(names[id], name))
            return KnownName{group, static_cast<int>(id), names[id]};
    }
    return std::nullopt;
}

}  // namespace

sk2::EntryKind KnownName::Kind() const
{
    switch (group) {
    case NameGroup::Bitmap:
        return kSkin2BitmapKind;
    case NameGroup::Boolean:
        return kSkin2BooleanKind;
    case NameGroup::Color:
    case NameGroup::SystemColor:
        return kSkin2ColorKind;
    case NameGroup::Integer:
        return kSkin2IntegerKind;
    }
    return sk2::EntryKind::Integer;
}

int KnownName::Rank() const
{
    switch (group) {
    case NameGroup::Integer:
        return int{kSkin2ColorCount} + id;
    case NameGroup::SystemColor:
        return int{kSkin2ColorCount} + int{kSkin2IntegerCount} + id;
    default:
        return id;
    }
}

std::string_view KnownName::GroupWord() const
{
    switch (group) {
    case NameGroup::Bitmap:
        return "bitmap";
    case NameGroup::Boolean:
        return "boolean";
    case NameGroup::Integer:
        return "integer";
    default:
        return "colour";
    }
}

std::string NameKey(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

std::optional<KnownName> FindKnownName(std::string_view name)
{
    if (auto found = FindIn(NameGroup::Color, kSkin2ColorNames, name))
        return found;
    if (auto found = FindIn(NameGroup::Bitmap, kSkin2BitmapNames, name))
        return found;
    if (auto found = FindIn(NameGroup::Integer, kSkin2IntegerNames, name))
        return found;
    if (auto found = FindIn(NameGroup::SystemColor, kSystemColorNames, name))
        return found;
    return FindIn(NameGroup::Boolean, kSkin2BooleanNames, name);
}

}  // namespace ov::skinc
