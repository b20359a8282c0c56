// The check box and radio button skinners.
#include "skin/controls/check_skinners.h"

#include <algorithm>

#include "framework/controls/radio_button.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

constexpr int kCheckBoxImages = 6;
constexpr int kRadioButtonImages = 4;
constexpr int kMinBoxSide = 13;  // the system's own box, which the picture must cover
constexpr int kMinPlainBoxWidth = 14;

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

bool BoxAtLeft(const TButtonControl& control)
{
    bool rightToLeft = control.BiDiMode() != bdLeftToRight;
    return rightToLeft ? control.Alignment() == taLeftJustify : control.Alignment() == taRightJustify;
}

}  // namespace

int CheckBoxImageState(TCheckBoxState state, bool enabled)
{
    int image = state == cbChecked ? 1 : state == cbGrayed ? 2 : 3;
    return enabled ? image : image + 3;
}

int RadioButtonImageState(bool checked, bool enabled)
{
    int image = checked ? 1 : 2;
    return enabled ? image : image + 2;
}

TCheckBoxState CheckStateOf(LRESULT check)
{
    if (check == BST_CHECKED)
        return cbChecked;
    return check == BST_UNCHECKED ? cbUnchecked : cbGrayed;
}

void CutBoxImage(const TkrvSkinEngine& engine, Skin2Bitmap id, int count, int state, bool transparent, TBitmap& out)
{
    CopyCell(engine.SkinBitmap(id), out, count, state);
    out.SetPixelFormat(pf24bit);
    out.SetTransparentColor(engine.GetColor(SKIN2_TRANSCOLOR));
    out.SetTransparent(transparent);
}

POINT BoxImagePosition(bool boxAtLeft, int controlWidth, int clientHeight, SIZE image)
{
    int x = boxAtLeft ? 0 : controlWidth - image.cx - 1;
    return {x, FloorHalf(clientHeight - image.cy)};
}

// --- framework check boxes and radio buttons ----------------------------------------------------------

void TkrvSkinCheckControl::Initialize() { FOldFontColor = FControl->Font()->Color(); }

void TkrvSkinCheckControl::Update()
{
    TkrvSkinControlVCL::Update();
    bool skinned = FEngine->IsWorking() && !FEngine->NoChangeButtonsFontColor();
    FControl->Font()->SetColor(skinned ? FEngine->GetColor(SKIN2_CONTROLFONTCOLOR) : FOldFontColor);
}

void TkrvSkinCheckControl::Paint()
{
    TBitmap image;
    CutImage(image);
    if (image.Empty())
        return;
    int side = std::max({kMinBoxSide, image.Width(), image.Height()});
    TBitmap square(side, side);
    FillRectColor(square.Canvas()->Handle(), {0, 0, side, side}, FControl->Color());
    square.Canvas()->Draw(0, 0, image);
    auto& control = static_cast<TButtonControl&>(*FControl);
    DrawGraphicAt(square, BoxImagePosition(BoxAtLeft(control), control.Width(), control.ClientHeight(),
                                           {image.Width(), image.Height()}));
}

void TkrvSkinCheckBox::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    if (message.Msg == BM_SETCHECK || message.Msg == WM_LBUTTONDBLCLK)
        Paint();
}

void TkrvSkinCheckBox::CutImage(TBitmap& image)
{
    auto& box = static_cast<TCustomCheckBox&>(*FControl);
    CutBoxImage(*FEngine, SKIN2_CHECKBOX, kCheckBoxImages, CheckBoxImageState(box.State(), box.Enabled()),
                FEngine->GetBoolean(SKIN2_CHECKBOXTRANS), image);
}

bool TkrvSkinRadioButton::PreMessage(TMessage& message)
{
    if (message.Msg == WM_LBUTTONDBLCLK) {
        // The system would take the second press as a click; only the double-click handler runs.
        if (FControl->OnDblClick.Assigned())
            FControl->OnDblClick(FControl);
        return false;
    }
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return false;
    }
    return true;
}

void TkrvSkinRadioButton::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    if (message.Msg == BM_SETCHECK)
        Paint();
}

// The skin's radio pictures are always drawn transparent, whatever the skin's flag says.
void TkrvSkinRadioButton::CutImage(TBitmap& image)
{
    auto& radio = static_cast<TRadioButton&>(*FControl);
    CutBoxImage(*FEngine, SKIN2_RADIOBUTTON, kRadioButtonImages,
                RadioButtonImageState(radio.Checked(), radio.Enabled()), true, image);
}

// --- plain check boxes and radio buttons --------------------------------------------------------------

void TkrvSkinWndCheckControl::Paint()
{
    TBitmap image;
    CutImage(image);
    if (image.Empty())
        return;
    int width = std::max(kMinPlainBoxWidth, image.Width());
    int height = std::max(GetWindowHeight(), image.Height());
    TBitmap picture(width, height);
    FillRectColor(picture.Canvas()->Handle(), {0, 0, width, height}, FEngine->FormColor());
    picture.Canvas()->Draw(0, 0, image);
    DrawGraphicAt(picture, {0, 0});
}

void TkrvSkinWndCheckBox::AfterMessage(TMessage& message)
{
    TkrvSkinControlWnd::AfterMessage(message);
    if (message.Msg == WM_LBUTTONDBLCLK)
        Paint();
}

void TkrvSkinWndCheckBox::CutImage(TBitmap& image)
{
    TCheckBoxState state = CheckStateOf(::SendMessageW(FHandle, BM_GETCHECK, 0, 0));
    CutBoxImage(*FEngine, SKIN2_CHECKBOX, kCheckBoxImages, CheckBoxImageState(state, IsEnabled()),
                FEngine->GetBoolean(SKIN2_CHECKBOXTRANS), image);
}

void TkrvSkinWndRadioButton::AfterMessage(TMessage& message)
{
    TkrvSkinControlWnd::AfterMessage(message);
    if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == BM_SETCHECK)
        Paint();
}

void TkrvSkinWndRadioButton::CutImage(TBitmap& image)
{
    bool checked = ::SendMessageW(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
    CutBoxImage(*FEngine, SKIN2_RADIOBUTTON, kRadioButtonImages, RadioButtonImageState(checked, IsEnabled()), true,
                image);
}

}  // namespace ov
