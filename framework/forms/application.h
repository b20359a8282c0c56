// TApplication: the program as a whole: its title, its forms (the first one created is the main
// form), the message loop and the last-resort handling of exceptions. Reached through the global
// Application.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "framework/core/component.h"

namespace ov {

class TCustomForm;
class TControl;
class TApplicationEvents;

using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = TEvent<void(TObject* Sender, std::exception_ptr E)>;

// The text of an exception as a person should read it (Exception::Message, what() of others).
std::wstring ExceptionMessage(const std::exception_ptr& exception);

class TApplication : public TComponent {
    OV_CLASS(TApplication, TComponent)

    explicit TApplication(TComponent* owner);

    // The name of the program as people see it: the caption of every message box it shows. The
    // main form's caption is what its taskbar button shows.
    [[nodiscard]] const std::wstring& Title() const noexcept { return title_; }
    void SetTitle(const std::wstring& value) { title_ = value; }
    // The program's icon (the "MAINICON" resource, or the system's application icon).
    [[nodiscard]] HICON Icon() const;

    // Creates a form owned by the application: constructs F, stores it in *reference, then reads its
    // layout (TCustomForm::InitForm). The first TForm created becomes the main form, with its window
    // created at once. If reading the layout fails the form is freed and the exception goes on.
    template <typename F>
    F* CreateForm(F** reference = nullptr)
    {
        F* form = new F(this);
        if (reference)
            *reference = form;
        try {
            form->InitForm();
        } catch (...) {
            if (reference)
                *reference = nullptr;
            form->Free();
            throw;
        }
        BecomeMainFormIfFirst(form);
        return form;
    }

    [[nodiscard]] TCustomForm* MainForm() const noexcept { return mainForm_; }
    // Shows the main form and runs the message loop until the main form closes (Terminate).
    void Run();
    // Ends the message loop (of Run and of modal forms).
    void Terminate();
    [[nodiscard]] bool Terminated() const noexcept { return terminated_; }
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Handles one message, waiting for one when the queue is empty.
    void HandleMessage();

    // Call from a catch block: shows the current exception's message in a message box captioned
    // with Title (or passes it to OnException) and returns; the program goes on. Never throws.
    void HandleException(TObject* sender) noexcept;
    void ShowException(const std::wstring& message);
    // MessageBoxW over the active form, captioned with the title when caption is empty.
    int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

    // Tool tips: shown for controls whose ShowHint is set, after HintPause milliseconds.
    [[nodiscard]] bool ShowHint() const noexcept { return showHint_; }
    void SetShowHint(bool value) noexcept { showHint_ = value; }
    [[nodiscard]] int HintPause() const noexcept { return hintPause_; }
    void SetHintPause(int value) noexcept { hintPause_ = value; }
    [[nodiscard]] int HintHidePause() const noexcept { return hintHidePause_; }
    void SetHintHidePause(int value) noexcept { hintHidePause_ = value; }

    // Sees every message taken from the queue before it is dispatched; Handled drops it.
    TMessageEvent OnMessage;
    // Replaces the default showing of exceptions by HandleException.
    TExceptionEvent OnException;

    // TApplicationEvents objects register here to see messages too.
    void AddEvents(TApplicationEvents* events);
    void RemoveEvents(TApplicationEvents* events);

    void Notification(TComponent* component, TOperation operation) override;

private:
    void BecomeMainFormIfFirst(TCustomForm* form);
    bool ProcessMessage(MSG& msg);
    bool FilterMessage(MSG& msg);
    bool IsKeyMsg(MSG& msg);

    std::wstring title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    std::vector<TApplicationEvents*> events_;
};

// The one application object, made on first use: Application->Run().
struct TApplicationAccess {
    TApplication* operator->() const;
    TApplication& operator*() const { return *operator->(); }
    operator TApplication*() const { return operator->(); }
};
inline constexpr TApplicationAccess Application{};

// A component that receives the application's messages and exceptions (several may exist; each
// sees what the earlier ones did not handle).
class TApplicationEvents : public TComponent {
    OV_CLASS(TApplicationEvents, TComponent)

    explicit TApplicationEvents(TComponent* owner);
    ~TApplicationEvents() override;

    TMessageEvent OnMessage;

protected:
    void BeforeDestruction() override;
};

}  // namespace ov
