// TCustomStatusBar / TStatusBar: a bar of text panels along the bottom of a form, over the system
// status bar (msctls_statusbar32). Panels is the collection of TStatusPanel; SimplePanel shows one
// SimpleText across the whole bar instead.
#pragma once

#include <memory>

#include "framework/core/collection.h"
#include "framework/forms/win_control.h"

namespace ov {

class TStatusPanel : public TCollectionItem {
    OV_CLASS(TStatusPanel, TCollectionItem)

    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

    [[nodiscard]] const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& value);
    [[nodiscard]] int Width() const noexcept { return width_; }
    void SetWidth(int value);
    [[nodiscard]] TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);

private:
    void Changed();

    std::wstring text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TCustomStatusBar : public TWinControl {
    OV_CLASS(TCustomStatusBar, TWinControl)

    explicit TCustomStatusBar(TComponent* owner);
    ~TCustomStatusBar() override;

    [[nodiscard]] TCollection* Panels() const noexcept { return panels_.get(); }
    [[nodiscard]] TStatusPanel* Panel(int index) const { return static_cast<TStatusPanel*>(panels_->Items(index)); }
    TStatusPanel* AddPanel(const std::wstring& text, int width);
    [[nodiscard]] bool SimplePanel() const noexcept { return simplePanel_; }
    void SetSimplePanel(bool value);
    [[nodiscard]] const std::wstring& SimpleText() const noexcept { return simpleText_; }
    void SetSimpleText(const std::wstring& value);
    [[nodiscard]] bool SizeGrip() const noexcept { return sizeGrip_; }
    void SetSizeGrip(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void PanelsChanged(TObject* sender = nullptr);

    std::unique_ptr<TCollection> panels_;
    bool simplePanel_ = false;
    std::wstring simpleText_;
    bool sizeGrip_ = true;
};

class TStatusBar : public TCustomStatusBar {
    OV_CLASS(TStatusBar, TCustomStatusBar)

    explicit TStatusBar(TComponent* owner) : TCustomStatusBar(owner) {}
};

}  // namespace ov
