// TScreen: the list of forms and what is active.
#include "framework/forms/screen.h"

#include <algorithm>

#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/forms/mouse.h"

namespace ov {

const TClassInfo& TScreen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TScreen>(L"TScreen", TComponent::StaticClass()).Build();
    return info;
}

TScreen* TScreenAccess::operator->() const
{
    static TComponentPtr<TScreen> screen(new TScreen(nullptr));
    return screen.get();
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

int TScreen::FormCount() const
{
    return static_cast<int>(
        std::count_if(forms_.begin(), forms_.end(), [](TCustomForm* f) { return dynamic_cast<TForm*>(f) != nullptr; }));
}

TForm* TScreen::Forms(int index) const
{
    for (TCustomForm* f : forms_)
        if (auto form = dynamic_cast<TForm*>(f); form && index-- == 0)
            return form;
    return nullptr;
}

TCustomForm* TScreen::FindForm(HWND window) const
{
    for (TCustomForm* f : forms_)
        if (window && f->WindowHandle() == window)
            return f;
    return nullptr;
}

TForm* TScreen::ActiveForm() const { return dynamic_cast<TForm*>(activeForm_); }

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form)
        SetActiveForm(nullptr);
    if (activeControl_ && form->ContainsControl(activeControl_))
        SetActiveControl(nullptr);
}

void TScreen::SetActiveForm(TCustomForm* form)
{
    if (form) {
        auto it = std::find(forms_.begin(), forms_.end(), form);
        if (it != forms_.end())
            std::rotate(forms_.begin(), it, it + 1);
    }
    if (activeForm_ == form)
        return;
    activeForm_ = form;
    OnActiveFormChange.Fire(this);
}

void TScreen::SetActiveControl(TWinControl* control)
{
    if (activeControl_ == control)
        return;
    activeControl_ = control;
    OnActiveControlChange.Fire(this);
}

void TScreen::SetCursor(TCursor value)
{
    if (cursor_ == value)
        return;
    cursor_ = value;
    if (HCURSOR handle = CursorHandle(value == crDefault ? crArrow : value))
        ::SetCursor(handle);
    RefreshCursor();
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

}  // namespace ov
