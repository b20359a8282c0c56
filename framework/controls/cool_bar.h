// TCoolBar: a bar of movable, resizable bands, each holding one child control, over the system
// rebar (ReBarWindow32). Bands is the collection of TCoolBand.
#pragma once

#include <memory>

#include "framework/core/collection.h"
#include "framework/forms/win_control.h"

namespace ov {

class TCoolBar;

// One band: the control it holds, a caption, its width and the least size of its child, and
// whether it starts a new row (Break).
class TCoolBand : public TCollectionItem {
    OV_CLASS(TCoolBand, TCollectionItem)

    explicit TCoolBand(TCollection* collection) : TCollectionItem(collection) {}

    [[nodiscard]] TWinControl* Control() const noexcept { return control_; }
    void SetControl(TWinControl* value);
    [[nodiscard]] const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& value);
    [[nodiscard]] int Width() const;
    void SetWidth(int value);
    [[nodiscard]] int MinHeight() const noexcept { return minHeight_; }
    void SetMinHeight(int value);
    [[nodiscard]] int MinWidth() const noexcept { return minWidth_; }
    void SetMinWidth(int value);
    [[nodiscard]] bool Break() const noexcept { return break_; }
    void SetBreak(bool value);
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    void SetVisible(bool value);

private:
    friend class TCoolBar;
    void Changed();
    [[nodiscard]] TCoolBar* Bar() const;

    TWinControl* control_ = nullptr;
    std::wstring text_;
    int width_ = 100;
    int minHeight_ = 25;
    int minWidth_ = 0;
    bool break_ = true;
    bool visible_ = true;
};

// The bands are rebuilt in the window whenever the collection or a band changes. With AutoSize
// (the default) the bar takes the height of its rows of bands.
class TCoolBar : public TWinControl {
    OV_CLASS(TCoolBar, TWinControl)

    explicit TCoolBar(TComponent* owner);
    ~TCoolBar() override;

    [[nodiscard]] TCollection* Bands() const noexcept { return bands_.get(); }
    [[nodiscard]] TCoolBand* Band(int index) const { return static_cast<TCoolBand*>(bands_->Items(index)); }
    TCoolBand* AddBand(TWinControl* control, const std::wstring& text, int width);
    [[nodiscard]] bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool value);
    [[nodiscard]] bool BandBorderStyle() const noexcept { return bandBorders_; }
    void SetBandBorderStyle(bool value);
    // The number of rows the bands take now.
    [[nodiscard]] int RowCount() const;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    friend class TCoolBand;
    void BandsChanged(TObject* sender = nullptr);
    void InsertBand(int index);
    void AdjustHeight();

    std::unique_ptr<TCollection> bands_;
    bool autoSize_ = true;
    bool bandBorders_ = true;
    bool rebuilding_ = false;
};

}  // namespace ov
