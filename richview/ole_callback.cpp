// The rich edit control's questions about embedded objects, answered for one view. No exception
// leaves a method: each turns into the HRESULT the control understands.
#include "richview/ole_callback.h"

#include "richview/ole_frame.h"

namespace ov {

namespace {

template <typename F>
HRESULT Guarded(HRESULT onError, F&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        return onError;
    }
}

// The clipboard command that a GetClipboardData operation stands for, if any.
bool CommandOfOperation(DWORD reco, TOvClipboardCommand& command)
{
    switch (reco) {
    case RECO_PASTE:
        command = caPaste;
        return true;
    case RECO_COPY:
        command = caCopy;
        return true;
    case RECO_CUT:
        command = caCut;
        return true;
    default:
        return false;
    }
}

}  // namespace

TRichEditOleCallback::~TRichEditOleCallback() { ReleaseForms(); }

STDMETHODIMP TRichEditOleCallback::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IRichEditOleCallback)) {
        *object = static_cast<IRichEditOleCallback*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) TRichEditOleCallback::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) TRichEditOleCallback::Release() { return references_ > 0 ? --references_ : 0; }

// Each new object gets a compound file in memory that goes away with its last reference.
STDMETHODIMP TRichEditOleCallback::GetNewStorage(LPSTORAGE* storage)
{
    if (!storage)
        return E_INVALIDARG;
    *storage = nullptr;
    ILockBytes* lockBytes = nullptr;
    if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, &lockBytes)) || !lockBytes)
        return E_OUTOFMEMORY;
    HRESULT result =
        ::StgCreateDocfileOnILockBytes(lockBytes, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0, storage);
    lockBytes->Release();
    if (FAILED(result) || !*storage) {
        *storage = nullptr;
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

STDMETHODIMP TRichEditOleCallback::GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                                     LPOLEINPLACEFRAMEINFO frameInfo)
{
    if (frame)
        *frame = nullptr;
    if (document)
        *document = nullptr;
    return Guarded(E_UNEXPECTED, [&]() -> HRESULT {
        PrepareForms();
        if (!frameForm_ || !host_.OleAllowInPlace())
            return E_NOTIMPL;
        if (!frame || !document || !frameInfo)
            return E_INVALIDARG;
        frameForm_->AddRef();
        *frame = frameForm_;
        documentForm_->AddRef();
        *document = documentForm_;
        PrepareAccelerators();
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = frameForm_->Window();
        frameInfo->haccel = accelerators_;
        frameInfo->cAccelEntries = static_cast<UINT>(acceleratorCount_);
        return S_OK;
    });
}

STDMETHODIMP TRichEditOleCallback::ShowContainerUI(BOOL show)
{
    return Guarded(E_UNEXPECTED, [&] { return ShowContainerUIUnsafe(show != FALSE); });
}

HRESULT TRichEditOleCallback::ShowContainerUIUnsafe(bool show)
{
    if (!show)
        PrepareForms();
    if (!frameForm_)
        return E_NOTIMPL;
    if (!show) {
        // An object becomes active in place: the form must not scroll under it.
        savedAutoScroll_ = host_.OleFrameAutoScroll();
        host_.OleSetFrameAutoScroll(false);
        host_.OleSetInPlaceActive(true);
        return S_OK;
    }
    frameForm_->SetMenu(nullptr, nullptr, nullptr);
    frameForm_->SetBorderSpace(nullptr);
    host_.OleSetInPlaceActive(false);
    host_.OleSetFrameAutoScroll(savedAutoScroll_);
    ReleaseForms();
    return S_OK;
}

STDMETHODIMP TRichEditOleCallback::QueryInsertObject(LPCLSID, LPSTORAGE, LONG) { return S_OK; }

STDMETHODIMP TRichEditOleCallback::DeleteObject(LPOLEOBJECT object)
{
    if (object)
        object->Close(OLECLOSE_NOSAVE);
    return S_OK;
}

STDMETHODIMP TRichEditOleCallback::QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD reco, BOOL really,
                                                   HGLOBAL metafile)
{
    return Guarded(E_UNEXPECTED, [&]() -> HRESULT {
        bool refuse = reco == RECO_PASTE && !host_.OleClipboardCommands().Contains(caPaste);
        CLIPFORMAT ignored = 0;
        host_.OleQueryAcceptData(data, format ? *format : ignored, static_cast<TRichDataOperation>(reco),
                                 really != FALSE, metafile, refuse);
        return refuse ? S_FALSE : S_OK;
    });
}

STDMETHODIMP TRichEditOleCallback::ContextSensitiveHelp(BOOL) { return S_OK; }

// E_NOTIMPL lets the control put its own data on the clipboard; S_OK with no data object stops
// the transfer when the view does not allow the command.
STDMETHODIMP TRichEditOleCallback::GetClipboardData(CHARRANGE*, DWORD reco, LPDATAOBJECT* data)
{
    if (data)
        *data = nullptr;
    TOvClipboardCommand command{};
    if (!CommandOfOperation(reco, command))
        return E_NOTIMPL;
    return host_.OleClipboardCommands().Contains(command) ? E_NOTIMPL : S_OK;
}

STDMETHODIMP TRichEditOleCallback::GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect)
{
    return Guarded(E_UNEXPECTED, [&]() -> HRESULT {
        TRichDropEffects effects = DropEffectsFromFlags(effect ? *effect : 0);
        if (!host_.OleDragDropEffect(drag != FALSE, ShiftStateFromDragKeys(keyState), effects))
            return E_NOTIMPL;
        if (effect)
            *effect = DropEffectsToFlags(effects);
        return S_OK;
    });
}

STDMETHODIMP TRichEditOleCallback::GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU* menu)
{
    if (menu)
        *menu = nullptr;
    return E_NOTIMPL;
}

// The forms an in-place object works in, taken once per activation.
void TRichEditOleCallback::PrepareForms()
{
    if (!host_.OleAllowInPlace() || frameForm_)
        return;
    HWND document = host_.OleDocumentForm();
    HWND frame = host_.OleFrameForm();
    if (!document || !frame)
        return;
    documentForm_ = new TOleFrameForm(document);
    frameForm_ = frame == document ? (documentForm_->AddRef(), documentForm_) : new TOleFrameForm(frame);
}

void TRichEditOleCallback::PrepareAccelerators()
{
    if (accelerators_)
        return;
    std::vector<ACCEL> table = host_.OleFrameAccelerators();
    if (table.empty())
        return;
    accelerators_ = ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    acceleratorCount_ = accelerators_ ? static_cast<int>(table.size()) : 0;
}

void TRichEditOleCallback::ReleaseForms() noexcept
{
    if (accelerators_)
        ::DestroyAcceleratorTable(accelerators_);
    accelerators_ = nullptr;
    acceleratorCount_ = 0;
    if (frameForm_)
        frameForm_->Release();
    if (documentForm_)
        documentForm_->Release();
    frameForm_ = documentForm_ = nullptr;
}

}  // namespace ov
