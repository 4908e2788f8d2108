#include "controls/BannerBoard.h"
#include "tests/controls/ControlTestSupport.h"
#include "tests/controls/FixtureIds.h"

#include <gtest/gtest.h>

#include <memory>

#include <optional>

namespace {

constexpr int kId = 1039;
constexpr int kWidth = 400;
constexpr int kHeight = 100;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class BannerBoardTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = m_host.CreateChild(L"STATIC", L"", SS_LEFT, kId, 20, 20, kWidth, kHeight);
        ASSERT_TRUE(m_board.SubclassWindow(m_hWnd));
        m_board.m_nTextTop = 5;
    }
    void TearDown() override { PumpMessages(); }

    std::unique_ptr<Canvas> Render()
    {
        auto canvas = std::make_unique<Canvas>(kWidth, kHeight, kWhite);
        PrintClient(m_hWnd, *canvas);
        return canvas;
    }
    void Tick() { ::SendMessageW(m_hWnd, WM_TIMER, BannerBoard::kFadeTimer, 0); }
    // Starts the next banner and runs its fade to the end by sent ticks.
    void ShowNextFully()
    {
        m_board.ShowNextItem();
        ::KillTimer(m_hWnd, BannerBoard::kFadeTimer); // the test sends the ticks
        for (int i = 0; i < 5; ++i)
            Tick();
    }
    // The picture's colour in the middle of its 113 x 80 area.
    COLORREF Picture() { return Render()->Pixel(56, 40); }

    HostWindow m_host;
    BannerBoard m_board;
    HWND m_hWnd = nullptr;
};

// The topmost row at or below `from` with a pixel of exactly this grey in
// the text column, if any.
std::optional<int> FirstRowWithGrey(const Canvas& canvas, int from, BYTE grey)
{
    for (int y = from; y < canvas.Height(); ++y)
        for (int x = 113; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == RGB(grey, grey, grey))
                return y;
    return std::nullopt;
}

} // namespace

TEST_F(BannerBoardTest, FadePaintsAtNinetyEightySeventySixtyThenOpaque)
{
    m_board.AddItem(IDP_TEST_BANNER_BLUE, L"Heading", L"", L"Text");
    EXPECT_EQ(Picture(), kWhite); // nothing shown yet

    m_board.ShowNextItem();
    ::KillTimer(m_hWnd, BannerBoard::kFadeTimer);
    EXPECT_EQ(Picture(), kWhite); // transparency 100
    for (int transparency : {90, 80, 70, 60, 0}) {
        SCOPED_TRACE(transparency);
        Tick();
        const COLORREF pixel = Picture();
        // Blue over white at the transparency: red and green are the white left.
        EXPECT_LE(std::abs(GetRValue(pixel) - 255 * transparency / 100), 2) << std::hex << pixel;
        EXPECT_EQ(GetBValue(pixel), 255);
    }
    EXPECT_EQ(Picture(), kBlue);
}

TEST_F(BannerBoardTest, RequestsDuringAFadeAreDropped)
{
    m_board.AddItem(IDP_TEST_BANNER_BLUE, L"One", L"", L"");
    m_board.AddItem(IDP_TEST_BANNER_RED, L"Two", L"", L"");
    m_board.ShowNextItem();
    ::KillTimer(m_hWnd, BannerBoard::kFadeTimer);
    Tick();
    Tick();
    m_board.ShowNextItem(); // dropped: the first banner goes on fading
    ::KillTimer(m_hWnd, BannerBoard::kFadeTimer);
    Tick();
    const COLORREF pixel = Picture();
    EXPECT_LE(std::abs(GetRValue(pixel) - 179), 2) << std::hex << pixel; // transparency 70
    EXPECT_EQ(GetBValue(pixel), 255);
    Tick();
    Tick();
    EXPECT_EQ(Picture(), kBlue);
    ShowNextFully(); // idle again: accepted
    EXPECT_EQ(Picture(), kRed);
}

TEST_F(BannerBoardTest, BannersCycleThroughNoneBackToTheFirst)
{
    m_board.AddItem(IDP_TEST_BANNER_BLUE, L"One", L"", L"");
    m_board.AddItem(IDP_TEST_BANNER_RED, L"Two", L"", L"");
    m_board.AddItem(IDP_TEST_BANNER_GREEN, L"Three", L"", L"");
    for (COLORREF expected : {kBlue, kRed, kGreen, kWhite, kBlue}) {
        ShowNextFully();
        EXPECT_EQ(Picture(), expected);
    }
    m_board.RemoveAllItems();
    EXPECT_EQ(Picture(), kWhite);
    m_board.RemoveAllItems(); // harmless when empty
    m_board.AddItem(IDP_TEST_BANNER_GREEN, L"New", L"", L"");
    ShowNextFully();
    EXPECT_EQ(Picture(), kGreen);
}

TEST_F(BannerBoardTest, RealTimerFadesInWithinAFewHundredMilliseconds)
{
    m_board.AddItem(IDP_TEST_BANNER_RED, L"One", L"", L"");
    m_board.AddItem(IDP_TEST_BANNER_GREEN, L"Two", L"", L"");
    m_board.ShowNextItem();
    PumpMessages(600);
    EXPECT_EQ(Picture(), kRed);
    m_board.ShowNextItem(); // the fade ended, so this one is taken
    PumpMessages(600);
    EXPECT_EQ(Picture(), kGreen);
}

TEST_F(BannerBoardTest, SecondTextMovesDownWhenTheFirstHasALineBreak)
{
    // The second text is grey like the heading, the first text is in the
    // accent colour; below the heading's 20 rows the first grey row is the
    // second text's.
    const int belowHeading = 5 + 20;
    struct Case
    {
        const wchar_t* firstText;
        int shift;
    };
    std::optional<int> base;
    for (const Case& c : {Case{L"", 0}, Case{L"Accent", 0}, Case{L"Accent\r\nline", 18}}) {
        SCOPED_TRACE(testing::Message() << c.shift);
        m_board.RemoveAllItems();
        m_board.AddItem(IDP_TEST_MISSING, L"Heading", c.firstText, L"Second text\r\nmore");
        ShowNextFully();
        const auto row = FirstRowWithGrey(*Render(), belowHeading, 120);
        ASSERT_TRUE(row.has_value());
        if (!base)
            base = *row;
        EXPECT_EQ(*row - *base, c.shift);
        EXPECT_GE(*row, 5 + 40);
    }
}

TEST_F(BannerBoardTest, TextsArePaleWhileTransparentAndTakeTheirColoursWhenOpaque)
{
    m_board.AddItem(IDP_TEST_BANNER_BLUE, L"HEADING", L"FIRST", L"SECOND");
    m_board.ShowNextItem();
    ::KillTimer(m_hWnd, BannerBoard::kFadeTimer);
    const RECT headingArea{113, 5, kWidth, 25};
    const RECT firstArea{113, 30, kWidth, 45};
    const auto pale = Render();
    EXPECT_TRUE(pale->Contains(headingArea, RGB(220, 220, 220)));
    EXPECT_TRUE(pale->Contains(firstArea, RGB(185, 233, 228)));
    for (int i = 0; i < 5; ++i)
        Tick();
    const auto opaque = Render();
    EXPECT_TRUE(opaque->Contains(headingArea, RGB(120, 120, 120)));
    EXPECT_TRUE(opaque->Contains(firstArea, RGB(35, 83, 128)));
    EXPECT_FALSE(opaque->Contains(firstArea, RGB(185, 233, 228)));
}

TEST(BoardItemTest, ItemsAreFreedWithTheBoard)
{
    const long live = SmartBitmap::LiveCount();
    {
        BannerBoard board;
        board.AddItem(IDP_TEST_BANNER_BLUE, L"a", L"b", L"c");
        board.AddItem(IDP_TEST_MISSING, L"a", L"b", L"c");
        EXPECT_EQ(SmartBitmap::LiveCount(), live + 2);
        board.RemoveAllItems();
        EXPECT_EQ(SmartBitmap::LiveCount(), live);
        board.AddItem(IDP_TEST_BANNER_RED, L"a", L"b", L"c");
    }
    EXPECT_EQ(SmartBitmap::LiveCount(), live);
}
