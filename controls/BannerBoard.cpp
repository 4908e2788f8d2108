#include "controls/BannerBoard.h"

#include "framework/WinApp.h"

#include <cwchar>
#include <utility>

namespace {

// The pictures are 113 pixels wide; the texts start right of them.
constexpr int kTextLeft = 113;

void CreateArialFont(CFont& font, int height, int weight)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    std::wcsncpy(lf.lfFaceName, L"Arial", LF_FACESIZE - 1);
    font.CreateFontIndirect(lf);
}

// A channel value cut to its low 8 bits.
BYTE Channel(int value)
{
    return static_cast<BYTE>(value & 0xFF);
}

} // namespace

BoardItem::BoardItem(UINT imageId, std::wstring heading, std::wstring firstText, std::wstring secondText)
    : m_strHeading(std::move(heading)),
      m_strFirstText(std::move(firstText)),
      m_strSecondText(std::move(secondText))
{
    m_image.LoadFromResource(imageId, AfxGetInstanceHandle());
}

BannerBoard::BannerBoard()
{
    CreateArialFont(m_fontFirstText, 16, FW_BOLD);
    CreateArialFont(m_fontSecondText, 16, FW_NORMAL);
    CreateArialFont(m_fontHeading, 18, FW_BOLD);
}

bool BannerBoard::AddItem(UINT imageId, const std::wstring& heading, const std::wstring& firstText,
                          const std::wstring& secondText)
{
    m_items.push_back(std::make_unique<BoardItem>(imageId, heading, firstText, secondText));
    return true;
}

void BannerBoard::RemoveAllItems()
{
    for (auto& item : m_items)
        item.reset();
    m_items.clear();
    m_pos = kNone;
}

void BannerBoard::ShowNextItem()
{
    // Without its window the board has no timer to fade with.
    if (!m_bIdle || !m_hWnd)
        return;
    m_nTransparency = 100;
    m_bIdle = false;
    m_nTimerId = ::SetTimer(m_hWnd, kFadeTimer, static_cast<UINT>(m_nFadeStepMs), nullptr);

    if (m_pos == kNone)
        m_pos = m_items.empty() ? kNone : 0;
    else
        m_pos = m_pos + 1 < m_items.size() ? m_pos + 1 : kNone;

    // Restore the skin under the board before the new banner fades in.
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(m_hWnd, parent, reinterpret_cast<POINT*>(&m_rcClient), 2);
    ::RedrawWindow(parent, &m_rcClient, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void BannerBoard::RedrawNow()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void BannerBoard::OnTimer(UINT_PTR id)
{
    if (id != kFadeTimer) {
        RedrawNow();
        return;
    }
    // Painted at 90, 80, 70 and 60, then opaque on the fifth tick.
    m_nTransparency -= 10;
    if (m_nTransparency > 50) {
        RedrawNow();
        return;
    }
    m_nTransparency = 0;
    ::KillTimer(m_hWnd, m_nTimerId);
    m_bIdle = true;
    RedrawNow();
}

void BannerBoard::Paint(CDC* pDC, const RECT& rc)
{
    m_rcClient = rc;
    if (m_pos == kNone || m_pos >= m_items.size())
        return;
    BoardItem& item = *m_items[m_pos];
    item.m_image.DrawTransparent(0, 0, pDC, m_nTransparency);
    DrawItemTexts(pDC, item);
}

void BannerBoard::DrawItemTexts(CDC* pDC, const BoardItem& item)
{
    const RECT& rc = m_rcClient;
    const int y = m_nTextTop;
    const int t = m_nTransparency;

    RECT heading{rc.left + kTextLeft, rc.top + y, rc.right, rc.top + y + 20};
    RECT first{rc.left + kTextLeft, rc.top + y + 25, rc.right, rc.bottom};
    RECT second{rc.left + kTextLeft, rc.top + y + 40, rc.right, rc.bottom};
    if (item.m_strFirstText.find(L"\r\n") != std::wstring::npos)
        second.top += 18;

    const int previousMode = pDC->SetBkMode(TRANSPARENT);
    // Pale while transparent, darkening to the final colours.
    const COLORREF grey = RGB(Channel(t + 120), Channel(t + 120), Channel(t + 120));
    const COLORREF accent = RGB(Channel(static_cast<int>(1.5 * t + 35)),
                                Channel(static_cast<int>(1.5 * t + 83)), Channel(t + 128));

    pDC->SetTextColor(grey);
    const HGDIOBJ previousFont = pDC->SelectObject(m_fontHeading);
    pDC->DrawText(item.m_strHeading, heading, 0);
    pDC->SelectObject(m_fontFirstText);
    pDC->SetTextColor(accent);
    pDC->DrawText(item.m_strFirstText, first, 0);
    pDC->SetTextColor(grey);
    pDC->SelectObject(m_fontSecondText);
    pDC->DrawText(item.m_strSecondText, second, 0);

    pDC->SetBkMode(previousMode);
    pDC->SelectObject(previousFont);
}

LRESULT BannerBoard::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PaintOnRequest(m_hWnd, message, wParam, [this](CDC* dc, const RECT& rc) { Paint(dc, rc); }))
        return 0;
    switch (message) {
    case WM_TIMER: {
        const LRESULT result = Default();
        OnTimer(wParam);
        return result;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}
