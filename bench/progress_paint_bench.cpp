// Cost of one paint of the wizard-sized progress bar (379 x 16 dialog units,
// about 569 x 26 pixels) into a memory context, with the product's skin
// pieces, drawn column by column (one GDI+ draw per pixel of width) and with
// the opaque columns copied along. The bar is a real window, so this needs a
// display (run under xvfb-run).
#include "controls/TextProgressCtrl.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 569;
constexpr int kHeight = 26;
constexpr int kPaints = 200;

double MillisecondsPerPaint(HWND bar, HDC target, int paints)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < paints; ++i)
        ::SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target), PRF_CLIENT);
    ::GdiFlush();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / paints;
}

// Position changes as a worker makes them, each repainted in the visible
// window before the message returns.
double MillisecondsPerPosition(HWND bar, int changes)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < changes; ++i)
        ::SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(i * 7 % 1000), 0);
    ::GdiFlush();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / changes;
}

std::vector<COLORREF> Picture(HWND bar, CDC& target)
{
    ::SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.m_hDC), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels.push_back(::GetPixel(target.m_hDC, x, y));
    return pixels;
}

// Both ways of laying the columns give the same picture with this skin.
bool SamePicture(CTextProgressCtrl& progress, HWND bar, CDC& target)
{
    progress.SetColumnByColumn(true);
    const auto reference = Picture(bar, target);
    progress.SetColumnByColumn(false);
    return Picture(bar, target) == reference;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    HWND bar = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!bar) {
        // Not a failure of the product: the figure needs an X display.
        std::printf("progress_paint_bench: skipped, no window could be made (run under xvfb-run)\n");
        return 0;
    }
    CTextProgressCtrl progress;
    progress.SubclassWindow(bar);
    progress.SendMessage(PBM_SETRANGE32, 0, 1000);

    HDC screen = ::GetDC(nullptr);
    CDC target;
    target.CreateCompatibleDC(screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, kWidth, kHeight);
    ::ReleaseDC(nullptr, screen);
    CSelectGuard selected(target, bitmap);

    std::printf("progress bar paint, %d x %d px, %d paints each:\n", kWidth, kHeight, kPaints);
    for (int position : {0, 500, 1000}) {
        progress.SendMessage(PBM_SETPOS, position);
        double perPaint[2] = {};
        for (bool columnByColumn : {true, false}) {
            progress.SetColumnByColumn(columnByColumn);
            MillisecondsPerPaint(bar, target.m_hDC, 5); // warm-up
            perPaint[columnByColumn ? 0 : 1] = MillisecondsPerPaint(bar, target.m_hDC, kPaints);
        }
        std::printf("  at %3d%%: column by column %.3f ms, copied columns %.3f ms per paint, %s\n",
                    position / 10, perPaint[0], perPaint[1],
                    SamePicture(progress, bar, target) ? "same pixels" : "PIXELS DIFFER");
    }

    // The live path against the system's own bar of the same size.
    HWND systemBar = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_POPUP, 0, 100, kWidth, kHeight, nullptr,
                                       nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(systemBar, PBM_SETRANGE32, 0, 1000);
    for (HWND window : {bar, systemBar})
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    progress.SetColumnByColumn(false);
    MillisecondsPerPosition(bar, 5);
    MillisecondsPerPosition(systemBar, 5);
    const double skinned = MillisecondsPerPosition(bar, kPaints);
    const double system = MillisecondsPerPosition(systemBar, kPaints);
    std::printf("PBM_SETPOS with the repaint in a visible window: skinned bar %.3f ms, system bar %.3f ms,"
                " ratio %.2f\n",
                skinned, system, skinned / system);
    ::DestroyWindow(systemBar);
    ::DestroyWindow(bar);
    return 0;
}
