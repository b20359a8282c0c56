// Run-time class information: TObject (the root of every framework class), the type and member
// descriptions the classes publish, and the registry that finds a class by its name.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ov {

class TObject;
class TComponent;
class TClassInfo;
struct TMethodInfo;

// A published event handler as a value: a published method of an object (usually the form).
struct TMethodRef {
    TObject* Self = nullptr;
    const TMethodInfo* Method = nullptr;
};

// A property value in transit (getting/setting by name, reading layouts). Ordinal values
// (integers, enumerations, colours, cursors) travel as int64; a set as its bits; an object
// property as the object; a string list as its lines.
using TValue =
    std::variant<std::monostate, std::int64_t, bool, std::wstring, TObject*, TMethodRef, std::vector<std::wstring>>;

enum class TTypeKind { Integer, Boolean, Enumeration, Set, String, Class, Method, StringList };

// What a published property holds, as the layout reader and skinners see it.
class TTypeInfo {
public:
    TTypeKind Kind = TTypeKind::Integer;
    std::wstring Name;                           // for classes see TypeName()
    std::vector<std::wstring> EnumNames;         // Enumeration: the identifier of each ordinal
    const TTypeInfo* ElementType = nullptr;      // Set: its enumeration
    const TClassInfo& (*ClassType)() = nullptr;  // Class: its class, found on demand
    // Integer types with named values (clBtnFace, crHandPoint): identifier to value and back.
    std::function<std::optional<std::int64_t>(std::wstring_view)> IdentToInt;
    std::function<std::optional<std::wstring>(std::int64_t)> IntToIdent;

    [[nodiscard]] std::wstring TypeName() const;
    // The value of an identifier of this type (an enumeration name, or a named integer), if any.
    [[nodiscard]] std::optional<std::int64_t> IdentValue(std::wstring_view ident) const;
};

struct TPropInfo {
    std::wstring Name;
    const TTypeInfo* Type = nullptr;
    std::function<TValue(TObject*)> Get;
    std::function<void(TObject*, const TValue&)> Set;  // empty for read-only properties
};

// A published method (an event handler a layout can name, e.g. ToolButton1Click). Bind makes the
// event delegate (a TEvent of the method's signature, in a std::any) for one object.
struct TMethodInfo {
    std::wstring Name;
    const TTypeInfo* Type = nullptr;  // the event type whose signature the method has
    std::function<std::any(TObject*)> Bind;
};

// A published field: the layout reader stores each component it creates in the owner's field of
// the same name. Set answers false when the component is not of the field's class.
struct TFieldInfo {
    std::wstring Name;
    std::function<bool(TObject* self, TComponent* value)> Set;
};

class TClassInfo {
public:
    std::wstring Name;
    const TClassInfo* Parent = nullptr;
    std::function<TComponent*(TComponent* owner)> Create;  // empty: not creatable by name
    std::vector<TPropInfo> Properties;
    // Declared but not published here; a descendant publishes them by name (TClassBuilder::Publish).
    std::vector<TPropInfo> Unpublished;
    std::vector<TMethodInfo> Methods;
    std::vector<TFieldInfo> Fields;

    [[nodiscard]] bool InheritsFrom(const TClassInfo& other) const;
    [[nodiscard]] bool InheritsFrom(std::wstring_view className) const;
    // Lookups by name (ignoring case, as identifiers in layouts do), this class first, then its
    // ancestors.
    [[nodiscard]] const TPropInfo* FindProperty(std::wstring_view name) const;
    [[nodiscard]] const TMethodInfo* FindMethod(std::wstring_view name) const;
    [[nodiscard]] const TFieldInfo* FindField(std::wstring_view name) const;
};

// Classes register themselves when their class information is first built. The framework's own
// classes are all built while the program starts (framework/controls/registered_classes.cpp), so a
// layout can name any of them.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindComponentClass(std::wstring_view name);

bool SameIdent(std::wstring_view a, std::wstring_view b) noexcept;

// Declares a class's run-time information; put it first in the class body. The class's .cpp
// defines StaticClass() with a TClassBuilder (framework/core/properties.h).
#define OV_CLASS(Self, Base)                      \
public:                                           \
    using inherited = Base;                       \
    static const ::ov::TClassInfo& StaticClass(); \
    const ::ov::TClassInfo& ClassInfo() const override { return StaticClass(); }

// The root of the framework's classes.
class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClass();
    [[nodiscard]] virtual const TClassInfo& ClassInfo() const { return StaticClass(); }
    [[nodiscard]] const std::wstring& ClassName() const { return ClassInfo().Name; }
    [[nodiscard]] bool InheritsFrom(std::wstring_view className) const { return ClassInfo().InheritsFrom(className); }
};

}  // namespace ov
