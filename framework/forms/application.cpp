// TApplication: message loop, forms, exception handling.
#include "framework/forms/application.h"

#include <algorithm>

#include "framework/forms/form.h"
#include "framework/forms/messages.h"
#include "framework/core/properties.h"
#include "framework/forms/screen.h"
#include "framework/core/unicode.h"
#include "framework/forms/win_control.h"

namespace ov {

namespace {

std::wstring ModuleBaseName()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

}  // namespace

std::wstring ExceptionMessage(const std::exception_ptr& exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return Utf8ToWide(e.what());
    } catch (...) {
        return L"Unknown error";
    }
}

const TClassInfo& TApplication::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TApplication>(L"TApplication", TComponent::StaticClass())
                                        .Property(L"Title", &TApplication::Title, &TApplication::SetTitle)
                                        .Build();
    return info;
}

TApplication* TApplicationAccess::operator->() const
{
    // The screen is made first so that it outlives the application (statics end in reverse order):
    // forms the application frees at exit still leave the screen's list.
    static TScreen* const screen = Screen.operator->();
    static TComponentPtr<TApplication> application(new TApplication(nullptr));
    (void)screen;
    return application.get();
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), title_(ModuleBaseName()) {}

// Icons from LoadIcon are shared and live as long as the process; loading one picks and scales
// the best image each time, so it is done once.
HICON TApplication::Icon() const
{
    static const HICON icon = [] {
        if (HICON own = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"))
            return own;
        return LoadIconW(nullptr, IDI_APPLICATION);
    }();
    return icon;
}

void TApplication::BecomeMainFormIfFirst(TCustomForm* form)
{
    if (mainForm_ || !dynamic_cast<TForm*>(form))
        return;
    form->HandleNeeded();
    mainForm_ = form;
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == mainForm_)
        mainForm_ = nullptr;
}

// --- the message loop -------------------------------------------------------------------------------

void TApplication::Run()
{
    terminated_ = false;
    if (mainForm_ && !mainForm_->Visible()) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        GetStartupInfoW(&startup);
        if (startup.dwFlags & STARTF_USESHOWWINDOW) {
            if (startup.wShowWindow == SW_SHOWMINIMIZED || startup.wShowWindow == SW_MINIMIZE ||
                startup.wShowWindow == SW_SHOWMINNOACTIVE)
                mainForm_->SetWindowState(wsMinimized);
            else if (startup.wShowWindow == SW_SHOWMAXIMIZED)
                mainForm_->SetWindowState(wsMaximized);
        }
        mainForm_->Show();
    }
    while (!terminated_) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
    // The quit request is used up: a later Run or modal loop starts afresh.
    terminated_ = false;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg))
        WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (!FilterMessage(msg) && !IsKeyMsg(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

// OnMessage, then every TApplicationEvents, until one handles the message.
bool TApplication::FilterMessage(MSG& msg)
{
    bool handled = false;
    try {
        if (OnMessage.Assigned())
            OnMessage(msg, handled);
        std::vector<TApplicationEvents*> listeners = events_;
        for (TApplicationEvents* e : listeners) {
            if (handled)
                break;
            if (std::find(events_.begin(), events_.end(), e) != events_.end() && e->OnMessage.Assigned())
                e->OnMessage(msg, handled);
        }
    } catch (...) {
        HandleException(this);
    }
    return handled;
}

// Keys are offered to the control they are meant for (CN_KEYDOWN, CN_CHAR, ...) before they are
// translated, so that forms can handle Tab, Enter, Escape and accelerators.
bool TApplication::IsKeyMsg(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND window = GetCapture();
    if (!window)
        window = msg.hwnd;
    while (window && !TWinControl::FindControl(window))
        window = GetParent(window);
    if (!window)
        return false;
    return SendMessageW(window, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

// --- exceptions ----------------------------------------------------------------------------------------

void TApplication::HandleException(TObject* sender) noexcept
{
    std::exception_ptr exception = std::current_exception();
    if (!exception)
        return;
    try {
        if (OnException.Assigned())
            OnException(sender, exception);
        else
            ShowException(ExceptionMessage(exception));
    } catch (...) {
        // The last resort has nothing left to report to.
    }
}

void TApplication::ShowException(const std::wstring& message) { ShowMessageBox(message, L"", MB_OK | MB_ICONSTOP); }

int TApplication::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_)
        owner = mainForm_->WindowHandle();
    return MessageBoxW(owner, text.c_str(), caption.empty() ? title_.c_str() : caption.c_str(), flags);
}

void TApplication::AddEvents(TApplicationEvents* events) { events_.push_back(events); }

void TApplication::RemoveEvents(TApplicationEvents* events)
{
    events_.erase(std::remove(events_.begin(), events_.end(), events), events_.end());
}

// --- TApplicationEvents -------------------------------------------------------------------------------

const TClassInfo& TApplicationEvents::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TApplicationEvents>(L"TApplicationEvents", TComponent::StaticClass()).Creatable().Build();
    return info;
}

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) { Application->AddEvents(this); }

TApplicationEvents::~TApplicationEvents() { Application->RemoveEvents(this); }

void TApplicationEvents::BeforeDestruction()
{
    Application->RemoveEvents(this);
    TComponent::BeforeDestruction();
}

}  // namespace ov
