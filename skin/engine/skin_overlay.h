// Overlays: the small windows of the engine's own that a control skinner lays over a part its control
// paints itself (a scroll bar, a drop-down button, spin buttons). TkrvSkinOverlay is the window's
// side (paints from the skin, hands the mouse on to the control, says when it goes);
// TkrvSkinOverlaySlot is the skinner's side (makes it, places it, lets it go).
//
// Who frees an overlay: its slot, when the skinner lets it go (Detach, or the skinner's own end).
// Anyone else may free it first (its owner component, or its parent control taking its children
// along): then the overlay empties the slot as it goes. So each overlay is freed exactly once, and
// an overlay never calls a skinner that has let it go.
#pragma once

#include <windows.h>

#include <utility>

#include "framework/forms/win_control.h"

namespace ov {

class TkrvSkinControl;

// The skinner's end of the link, as an overlay sees it.
class TkrvSkinOverlaySlotBase {
public:
    TkrvSkinOverlaySlotBase(const TkrvSkinOverlaySlotBase&) = delete;
    TkrvSkinOverlaySlotBase& operator=(const TkrvSkinOverlaySlotBase&) = delete;

    [[nodiscard]] TkrvSkinControl& Skinner() const noexcept { return FSkinner; }

protected:
    explicit TkrvSkinOverlaySlotBase(TkrvSkinControl& skinner) noexcept : FSkinner(skinner) {}
    ~TkrvSkinOverlaySlotBase() = default;

    TComponent* FOverlay = nullptr;

private:
    template <class>
    friend class TkrvSkinOverlay;
    // The overlay is being freed by someone else; the slot is empty from now on.
    void OverlayGone() noexcept { FOverlay = nullptr; }

    TkrvSkinControl& FSkinner;
};

// Sends `msg` to `target` as if the mouse were there: the position of the message being handled
// (signed screen co-ordinates) in `target`'s client co-ordinates. With `releaseCapture` the
// overlay lets the mouse go first, so that the target runs its own tracking from the press.
LRESULT SendAtMessagePos(HWND target, UINT msg, WPARAM keys, bool releaseCapture = true);

// The window side of an overlay, over the framework control it is made from (`Base`: a panel, an
// up-down). It answers WM_ERASEBKGND itself (it is painted whole from the skin) and, after its own
// handling of a message, lets the subclass hand the mouse on to the control it serves.
template <class Base>
class TkrvSkinOverlay : public Base {
public:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_ERASEBKGND) {
            message.Result = 1;
            return;
        }
        Base::WndProc(message);
        if (FControl && FControl->HandleAllocated())
            PassToControl(message);
    }

    // The skinner that made it; null once the skinner has let it go.
    [[nodiscard]] TkrvSkinControl* Skinner() const noexcept { return FSlot ? &FSlot->Skinner() : nullptr; }
    // The skinner lets it go (its slot, just before freeing it).
    void ForgetSkinner() noexcept { FSlot = nullptr; }

protected:
    TkrvSkinOverlay(TComponent* owner, TWinControl* control, TkrvSkinOverlaySlotBase* slot)
        : Base(owner), FControl(control), FSlot(slot)
    {
    }

    // Hands a message the overlay has handled on to the control, where the control should see it.
    virtual void PassToControl(TMessage& message) = 0;

    void BeforeDestruction() override
    {
        FControl = nullptr;
        if (TkrvSkinOverlaySlotBase* slot = std::exchange(FSlot, nullptr))
            slot->OverlayGone();
        Base::BeforeDestruction();
    }

    TWinControl* FControl;

private:
    TkrvSkinOverlaySlotBase* FSlot;
};

// The skinner's side: holds at most one overlay, frees it when released and at its own end.
template <class Overlay>
class TkrvSkinOverlaySlot : public TkrvSkinOverlaySlotBase {
public:
    explicit TkrvSkinOverlaySlot(TkrvSkinControl& skinner) noexcept : TkrvSkinOverlaySlotBase(skinner) {}
    ~TkrvSkinOverlaySlot() { Release(); }

    [[nodiscard]] Overlay* Get() const noexcept { return static_cast<Overlay*>(FOverlay); }
    Overlay* operator->() const noexcept { return Get(); }
    explicit operator bool() const noexcept { return FOverlay != nullptr; }

    // Makes the overlay, owned by `owner` and serving `control`, and lets `place` give it its
    // parent, bounds and visibility. An overlay that cannot be placed is freed again and the slot
    // stays empty. Returns the overlay, or null.
    template <class Place, class... Args>
    Overlay* Create(Place place, TComponent* owner, TWinControl* control, Args&&... args)
    {
        Release();
        auto* overlay = new Overlay(owner, control, this, std::forward<Args>(args)...);
        FOverlay = overlay;
        try {
            place(*overlay);
        } catch (...) {
            Release();
        }
        return Get();
    }

    // Lets the overlay go: it forgets the skinner and is freed. Nothing happens on an empty slot.
    void Release()
    {
        Overlay* overlay = static_cast<Overlay*>(std::exchange(FOverlay, nullptr));
        if (!overlay)
            return;
        overlay->ForgetSkinner();
        overlay->Free();
    }
};

}  // namespace ov
