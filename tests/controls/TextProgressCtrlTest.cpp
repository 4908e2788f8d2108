#include "controls/TextProgressCtrl.h"
#include "tests/controls/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {

// The fixture skin (see fixtures/make_fixtures.py).
// Columns whose colour changes row by row.
COLORREF Track(int row)
{
    return RGB(210, 210, 180 + row);
}
COLORREF Fill(int row)
{
    return RGB(40, 140 + row - 2, 40); // drawn from row 2
}
constexpr COLORREF kLeftEnd = RGB(90, 90, 200);
constexpr COLORREF kRightEnd = RGB(200, 90, 90);
constexpr COLORREF kMarquee = RGB(230, 150, 20);
constexpr COLORREF kTextOff = RGB(255, 0, 0);
constexpr COLORREF kTextOn = RGB(255, 255, 0);
constexpr int kId = 1003;

// A system progress bar on a host window, subclassed with the skinned bar.
class ProgressTest : public testing::Test
{
protected:
    void Create(int width, int height = 25)
    {
        m_hWnd = m_host.CreateChild(PROGRESS_CLASSW, L"", 0, kId, 10, 10, width, height);
        ASSERT_TRUE(m_bar.SubclassWindow(m_hWnd));
        // Text without smoothing, so text pixels have exactly the text colours.
        m_font = MakeFont(L"Arial", -14, FW_BOLD, NONANTIALIASED_QUALITY);
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetHandle()), FALSE);
        Send(TPCM_SETTEXTCOLOR, 0, kTextOff);
        Send(TPCM_SETTEXTBARCOLOR, 0, kTextOn);
    }
    void TearDown() override
    {
        if (m_hWnd)
            ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        PumpMessages();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    // Runs the work on a thread of its own, as a download worker, while this
    // thread answers its sent messages.
    void AsWorker(const std::function<void()>& work)
    {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            work();
            done = true;
            ::PostMessageW(m_host.hwnd(), WM_NULL, 0, 0);
        });
        const DWORD start = ::GetTickCount();
        while (!done && ::GetTickCount() - start < 5000)
            PumpMessages(10);
        worker.join();
    }
    int Width() const
    {
        RECT rc{};
        ::GetClientRect(m_hWnd, &rc);
        return rc.right;
    }

    HostWindow m_host;
    CTextProgressCtrl m_bar;
    CFont m_font;
    HWND m_hWnd = nullptr;
};

} // namespace

TEST_F(ProgressTest, FillColumnsRunFromTheTrackEndToTheFraction)
{
    struct Case
    {
        int width;
        int position;
        int fillEnd; // first column after the fill
    };
    for (const Case& c : {Case{200, 0, 4}, Case{200, 50, 100}, Case{201, 50, 100}, Case{200, 100, 200},
                          Case{300, 25, 75}, Case{569, 50, 284}}) {
        SCOPED_TRACE(testing::Message() << c.width << " px at " << c.position);
        Create(c.width);
        Send(TPCM_SHOWPERCENT, FALSE);
        Send(PBM_SETPOS, c.position);
        Canvas canvas(c.width, 25, RGB(0, 0, 0));
        PrintClient(m_hWnd, canvas);

        for (int x = 0; x < c.width; ++x) {
            for (int y = 0; y < 25; ++y) {
                COLORREF expected = Track(y);
                if (x < 4)
                    expected = kLeftEnd;
                else if (x >= c.width - 4)
                    expected = kRightEnd;
                if (x >= 4 && x < c.fillEnd && y >= 2 && y < 23)
                    expected = Fill(y);
                ASSERT_EQ(canvas.Pixel(x, y), expected) << "at " << x << "," << y;
            }
        }
        TearDown();
    }
}

TEST_F(ProgressTest, CopiedColumnsGiveThePixelsOfColumnByColumnDrawing)
{
    for (int width : {9, 10, 200, 569}) {
        Create(width);
        for (int position : {0, 1, 37, 50, 99, 100}) {
            SCOPED_TRACE(testing::Message() << width << " px at " << position);
            Send(PBM_SETPOS, position);
            m_bar.SetColumnByColumn(true);
            Canvas reference(width, 25, RGB(0, 0, 0));
            PrintClient(m_hWnd, reference);
            m_bar.SetColumnByColumn(false);
            Canvas copied(width, 25, RGB(0, 0, 0));
            PrintClient(m_hWnd, copied);
            ASSERT_EQ(copied.Pixels(), reference.Pixels());
        }
        TearDown();
    }
}

TEST_F(ProgressTest, SkinDrawnOnceFollowsTheBarWidth)
{
    // The skin is drawn once per width and copied afterwards; a bar that
    // changes width must not show the skin of its old width.
    Create(200);
    Send(PBM_SETPOS, 50);
    for (int width : {321, 57, 200}) {
        SCOPED_TRACE(width);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, 25, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Canvas copied(width, 25, RGB(0, 0, 0));
        PrintClient(m_hWnd, copied);
        m_bar.SetColumnByColumn(true);
        Canvas reference(width, 25, RGB(0, 0, 0));
        PrintClient(m_hWnd, reference);
        m_bar.SetColumnByColumn(false);
        ASSERT_EQ(copied.Pixels(), reference.Pixels());
        EXPECT_EQ(copied.Pixel(width - 1, 12), kRightEnd);
    }
}

TEST_F(ProgressTest, TextAndFontGivenBeforeSubclassingArePainted)
{
    // The dialog gives its controls their font and text before the bar
    // takes the window over.
    m_font = MakeFont(L"Arial", -14, FW_BOLD, NONANTIALIASED_QUALITY);
    auto pictureOf = [&](bool beforeSubclassing) {
        HWND window = m_host.CreateChild(PROGRESS_CLASSW, L"", 0, kId, 10, 10, 200, 25);
        CTextProgressCtrl bar;
        auto give = [&] {
            ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetHandle()), FALSE);
            ::SetWindowTextW(window, L"Step ");
        };
        if (beforeSubclassing)
            give();
        EXPECT_TRUE(bar.SubclassWindow(window));
        if (!beforeSubclassing)
            give();
        ::SendMessageW(window, PBM_SETPOS, 40, 0);
        Canvas canvas(200, 25);
        PrintClient(window, canvas);
        ::DestroyWindow(window);
        return canvas.Pixels();
    };
    const auto before = pictureOf(true);
    EXPECT_EQ(before, pictureOf(false));

    // Another font gives another picture: the font is really in use.
    HWND window = m_host.CreateChild(PROGRESS_CLASSW, L"Step ", 0, kId, 10, 10, 200, 25);
    CTextProgressCtrl bar;
    ASSERT_TRUE(bar.SubclassWindow(window));
    ::SendMessageW(window, PBM_SETPOS, 40, 0);
    Canvas otherFont(200, 25);
    PrintClient(window, otherFont);
    ::DestroyWindow(window);
    EXPECT_NE(before, otherFont.Pixels());
}

TEST_F(ProgressTest, EachPositionIsOnTheScreenWhenTheSentMessageReturns)
{
    // A worker's sent PBM_SETPOS returns only once the new position is
    // painted in the window itself: read back from the screen by the worker
    // before it does anything else.
    Create(200);
    Send(TPCM_SHOWPERCENT, FALSE);
    struct Seen
    {
        int position;
        COLORREF lastFill;
        COLORREF firstTrack;
    };
    std::vector<Seen> seen;
    AsWorker([&] {
        HDC screen = ::GetDC(m_hWnd);
        for (int position : {25, 50, 75, 30}) {
            ::SendMessageW(m_hWnd, PBM_SETPOS, position, 0);
            const int edge = 200 * position / 100;
            seen.push_back({position, ::GetPixel(screen, edge - 1, 12), ::GetPixel(screen, edge, 12)});
        }
        ::ReleaseDC(m_hWnd, screen);
    });
    ASSERT_EQ(seen.size(), 4u);
    for (const Seen& s : seen) {
        SCOPED_TRACE(s.position);
        EXPECT_EQ(s.lastFill, Fill(12));
        EXPECT_EQ(s.firstTrack, Track(12));
    }
}

TEST_F(ProgressTest, PercentTextChangesColourAtTheFillEdge)
{
    Create(200);
    struct Case
    {
        int position;
        bool textOff; // some text in the colour off the bar
        bool textOn;  // some text in the colour over the bar
    };
    for (const Case& c : {Case{0, true, false}, Case{50, true, true}, Case{100, false, true}}) {
        SCOPED_TRACE(c.position);
        Send(PBM_SETPOS, c.position);
        Canvas canvas(200, 25);
        PrintClient(m_hWnd, canvas);
        const int edge = 200 * c.position / 100;
        const RECT left{0, 0, edge, 25};
        const RECT right{edge, 0, 200, 25};
        const RECT all{0, 0, 200, 25};
        EXPECT_EQ(canvas.Contains(all, kTextOff), c.textOff);
        EXPECT_EQ(canvas.Contains(all, kTextOn), c.textOn);
        EXPECT_FALSE(canvas.Contains(left, kTextOff));
        EXPECT_FALSE(canvas.Contains(right, kTextOn));
    }
}

TEST_F(ProgressTest, PercentIsRoundedHalfUpAndAppendedToTheWindowText)
{
    Create(200);
    // An eighth: 12.5 % shows as 13 %. The same picture as the window text
    // "13%" without the percentage.
    Send(PBM_SETRANGE32, 0, 8);
    Send(PBM_SETPOS, 1);
    Canvas shown(200, 25);
    PrintClient(m_hWnd, shown);

    Send(TPCM_SHOWPERCENT, FALSE);
    for (const wchar_t* text : {L"13%", L"12%"}) {
        ::SetWindowTextW(m_hWnd, text);
        Canvas expected(200, 25);
        PrintClient(m_hWnd, expected);
        EXPECT_EQ(shown.Pixels() == expected.Pixels(), std::wstring(text) == L"13%");
    }
    // With both, the window text comes first.
    ::SetWindowTextW(m_hWnd, L"Done ");
    Send(TPCM_SHOWPERCENT, TRUE);
    Canvas both(200, 25);
    PrintClient(m_hWnd, both);
    ::SetWindowTextW(m_hWnd, L"Done 13%");
    Send(TPCM_SHOWPERCENT, FALSE);
    Canvas literal(200, 25);
    PrintClient(m_hWnd, literal);
    EXPECT_EQ(both.Pixels(), literal.Pixels());
}

TEST_F(ProgressTest, EmptyRangePaintsNothing)
{
    Create(200);
    for (auto range : {std::pair{5, 5}, std::pair{9, 3}}) {
        Send(PBM_SETRANGE32, range.first, range.second);
        Canvas canvas(200, 25, RGB(255, 0, 255));
        const auto before = canvas.Pixels();
        PrintClient(m_hWnd, canvas);
        EXPECT_EQ(canvas.Pixels(), before);
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT update{};
        EXPECT_FALSE(::GetUpdateRect(m_hWnd, &update, FALSE)); // the paint was still ended
    }
    Send(PBM_SETRANGE32, 0, 10);
    Canvas canvas(200, 25, RGB(255, 0, 255));
    PrintClient(m_hWnd, canvas);
    EXPECT_EQ(canvas.Pixel(0, 0), kLeftEnd);
}

TEST_F(ProgressTest, MessagesAnswerLikeTheSystemBar)
{
    Create(200);
    PBRANGE range{-1, -1};
    const auto byDefault = static_cast<LPARAM>(CLR_DEFAULT);
    struct Step
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        DWORD expected; // compared as 32 bits
    };
    const Step steps[] = {
        {PBM_GETRANGE, TRUE, 0, 0},
        {PBM_GETRANGE, FALSE, 0, 100},
        {PBM_SETRANGE, 0, MAKELPARAM(10, 200), (100u << 16) | 0},
        {PBM_SETRANGE32, static_cast<WPARAM>(-5), 70000, (200u << 16) | 10},
        // Only the low 16 bits of each bound survive the packing.
        {PBM_SETRANGE32, 0, 100, ((70000u & 0xFFFF) << 16) | 0xFFFB},
        {PBM_SETPOS, 150, 0, 0},
        {PBM_GETPOS, 0, 0, 100},
        {PBM_SETPOS, static_cast<WPARAM>(-3), 0, 100},
        {PBM_GETPOS, 0, 0, 0},
        {PBM_DELTAPOS, 30, 0, 0},
        {PBM_SETSTEP, 40, 0, 10},
        {PBM_STEPIT, 0, 0, 30},
        {PBM_STEPIT, 0, 0, 70},
        {PBM_GETPOS, 0, 0, 10}, // 110 wrapped to the minimum plus 10
        {PBM_SETSTEP, static_cast<WPARAM>(-25), 0, 40},
        {PBM_STEPIT, 0, 0, 10},
        {PBM_GETPOS, 0, 0, 85}, // -15 wrapped to the maximum less 15
        {PBM_SETBARCOLOR, 0, RGB(1, 2, 3), CLR_DEFAULT},
        {TPCM_GETBARCOLOR, 0, 0, RGB(1, 2, 3)},
        {PBM_SETBKCOLOR, 0, RGB(4, 5, 6), CLR_DEFAULT},
        {TPCM_GETBKCOLOR, 0, 0, RGB(4, 5, 6)},
        {PBM_SETBARCOLOR, 0, byDefault, RGB(1, 2, 3)},
        {TPCM_GETBARCOLOR, 0, 0, ::GetSysColor(COLOR_HIGHLIGHT)},
        {PBM_SETBKCOLOR, 0, byDefault, RGB(4, 5, 6)},
        {TPCM_GETBKCOLOR, 0, 0, ::GetSysColor(COLOR_BTNFACE)},
        {TPCM_SETTEXTCOLOR, 0, byDefault, kTextOff},
        {TPCM_GETTEXTCOLOR, 0, 0, ::GetSysColor(COLOR_WINDOWTEXT)},
        {TPCM_SETTEXTBARCOLOR, 0, byDefault, kTextOn},
        {TPCM_GETTEXTBARCOLOR, 0, 0, ::GetSysColor(COLOR_WINDOW)},
        {TPCM_SHOWPERCENT, FALSE, 0, TRUE},
        {TPCM_SHOWPERCENT, TRUE, 0, FALSE},
        {TPCM_SETTEXTALIGN, 2, 0, 1},
        {TPCM_SETTEXTALIGN, 1, 0, 2},
        {PBM_SETMARQUEE, TRUE, 30, TRUE},
        {TPCM_SHOWPERCENT, TRUE, 0, FALSE}, // the marquee switched the percentage off
        {PBM_SETPOS, 200, 0, 85},
        {PBM_GETPOS, 0, 0, 110}, // the block may run 10 % past the end
        {TPCM_SETMARQUEESIZE, 20, 0, 0},
        {PBM_SETPOS, 200, 0, 110},
        {PBM_GETPOS, 0, 0, 120},
        {PBM_SETMARQUEE, FALSE, 0, FALSE},
        {PBM_SETPOS, 200, 0, 120},
        {PBM_GETPOS, 0, 0, 100},
    };
    int index = 0;
    for (const Step& step : steps) {
        const auto result = static_cast<DWORD>(Send(step.message, step.wParam, step.lParam));
        EXPECT_EQ(result, step.expected) << "step " << index << " message 0x" << std::hex << step.message;
        ++index;
    }
    EXPECT_EQ(Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & PBS_MARQUEE, 0);
}

TEST_F(ProgressTest, WorkerThreadDrivesTheBarBySentMessages)
{
    Create(200);
    LRESULT previousRange = -1;
    LRESULT previousPos = -1;
    AsWorker([&] {
        previousRange = ::SendMessageW(m_hWnd, PBM_SETRANGE32, 0, 1000);
        ::SendMessageW(m_hWnd, PBM_SETPOS, 250, 0);
        previousPos = ::SendMessageW(m_hWnd, PBM_SETPOS, 500, 0);
    });
    EXPECT_EQ(previousRange, 100 << 16);
    EXPECT_EQ(previousPos, 250);
    EXPECT_EQ(Send(PBM_GETPOS), 500);
}

TEST_F(ProgressTest, MarqueeBlockBouncesBetweenThreeAndTheRightEdgeLessItsWidth)
{
    Create(200);
    g_nMarqueeX = 3;
    g_bMarqueeForward = true;
    Send(PBM_SETMARQUEE, TRUE, 30);
    ::KillTimer(m_hWnd, 1); // ticks are sent by the test

    const int turn = 200 - 64 - 3; // the right edge less 67
    int highest = 0;
    int lowest = 1000;
    for (int tick = 0; tick < 2 * (turn - 3); ++tick) {
        Send(WM_TIMER, 1);
        highest = std::max(highest, g_nMarqueeX);
        lowest = std::min(lowest, g_nMarqueeX);
        if (tick == turn - 3 - 1) {
            EXPECT_EQ(g_nMarqueeX, turn);
            EXPECT_FALSE(g_bMarqueeForward);
        }
    }
    EXPECT_EQ(highest, turn);
    EXPECT_EQ(lowest, 3);
    EXPECT_EQ(g_nMarqueeX, 3);
    EXPECT_TRUE(g_bMarqueeForward);
    Send(WM_TIMER, 7); // another timer moves nothing
    EXPECT_EQ(g_nMarqueeX, 3);

    g_nMarqueeX = 50;
    Canvas canvas(200, 25, RGB(0, 0, 0));
    PrintClient(m_hWnd, canvas);
    EXPECT_EQ(canvas.Pixel(49, 12), Track(12));
    EXPECT_EQ(canvas.Pixel(50, 2), kMarquee);
    EXPECT_EQ(canvas.Pixel(113, 22), kMarquee);
    EXPECT_EQ(canvas.Pixel(114, 12), Track(12));
    EXPECT_EQ(canvas.Pixel(50, 1), Track(1));
    Send(PBM_SETMARQUEE, FALSE);
    g_nMarqueeX = 3;
}

TEST_F(ProgressTest, MarqueeTimerRunsOnItsInterval)
{
    Create(200);
    g_nMarqueeX = 3;
    g_bMarqueeForward = true;
    Send(PBM_SETMARQUEE, TRUE, 10);
    PumpMessages(300);
    EXPECT_GT(g_nMarqueeX, 3);
    Send(PBM_SETMARQUEE, FALSE);
    const int stopped = g_nMarqueeX;
    PumpMessages(100);
    EXPECT_EQ(g_nMarqueeX, stopped);
    g_nMarqueeX = 3;
}
