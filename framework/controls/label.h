// TCustomLabel / TLabel: a windowless caption. With AutoSize it takes the size of its text; with
// WordWrap the text breaks at the label's width; without Transparent it fills its Color first.
#pragma once

#include "framework/controls/graphic_control.h"

namespace ov {

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };
OV_ENUM_TYPE(TTextLayout, L"tlTop", L"tlCenter", L"tlBottom")

class TCustomLabel : public TGraphicControl {
    OV_CLASS(TCustomLabel, TGraphicControl)

    explicit TCustomLabel(TComponent* owner);

    [[nodiscard]] TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);
    [[nodiscard]] bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool value);
    [[nodiscard]] bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool value);
    [[nodiscard]] bool Transparent() const noexcept { return transparent_; }
    void SetTransparent(bool value);
    [[nodiscard]] TTextLayout Layout() const noexcept { return layout_; }
    void SetLayout(TTextLayout value);
    [[nodiscard]] bool ShowAccelChar() const noexcept { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    // The control its accelerator (&X) focuses.
    [[nodiscard]] TWinControl* FocusControl() const noexcept { return focusControl_; }
    void SetFocusControl(TWinControl* value);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // Resizes the label to its text when AutoSize is set.
    void AdjustBounds();

private:
    [[nodiscard]] UINT TextFlags() const;
    void DrawCaption(HDC dc, RECT& rect, UINT flags);

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
    OV_CLASS(TLabel, TCustomLabel)

    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

}  // namespace ov
