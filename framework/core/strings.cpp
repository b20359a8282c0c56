// TStrings' operations built on the abstract line store, and TStringList.
#include "framework/core/strings.h"

#include <windows.h>

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/file_stream.h"
#include "framework/core/properties.h"
#include "framework/core/streams.h"
#include "framework/core/unicode.h"

namespace ov {

namespace {

int CompareText(const std::wstring& a, const std::wstring& b, bool caseSensitive)
{
    int result = ::CompareStringW(LOCALE_USER_DEFAULT, caseSensitive ? 0 : NORM_IGNORECASE, a.data(),
                                  static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    return result - CSTR_EQUAL;
}

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool IsValidUtf8(std::string_view bytes)
{
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                 0) > 0 ||
           bytes.empty();
}

std::wstring DecodeText(const std::string& bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        std::copy_n(bytes.data() + 2, text.size() * 2, reinterpret_cast<char*>(text.data()));
        return text;
    }
    std::string_view view(bytes);
    if (view.starts_with("\xEF\xBB\xBF"))
        return Utf8ToWide(view.substr(3));
    return IsValidUtf8(view) ? Utf8ToWide(view) : AnsiToWide(view);
}

}  // namespace

const TClassInfo& TStrings::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStrings>(L"TStrings", TPersistent::StaticClass()).Build();
    return info;
}

void TStrings::IndexError(int index) { throw Exception(L"List index out of bounds (%d)", {index}); }

void TStrings::Put(int index, const std::wstring& s)
{
    TObject* object = GetObjectAt(index);
    Delete(index);
    InsertObject(index, s, object);
}

void TStrings::InsertObject(int index, const std::wstring& s, TObject* object)
{
    Insert(index, s);
    PutObjectAt(index, object);
}

int TStrings::Add(const std::wstring& s)
{
    int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::wstring& s, TObject* object)
{
    int index = Add(s);
    PutObjectAt(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings)
{
    BeginUpdate();
    try {
        for (int i = 0; i < strings.Count(); ++i)
            AddObject(strings.Get(i), strings.GetObjectAt(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int currentIndex, int newIndex)
{
    if (currentIndex == newIndex)
        return;
    BeginUpdate();
    std::wstring s = Get(currentIndex);
    TObject* object = GetObjectAt(currentIndex);
    Delete(currentIndex);
    InsertObject(newIndex, s, object);
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    std::wstring s1 = Get(index1);
    TObject* o1 = GetObjectAt(index1);
    Put(index1, Get(index2));
    PutObjectAt(index1, GetObjectAt(index2));
    Put(index2, s1);
    PutObjectAt(index2, o1);
    EndUpdate();
}

int TStrings::IndexOf(const std::wstring& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObjectAt(i) == object)
            return i;
    return -1;
}

std::wstring TStrings::Names(int index) const
{
    std::wstring s = Get(index);
    size_t separator = s.find(L'=');
    return separator == std::wstring::npos ? std::wstring() : s.substr(0, separator);
}

std::wstring TStrings::ValueFromIndex(int index) const
{
    std::wstring s = Get(index);
    size_t separator = s.find(L'=');
    return separator == std::wstring::npos ? std::wstring() : s.substr(separator + 1);
}

int TStrings::IndexOfName(std::wstring_view name) const
{
    for (int i = 0; i < Count(); ++i) {
        std::wstring s = Get(i);
        size_t separator = s.find(L'=');
        if (separator != std::wstring::npos && SameTextIgnoringCase(std::wstring_view(s).substr(0, separator), name))
            return i;
    }
    return -1;
}

std::wstring TStrings::Values(std::wstring_view name) const
{
    int index = IndexOfName(name);
    return index < 0 ? std::wstring() : ValueFromIndex(index);
}

void TStrings::SetValues(std::wstring_view name, const std::wstring& value)
{
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    std::wstring line = std::wstring(name) + L"=" + value;
    if (index >= 0)
        Put(index, line);
    else
        Add(line);
}

std::wstring TStrings::Text() const
{
    std::wstring text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += L"\r\n";
    }
    return text;
}

void TStrings::SetText(std::wstring_view text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
    }
    SetFromVector(lines);
}

std::vector<std::wstring> TStrings::ToVector() const
{
    std::vector<std::wstring> lines;
    lines.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Get(i));
    return lines;
}

void TStrings::SetFromVector(const std::vector<std::wstring>& lines)
{
    BeginUpdate();
    try {
        Clear();
        for (const auto& line : lines)
            Add(line);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream& stream)
{
    std::int64_t size = stream.Size() - stream.Position();
    std::string bytes(static_cast<size_t>(std::max<std::int64_t>(0, size)), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    SetText(DecodeText(bytes));
}

void TStrings::SaveToStream(TStream& stream) const
{
    std::string bytes = WideToUtf8(Text());
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TStrings::LoadFromFile(const std::wstring& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::wstring& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TStrings::Assign(const TPersistent& source)
{
    auto strings = dynamic_cast<const TStrings*>(&source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this)
        return;
    BeginUpdate();
    try {
        Clear();
        AddStrings(*strings);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

void TStrings::DefineProperties(TFiler& filer)
{
    filer.DefineProperty(L"Strings",
                         [this](const TValue& value) { SetFromVector(FromValue<std::vector<std::wstring>>(value)); });
}

int TStrings::CompareStrings(const std::wstring& a, const std::wstring& b) const { return CompareText(a, b, false); }

// TStringList

const TClassInfo& TStringList::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TStringList>(L"TStringList", TStrings::StaticClass())
            .Property(L"Sorted", &TStringList::Sorted, &TStringList::SetSorted)
            .Property(L"CaseSensitive", &TStringList::CaseSensitive, &TStringList::SetCaseSensitive)
            .Build();
    return info;
}

TStringList::TStringList(std::initializer_list<std::wstring> lines)
{
    for (const auto& line : lines)
        items_.push_back({line, nullptr});
}

void TStringList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        IndexError(index);
}

void TStringList::CheckNotSorted() const
{
    if (sorted_)
        throw Exception(L"Operation not allowed on sorted list");
}

std::wstring TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::wstring& s)
{
    CheckNotSorted();
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

TObject* TStringList::GetObjectAt(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObjectAt(int index, TObject* object)
{
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

void TStringList::Insert(int index, const std::wstring& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::wstring& s, TObject* object)
{
    CheckNotSorted();
    CheckIndex(index, Count() + 1);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::wstring& s, TObject* object)
{
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::Add(const std::wstring& s)
{
    if (!sorted_) {
        int index = Count();
        InsertItem(index, s, nullptr);
        return index;
    }
    int index = 0;
    if (Find(s, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw Exception(L"String list does not allow duplicates");
    }
    InsertItem(index, s, nullptr);
    return index;
}

void TStringList::Exchange(int index1, int index2)
{
    CheckNotSorted();
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    Changing();
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::IndexOf(const std::wstring& s) const
{
    if (!sorted_)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

// Finds the first of equal lines, so that a duplicate is added before the lines equal to it.
bool TStringList::Find(const std::wstring& s, int& index) const
{
    int low = 0, high = Count() - 1;
    bool found = false;
    while (low <= high) {
        int middle = (low + high) / 2;
        int c = CompareStrings(items_[static_cast<size_t>(middle)].text, s);
        if (c < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (c == 0)
                found = true;
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    Changing();
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.text, b.text) < 0; });
    Changed();
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare)
{
    // Sorts an index permutation so that the comparison sees the list as it stands.
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<Item> sortedItems;
    sortedItems.reserve(items_.size());
    for (int i : order)
        sortedItems.push_back(items_[static_cast<size_t>(i)]);
    items_ = std::move(sortedItems);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (value == sorted_)
        return;
    if (value)
        Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (value == caseSensitive_)
        return;
    caseSensitive_ = value;
    if (sorted_)
        Sort();
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        OnChanging.Fire(this);
    else
        OnChange.Fire(this);
}

int TStringList::CompareStrings(const std::wstring& a, const std::wstring& b) const
{
    return CompareText(a, b, caseSensitive_);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0)
        OnChanging.Fire(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0)
        OnChange.Fire(this);
}

}  // namespace ov
