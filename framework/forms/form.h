// TCustomForm and TForm: top-level windows built from stored layouts, with their border, position,
// focus handling (active control, Tab, default and cancel buttons), modal showing and the creation
// and destruction events.
#pragma once

#include <optional>
#include <string_view>

#include "framework/forms/win_control.h"

namespace ov {

class TMainMenu;
class TMenuItem;
class TIcon;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// Controls with a border (memos, panels) use the first two values.
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
    poDesigned,        // Left and Top as stored
    poDefault,         // Windows chooses position and size
    poDefaultPosOnly,  // Windows chooses the position
    poDefaultSizeOnly,
    poScreenCenter,  // centred on the screen every time it is shown
    poDesktopCenter,
    poMainFormCenter,  // centred over the main form every time it is shown
    poOwnerFormCenter,
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TTileMode { tbHorizontal, tbVertical };

OV_ENUM_TYPE(TFormBorderStyle, L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin")
OV_ENUM_TYPE(TBorderIcon, L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp")
OV_SET_TYPE(TBorderIcons)
OV_ENUM_TYPE(TPosition, L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly", L"poScreenCenter",
             L"poDesktopCenter", L"poMainFormCenter", L"poOwnerFormCenter")
OV_ENUM_TYPE(TFormStyle, L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop")
OV_ENUM_TYPE(TWindowState, L"wsNormal", L"wsMinimized", L"wsMaximized")
OV_ENUM_TYPE(TCloseAction, L"caNone", L"caHide", L"caFree", L"caMinimize")
OV_ENUM_TYPE(TTileMode, L"tbHorizontal", L"tbVertical")
// The type of a control's BorderStyle: bsNone or bsSingle.
const TTypeInfo& BorderStyleType();

using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                              mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO, mrAll = mrNo + 1, mrNoToAll = mrAll + 1,
                              mrYesToAll = mrNoToAll + 1;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
OV_EVENT_TYPE(TCloseEvent)
OV_EVENT_TYPE(TCloseQueryEvent)

// A form comes to life in two steps: the C++ constructor, then InitForm, which reads the stored
// layout (the RT_RCDATA resource named after the class in upper case, "TFORM1", or a given text),
// calls every component's Loaded, and fires OnCreate. TApplication::CreateForm does both.
//
// OnCreate runs after the whole layout has loaded in both creation orders; OldCreateOrder decides
// whether it runs before (True) or after (False) the form class's own Constructed step, the place
// for a descendant's construction code that needs the components. An exception escaping OnCreate
// (or OnDestroy) is handed to the application's handler and the form lives on.
class TCustomForm : public TWinControl {
    OV_CLASS(TCustomForm, TWinControl)

    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // The second step of construction (see above). Without a text the form's resource is read;
    // only TForm and TCustomForm themselves may lack one. Raises Exception for bad layouts.
    void InitForm();
    void InitForm(std::string_view layoutUtf8);

    [[nodiscard]] TFormBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    [[nodiscard]] TBorderIcons BorderIcons() const noexcept { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    [[nodiscard]] TPosition Position() const noexcept { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    [[nodiscard]] TFormStyle FormStyle() const noexcept { return formStyle_; }
    void SetFormStyle(TFormStyle value);
    [[nodiscard]] TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    [[nodiscard]] TMainMenu* Menu() const noexcept { return menu_; }
    void SetMenu(TMainMenu* value);
    // The menu item under which an MDI parent lists its children.
    [[nodiscard]] TMenuItem* WindowMenu() const noexcept { return windowMenu_; }
    void SetWindowMenu(TMenuItem* value);
    // The icon of the title bar and the task bar; when empty, the program's icon (MAINICON).
    [[nodiscard]] TIcon* Icon() const noexcept { return icon_.get(); }
    void SetIcon(TIcon* value);
    [[nodiscard]] bool OldCreateOrder() const noexcept { return oldCreateOrder_; }
    void SetOldCreateOrder(bool value) noexcept { oldCreateOrder_ = value; }
    [[nodiscard]] bool Scaled() const noexcept { return scaled_; }
    void SetScaled(bool value) noexcept { scaled_ = value; }
    // The density the layout was made at; with Scaled, Loaded scales the form to the screen's.
    [[nodiscard]] int PixelsPerInch() const noexcept { return pixelsPerInch_; }
    void SetPixelsPerInch(int value) noexcept { pixelsPerInch_ = value; }
    [[nodiscard]] int TextHeight() const noexcept { return textHeight_; }
    void SetTextHeight(int value) noexcept { textHeight_ = value; }
    [[nodiscard]] bool AutoScroll() const noexcept { return autoScroll_; }
    void SetAutoScroll(bool value) noexcept { autoScroll_ = value; }
    [[nodiscard]] bool KeyPreview() const noexcept { return keyPreview_; }
    void SetKeyPreview(bool value) noexcept { keyPreview_ = value; }

    // MDI (form_mdi.cpp). An fsMDIForm owns the platform's MDI client window, which fills the
    // client area its aligned controls leave; fsMDIChild forms live inside the main form's client.
    [[nodiscard]] HWND ClientHandle() const noexcept { return clientHandle_; }
    // The MDI form an fsMDIChild lives in: its owner when that is an MDI form, else the main form
    // when that is one, else the first MDI form on the screen; null when there is none.
    [[nodiscard]] TCustomForm* MDIParent() const;
    [[nodiscard]] TCustomForm* ActiveMDIChild() const;
    [[nodiscard]] int MDIChildCount() const;
    [[nodiscard]] TCustomForm* MDIChildren(int index) const;
    [[nodiscard]] TTileMode TileMode() const noexcept { return tileMode_; }
    void SetTileMode(TTileMode value) noexcept { tileMode_ = value; }
    void Cascade();
    void Tile();
    void ArrangeIcons();
    void Next();
    void Previous();

    // The control that has (or, when the form is inactive, will get) the focus.
    [[nodiscard]] TWinControl* ActiveControl() const noexcept { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Whether the form's window is the active window.
    [[nodiscard]] bool Active() const noexcept { return active_; }
    // Focuses control now if the form is active, else when it becomes active.
    void FocusControl(TWinControl* control);
    // Called when a control of the form received the focus: OnExit / OnEnter, the screen's record.
    void SetFocusedControl(TWinControl* control);
    // Called when a control leaves the form, so that the form forgets it as its active control.
    void ControlRemoved(TWinControl* control);

    [[nodiscard]] TModalResult ModalResult() const noexcept { return modalResult_; }
    void SetModalResult(TModalResult value) noexcept { modalResult_ = value; }
    // Shows the form and runs messages until ModalResult is set or the form is closed; the other
    // windows of the thread are disabled meanwhile. Returns the modal result.
    TModalResult ShowModal();
    [[nodiscard]] bool Modal() const noexcept { return modal_; }
    void Show() override;
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimise or nothing. The
    // main form ends the application; a modal form only sets ModalResult to mrCancel.
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now being handled are done (posts CM_RELEASE).
    void Release();

    [[nodiscard]] bool Showing() const override;
    void Loaded() override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    // The descendant's construction step (see above); runs inside InitForm.
    virtual void Constructed() {}
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void DefaultHandler(TMessage& message) override;
    void AlignControls(TControl* control, RECT& rect) override;
    void ChangeScale(int m, int d) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FinishCreation();
    void HandleVisibleChanged();
    void HandleActivate(TMessage& message);
    void HandleDialogKey(TMessage& message);
    void HandleMinMaxInfo(TMessage& message);
    void HandleRelease();
    void ApplyPosition();
    void MarkCaptionActiveIfActive();
    void FocusActiveControl();
    void CloseModal();
    void IconChanged(TObject* sender);
    // MDI (form_mdi.cpp).
    void CreateClientWindow();
    void CreateMDIChildParams(TCreateParams& params);
    void HandleMDIActivate(TMessage& message);
    void MergeMenuIntoMainForm(bool active);
    bool DispatchMenuCommand(UINT command);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDefaultPosOnly;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TMainMenu* menu_ = nullptr;
    TMenuItem* windowMenu_ = nullptr;
    HWND clientHandle_ = nullptr;  // the MDI client of an fsMDIForm
    TTileMode tileMode_ = tbHorizontal;
    std::unique_ptr<TIcon> icon_;
    bool oldCreateOrder_ = false;
    bool scaled_ = true;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool autoScroll_ = true;
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    bool modal_ = false;
    bool creating_ = false;
    TModalResult modalResult_ = mrNone;
};

// The form class of layouts: TCustomForm with its properties published.
class TForm : public TCustomForm {
    OV_CLASS(TForm, TCustomForm)

    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

}  // namespace ov
