// TScreen: the program's forms (most recently activated first), the active form and control,
// the screen cursor and the screen's size and density. Reached through the global Screen.
#pragma once

#include <vector>

#include "framework/forms/control.h"

namespace ov {

class TCustomForm;
class TForm;
class TWinControl;

class TScreen : public TComponent {
    OV_CLASS(TScreen, TComponent)

    explicit TScreen(TComponent* owner);

    // Every form that exists; activating a form moves it to index 0.
    [[nodiscard]] int CustomFormCount() const noexcept { return static_cast<int>(forms_.size()); }
    [[nodiscard]] TCustomForm* CustomForms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    // The same, TForm descendants only.
    [[nodiscard]] int FormCount() const;
    [[nodiscard]] TForm* Forms(int index) const;
    // The form whose window has this handle, or null.
    TCustomForm* FindForm(HWND window) const;

    [[nodiscard]] TCustomForm* ActiveCustomForm() const noexcept { return activeForm_; }
    [[nodiscard]] TForm* ActiveForm() const;
    [[nodiscard]] TWinControl* ActiveControl() const noexcept { return activeControl_; }

    // A cursor for the whole program (crHourGlass while busy); crDefault gives each control its own.
    [[nodiscard]] TCursor Cursor() const noexcept { return cursor_; }
    void SetCursor(TCursor value);

    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] int PixelsPerInch() const;

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Kept up to date by the forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);
    void SetActiveControl(TWinControl* control);

private:
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCursor cursor_ = crDefault;
};

// The one screen object, made on first use: Screen->FormCount().
struct TScreenAccess {
    TScreen* operator->() const;
    TScreen& operator*() const { return *operator->(); }
    operator TScreen*() const { return operator->(); }
};
inline constexpr TScreenAccess Screen{};

}  // namespace ov
