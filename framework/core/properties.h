// Published properties by name: the type descriptions of property values (TTypeOf), the builder a
// class uses to publish its properties, events, fields and methods, and get/set by name.
//
//   const TClassInfo& TButton::StaticClass() {
//       static const TClassInfo& info = TClassBuilder<TButton>(L"TButton", TWinControl::StaticClass())
//           .Creatable()
//           .Property(L"Default", &TButton::Default, &TButton::SetDefault)
//           .Event(L"OnClick", &TButton::OnClick)
//           .Build();
//       return info;
//   }
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "framework/core/class_info.h"
#include "framework/core/event.h"
#include "framework/core/exception.h"
#include "framework/core/set.h"

namespace ov {

class TComponent;
// Defined in component.h: constructs a component and announces it to its owner.
template <typename T, typename... Args>
T* NewComponent(TComponent* owner, Args&&... args);

// TTypeOf<V>::Info() describes values of type V. Specialised below for the basic types and with the
// OV_*_TYPE macros for enumerations, sets and events.
template <typename V>
struct TTypeOf;

const TTypeInfo& IntegerType();
const TTypeInfo& Int64Type();
const TTypeInfo& BooleanType();
const TTypeInfo& StringType();      // "WideString": every text of the framework is wide
const TTypeInfo& StringListType();  // a list of lines, as `( 'a' 'b' )` in layouts

template <>
struct TTypeOf<int> {
    static const TTypeInfo& Info() { return IntegerType(); }
};
template <>
struct TTypeOf<std::int64_t> {
    static const TTypeInfo& Info() { return Int64Type(); }
};
template <>
struct TTypeOf<bool> {
    static const TTypeInfo& Info() { return BooleanType(); }
};
template <>
struct TTypeOf<std::wstring> {
    static const TTypeInfo& Info() { return StringType(); }
};

template <typename T>
requires std::derived_from<T, TObject>
struct TTypeOf<T*> {
    static const TTypeInfo& Info()
    {
        static const TTypeInfo info = [] {
            TTypeInfo t;
            t.Kind = TTypeKind::Class;
            t.ClassType = &T::StaticClass;
            return t;
        }();
        return info;
    }
};

TTypeInfo MakeEnumType(std::wstring name, std::vector<std::wstring> idents);
TTypeInfo MakeSetType(std::wstring name, const TTypeInfo& element);
TTypeInfo MakeEventType(std::wstring name);

// OV_ENUM_TYPE(TAlign, L"alNone", L"alTop", ...): the identifiers in ordinal order.
#define OV_ENUM_TYPE(Type, ...)                                                         \
    template <>                                                                         \
    struct TTypeOf<Type> {                                                              \
        static const TTypeInfo& Info()                                                  \
        {                                                                               \
            static const TTypeInfo info = ::ov::MakeEnumType(L## #Type, {__VA_ARGS__}); \
            return info;                                                                \
        }                                                                               \
    };
// OV_SET_TYPE(TAnchors): a TSet of an enumeration that has an OV_ENUM_TYPE.
#define OV_SET_TYPE(Type)                                                                               \
    template <>                                                                                         \
    struct TTypeOf<Type> {                                                                              \
        static const TTypeInfo& Info()                                                                  \
        {                                                                                               \
            static const TTypeInfo info = ::ov::MakeSetType(L## #Type, TTypeOf<Type::Element>::Info()); \
            return info;                                                                                \
        }                                                                                               \
    };
// OV_EVENT_TYPE(TNotifyEvent): an event type that can be published and bound by name.
#define OV_EVENT_TYPE(Type)                                               \
    template <>                                                           \
    struct TTypeOf<Type> {                                                \
        static const TTypeInfo& Info()                                    \
        {                                                                 \
            static const TTypeInfo info = ::ov::MakeEventType(L## #Type); \
            return info;                                                  \
        }                                                                 \
    };

template <typename V>
struct IsTSet : std::false_type {
};
template <typename E>
struct IsTSet<TSet<E>> : std::true_type {
};

[[noreturn]] void ThrowBadPropertyValue();

// Conversions between typed property values and TValue.
template <typename V>
TValue ToValue(const V& v)
{
    // bool before the integers: it is integral too, but a TValue keeps it as a bool.
    if constexpr (std::is_same_v<V, bool> || std::is_same_v<V, std::wstring> ||
                  std::is_same_v<V, std::vector<std::wstring>>)
        return v;
    else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>)
        return static_cast<std::int64_t>(v);
    else if constexpr (IsTSet<V>::value)
        return static_cast<std::int64_t>(v.Bits());
    else if constexpr (std::is_pointer_v<V>)
        return static_cast<TObject*>(const_cast<std::remove_const_t<std::remove_pointer_t<V>>*>(v));
    else
        static_assert(sizeof(V) == 0, "no TValue conversion for this property type");
}

template <typename V>
V FromValue(const TValue& value)
{
    if constexpr (std::is_same_v<V, bool>) {
        if (auto b = std::get_if<bool>(&value))
            return *b;
    } else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>) {
        if (auto i = std::get_if<std::int64_t>(&value))
            return static_cast<V>(*i);
    } else if constexpr (IsTSet<V>::value) {
        if (auto i = std::get_if<std::int64_t>(&value))
            return V::FromBits(static_cast<std::uint64_t>(*i));
    } else if constexpr (std::is_same_v<V, std::wstring> || std::is_same_v<V, std::vector<std::wstring>>) {
        if (auto s = std::get_if<V>(&value))
            return *s;
    } else if constexpr (std::is_pointer_v<V>) {
        if (std::holds_alternative<std::monostate>(value))
            return nullptr;
        if (auto o = std::get_if<TObject*>(&value)) {
            if (!*o)
                return nullptr;
            if (auto typed = dynamic_cast<V>(*o))
                return typed;
        }
    } else {
        static_assert(sizeof(V) == 0, "no TValue conversion for this property type");
    }
    ThrowBadPropertyValue();
}

const TClassInfo& StoreClassInfo(TClassInfo info);
const TPropInfo& FindUnpublished(const TClassInfo& ancestor, std::wstring_view name);

// Builds the class information of T (see the example at the top of this file).
template <typename T>
class TClassBuilder {
public:
    TClassBuilder(std::wstring name, const TClassInfo& parent)
    {
        info_.Name = std::move(name);
        info_.Parent = &parent;
    }

    // The layout reader may create the class by name: T must be constructible from an owner.
    TClassBuilder& Creatable()
    {
        info_.Create = [](TComponent* owner) -> TComponent* { return NewComponent<T>(owner); };
        return *this;
    }

    // A property whose type follows from the getter's result (TTypeOf). Getter and setter are member
    // functions or callables taking T*; without a setter the property is read-only (an object
    // property such as Font still has its own properties set through it).
    template <typename G, typename S = std::nullptr_t>
    TClassBuilder& Property(std::wstring name, G getter, S setter = nullptr)
    {
        using V = std::decay_t<std::invoke_result_t<G, T*>>;
        return Property(std::move(name), TTypeOf<V>::Info(), getter, setter);
    }

    // The same with the type given, for types that share a C++ type (TColor, TCursor are ints).
    template <typename G, typename S = std::nullptr_t>
    TClassBuilder& Property(std::wstring name, const TTypeInfo& type, G getter, S setter = nullptr)
    {
        using V = std::decay_t<std::invoke_result_t<G, T*>>;
        TPropInfo p;
        p.Name = std::move(name);
        p.Type = &type;
        p.Get = [getter](TObject* o) { return ToValue<V>(std::invoke(getter, Self(o))); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.Set = [setter](TObject* o, const TValue& v) { std::invoke(setter, Self(o), FromValue<V>(v)); };
        Add(std::move(p));
        return *this;
    }

    // The properties and events declared after this call are kept for descendants to publish.
    TClassBuilder& Unpublished()
    {
        unpublished_ = true;
        return *this;
    }

    // Publishes properties or events that an ancestor declared unpublished. Raises for a name no
    // ancestor declared.
    TClassBuilder& Publish(std::initializer_list<std::wstring_view> names)
    {
        for (std::wstring_view name : names)
            info_.Properties.push_back(FindUnpublished(*info_.Parent, name));
        return *this;
    }

    // A published event: an assignable TEvent member. Its value by name is a TMethodRef.
    template <typename E>
    TClassBuilder& Event(std::wstring name, E T::*field)
    {
        TPropInfo p;
        p.Name = std::move(name);
        p.Type = &TTypeOf<E>::Info();
        p.Get = [](TObject*) { return TValue{}; };  // handlers bound in code have no published name
        p.Set = [field](TObject* o, const TValue& v) {
            if (std::holds_alternative<std::monostate>(v)) {
                Self(o)->*field = E();
                return;
            }
            auto ref = std::get_if<TMethodRef>(&v);
            if (!ref || !ref->Method || ref->Method->Type != &TTypeOf<E>::Info())
                ThrowBadPropertyValue();
            Self(o)->*field = std::any_cast<E>(ref->Method->Bind(ref->Self));
        };
        Add(std::move(p));
        return *this;
    }

    // A published component field, filled by the layout reader with the component of that name.
    template <typename C>
    TClassBuilder& Field(std::wstring name, C* T::*field)
    {
        (void)TTypeOf<C*>::Info();  // makes sure the field's class is registered by name
        (void)C::StaticClass();
        info_.Fields.push_back({std::move(name), [field](TObject* o, TComponent* value) {
                                    auto typed = dynamic_cast<C*>(value);
                                    if (value && !typed)
                                        return false;
                                    Self(o)->*field = typed;
                                    return true;
                                }});
        return *this;
    }

    // A published method that a layout can bind to an event of the same signature by name.
    template <typename R, typename... A>
    TClassBuilder& Method(std::wstring name, R (T::*method)(A...))
    {
        using E = TEvent<R(A...)>;
        info_.Methods.push_back(
            {std::move(name), &TTypeOf<E>::Info(), [method](TObject* o) { return std::any(E(Self(o), method)); }});
        return *this;
    }

    const TClassInfo& Build() { return StoreClassInfo(std::move(info_)); }

private:
    static T* Self(TObject* o) { return static_cast<T*>(o); }
    void Add(TPropInfo p) { (unpublished_ ? info_.Unpublished : info_.Properties).push_back(std::move(p)); }

    TClassInfo info_;
    bool unpublished_ = false;
};

// By name, on any object. Property names ignore case. Get/Set raise Exception for an unknown
// property, a read-only one, or a value of the wrong kind.
const TPropInfo* FindPropInfo(const TObject& object, std::wstring_view name);
bool HasPublishedProperty(const TObject& object, std::wstring_view name);
// The type name of a published property ("TFormBorderStyle", "TColor", "WideString"), empty if none.
std::wstring PropertyTypeName(const TObject& object, std::wstring_view name);
TValue GetPropertyValue(TObject& object, std::wstring_view name);
void SetPropertyValue(TObject& object, std::wstring_view name, const TValue& value);
// Enumerations and sets by identifier: SetPropertyIdent(form, L"BorderStyle", L"bsDialog").
std::wstring GetPropertyIdent(TObject& object, std::wstring_view name);
void SetPropertyIdent(TObject& object, std::wstring_view name, std::wstring_view ident);

}  // namespace ov
