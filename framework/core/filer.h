// TFiler: how an object tells the layout reader about stored data that is not a published
// property (an image list's bitmap, a skin package, a string list's lines).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/class_info.h"

namespace ov {

class TStream;

class TFiler {
public:
    using TValueReader = std::function<void(const TValue&)>;
    using TBinaryReader = std::function<void(TStream&)>;

    // A value property (`Strings = ('a' 'b')`, `Items = 3`): read hands the parsed value over.
    void DefineProperty(std::wstring name, TValueReader read) { values_.push_back({std::move(name), std::move(read)}); }
    // A binary property (`SkinData = {…}`): read gets a stream over the decoded bytes.
    void DefineBinaryProperty(std::wstring name, TBinaryReader read)
    {
        binaries_.push_back({std::move(name), std::move(read)});
    }

    [[nodiscard]] const TValueReader* FindValueReader(std::wstring_view name) const
    {
        for (const auto& d : values_)
            if (SameIdent(d.name, name))
                return &d.read;
        return nullptr;
    }
    [[nodiscard]] const TBinaryReader* FindBinaryReader(std::wstring_view name) const
    {
        for (const auto& d : binaries_)
            if (SameIdent(d.name, name))
                return &d.read;
        return nullptr;
    }

private:
    template <typename R>
    struct Definition {
        std::wstring name;
        R read;
    };
    std::vector<Definition<TValueReader>> values_;
    std::vector<Definition<TBinaryReader>> binaries_;
};

}  // namespace ov
