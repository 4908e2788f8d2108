#pragma once

#include "controls/SmartBitmap.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// One banner: a picture and three texts.
class BoardItem
{
public:
    BoardItem(UINT imageId, std::wstring heading, std::wstring firstText, std::wstring secondText);

    SmartBitmap m_image;
    std::wstring m_strHeading;
    std::wstring m_strFirstText;
    std::wstring m_strSecondText; // usually several lines separated by "\r\n"
};

// The panel that presents the product's features one at a time while the
// workers run: each ShowNextItem fades the next banner in over 200 ms (the
// picture from invisible to opaque, the texts from pale to their colours).
// Used on the user-interface thread only; workers ask for the next banner
// through the dialog.
class BannerBoard : public CWnd
{
public:
    static constexpr UINT_PTR kFadeTimer = 1001;

    BannerBoard();
    ~BannerBoard() override = default;

    bool AddItem(UINT imageId, const std::wstring& heading, const std::wstring& firstText,
                 const std::wstring& secondText);
    void RemoveAllItems();
    // Starts the fade to the next banner (after the last: none, then the
    // first again); dropped while a fade runs.
    void ShowNextItem();

    // Paints the shown banner (if any) at its current transparency into the
    // context; rc is the board's client area.
    void Paint(CDC* pDC, const RECT& rc);

    int m_nTextTop = 0; // vertical offset of the texts

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    void OnTimer(UINT_PTR id);
    void RedrawNow();
    void DrawItemTexts(CDC* pDC, const BoardItem& item);

    std::vector<std::unique_ptr<BoardItem>> m_items;
    UINT_PTR m_nTimerId = 0;
    std::size_t m_pos = kNone; // the banner shown, kNone for none
    int m_nTransparency = 0;   // percent: 100 invisible, 0 opaque
    int m_nFadeStepMs = 40;
    RECT m_rcClient{};
    CFont m_fontFirstText;
    CFont m_fontSecondText;
    CFont m_fontHeading;
    bool m_bIdle = true;
};
