// The label, panel, group box and frame skinners.
#include "skin/controls/panel_skinners.h"

#include "framework/graphics/canvas.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

constexpr int kCaptionIndent = 8;

}  // namespace

RECT GroupBoxFrameRect(SIZE size, int textHeight) { return {0, textHeight / 2 - 1, size.cx - 1, size.cy - 1}; }

void TkrvSkinLabel::Initialize()
{
    TkrvSkinControlVCL::Initialize();
    FOldFontColor = FControl->Font()->Color();
}

void TkrvSkinLabel::Update()
{
    TkrvSkinControlVCL::Update();
    FControl->Font()->SetColor(FEngine->IsWorking() ? FEngine->GetColor(SKIN2_CONTROLFONTCOLOR) : FOldFontColor);
}

// Over the group box's own picture: its etched frame is wiped out in the box's colour, the skin's
// one-pixel frame drawn instead, and the caption drawn again on the box's colour so that it hides
// the frame line behind it.
void TkrvSkinGroupBox::Paint()
{
    UniqueWindowDC dc = ControlDC();
    if (!dc)
        return;
    TCanvas canvas(dc.get());
    canvas.SetFont(*FControl->Font());
    canvas.Font()->SetColor(FEngine->GetColor(SKIN2_CONTROLFONTCOLOR));
    int textHeight = canvas.TextHeight(L"0");
    SIZE size{FControl->Width(), FControl->Height()};
    TColor back = FControl->Color();
    RECT etched{0, textHeight / 2, size.cx, size.cy};
    FrameRectColor(dc.get(), etched, back);
    ::InflateRect(&etched, -1, -1);
    FrameRectColor(dc.get(), etched, back);
    RECT frame = GroupBoxFrameRect(size, textHeight);
    FrameRectColor(dc.get(), frame, FEngine->GetColor(SKIN2_CONTROLBORDERCOLOR));
    std::wstring caption = FControl->Caption();
    if (!caption.empty()) {
        RECT text{kCaptionIndent, 0, 0, 0};
        canvas.DrawText(caption, text, DT_CALCRECT | DT_SINGLELINE);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(back);
        canvas.DrawText(caption, text, DT_SINGLELINE);
    }
    canvas.SetHandle(nullptr);
}

}  // namespace ov
