// TOvRichEditStrings: a view's text seen as lines (Lines), and its loader and saver through the
// conversions. Lines are the control's lines (EM_GETLINECOUNT / EM_GETLINE).
#pragma once

#include <string>

#include "framework/core/strings.h"
#include "richview/rich_edit_types.h"

namespace ov {

class TOvCustomRichEdit;
struct TRichTransfer;

class TOvRichEditStrings : public TStrings {
    OV_CLASS(TOvRichEditStrings, TStrings)

    explicit TOvRichEditStrings(TOvCustomRichEdit& view) : view_(view) {}

    // Lines ending with a break do not count the empty line behind it.
    [[nodiscard]] int Count() const override;
    // At most kMaxLineLength characters, without the line break; empty for a line that does not exist.
    [[nodiscard]] std::wstring Get(int index) const override;
    void Put(int index, const std::wstring& s) override;
    // Before line index; behind the last line when index is the line count.
    void Insert(int index, const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;
    void AddStrings(const TStrings& strings) override;
    // Every line followed by CR LF.
    [[nodiscard]] std::wstring Text() const override;
    // Replaces the whole text without change notifications.
    void SetText(std::wstring_view text) override;

    void LoadFromStream(TStream& stream) override;
    void LoadFromFile(const std::wstring& fileName) override;
    void SaveToStream(TStream& stream) const override;
    void SaveToFile(const std::wstring& fileName) const override;

    [[nodiscard]] TRichStreamFormat Format() const noexcept { return format_; }
    void SetFormat(TRichStreamFormat value) noexcept { format_ = value; }
    [[nodiscard]] TRichStreamModes Mode() const noexcept { return mode_; }
    void SetMode(TRichStreamModes value) noexcept { mode_ = value; }

    static constexpr int kMaxLineLength = 4096;

protected:
    void SetUpdateState(bool updating) override;

private:
    [[nodiscard]] TRichTransfer Transfer(bool createWindow) const;
    // EM_REPLACESEL over [start, end) with the view told that Lines is replacing.
    void Replace(int start, int end, const std::wstring& text);

    TOvCustomRichEdit& view_;
    TRichStreamFormat format_ = sfDefault;
    TRichStreamModes mode_;
    bool redrawSuspended_ = false;
};

}  // namespace ov
