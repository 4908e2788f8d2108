#include "controls/PngButton.h"
#include "tests/controls/ControlTestSupport.h"
#include "tests/controls/FixtureIds.h"

#include <gtest/gtest.h>

namespace {

constexpr int kId = 1000;
constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kHover = RGB(0, 200, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);
constexpr RECT kButtonRect{30, 40, 118, 66}; // 88 x 26 on the host

class PngButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = m_host.CreateChild(L"BUTTON", L"", BS_PUSHBUTTON, kId, kButtonRect.left, kButtonRect.top,
                                    88, 26);
        ASSERT_TRUE(m_button.SubclassWindow(m_hWnd));
        ASSERT_TRUE(m_button.LoadImages(IDP_TEST_BUTTON_NORMAL, IDP_TEST_BUTTON_HOVER, IDP_TEST_BUTTON_PRESSED));
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        PumpMessages();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = MAKELPARAM(10, 10))
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    // The image colour of a render through the system's owner-draw path:
    // WM_PRINTCLIENT makes the button send WM_DRAWITEM to the host, which
    // reflects it to the button object.
    COLORREF ShownImage()
    {
        Canvas canvas(88, 26, RGB(255, 255, 255));
        PrintClient(m_hWnd, canvas);
        return canvas.Pixel(2, 2);
    }
    int Clicks() const
    {
        int clicks = 0;
        for (const auto& n : m_host.notifications)
            clicks += n.message == WM_COMMAND && n.controlId == kId && n.code == BN_CLICKED;
        return clicks;
    }
    bool HasUpdate(HWND window) const
    {
        RECT rc{};
        return ::GetUpdateRect(window, &rc, FALSE) != FALSE;
    }

    HostWindow m_host;
    PngButton m_button;
    HWND m_hWnd = nullptr;
};

} // namespace

TEST_F(PngButtonTest, SubclassingMakesAnOwnerDrawnButtonOfItsRuntimeClass)
{
    EXPECT_EQ(::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_STREQ(m_button.GetRuntimeClassName(), L"PngButton");
    EXPECT_STREQ(m_button.GetRuntimeClass().base->name, L"CButton");
    EXPECT_TRUE(m_button.GetRuntimeClass().IsDerivedFrom(L"CButton"));
    EXPECT_FALSE(m_button.GetRuntimeClass().IsDerivedFrom(L"CStatic"));
}

TEST_F(PngButtonTest, MouseSequenceShowsNormalHoverPressedAndBackToNormal)
{
    struct Step
    {
        UINT message;
        COLORREF shown;
        int clicks;
    };
    const Step steps[] = {
        {WM_NULL, kNormal, 0},
        {WM_MOUSEMOVE, kHover, 0},
        {WM_MOUSEMOVE, kHover, 0},
        {WM_LBUTTONDOWN, kPressed, 0},
        {WM_LBUTTONUP, kPressed, 1},
        {WM_MOUSEMOVE, kPressed, 1}, // still inside: the pressed image stays
        {WM_MOUSELEAVE, kNormal, 1},
        {WM_MOUSEMOVE, kHover, 1},
        {WM_LBUTTONDOWN, kPressed, 1},
        {WM_LBUTTONUP, kPressed, 2},
        {WM_MOUSELEAVE, kNormal, 2},
    };
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(index++);
        Send(step.message, step.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
        EXPECT_EQ(ShownImage(), step.shown);
        EXPECT_EQ(Clicks(), step.clicks);
    }
    EXPECT_GT(m_host.drawItemCount, 0);
}

TEST_F(PngButtonTest, HoverArmsOnceAndRepaintsOnce)
{
    ::ValidateRect(m_hWnd, nullptr);
    Send(WM_MOUSEMOVE);
    EXPECT_TRUE(HasUpdate(m_hWnd));
    ::ValidateRect(m_hWnd, nullptr);
    for (int i = 0; i < 5; ++i)
        Send(WM_MOUSEMOVE, 0, MAKELPARAM(10 + i, 10));
    EXPECT_FALSE(HasUpdate(m_hWnd));
    Send(WM_MOUSELEAVE);
    EXPECT_TRUE(HasUpdate(m_hWnd));
}

TEST_F(PngButtonTest, HoverChangesInvalidateTheParentOnlyWhenAsked)
{
    for (bool invalidateParent : {false, true}) {
        SCOPED_TRACE(invalidateParent);
        m_button.m_bInvalidateParent = invalidateParent;
        for (UINT message : {WM_MOUSEMOVE, WM_MOUSELEAVE}) {
            ::ValidateRect(m_host.hwnd(), nullptr);
            Send(message);
            RECT update{};
            EXPECT_EQ(::GetUpdateRect(m_host.hwnd(), &update, FALSE) != FALSE, invalidateParent);
            if (invalidateParent) {
                EXPECT_TRUE(::EqualRect(&update, &kButtonRect));
            }
        }
    }
}

TEST_F(PngButtonTest, KeysAreSwallowedWhileAPlainButtonClicksOnSpace)
{
    HWND plain = m_host.CreateChild(L"BUTTON", L"", BS_PUSHBUTTON, 77, 200, 40, 88, 26);
    for (HWND button : {plain, m_hWnd}) {
        m_host.notifications.clear();
        ::SetFocus(button);
        ::SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
        ::SendMessageW(button, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
        ::SendMessageW(button, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        ::ReleaseCapture();
        const bool clicked = !m_host.notifications.empty() &&
                             m_host.notifications.back().code == BN_CLICKED;
        EXPECT_EQ(clicked, button == plain);
    }
    EXPECT_EQ(ShownImage(), kNormal);
}

TEST_F(PngButtonTest, CaptionSitsByTheMeasuredHeightOfTheContextsFontAndOffsets)
{
    ::SetWindowTextW(m_hWnd, L"Next");
    struct Case
    {
        int contextFontHeight; // the font selected in the context before drawing
        int offsetX;
        int offsetY;
        bool disabled;
        bool visible; // some caption pixel inside the button
    };
    for (const Case& c : {Case{-12, 0, 0, false, true}, Case{-12, 3, 2, false, true}, Case{-40, 0, 2, false, false},
                          Case{-7, 5, 4, true, true}, Case{-7, 0, 20, false, false}}) {
        SCOPED_TRACE(c.contextFontHeight);
        m_button.m_nTextOffsetX = c.offsetX;
        m_button.m_nTextOffsetY = c.offsetY;
        m_button.m_crText = RGB(240, 240, 240);
        m_button.m_crTextDisabled = RGB(170, 170, 170);
        CFont contextFont = MakeFont(L"Arial", c.contextFontHeight, FW_NORMAL, DEFAULT_QUALITY);

        Canvas shown(88, 26);
        {
            CSelectGuard selected(shown.dc(), contextFont);
            DRAWITEMSTRUCT dis{};
            dis.CtlType = ODT_BUTTON;
            dis.CtlID = kId;
            dis.itemAction = ODA_DRAWENTIRE;
            dis.itemState = c.disabled ? ODS_DISABLED : 0;
            dis.hwndItem = m_hWnd;
            dis.hDC = shown.hdc();
            dis.rcItem = {0, 0, 88, 26};
            m_button.DrawItem(dis);
        }

        // The caption's top is (bottom - cy / 2 - cy - top) / 2, cy measured
        // with the context's font, then moved by the offsets.
        SIZE measured{};
        {
            Canvas probe(1, 1);
            CSelectGuard selected(probe.dc(), contextFont);
            measured = probe.dc().GetTextExtent(L"Next");
        }
        const int cy = measured.cy;
        RECT captionRect{c.offsetX, (26 - cy / 2 - cy - 0) / 2 + c.offsetY, 88, 26};
        Canvas expected(88, 26);
        SmartBitmap(IDP_TEST_BUTTON_NORMAL).Draw(0, 0, &expected.dc());
        {
            CSelectGuard selected(expected.dc(), m_button.m_font);
            expected.dc().SetBkMode(TRANSPARENT);
            expected.dc().SetTextColor(c.disabled ? RGB(170, 170, 170) : RGB(240, 240, 240));
            expected.dc().DrawText(L"Next", captionRect, DT_CENTER);
        }
        EXPECT_EQ(shown.Pixels(), expected.Pixels());
        const RECT all{0, 0, 88, 26};
        EXPECT_EQ(shown.Contains(all, c.disabled ? RGB(170, 170, 170) : RGB(240, 240, 240)), c.visible);
    }
}

TEST_F(PngButtonTest, EmptyCaptionDrawsOnlyTheImage)
{
    ::SetWindowTextW(m_hWnd, L"");
    Canvas shown(88, 26);
    PrintClient(m_hWnd, shown);
    for (COLORREF pixel : shown.Pixels())
        ASSERT_EQ(pixel, kNormal);
}

TEST(PngButtonDefaultsTest, CaptionFontIsTahomaFifteenWithTheDefaultColours)
{
    PngButton button;
    EXPECT_STREQ(button.m_lf.lfFaceName, L"Tahoma");
    EXPECT_EQ(button.m_lf.lfHeight, 15);
    EXPECT_EQ(button.m_lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(button.m_lf.lfQuality, ANTIALIASED_QUALITY);
    EXPECT_EQ(button.m_crText, RGB(187, 187, 187));
    EXPECT_EQ(button.m_crTextDisabled, RGB(170, 170, 170));
    EXPECT_EQ(button.m_nTextFormat, static_cast<UINT>(DT_CENTER));
    EXPECT_EQ(button.m_pCurrent, nullptr);
    EXPECT_FALSE(button.LoadImages(IDP_TEST_BUTTON_NORMAL, IDP_TEST_MISSING, IDP_TEST_BUTTON_PRESSED));
    EXPECT_EQ(button.m_pCurrent, &button.m_imgNormal);
    EXPECT_TRUE(button.SetCaptionFont(L"Arial", 14, FW_BOLD, RGB(0, 0, 0)));
    EXPECT_EQ(button.m_crText, RGB(0, 0, 0));
    EXPECT_STREQ(button.m_lf.lfFaceName, L"Arial");
}
