// A list of (name, value) pairs in insertion order whose lookup ignores letter case and finds the
// first pair with the name, duplicates included: how the skin reader files its entries.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ov {

inline bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

template <typename T>
class NamedList {
public:
    void Add(std::string name, T value) { items_.emplace_back(std::move(name), std::move(value)); }

    [[nodiscard]] const T* Find(std::string_view name) const
    {
        for (const auto& [itemName, value] : items_) {
            if (EqualIgnoringCase(itemName, name))
                return &value;
        }
        return nullptr;
    }

    [[nodiscard]] size_t Count() const { return items_.size(); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    [[nodiscard]] auto begin() const { return items_.begin(); }
    [[nodiscard]] auto end() const { return items_.end(); }

private:
    std::vector<std::pair<std::string, T>> items_;
};

}  // namespace ov
