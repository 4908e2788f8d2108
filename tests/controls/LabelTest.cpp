#include "controls/Label.h"
#include "tests/controls/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kId = 1031;
constexpr COLORREF kWhite = RGB(255, 255, 255);

class LabelTest : public testing::Test
{
protected:
    // A static text on the host at (10, 10), subclassed with the label. The
    // dialog gives its texts a normal-weight font before they are subclassed.
    void Create(const wchar_t* text, DWORD style, int width, int height)
    {
        m_hWnd = m_host.CreateChild(L"STATIC", text, style, kId, 10, 10, width, height);
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_dialogFont.GetHandle()), FALSE);
        ASSERT_TRUE(m_label.SubclassWindow(m_hWnd));
    }

    std::unique_ptr<Canvas> Render(COLORREF background = kWhite)
    {
        RECT rc{};
        ::GetClientRect(m_hWnd, &rc);
        auto canvas = std::make_unique<Canvas>(rc.right, rc.bottom, background);
        PrintClient(m_hWnd, *canvas);
        return canvas;
    }

    HostWindow m_host;
    CFont m_dialogFont = MakeFont(L"Tahoma", -11, FW_NORMAL, DEFAULT_QUALITY);
    CLabel m_label;
    HWND m_hWnd = nullptr;
};

// The colour of gradient band i of n from one colour to another, in the
// label's 1/256 steps.
COLORREF Band(COLORREF from, COLORREF to, int i, int n)
{
    auto channel = [&](int a, int b) { return (a * 256 + i * (((b - a) * 256) / n)) / 256; };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

} // namespace

TEST_F(LabelTest, GradientPaintsOneBandPerPixelUpToAHundredBands)
{
    const COLORREF from = RGB(0, 0, 0);
    const COLORREF to = RGB(200, 100, 40);
    struct Case
    {
        int width;
        int bands;
        int bandWidth;
    };
    for (const Case& c : {Case{40, 40, 1}, Case{300, 100, 3}, Case{250, 100, 2}}) {
        SCOPED_TRACE(c.width);
        Create(L"", SS_LEFT, c.width, 20);
        m_label.SetBackground(from, to, 1);
        const auto canvas = Render();

        int runs = 0;
        for (int x = 0; x < c.width; ++x) {
            const int band = std::min(x / c.bandWidth, c.bands - 1); // the last band runs to the edge
            for (int y : {0, 9, 18})
                ASSERT_EQ(canvas->Pixel(x, y), Band(from, to, band, c.bands)) << "at " << x << "," << y;
            if (x == 0 || canvas->Pixel(x, 9) != canvas->Pixel(x - 1, 9))
                ++runs;
        }
        EXPECT_EQ(runs, c.bands);
        ::DestroyWindow(m_hWnd);
    }
}

TEST_F(LabelTest, TextFormatFollowsTheStaticStyle)
{
    struct Case
    {
        DWORD style;
        const wchar_t* text;
        UINT format;
        UINT otherFormat; // a format that must look different
    };
    const Case cases[] = {
        {SS_LEFT, L"Tab\there", DT_WORDBREAK | DT_EXPANDTABS, DT_WORDBREAK},
        {SS_CENTER, L"Centred", DT_CENTER | DT_WORDBREAK, DT_WORDBREAK},
        {SS_RIGHT, L"Right", DT_RIGHT | DT_WORDBREAK, DT_WORDBREAK},
        {SS_LEFTNOWORDWRAP, L"words that do not wrap in this label at all", DT_LEFT, DT_WORDBREAK},
        {SS_LEFT | SS_CENTERIMAGE, L"Middle", DT_CENTER | DT_VCENTER | DT_SINGLELINE, DT_CENTER},
        {SS_LEFT | SS_CENTERIMAGE, L"Two\r\nlines", DT_CENTER, DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {SS_LEFT | SS_CENTERIMAGE, L"No\ttabs", DT_CENTER | DT_VCENTER | DT_SINGLELINE,
         DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
        Create(c.text, c.style, 160, 60);
        m_label.SetTransparent(true).SetTextColor(RGB(0, 0, 0));
        const auto shown = Render();

        CFont font;
        font.CreateFontIndirect(m_label.GetLogFont());
        auto reference = [&](UINT format) {
            Canvas canvas(160, 60, kWhite);
            CSelectGuard selected(canvas.dc(), font);
            canvas.dc().SetBkMode(TRANSPARENT);
            canvas.dc().SetTextColor(RGB(0, 0, 0));
            RECT rc{0, 0, 160, 60};
            canvas.dc().DrawText(c.text, rc, format);
            return canvas.Pixels();
        };
        EXPECT_EQ(shown->Pixels(), reference(c.format));
        EXPECT_NE(shown->Pixels(), reference(c.otherFormat));
        ::DestroyWindow(m_hWnd);
    }
}

TEST_F(LabelTest, TransparentLabelPaintsNoBackground)
{
    const COLORREF skin = RGB(0, 128, 0);
    Create(L"", SS_LEFT, 80, 20);
    EXPECT_EQ(Render(skin)->Pixel(1, 1), ::GetSysColor(COLOR_BTNFACE)); // the default brush
    m_label.SetBackground(RGB(1, 2, 3));
    EXPECT_EQ(Render(skin)->Pixel(1, 1), RGB(1, 2, 3));
    m_label.SetTransparent(true);
    EXPECT_EQ(Render(skin)->Pixel(1, 1), skin);
    EXPECT_TRUE(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(LabelTest, ChangingTheTextColourRepaintsTheParentUnderTheLabel)
{
    Create(L"Text", SS_LEFT, 100, 20);
    m_label.SetTransparent(true);
    ::ValidateRect(m_host.hwnd(), nullptr);
    const int paints = m_host.paintCount;
    m_label.SetTextColor(RGB(10, 20, 30));
    EXPECT_EQ(m_host.paintCount, paints + 1);
    EXPECT_EQ(m_host.lastPaint.left, 10);
    EXPECT_EQ(m_host.lastPaint.top, 10);
    EXPECT_EQ(m_host.lastPaint.right, 110);
    EXPECT_EQ(m_host.lastPaint.bottom, 30);
}

TEST_F(LabelTest, TextFlashStartsDarkAndTogglesOnEachTick)
{
    const COLORREF red = RGB(255, 0, 0);
    Create(L"IIII", SS_LEFT, 120, 40);
    m_label.SetPointSize(20).SetBold(true).SetTextColor(red).FlashText(true);
    ::KillTimer(m_hWnd, 1); // the test sends the ticks
    const RECT all{0, 0, 120, 40};

    bool lit = false;
    for (int phase = 0; phase < 4; ++phase) {
        SCOPED_TRACE(phase);
        const auto canvas = Render();
        EXPECT_EQ(canvas->Contains(all, red), lit);
        EXPECT_EQ(canvas->Contains(all, RGB(0, 0, 0)), !lit);
        ::SendMessageW(m_hWnd, WM_TIMER, 1, 0);
        lit = !lit;
    }
    m_label.FlashText(false);
    const auto steady = Render();
    EXPECT_TRUE(steady->Contains(all, red));
}

TEST_F(LabelTest, ClickInNotifyModeSendsTheLinkCodeAndOpensNothing)
{
    struct Case
    {
        bool link;
        bool notify;
        bool expectNotify;
    };
    for (const Case& c : {Case{true, true, true}, Case{false, true, true}, Case{false, false, false}}) {
        Create(L"http://example.invalid/", SS_LEFT, 100, 20);
        m_label.SetHyperlink(c.link, c.notify);
        EXPECT_EQ((::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & SS_NOTIFY) != 0, c.link);
        m_host.notifications.clear();
        ::SendMessageW(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        // With SS_NOTIFY the system static adds its own STN_CLICKED command.
        std::vector<HostWindow::Notification> notifies;
        for (const auto& n : m_host.notifications)
            if (n.message == WM_NOTIFY)
                notifies.push_back(n);
        if (c.expectNotify) {
            ASSERT_EQ(notifies.size(), 1u);
            EXPECT_EQ(notifies[0].code, 0x8200u);
            EXPECT_EQ(notifies[0].controlId, kId);
            EXPECT_EQ(notifies[0].from, m_hWnd);
        } else {
            EXPECT_TRUE(notifies.empty());
        }
        ::DestroyWindow(m_hWnd);
    }
}

TEST_F(LabelTest, StylePresetsSetArialSizesAndWeights)
{
    struct Case
    {
        int preset;
        LONG height; // points through 96 pixels an inch
        LONG weight; // 400 where the preset leaves the dialog font's weight
    };
    for (const Case& c : {Case{1, -18, 700}, Case{2, -10, 400}, Case{3, -12, 400}, Case{4, -10, 700},
                          Case{5, -10, 700}, Case{6, -10, 400}, Case{7, -13, 400}}) {
        SCOPED_TRACE(c.preset);
        Create(L"Text", SS_LEFT, 100, 20);
        ApplyLabelStyle(m_label, c.preset);
        const LOGFONTW& lf = m_label.GetLogFont();
        EXPECT_STREQ(lf.lfFaceName, L"Arial");
        EXPECT_EQ(lf.lfHeight, c.height);
        EXPECT_EQ(lf.lfWeight, c.weight);
        EXPECT_EQ(lf.lfQuality, ANTIALIASED_QUALITY);
        EXPECT_TRUE(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
        ::DestroyWindow(m_hWnd);
    }
}

TEST_F(LabelTest, FontSettersChangeTheDescription)
{
    Create(L"Text", SS_LEFT, 100, 20);
    m_label.SetFaceName(L"Courier New", ANSI_CHARSET).SetExtraWidth(3).SetPointSize(10).SetItalic(true)
        .SetUnderline(true).SetRotation(90, false);
    const LOGFONTW& lf = m_label.GetLogFont();
    EXPECT_STREQ(lf.lfFaceName, L"Courier New");
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWidth, 3);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfOrientation, 900);
}

TEST(LabelWithoutWindowTest, SetTextBeforeSubclassingChangesNothing)
{
    CLabel label;
    CLabel& same = label.SetText(L"ignored").SetTextColor(RGB(1, 2, 3)).SetLinkTarget(L"x");
    EXPECT_EQ(&same, &label);
    EXPECT_EQ(label.GetSafeHwnd(), nullptr);
}
