// TCustomUpDown / TUpDown: a pair of arrow buttons over the system up-down control
// (msctls_updown32) that steps a position and can show it in an associated control.
#pragma once

#include <algorithm>

#include "framework/forms/form.h"
#include "framework/controls/send_if_window.h"
#include "framework/forms/win_control.h"

namespace ov {

enum TUDOrientation { udHorizontal, udVertical };
enum TUDAlignButton { udLeft, udRight };
enum TUDBtnType { btNext, btPrev };
OV_ENUM_TYPE(TUDOrientation, L"udHorizontal", L"udVertical")
OV_ENUM_TYPE(TUDAlignButton, L"udLeft", L"udRight")
OV_ENUM_TYPE(TUDBtnType, L"btNext", L"btPrev")

using TUDClickEvent = TEvent<void(TObject* Sender, TUDBtnType Button)>;
// Same signature as TCloseQueryEvent (form.h), whose published event type it shares.
// Same signature as TCloseQueryEvent (form.h), whose published event type it shares.
using TUDChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
OV_EVENT_TYPE(TUDClickEvent)

// A press on an arrow asks OnChanging (AllowChange starts true); when allowed the position moves by
// Increment and OnClick fires with the arrow (btNext for up or right) and Position already moved. With an Associate the
// buttons stand at its AlignButton side and the associate shows Position as text.
//
// The window procedure is virtual like every control's: a descendant may handle the arrows'
// mouse messages itself (after or instead of the system control) by overriding WndProc.
class TCustomUpDown : public TWinControl {
    OV_CLASS(TCustomUpDown, TWinControl)

    explicit TCustomUpDown(TComponent* owner);

    [[nodiscard]] int Min() const noexcept { return min_; }
    void SetMin(int value) { SetRange(value, std::max(value, max_)); }
    [[nodiscard]] int Max() const noexcept { return max_; }
    void SetMax(int value) { SetRange(std::min(min_, value), value); }
    [[nodiscard]] int Position() const;
    void SetPosition(int value);
    [[nodiscard]] int Increment() const noexcept { return increment_; }
    void SetIncrement(int value);
    [[nodiscard]] TUDOrientation Orientation() const noexcept { return orientation_; }
    void SetOrientation(TUDOrientation value);
    [[nodiscard]] TUDAlignButton AlignButton() const noexcept { return alignButton_; }
    void SetAlignButton(TUDAlignButton value);
    [[nodiscard]] bool ArrowKeys() const noexcept { return arrowKeys_; }
    void SetArrowKeys(bool value);
    [[nodiscard]] bool Wrap() const noexcept { return wrap_; }
    void SetWrap(bool value);
    [[nodiscard]] bool Thousands() const noexcept { return thousands_; }
    void SetThousands(bool value);
    [[nodiscard]] TWinControl* Associate() const noexcept { return associate_; }
    void SetAssociate(TWinControl* value);

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // hides TControl::OnClick: an up-down's click names the arrow that was pressed, so the event has a type of its own
    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual bool CanChange();
    virtual void ArrowClick(TUDBtnType button) { OnClick.Fire(this, button); }

private:
    void SetRange(int min, int max);
    void DeltaPos(TMessage& message);
    // NOLINTNEXTLINE(modernize-use-nodiscard): a message is often sent for its effect alone
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendIfWindow(WindowHandle(), msg, wParam, lParam);
    }

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    TUDOrientation orientation_ = udVertical;
    TUDAlignButton alignButton_ = udRight;
    bool arrowKeys_ = true;
    bool wrap_ = false;
    bool thousands_ = true;
    TWinControl* associate_ = nullptr;
    TUDBtnType lastButton_ = btNext;
    bool clickPending_ = false;  // an allowed press waits for its position
};

class TUpDown : public TCustomUpDown {
    OV_CLASS(TUpDown, TCustomUpDown)

    explicit TUpDown(TComponent* owner) : TCustomUpDown(owner) {}
};

}  // namespace ov
