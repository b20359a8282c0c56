// TStrings: the abstract list of text lines with attached objects that controls expose (a memo's
// Lines, a combo box's Items) and TStringList, the list that keeps its lines itself.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"

namespace ov {

class TStream;

// A descendant stores the lines: it implements Count, Get, Insert, Delete and Clear and, when it
// keeps objects, GetObjectAt/PutObjectAt; everything else is built on those and may be overridden
// (a rich view's Lines replace LoadFromStream/SaveToStream by its own conversions).
//
// Name=Value lines: Names(i) is the text before the first '=' (empty when there is none);
// Values(name) finds the first line whose name equals `name` ignoring case.
//
// BeginUpdate/EndUpdate nest; SetUpdateState(true) is called when the first BeginUpdate starts
// a batch and SetUpdateState(false) when the last EndUpdate ends it, so that a descendant can
// suppress redrawing or change events in between.
//
// Out-of-range indexes raise Exception "List index out of bounds (<index>)".
class TStrings : public TPersistent {
    OV_CLASS(TStrings, TPersistent)

    [[nodiscard]] virtual int Count() const = 0;
    [[nodiscard]] virtual std::wstring Get(int index) const = 0;
    // Replaces line index, keeping its object.
    virtual void Put(int index, const std::wstring& s);
    // (Not "GetObject": windows.h makes that name a macro.)
    [[nodiscard]] virtual TObject* GetObjectAt(int index) const { return nullptr; }
    virtual void PutObjectAt(int index, TObject* object) {}
    virtual void Insert(int index, const std::wstring& s) = 0;
    virtual void InsertObject(int index, const std::wstring& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Appends (or, for a sorted list, inserts in order); returns the index of the line.
    virtual int Add(const std::wstring& s);
    int AddObject(const std::wstring& s, TObject* object);
    virtual void AddStrings(const TStrings& strings);
    virtual void Move(int currentIndex, int newIndex);
    virtual void Exchange(int index1, int index2);

    [[nodiscard]] std::wstring Strings(int index) const { return Get(index); }
    [[nodiscard]] TObject* Objects(int index) const { return GetObjectAt(index); }
    void SetObjects(int index, TObject* object) { PutObjectAt(index, object); }

    // The first line equal to s (as CompareStrings says), or -1.
    [[nodiscard]] virtual int IndexOf(const std::wstring& s) const;
    int IndexOfObject(const TObject* object) const;

    [[nodiscard]] std::wstring Names(int index) const;
    [[nodiscard]] std::wstring ValueFromIndex(int index) const;
    [[nodiscard]] int IndexOfName(std::wstring_view name) const;
    [[nodiscard]] std::wstring Values(std::wstring_view name) const;
    // Sets the value of the line with that name, adds "name=value" when there is none, and
    // deletes the line when value is empty.
    void SetValues(std::wstring_view name, const std::wstring& value);

    // Every line followed by CR LF. SetText splits at CR LF, LF or CR; a final line break does
    // not make an empty last line.
    [[nodiscard]] virtual std::wstring Text() const;
    virtual void SetText(std::wstring_view text);
    [[nodiscard]] std::vector<std::wstring> ToVector() const;
    void SetFromVector(const std::vector<std::wstring>& lines);

    void BeginUpdate();
    void EndUpdate();
    [[nodiscard]] int UpdateCount() const noexcept { return updateCount_; }

    // Text from the stream's Position to its end: UTF-16 with its byte-order mark, UTF-8 (with or
    // without one), else the system code page. Saving writes UTF-8 without a byte-order mark.
    virtual void LoadFromStream(TStream& stream);
    virtual void SaveToStream(TStream& stream) const;
    virtual void LoadFromFile(const std::wstring& fileName);
    virtual void SaveToFile(const std::wstring& fileName) const;

    // From another TStrings: lines and objects replace this list's.
    void Assign(const TPersistent& source) override;
    [[nodiscard]] bool Equals(const TStrings& other) const;
    // Layouts store the lines as `Strings = ('one' 'two')` (Lines.Strings, Items.Strings).
    void DefineProperties(TFiler& filer) override;

protected:
    virtual void SetUpdateState(bool updating) {}
    // < 0, 0, > 0; ignoring case here, TStringList follows its CaseSensitive.
    [[nodiscard]] virtual int CompareStrings(const std::wstring& a, const std::wstring& b) const;
    [[noreturn]] static void IndexError(int index);

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

// A list that keeps its lines and objects (the objects are not owned). A sorted list keeps its
// lines in CompareStrings order: Add inserts in place, Insert, Put, Move and Exchange raise
// "Operation not allowed on sorted list", and Duplicates decides what adding an existing line
// does (dupIgnore: nothing, returning the existing index; dupError: raise "String list does not
// allow duplicates"). OnChanging/OnChange fire around each change, or once around a whole
// BeginUpdate/EndUpdate batch.
class TStringList : public TStrings {
    OV_CLASS(TStringList, TStrings)

    TStringList() = default;
    TStringList(std::initializer_list<std::wstring> lines);

    [[nodiscard]] int Count() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] std::wstring Get(int index) const override;
    void Put(int index, const std::wstring& s) override;
    [[nodiscard]] TObject* GetObjectAt(int index) const override;
    void PutObjectAt(int index, TObject* object) override;
    void Insert(int index, const std::wstring& s) override;
    void InsertObject(int index, const std::wstring& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::wstring& s) override;
    void Exchange(int index1, int index2) override;
    [[nodiscard]] int IndexOf(const std::wstring& s) const override;

    // Binary search of a sorted list: true when found; index is where s is or would be.
    bool Find(const std::wstring& s, int& index) const;
    void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    [[nodiscard]] bool Sorted() const noexcept { return sorted_; }
    void SetSorted(bool value);
    [[nodiscard]] TDuplicates Duplicates() const noexcept { return duplicates_; }
    void SetDuplicates(TDuplicates value) noexcept { duplicates_ = value; }
    [[nodiscard]] bool CaseSensitive() const noexcept { return caseSensitive_; }
    void SetCaseSensitive(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    [[nodiscard]] int CompareStrings(const std::wstring& a, const std::wstring& b) const override;
    virtual void Changing();
    virtual void Changed();

private:
    struct Item {
        std::wstring text;
        TObject* object = nullptr;
    };
    void CheckIndex(int index, int limit) const;
    void CheckNotSorted() const;
    void InsertItem(int index, const std::wstring& s, TObject* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

}  // namespace ov
