#include "controls/MemDC.h"
#include "tests/controls/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kTargetBk = RGB(1, 2, 3);

// A top-level window of a class of its own, with the given class brush.
class PlainWindow
{
public:
    PlainWindow(const wchar_t* className, HBRUSH classBrush)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hbrBackground = classBrush;
        wc.lpszClassName = className;
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    }
    explicit PlainWindow(HWND window) : m_hWnd(window) {}
    ~PlainWindow() { ::DestroyWindow(m_hWnd); }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    HWND hwnd() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

// The colour the off-screen buffer starts with, for a context of the window.
COLORREF PrefillOf(HWND window)
{
    HDC windowDC = ::GetDC(window);
    COLORREF prefill = CLR_INVALID;
    {
        CDCRef target(windowDC);
        target.SetBkColor(kTargetBk);
        const RECT area{0, 0, 20, 10};
        CMemDC buffer(&target, &area);
        prefill = ::GetPixel(buffer.m_hDC, 5, 5);
    }
    ::ReleaseDC(window, windowDC);
    return prefill;
}

} // namespace

TEST(CMemDCTest, BufferStartsWithTheBackgroundOfTheTargetsWindow)
{
    CBrush classBrush;
    classBrush.CreateSolidBrush(RGB(12, 34, 56));
    PlainWindow dialog(::CreateWindowExW(0, L"#32770", L"", WS_POPUP, 0, 0, 60, 40, nullptr,
                                         nullptr, ::GetModuleHandleW(nullptr), nullptr));
    PlainWindow brushed(L"VeltoMemDCBrushed", classBrush.GetHandle());
    PlainWindow bare(L"VeltoMemDCBare", nullptr);
    ASSERT_NE(::GetSysColor(COLOR_BTNFACE), kTargetBk);

    EXPECT_EQ(PrefillOf(dialog.hwnd()), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PrefillOf(brushed.hwnd()), RGB(12, 34, 56));
    EXPECT_EQ(PrefillOf(bare.hwnd()), kTargetBk);

    // A memory target has no window: its background colour.
    Canvas canvas(30, 20, kWhite);
    canvas.dc().SetBkColor(kTargetBk);
    {
        CMemDC buffer(&canvas.dc());
        EXPECT_EQ(::GetPixel(buffer.m_hDC, 3, 3), kTargetBk);
    }
    EXPECT_EQ(canvas.Pixel(3, 3), kTargetBk);
}

TEST(CMemDCTest, DefaultAreaIsTheClipBoxInTheTargetsLogicalCoordinates)
{
    Canvas canvas(40, 30, kWhite);
    CDC& target = canvas.dc();
    target.SetBkColor(kTargetBk);
    target.SetWindowOrg(10, 10);                         // logical (10, 10) is device (0, 0)
    ::IntersectClipRect(target.m_hDC, 15, 14, 35, 30); // device (5, 4) to (25, 20)
    {
        CMemDC buffer(&target);
        const RECT& area = buffer.GetRect();
        EXPECT_EQ(area.left, 15);
        EXPECT_EQ(area.top, 14);
        EXPECT_EQ(area.right, 35);
        EXPECT_EQ(area.bottom, 30);
        const RECT mark{15, 14, 20, 18};
        buffer.FillSolidRect(mark, kRed);
        // Nothing reaches the target before the buffer closes.
        EXPECT_EQ(canvas.Pixel(5, 4), kWhite);
    }
    target.SetWindowOrg(0, 0);
    ::SelectClipRgn(target.m_hDC, nullptr);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            COLORREF expected = kWhite; // outside the area: untouched
            if (x >= 5 && x < 25 && y >= 4 && y < 20)
                expected = (x < 10 && y < 8) ? kRed : kTargetBk;
            ASSERT_EQ(canvas.Pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST(CMemDCTest, PrintingTargetIsDrawnDirectlyAndNotDeleted)
{
    Canvas canvas(20, 20, kWhite);
    canvas.dc().SetBkColor(kTargetBk);
    canvas.dc().m_bPrinting = TRUE;
    const RECT area{2, 2, 12, 12};
    {
        CMemDC buffer(&canvas.dc(), &area);
        EXPECT_EQ(buffer.m_hDC, canvas.hdc());
        EXPECT_TRUE(buffer.IsPrinting());
        EXPECT_EQ(canvas.Pixel(2, 2), kTargetBk); // pre-filled straight on the target
        const RECT mark{4, 4, 6, 6};
        buffer.FillSolidRect(mark, kRed);
        EXPECT_EQ(canvas.Pixel(5, 5), kRed);
    }
    EXPECT_EQ(::GetObjectType(canvas.hdc()), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
}

TEST(CMeemDCTest, CopiesTheWholeAreaWithoutPrefillAtOriginZero)
{
    Canvas canvas(30, 20, kWhite);
    const RECT area{0, 0, 20, 10};
    {
        CMeemDC buffer(&canvas.dc(), area);
        const RECT mark{2, 2, 5, 5};
        buffer.FillSolidRect(mark, kRed);
        EXPECT_EQ(canvas.Pixel(3, 3), kWhite);
    }
    EXPECT_EQ(canvas.Pixel(3, 3), kRed);
    EXPECT_EQ(canvas.Pixel(10, 5), RGB(0, 0, 0)); // a fresh bitmap, not filled
    EXPECT_EQ(canvas.Pixel(19, 9), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(20, 5), kWhite);
    EXPECT_EQ(canvas.Pixel(5, 10), kWhite);
}

TEST(CMemDCTest, KeptBufferServesWindowTargetsAndGrowsWithTheArea)
{
    PlainWindow window(L"VeltoKeptBufferTest", static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetWindowPos(window.hwnd(), HWND_TOPMOST, 0, 0, 120, 80, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PumpMessages();
    OffscreenBuffer kept;
    HDC windowDC = ::GetDC(window.hwnd());
    CDCRef target(windowDC);
    struct Paint
    {
        RECT area;
        COLORREF colour;
    };
    HDC firstBuffer = nullptr;
    for (const Paint& paint : {Paint{{0, 0, 30, 20}, kRed}, Paint{{10, 5, 110, 75}, RGB(0, 0, 255)},
                               Paint{{0, 0, 30, 20}, RGB(0, 160, 0)}}) {
        {
            CMemDC buffer(&target, &paint.area, kept);
            if (!firstBuffer)
                firstBuffer = buffer.m_hDC;
            EXPECT_EQ(buffer.m_hDC, firstBuffer); // one context for every paint
            buffer.FillSolidRect(paint.area, paint.colour);
        }
        EXPECT_EQ(::GetPixel(windowDC, paint.area.left, paint.area.top), paint.colour);
        EXPECT_EQ(::GetPixel(windowDC, paint.area.right - 1, paint.area.bottom - 1), paint.colour);
    }
    EXPECT_EQ(::GetPixel(windowDC, 109, 74), RGB(0, 0, 255)); // the second paint, not overdrawn
    EXPECT_EQ(::GetObjectType(firstBuffer), static_cast<DWORD>(OBJ_MEMDC)); // still the buffer's
    ::ReleaseDC(window.hwnd(), windowDC);

    // A target that is no window has a format of its own: it gets its own bitmap.
    Canvas canvas(40, 30, kWhite);
    const RECT area{0, 0, 40, 30};
    {
        CMemDC buffer(&canvas.dc(), &area, kept);
        EXPECT_NE(buffer.m_hDC, firstBuffer);
        buffer.FillSolidRect(area, kRed);
    }
    EXPECT_EQ(canvas.Pixel(39, 29), kRed);
}
