#include "controls/IconComboBox.h"
#include "tests/controls/ControlTestSupport.h"
#include "tests/controls/FixtureIds.h"

#include <gtest/gtest.h>

namespace {

constexpr int kId = 1048;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kEntryText = RGB(77, 82, 83);

class IconComboBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = m_host.CreateChild(WC_COMBOBOXW, L"",
                                    CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL, kId, 10,
                                    10, 200, 300);
        ASSERT_TRUE(m_combo.SubclassWindow(m_hWnd));
    }
    void TearDown() override
    {
        if (m_hWnd && ::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        PumpMessages();
    }

    // Draws one entry through the system's draw-item request, as the dialog
    // reflects it, into a canvas whose context holds a font without
    // smoothing (the box draws with the context's font).
    void DrawEntry(Canvas& canvas, int index, UINT action, UINT state, int width = 200)
    {
        CSelectGuard selected(canvas.dc(), m_font);
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = kId;
        dis.itemID = static_cast<UINT>(index);
        dis.itemAction = action;
        dis.itemState = state;
        dis.hwndItem = m_hWnd;
        dis.hDC = canvas.hdc();
        dis.rcItem = {0, 0, width, 22};
        ::SendMessageW(m_host.hwnd(), WM_DRAWITEM, kId, reinterpret_cast<LPARAM>(&dis));
    }
    int TextWidth(const wchar_t* text)
    {
        Canvas probe(1, 1);
        CSelectGuard selected(probe.dc(), m_font);
        return probe.dc().GetTextExtent(text).cx;
    }
    // What the entry's text area shows for a text drawn by the test itself.
    std::vector<COLORREF> TextArea(Canvas& canvas)
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 22; ++y)
            for (int x = 31; x < canvas.Width(); ++x)
                pixels.push_back(canvas.Pixel(x, y));
        return pixels;
    }
    std::vector<COLORREF> ExpectedTextArea(const wchar_t* text, int width)
    {
        Canvas canvas(width, 22, kWhite);
        CSelectGuard selected(canvas.dc(), m_font);
        canvas.dc().SetBkMode(TRANSPARENT);
        canvas.dc().SetTextColor(kEntryText);
        RECT rc{31, 0, width, 22};
        canvas.dc().DrawText(text, rc, DT_VCENTER | DT_SINGLELINE);
        return TextArea(canvas);
    }

    HostWindow m_host;
    CIconComboBox m_combo;
    CFont m_font = MakeFont(L"Arial", -13, FW_NORMAL, NONANTIALIASED_QUALITY);
    HWND m_hWnd = nullptr;
};

} // namespace

TEST_F(IconComboBoxTest, EntriesGetTwentyTwoPixelRowsAndOwnedPictures)
{
    EXPECT_STREQ(m_combo.GetRuntimeClassName(), L"CIconComboBox");
    EXPECT_STREQ(m_combo.GetRuntimeClass().base->name, L"CComboBox");

    const long live = SmartBitmap::LiveCount();
    EXPECT_EQ(m_combo.AddIconItem(L"Alpha", IDP_TEST_FLAG_16X11), 0);
    EXPECT_EQ(m_combo.AddIconItem(L"Bravo", IDP_TEST_FLAG_20X20), 1);
    EXPECT_EQ(m_combo.AddIconItem(L"Charlie", IDP_TEST_MISSING), 2); // text only
    EXPECT_EQ(m_combo.SendMessage(CB_GETITEMHEIGHT, 0), 22);
    EXPECT_EQ(SmartBitmap::LiveCount(), live + 3);
    EXPECT_NE(m_combo.GetItemData(0), 0u);

    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    EXPECT_EQ(SmartBitmap::LiveCount(), live);
}

TEST_F(IconComboBoxTest, BackgroundsAndTextColoursFollowSelectionAndState)
{
    m_combo.AddIconItem(L"Wide entry", IDP_TEST_FLAG_16X11);
    struct Case
    {
        UINT action;
        UINT state;
        COLORREF background; // magenta: left as it was
        COLORREF text;
    };
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    const Case cases[] = {
        {ODA_DRAWENTIRE, 0, kWhite, kEntryText},
        {ODA_DRAWENTIRE, ODS_SELECTED, highlight, highlightText},
        {ODA_SELECT, 0, kWhite, kEntryText},
        {ODA_SELECT, ODS_SELECTED, highlight, highlightText},
        {ODA_DRAWENTIRE, ODS_DISABLED, kWhite, ::GetSysColor(COLOR_GRAYTEXT)},
        {ODA_FOCUS, ODS_FOCUS, kMagenta, kEntryText},
    };
    const RECT textArea{31, 0, 200, 22};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << "/" << c.state);
        Canvas canvas(200, 22, kMagenta);
        DrawEntry(canvas, 0, c.action, c.state);
        EXPECT_EQ(canvas.Pixel(190, 11), c.background);
        EXPECT_TRUE(canvas.Contains(textArea, c.text));
    }
}

TEST_F(IconComboBoxTest, FocusFrameIsInvertedOnAndOff)
{
    m_combo.AddIconItem(L"Entry", IDP_TEST_FLAG_16X11);
    Canvas canvas(200, 22, kWhite);
    DrawEntry(canvas, 0, ODA_DRAWENTIRE, 0);
    const auto plain = canvas.Pixels();
    DrawEntry(canvas, 0, ODA_FOCUS, ODS_FOCUS);
    EXPECT_NE(canvas.Pixels(), plain);
    bool framed = false; // dots along the item rectangle's top edge
    for (int x = 0; x < 200; ++x)
        framed = framed || canvas.Pixel(x, 0) != kWhite;
    EXPECT_TRUE(framed);
    DrawEntry(canvas, 0, ODA_FOCUS, 0);
    EXPECT_EQ(canvas.Pixels(), plain);
}

TEST_F(IconComboBoxTest, FlagsSitAtTheLeftEdgeCentredVertically)
{
    struct Case
    {
        UINT id;
        int width;
        int height;
        COLORREF colour;
    };
    const Case cases[] = {{IDP_TEST_FLAG_16X11, 16, 11, RGB(255, 0, 255)},
                          {IDP_TEST_FLAG_20X20, 20, 20, RGB(0, 255, 255)},
                          {IDP_TEST_FLAG_22X9, 22, 9, RGB(255, 255, 0)}};
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        m_combo.AddIconItem(L"", c.id);
        Canvas canvas(200, 22, RGB(0, 0, 0));
        DrawEntry(canvas, index++, ODA_DRAWENTIRE, 0);
        const int top = (22 - c.height) / 2;
        for (int y = 0; y < 22; ++y) {
            const bool inside = y >= top && y < top + c.height;
            EXPECT_EQ(canvas.Pixel(0, y), inside ? c.colour : kWhite) << "row " << y;
            EXPECT_EQ(canvas.Pixel(c.width - 1, y), inside ? c.colour : kWhite) << "row " << y;
        }
        EXPECT_EQ(canvas.Pixel(c.width, top), kWhite);
    }
}

TEST_F(IconComboBoxTest, LongNamesAreCutWithDotsShortOnesShownWhole)
{
    const wchar_t* name = L"Abcdefghijklmnop";
    m_combo.AddIconItem(name, IDP_TEST_MISSING);
    struct Case
    {
        const wchar_t* fitting; // the text that just fits beside the 21 pixels
        const wchar_t* shown;
    };
    for (const Case& c : {Case{L"Abcdefghijklmnop", L"Abcdefghijklmnop"}, Case{L"Abcdef...", L"Abcdef..."},
                          Case{L"A...", L"A..."}, Case{L"...", L"..."}}) {
        SCOPED_TRACE(testing::Message() << "fits " << c.shown);
        const int width = 21 + TextWidth(c.fitting);
        Canvas canvas(width, 22, kMagenta);
        DrawEntry(canvas, 0, ODA_DRAWENTIRE, 0, width);
        EXPECT_EQ(TextArea(canvas), ExpectedTextArea(c.shown, width));
    }
    // One pixel short of the whole name: cut.
    const int width = 21 + TextWidth(name) - 1;
    Canvas canvas(width, 22, kMagenta);
    DrawEntry(canvas, 0, ODA_DRAWENTIRE, 0, width);
    EXPECT_NE(TextArea(canvas), ExpectedTextArea(name, width));
}

TEST_F(IconComboBoxTest, EmptyListDrawsNothing)
{
    Canvas canvas(200, 22, kMagenta);
    const auto before = canvas.Pixels();
    DrawEntry(canvas, -1, ODA_DRAWENTIRE, ODS_COMBOBOXEDIT);
    EXPECT_EQ(canvas.Pixels(), before);
}
