// TListStrings: a vector of lines with their objects, every change passed on to the window.
#include "framework/controls/list_strings.h"

#include <windows.h>

#include <algorithm>

namespace ov {

TListStrings::Item& TListStrings::At(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[static_cast<size_t>(index)];
}

const TListStrings::Item& TListStrings::At(int index) const { return const_cast<TListStrings*>(this)->At(index); }

std::wstring TListStrings::Get(int index) const { return At(index).text; }

TObject* TListStrings::GetObjectAt(int index) const { return At(index).object; }

void TListStrings::PutObjectAt(int index, TObject* object) { At(index).object = object; }

void TListStrings::Put(int index, const std::wstring& s)
{
    TObject* object = At(index).object;
    Delete(index);
    InsertObject(index, s, object);
}

void TListStrings::InsertObject(int index, const std::wstring& s, TObject* object)
{
    if (index < 0 || index > Count())
        IndexError(index);
    items_.insert(items_.begin() + index, Item{s, object});
    if (control_.HandleAllocated())
        sink_.InsertWindowItem(index, s);
}

void TListStrings::Delete(int index)
{
    At(index);
    items_.erase(items_.begin() + index);
    if (control_.HandleAllocated())
        sink_.DeleteWindowItem(index);
}

void TListStrings::Clear()
{
    items_.clear();
    if (control_.HandleAllocated())
        sink_.ClearWindowItems();
}

// Ordered as the system's sorted lists order them: by the user's locale, ignoring case.
int TListStrings::SortedPlace(const std::wstring& s) const
{
    auto less = [](const Item& item, const std::wstring& text) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.text.c_str(), -1, text.c_str(), -1) ==
               CSTR_LESS_THAN;
    };
    return static_cast<int>(std::lower_bound(items_.begin(), items_.end(), s, less) - items_.begin());
}

int TListStrings::Add(const std::wstring& s)
{
    int index = sorted_ ? SortedPlace(s) : Count();
    InsertObject(index, s, nullptr);
    return index;
}

void TListStrings::SetSorted(bool value)
{
    if (sorted_ == value)
        return;
    sorted_ = value;
    if (!sorted_)
        return;
    std::vector<Item> old = std::move(items_);
    items_.clear();
    for (Item& item : old)
        items_.insert(items_.begin() + SortedPlace(item.text), std::move(item));
    if (control_.HandleAllocated())
        FillWindow();
}

void TListStrings::FillWindow()
{
    sink_.ClearWindowItems();
    for (int i = 0; i < Count(); ++i)
        sink_.InsertWindowItem(i, items_[static_cast<size_t>(i)].text);
}

}  // namespace ov
