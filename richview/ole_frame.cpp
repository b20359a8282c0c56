// The in-place frame of a form: border space, shared menu, active object.
#include "richview/ole_frame.h"

namespace ov {

TOleFrameForm::TOleFrameForm(HWND form) : form_(form), formMenu_(::GetMenu(form)) {}

TOleFrameForm::~TOleFrameForm()
{
    if (activeObject_)
        activeObject_->Release();
}

STDMETHODIMP TOleFrameForm::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleWindow) ||
        IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame)) {
        *object = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) TOleFrameForm::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) TOleFrameForm::Release()
{
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP TOleFrameForm::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = form_;
    return S_OK;
}

STDMETHODIMP TOleFrameForm::ContextSensitiveHelp(BOOL) { return S_OK; }

STDMETHODIMP TOleFrameForm::GetBorder(LPRECT border)
{
    if (!border)
        return E_POINTER;
    return ::GetClientRect(form_, border) ? S_OK : E_FAIL;
}

STDMETHODIMP TOleFrameForm::RequestBorderSpace(LPCBORDERWIDTHS widths)
{
    if (!widths)
        return S_OK;
    RECT client{};
    ::GetClientRect(form_, &client);
    bool fits = widths->left + widths->right < client.right && widths->top + widths->bottom < client.bottom;
    return fits ? S_OK : INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP TOleFrameForm::SetBorderSpace(LPCBORDERWIDTHS widths)
{
    border_ = widths ? *widths : BORDERWIDTHS{};
    return S_OK;
}

STDMETHODIMP TOleFrameForm::SetActiveObject(IOleInPlaceActiveObject* activeObject, LPCOLESTR)
{
    if (activeObject)
        activeObject->AddRef();
    if (activeObject_)
        activeObject_->Release();
    activeObject_ = activeObject;
    return S_OK;
}

STDMETHODIMP TOleFrameForm::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS widths)
{
    // The container contributes no menu groups of its own to the shared menu.
    if (widths)
        widths->width[0] = widths->width[2] = widths->width[4] = 0;
    return S_OK;
}

STDMETHODIMP TOleFrameForm::SetMenu(HMENU shared, HOLEMENU oleMenu, HWND activeObject)
{
    HRESULT result = ::OleSetMenuDescriptor(shared ? oleMenu : nullptr, form_, shared ? activeObject : nullptr,
                                            shared ? this : nullptr, shared ? activeObject_ : nullptr);
    if (::GetMenu(form_) != (shared ? shared : formMenu_) && (shared || formMenu_))
        ::SetMenu(form_, shared ? shared : formMenu_);
    return result;
}

STDMETHODIMP TOleFrameForm::RemoveMenus(HMENU) { return S_OK; }

STDMETHODIMP TOleFrameForm::SetStatusText(LPCOLESTR) { return S_OK; }

STDMETHODIMP TOleFrameForm::EnableModeless(BOOL) { return S_OK; }

STDMETHODIMP TOleFrameForm::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

}  // namespace ov
