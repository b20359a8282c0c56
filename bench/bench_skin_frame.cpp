// The reader's main window with the skin on against the same window with the skin off, in one run:
// (a) full repaints including the frame, (b) a storm of size changes with painting flushed, (c) line
// scrolls of chapter 0 (the skinned scroll bar follows each one). The two
// alternate in blocks (each block starting with the other one in turn), and each ratio compares
// the total time of the skinned blocks with that of the plain ones.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/about_box.h"
#include "app/app_title.h"
#include "app/form1.h"
#include "richview/module_init.h"
#include "richview/rich_edit.h"
#include "skin/controls/control_skinners.h"
#include "framework/forms/application.h"
#include "skin/engine/skin_engine.h"

namespace {

using namespace ov;
using Clock = std::chrono::steady_clock;

constexpr int kRepaints = 500;
constexpr int kResizes = 300;
constexpr int kLineScrolls = 1000;
constexpr int kBlocks = 10;  // each measurement is split into this many alternating blocks

void Flush() { Application->ProcessMessages(); }

struct Totals {
    double skinned = 0;
    double plain = 0;
};

// Runs `work(count)` in alternating blocks with the skin on and off; seconds per mode.
Totals Alternate(TkrvSkinEngine& engine, int total, const std::function<void(int)>& work)
{
    Totals totals;
    const int block = total / kBlocks;
    for (int i = 0; i < kBlocks; ++i) {
        for (int turn = 0; turn < 2; ++turn) {
            bool skinned = (i + turn) % 2 == 0;
            engine.SetActive(skinned);
            Flush();
            auto start = Clock::now();
            work(block);
            Flush();
            double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            (skinned ? totals.skinned : totals.plain) += seconds;
        }
    }
    engine.SetActive(true);
    return totals;
}

}  // namespace

int wmain()
{
    RegisterControlSkinners();
    ModuleInitialisation modules;
    Application->SetTitle(kAppTitle);
    Application->CreateForm(&Form1);
    Application->CreateForm(&AboutBox);
    Form1->Show();
    Flush();
    HWND window = Form1->Handle();
    TkrvSkinEngine& engine = *Form1->krvSkinEngine1;
    if (!engine.IsWorking()) {
        std::fprintf(stderr, "bench_skin_frame: the skin is not working\n");
        return 1;
    }
    RECT start{};
    GetWindowRect(window, &start);

    Totals paint = Alternate(engine, kRepaints, [&](int n) {
        for (int i = 0; i < n; ++i)
            RedrawWindow(window, nullptr, nullptr,
                         RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    Totals resize = Alternate(engine, kResizes, [&](int n) {
        for (int i = 0; i < n; ++i) {
            int width = start.right - start.left + (i % 20) * 6;
            int height = start.bottom - start.top + (i % 15) * 5;
            SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
    HWND chapter = Form1->OvRichEdit1->Handle();
    Totals scroll = Alternate(engine, kLineScrolls, [&](int n) {
        SendMessageW(chapter, WM_VSCROLL, SB_TOP, 0);
        for (int i = 0; i < n; ++i) {
            SendMessageW(chapter, WM_VSCROLL, SB_LINEDOWN, 0);
            UpdateWindow(chapter);
            Flush();
        }
    });

    std::printf("%-30s %12s %12s\n", "measurement", "skin on (s)", "skin off (s)");
    std::printf("%-30s %12.3f %12.3f\n", "500 full repaints", paint.skinned, paint.plain);
    std::printf("%-30s %12.3f %12.3f\n", "300 size changes", resize.skinned, resize.plain);
    std::printf("%-30s %12.3f %12.3f\n", "1000 line scrolls", scroll.skinned, scroll.plain);
    std::printf("RESULT skin_paint_ratio=%.3f\n", paint.skinned / paint.plain);
    std::printf("RESULT skin_resize_ratio=%.3f\n", resize.skinned / resize.plain);
    std::printf("RESULT skin_scroll_ratio=%.3f\n", scroll.skinned / scroll.plain);
    // The forms go before OLE does: closing the views closes their embedded objects.
    Application->DestroyComponents();
    return 0;
}
