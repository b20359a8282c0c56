// The push button skinners: one face painter, the framework button's own click logic, and the
// plain button's pointer polling.
#include "skin/controls/button_skinners.h"

#include "framework/forms/form.h"
#include "skin/controls/button_glyph.h"
#include "skin/data/rect_ops.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_forms_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/data/windows_version_win.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_window_wnd.h"

namespace ov {

namespace {

constexpr int kButtonFaceCount = 3;
constexpr int kFocusInset = 5;

bool IsEnterOrSpace(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

}  // namespace

int ButtonFaceState(unsigned char state)
{
    if (state & TkrvSkinControl::kPressed)
        return 3;
    return (state & TkrvSkinControl::kHover) ? 2 : 1;
}

void PaintButtonFace(const TkrvSkinEngine& engine, TBitmap& picture, TColor background, unsigned char state,
                     bool focused)
{
    TCanvas& canvas = *picture.Canvas();
    const RECT all{0, 0, picture.Width(), picture.Height()};
    FillRectColor(canvas.Handle(), all, background);
    TBitmap face;
    CopyCell(engine.SkinBitmap(SKIN2_BUTTON), face, kButtonFaceCount, ButtonFaceState(state));
    if (!face.Empty())
        DrawNineSlice(face, canvas, all, engine.GetColor(SKIN2_TRANSCOLOR), engine.GetBoolean(SKIN2_BUTTONTRANS));
    if (!focused)
        return;
    RECT focus = all;
    ::InflateRect(&focus, -kFocusInset, -kFocusInset);
    if (state & TkrvSkinControl::kPressed)
        ::OffsetRect(&focus, 1, 1);
    HDC dc = canvas.Handle();
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &focus);
}

// --- framework buttons ------------------------------------------------------------------------------

bool TkrvSkinButton::PreMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN:
        return !IsEnterOrSpace(message.WParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetState(kPressed, true);
        Paint();
        return false;
    case WM_KILLFOCUS:
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
        Paint();
        return false;
    default:
        return AnswerPaintMessages(message, GetHandle(), [this] { Paint(); });
    }
}

void TkrvSkinButton::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    switch (message.Msg) {
    case WM_SETFOCUS:
        Paint();
        break;
    case WM_CHAR:
        // Enter that reaches the button as a character (the form did not take it as a dialog key).
        if (message.WParam == 0 || message.WParam == VK_RETURN) {
            SetState(kPressed, false);
            Paint();
            FControl->Click();
        }
        break;
    case WM_UPDATEUISTATE:
        if (IsWinXP())
            Paint();
        break;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click is a click of its own.
        FClickPending = false;
        FControl->Click();
        break;
    default:
        break;
    }
}

// A press counts only on the active form: the click that activates a form does not press its button.
void TkrvSkinButton::MouseDown()
{
    TCustomForm* form = FControl->GetParentForm();
    if (!form || !IsFormActive(form))
        return;
    auto& button = static_cast<TWinControl&>(*FControl);
    if (button.CanFocus() && button.Enabled() && button.Visible()) {
        try {
            button.SetFocus();
        } catch (...) {
            // The press still counts when the focus cannot move.
        }
    }
    FClickPending = true;
}

void TkrvSkinButton::MouseUp()
{
    if (!FClickPending)
        return;
    FClickPending = false;
    FControl->Click();
}

void TkrvSkinButton::KeyDown(WORD) { FKeyPending = true; }

void TkrvSkinButton::KeyUp(WORD key)
{
    bool clicks = key == VK_SPACE && FKeyPending && HasFocus() && IsEnabled() && EngineWorking();
    FKeyPending = false;
    if (!clicks)
        return;
    SetState(kPressed, false);
    Paint();
    FControl->Click();
}

void TkrvSkinButton::Initialize()
{
    TkrvSkinControlVCL::Initialize();
    FClickPending = false;
    FKeyPending = false;
}

bool TkrvSkinButton::HasFocus()
{
    HWND window = GetHandle();
    return window && ::GetFocus() == window;
}

TColor TkrvSkinButton::BackgroundColor() const
{
    TWinControl* parent = FControl->Parent();
    return parent && HasPublishedProperty(parent, L"Color") ? parent->Color() : FEngine->FormColor();
}

bool TkrvSkinButton::WordWrap() const
{
    const TPropInfo* info = FControl->ClassInfo().FindProperty(L"WordWrap");
    if (!info)
        return false;
    TValue value = info->Get(FControl);
    const bool* wrap = std::get_if<bool>(&value);
    return wrap && *wrap;
}

RECT TkrvSkinButton::DrawGlyph(TBitmap& picture)
{
    RECT client = FControl->ClientRect();
    TkrvButtonGlyph glyph = ReadButtonGlyph(*FControl);
    if (!glyph.glyph)
        return client;
    RECT area = client;
    ::InflateRect(&area, -1, -1);
    TCanvas& canvas = *picture.Canvas();
    canvas.SetFont(*FControl->Font());
    std::wstring caption = FControl->Caption();
    SIZE text = MeasureCaption(canvas, caption, area.right - area.left);
    int spacing = caption.empty() ? 0 : glyph.spacing;
    TkrvGlyphPlacement placed = PlaceGlyphAndText(
        {area, glyph.layout, false, GlyphCellSize(*glyph.glyph, glyph.numGlyphs), text, glyph.margin, spacing});
    DrawButtonGlyph(canvas, *glyph.glyph, glyph.numGlyphs, placed.glyph, IsEnabled(), Pressed());
    return placed.text;
}

void TkrvSkinButton::Paint()
{
    const int width = FControl->Width(), height = FControl->Height();
    if (width <= 0 || height <= 0 || !GetHandle())
        return;
    TBitmap picture(width, height);
    PaintButtonFace(*FEngine, picture, BackgroundColor(), FState, HasFocus());
    RECT content = DrawGlyph(picture);
    if (!FEngine->NoChangeButtonsFontColor())
        FControl->Font()->SetColor(FEngine->GetColor(SKIN2_BUTTONFONTCOLOR));
    DrawWindowCaption(picture, WordWrap(), content, FControl->Font());
}

// --- plain push buttons -----------------------------------------------------------------------------

bool TkrvSkinWndButton::PreMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN:
        if (!IsEnterOrSpace(message.WParam))
            return true;
        // The button's own procedure keeps Space (it clicks on the release); Enter is the dialog's.
        message.Result = 0;
        return message.WParam == VK_SPACE;
    case WM_MOUSEMOVE:
        SetState(kHover, true);
        Paint();
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetState(kPressed, true);
        Paint();
        message.Result = 0;
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Paint();
        message.Result = 0;
        return false;
    case WM_ERASEBKGND:
        Paint();
        return true;
    default:
        return AnswerPaintMessages(message, FHandle, [this] { Paint(); });
    }
}

void TkrvSkinWndButton::AfterMessage(TMessage& message)
{
    TkrvSkinControlWnd::AfterMessage(message);
    if (message.Msg == WM_SETFOCUS)
        Paint();
}

void TkrvSkinWndButton::Initialize()
{
    TkrvSkinControlWnd::Initialize();
    FClickPending = false;
    FPaintedOnce = false;
    auto* dialog = dynamic_cast<TkrvSkinWindowWnd*>(OwnerWindow());
    if (dialog && dialog->BusyDialog())
        return;  // a dialog that animates or shows progress is not disturbed by polling
    FHoverTimer = std::make_unique<TTimer>(nullptr);
    FHoverTimer->SetInterval(kHoverPollMs);
    FHoverTimer->OnTimer = TNotifyEvent(this, &TkrvSkinWndButton::HoverTimerTick);
    FHoverTimer->SetEnabled(true);
}

void TkrvSkinWndButton::Detach()
{
    FHoverTimer.reset();
    TkrvSkinControlWnd::Detach();
}

void TkrvSkinWndButton::MouseDown()
{
    ::SetFocus(FHandle);
    FClickPending = true;
}

void TkrvSkinWndButton::MouseUp()
{
    if (!FClickPending)
        return;
    FClickPending = false;
    auto id = static_cast<WORD>(::GetDlgCtrlID(FHandle));
    ::PostMessageW(::GetParent(FHandle), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(FHandle));
}

// Plain windows say nothing when the pointer leaves them: the hot face goes when a tick finds the
// pointer outside.
void TkrvSkinWndButton::HoverTimerTick(TObject*)
{
    if (!EngineWorking() || !::IsWindow(FHandle))
        return;
    if (Hovered()) {
        POINT cursor{};
        RECT window{};
        ::GetCursorPos(&cursor);
        ::GetWindowRect(FHandle, &window);
        if (!PointInRectInclusive(cursor, window)) {
            SetState(kHover | kPressed, false);
            Paint();
        }
    }
    if (!FPaintedOnce) {
        FPaintedOnce = true;
        Paint();
    }
}

void TkrvSkinWndButton::Paint()
{
    const int width = GetWindowWidth(), height = GetWindowHeight();
    if (width <= 0 || height <= 0)
        return;
    TBitmap picture(width, height);
    PaintButtonFace(*FEngine, picture, FEngine->FormColor(), FState, ::GetFocus() == FHandle);
    TFont font;
    SetMenuFont(font);
    font.SetColor(FEngine->GetColor(SKIN2_BUTTONFONTCOLOR));
    DrawCaption(picture, ReadWindowText(), false, {0, 0, width, height}, &font);
}

}  // namespace ov
