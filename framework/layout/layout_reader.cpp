// The layout reader: builds components from a parsed layout tree.
#include "framework/layout/layout_reader.h"

#include <windows.h>

#include <vector>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/exception.h"
#include "framework/layout/layout_parser.h"
#include "framework/core/properties.h"
#include "framework/core/streams.h"

namespace ov {

namespace {

class LayoutReader {
public:
    explicit LayoutReader(TComponent& root) : root_(root) {}

    void Read(const TLayoutObject& tree)
    {
        if (!tree.className.empty() && !root_.ClassInfo().InheritsFrom(tree.className))
            ThrowLayoutError(tree.line, L"the layout is for class " + tree.className + L", not " + root_.ClassName());
        Begin(&root_);
        if (!tree.name.empty())
            root_.SetName(tree.name);
        ReadContent(root_, tree);
        root_.SetReading(false);
        ResolveReferences();
        // Loaded in creation order: the root first, then every component as it was created.
        for (TComponent* c : loaded_)
            c->Loaded();
    }

private:
    struct Reference {
        TObject* object;
        const TPropInfo* property;
        std::wstring name;
        int line;
    };

    void Begin(TComponent* c)
    {
        c->SetLoading(true);
        c->SetReading(true);
        loaded_.push_back(c);
    }

    void ReadContent(TComponent& component, const TLayoutObject& node)
    {
        for (const TLayoutProperty& p : node.properties)
            ReadProperty(component, p);
        for (const TLayoutObject& child : node.children)
            ReadChild(component, child);
    }

    void ReadChild(TComponent& parent, const TLayoutObject& node)
    {
        TComponent* c = node.inherited ? FindInherited(node) : Create(node);
        if (!node.inherited) {
            Begin(c);
            if (!node.name.empty()) {
                try {
                    c->SetName(node.name);
                } catch (const Exception& e) {
                    ThrowLayoutError(node.line, e.Message());
                }
                StoreInField(*c, node);
            }
            c->SetParentComponent(&parent);
        }
        ReadContent(*c, node);
        c->SetReading(false);
    }

    TComponent* Create(const TLayoutObject& node)
    {
        const TClassInfo* cls = FindComponentClass(node.className);
        if (!cls)
            ThrowLayoutError(node.line, L"class " + node.className + L" not found");
        if (!cls->Create)
            ThrowLayoutError(node.line, L"class " + node.className + L" cannot be created");
        return cls->Create(&root_);
    }

    TComponent* FindInherited(const TLayoutObject& node)
    {
        TComponent* c = root_.FindComponent(node.name);
        if (!c)
            ThrowLayoutError(node.line, L"inherited component " + node.name + L" not found");
        return c;
    }

    void StoreInField(TComponent& c, const TLayoutObject& node)
    {
        const TFieldInfo* field = root_.ClassInfo().FindField(node.name);
        if (field && !field->Set(&root_, &c))
            ThrowLayoutError(node.line, L"field " + node.name + L" is not of class " + node.className);
    }

    // `A.B.C = v`: the object property A, its object property B, then C on that.
    void ReadProperty(TPersistent& target, const TLayoutProperty& p)
    {
        TPersistent* object = &target;
        std::wstring_view path = p.name;
        size_t dot;
        while ((dot = path.find(L'.')) != std::wstring_view::npos) {
            object = SubObject(*object, path.substr(0, dot), p.line);
            path = path.substr(dot + 1);
        }
        try {
            ReadValue(*object, path, p.value);
        } catch (const Exception& e) {
            if (std::wstring_view(e.Message()).starts_with(L"Layout error"))
                throw;
            ThrowLayoutError(p.line, p.name + L": " + e.Message());
        }
    }

    TPersistent* SubObject(TPersistent& object, std::wstring_view name, int line)
    {
        const TPropInfo* info = FindPropInfo(object, name);
        if (!info || info->Type->Kind != TTypeKind::Class)
            ThrowLayoutError(line, L"property " + std::wstring(name) + L" is not an object property");
        TValue v = info->Get(&object);
        auto sub = std::get_if<TObject*>(&v);
        auto persistent = sub ? dynamic_cast<TPersistent*>(*sub) : nullptr;
        if (!persistent)
            ThrowLayoutError(line, L"property " + std::wstring(name) + L" has no object");
        return persistent;
    }

    void ReadValue(TPersistent& object, std::wstring_view name, const TLayoutValue& value)
    {
        if (ReadDefinedProperty(object, name, value))
            return;
        const TPropInfo* info = FindPropInfo(object, name);
        if (!info)
            ThrowLayoutError(value.line, L"property " + std::wstring(name) + L" does not exist");
        if (!info->Set && !(info->Type->Kind == TTypeKind::Class && value.kind == TLayoutValue::Collection))
            ThrowLayoutError(value.line, L"property " + std::wstring(name) + L" is read-only");
        switch (info->Type->Kind) {
        case TTypeKind::Class:
            ReadObjectValue(object, *info, value);
            return;
        case TTypeKind::Method:
            info->Set(&object, MethodValue(value));
            return;
        default:
            info->Set(&object, PlainValue(*info->Type, value));
        }
    }

    // Data the object reads itself (TPersistent::DefineProperties).
    bool ReadDefinedProperty(TPersistent& object, std::wstring_view name, const TLayoutValue& value)
    {
        TFiler filer;
        object.DefineProperties(filer);
        if (value.kind == TLayoutValue::Binary) {
            if (const TFiler::TBinaryReader* read = filer.FindBinaryReader(name)) {
                TMemoryStream stream(value.bytes);
                (*read)(stream);
                return true;
            }
        }
        if (const TFiler::TValueReader* read = filer.FindValueReader(name)) {
            (*read)(GenericValue(value));
            return true;
        }
        return false;
    }

    // A value read without a known type (for DefineProperties readers).
    TValue GenericValue(const TLayoutValue& value)
    {
        switch (value.kind) {
        case TLayoutValue::Integer:
            return value.integer;
        case TLayoutValue::String:
            return value.text;
        case TLayoutValue::Identifier:
            if (SameIdent(value.text, L"True") || SameIdent(value.text, L"False"))
                return SameIdent(value.text, L"True");
            return value.text;
        case TLayoutValue::List:
            return StringList(value);
        default:
            ThrowLayoutError(value.line, L"unexpected kind of value");
        }
    }

    std::vector<std::wstring> StringList(const TLayoutValue& value)
    {
        std::vector<std::wstring> lines;
        for (const TLayoutValue& v : value.list) {
            if (v.kind == TLayoutValue::String)
                lines.push_back(v.text);
            else if (v.kind == TLayoutValue::Integer)
                lines.push_back(std::to_wstring(v.integer));
            else
                ThrowLayoutError(v.line, L"string expected in list");
        }
        return lines;
    }

    TValue PlainValue(const TTypeInfo& type, const TLayoutValue& value)
    {
        switch (type.Kind) {
        case TTypeKind::Integer:
            if (value.kind == TLayoutValue::Integer)
                return value.integer;
            if (value.kind == TLayoutValue::Identifier)
                if (auto v = type.IdentValue(value.text))
                    return *v;
            break;
        case TTypeKind::Boolean:
            if (value.kind == TLayoutValue::Identifier &&
                (SameIdent(value.text, L"True") || SameIdent(value.text, L"False")))
                return SameIdent(value.text, L"True");
            break;
        case TTypeKind::Enumeration:
            if (value.kind == TLayoutValue::Identifier)
                if (auto v = type.IdentValue(value.text))
                    return *v;
            break;
        case TTypeKind::Set:
            if (value.kind == TLayoutValue::Set)
                return SetValue(*type.ElementType, value);
            break;
        case TTypeKind::String:
            if (value.kind == TLayoutValue::String)
                return value.text;
            break;
        case TTypeKind::StringList:
            if (value.kind == TLayoutValue::List)
                return StringList(value);
            break;
        default:
            break;
        }
        ThrowLayoutError(value.line, L"invalid value for a property of type " + type.TypeName());
    }

    std::int64_t SetValue(const TTypeInfo& element, const TLayoutValue& value)
    {
        std::int64_t bits = 0;
        for (const std::wstring& ident : value.elements) {
            auto ordinal = element.IdentValue(ident);
            if (!ordinal || *ordinal < 0 || *ordinal >= 64)
                ThrowLayoutError(value.line, ident + L" is not a value of " + element.TypeName());
            bits |= std::int64_t{1} << *ordinal;
        }
        return bits;
    }

    TValue MethodValue(const TLayoutValue& value)
    {
        if (value.kind != TLayoutValue::Identifier)
            ThrowLayoutError(value.line, L"method name expected");
        if (SameIdent(value.text, L"nil"))
            return TValue{};
        const TMethodInfo* method = root_.ClassInfo().FindMethod(value.text);
        if (!method)
            ThrowLayoutError(value.line, L"method " + value.text + L" not found in " + root_.ClassName());
        return TMethodRef{&root_, method};
    }

    // An object property: a reference to a component (resolved later), or a collection's items.
    void ReadObjectValue(TPersistent& object, const TPropInfo& info, const TLayoutValue& value)
    {
        if (value.kind == TLayoutValue::Collection) {
            ReadCollection(object, info, value);
        } else if (value.kind == TLayoutValue::Identifier) {
            if (SameIdent(value.text, L"nil"))
                info.Set(&object, TValue{});
            else
                references_.push_back({&object, &info, value.text, value.line});
        } else {
            ThrowLayoutError(value.line, L"component name expected");
        }
    }

    void ReadCollection(TPersistent& object, const TPropInfo& info, const TLayoutValue& value)
    {
        TValue v = info.Get(&object);
        auto o = std::get_if<TObject*>(&v);
        auto collection = o ? dynamic_cast<TCollection*>(*o) : nullptr;
        if (!collection)
            ThrowLayoutError(value.line, L"property " + info.Name + L" is not a collection");
        collection->Clear();
        for (const std::vector<TLayoutProperty>& item : value.items) {
            TCollectionItem* added = collection->Add();
            for (const TLayoutProperty& p : item)
                ReadProperty(*added, p);
        }
    }

    void ResolveReferences()
    {
        for (const Reference& r : references_) {
            TComponent* target = SameIdent(r.name, root_.Name()) ? &root_ : root_.FindComponent(r.name);
            if (!target)
                ThrowLayoutError(r.line, L"component " + r.name + L" not found");
            try {
                r.property->Set(r.object, TValue{static_cast<TObject*>(target)});
            } catch (const Exception& e) {
                ThrowLayoutError(r.line, r.property->Name + L": " + e.Message());
            }
        }
    }

    TComponent& root_;
    std::vector<TComponent*> loaded_;
    std::vector<Reference> references_;
};

}  // namespace

void ReadLayout(TComponent& root, std::string_view utf8Text)
{
    TLayoutObject tree = ParseLayout(utf8Text);
    LayoutReader(root).Read(tree);
}

bool ReadLayoutResource(TComponent& root, std::wstring_view resourceName, HMODULE module)
{
    std::wstring name(resourceName);
    if (!module)
        module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name.c_str(), RT_RCDATA);
    if (!resource)
        return false;
    HGLOBAL loaded = LoadResource(module, resource);
    auto data = static_cast<const char*>(loaded ? LockResource(loaded) : nullptr);
    if (!data)
        return false;
    ReadLayout(root, std::string_view(data, SizeofResource(module, resource)));
    return true;
}

}  // namespace ov
