// TListStrings: the lines of a list box or a combo box, kept by the control and mirrored into its
// window whenever the window exists, so they can be filled before the window is made and survive
// its re-creation. The control says how one line reaches its window (TListStringsSink).
#pragma once

#include <string>
#include <vector>

#include "framework/core/strings.h"
#include "framework/forms/win_control.h"

namespace ov {

// What a control does with its window when its lines change; each call is made only while the
// window exists.
class TListStringsSink {
public:
    virtual void InsertWindowItem(int index, const std::wstring& text) = 0;
    virtual void DeleteWindowItem(int index) = 0;
    virtual void ClearWindowItems() = 0;

protected:
    ~TListStringsSink() = default;
};

class TListStrings : public TStrings {
public:
    // The sink keeps the window of `control` in step while that window exists.
    TListStrings(TListStringsSink& sink, const TWinControl& control) : sink_(sink), control_(control) {}

    [[nodiscard]] int Count() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] std::wstring Get(int index) const override;
    void Put(int index, const std::wstring& s) override;
    [[nodiscard]] TObject* GetObjectAt(int index) const override;
    void PutObjectAt(int index, TObject* object) override;
    void Insert(int index, const std::wstring& s) override { InsertObject(index, s, nullptr); }
    void InsertObject(int index, const std::wstring& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    // A sorted list inserts every new line in order (ignoring case) and ignores the index asked.
    int Add(const std::wstring& s) override;
    [[nodiscard]] bool Sorted() const noexcept { return sorted_; }
    void SetSorted(bool value);

    // Puts every line into a newly made window.
    void FillWindow();

private:
    struct Item {
        std::wstring text;
        TObject* object = nullptr;
    };
    Item& At(int index);
    [[nodiscard]] const Item& At(int index) const;
    [[nodiscard]] int SortedPlace(const std::wstring& s) const;

    TListStringsSink& sink_;
    const TWinControl& control_;
    std::vector<Item> items_;
    bool sorted_ = false;
};

}  // namespace ov
