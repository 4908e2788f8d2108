#include "controls/BannerBoard.h"
#include "controls/IconComboBox.h"
#include "controls/Label.h"
#include "controls/MemDC.h"
#include "controls/PngButton.h"
#include "controls/TextProgressCtrl.h"
#include "tests/controls/ControlTestSupport.h"
#include "tests/controls/FixtureIds.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>

namespace {

constexpr int kPaints = 1000;

// GDI objects left over by running the paint many times (after one run to
// let the system make whatever it keeps for good).
int Growth(const std::function<void()>& paint)
{
    paint();
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < kPaints; ++i)
        paint();
    return static_cast<int>(CountGdiObjects()) - static_cast<int>(before);
}

} // namespace

TEST(GdiLeakTest, TheCounterSeesObjectsComeAndGo)
{
    const unsigned before = CountGdiObjects();
    ASSERT_GT(before, 0u);
    {
        CBrush brushes[10];
        for (CBrush& brush : brushes)
            brush.CreateSolidBrush(RGB(1, 2, 3));
        EXPECT_EQ(CountGdiObjects(), before + 10);
    }
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST(GdiLeakTest, AThousandPaintsOfEveryControlLeaveNoObjectBehind)
{
    HostWindow host;
    Canvas canvas(600, 120);

    HWND barWindow = host.CreateChild(PROGRESS_CLASSW, L"", 0, 1003, 0, 0, 569, 26);
    CTextProgressCtrl bar;
    bar.SubclassWindow(barWindow);
    bar.SendMessage(PBM_SETPOS, 50);

    HWND labelWindow = host.CreateChild(L"STATIC", L"Label text", SS_LEFT, 1006, 0, 30, 300, 20);
    CLabel label;
    label.SubclassWindow(labelWindow);
    label.SetBackground(RGB(0, 0, 0), RGB(200, 100, 50), 1);
    HWND overSkinWindow = host.CreateChild(L"STATIC", L"Over the skin", SS_CENTER, 1007, 300, 30, 200, 20);
    CLabel overSkin;
    overSkin.SubclassWindow(overSkinWindow);
    overSkin.SetTransparent(true);
    overSkin.SetText3D(true, 1);

    HWND buttonWindow = host.CreateChild(L"BUTTON", L"Next", BS_PUSHBUTTON, 1000, 0, 60, 88, 26);
    PngButton button;
    button.SubclassWindow(buttonWindow);
    button.LoadImages(IDP_TEST_BUTTON_NORMAL, IDP_TEST_BUTTON_HOVER, IDP_TEST_BUTTON_PRESSED);

    HWND boardWindow = host.CreateChild(L"STATIC", L"", SS_LEFT, 1039, 100, 0, 400, 100);
    BannerBoard board;
    board.SubclassWindow(boardWindow);
    board.AddItem(IDP_TEST_BANNER_BLUE, L"Heading", L"First\r\ntext", L"Second");
    board.ShowNextItem();
    ::KillTimer(boardWindow, BannerBoard::kFadeTimer);

    HWND comboWindow = host.CreateChild(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                        1048, 300, 60, 200, 200);
    CIconComboBox combo;
    combo.SubclassWindow(comboWindow);
    combo.AddIconItem(L"A country with a long name", IDP_TEST_FLAG_20X20);

    struct Case
    {
        const char* name;
        std::function<void()> paint;
    };
    const Case cases[] = {
        {"progress bar", [&] { PrintClient(barWindow, canvas); }},
        {"progress bar on screen", [&] { ::RedrawWindow(barWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }},
        {"gradient label", [&] { PrintClient(labelWindow, canvas); }},
        {"transparent label", [&] { PrintClient(overSkinWindow, canvas); }},
        {"button", [&] { PrintClient(buttonWindow, canvas); }},
        {"banner board", [&] {
             ::SendMessageW(boardWindow, WM_TIMER, BannerBoard::kFadeTimer, 0);
             PrintClient(boardWindow, canvas);
         }},
        {"combo entry", [&] {
             DRAWITEMSTRUCT dis{ODT_COMBOBOX, 1048, 0, ODA_DRAWENTIRE | ODA_FOCUS, ODS_SELECTED, comboWindow,
                                canvas.hdc(), {0, 0, 120, 22}, 0};
             ::SendMessageW(host.hwnd(), WM_DRAWITEM, 1048, reinterpret_cast<LPARAM>(&dis));
         }},
        {"memory contexts", [&] {
             const RECT area{0, 0, 100, 50};
             { CMemDC buffer(&canvas.dc(), &area); }
             { CMeemDC buffer(&canvas.dc(), area); }
         }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Growth(c.paint), 0) << c.name;
}
