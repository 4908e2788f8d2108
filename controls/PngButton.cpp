#include "controls/PngButton.h"

#include "framework/WinApp.h"

#include <commctrl.h>

#include <cwchar>

const RuntimeClassInfo PngButton::kClassInfo{L"PngButton", &CButton::kClassInfo};

PngButton::PngButton()
{
    SetCaptionFont(L"Tahoma", 15, FW_NORMAL, RGB(187, 187, 187));
}

bool PngButton::LoadImages(UINT normalId, UINT hoverId, UINT pressedId)
{
    HMODULE module = AfxGetInstanceHandle();
    const bool normal = m_imgNormal.LoadFromResource(normalId, module);
    const bool hover = m_imgHover.LoadFromResource(hoverId, module);
    const bool pressed = m_imgPressed.LoadFromResource(pressedId, module);
    m_pCurrent = &m_imgNormal;
    return normal && hover && pressed;
}

bool PngButton::SetCaptionFont(const wchar_t* face, int height, int weight, COLORREF colour)
{
    m_font.DeleteObject();
    m_lf = LOGFONTW{};
    m_lf.lfHeight = height;
    m_lf.lfWeight = weight;
    m_lf.lfQuality = ANTIALIASED_QUALITY;
    std::wcsncpy(m_lf.lfFaceName, face, LF_FACESIZE - 1);
    m_crText = colour;
    return m_font.CreateFontIndirect(m_lf);
}

void PngButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    // Owner-drawn with notifications; for a plain push button nothing else
    // of its style survives.
    const auto style = static_cast<UINT>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    SetButtonStyle((style & 0xF4) | BS_OWNERDRAW | BS_NOTIFY, true);
}

bool PngButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CButton::OnChildNotify(message, wParam, lParam, result);
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    if (result)
        *result = TRUE;
    return true;
}

void PngButton::DrawItem(const DRAWITEMSTRUCT& dis)
{
    CDCRef dc(dis.hDC);
    RECT rc = dis.rcItem;
    DrawImage(&dc, &rc, dis.itemState);
    DrawCaption(&dc, &rc, dis.itemState);
}

void PngButton::DrawImage(CDC* pDC, RECT*, UINT)
{
    if (m_pCurrent)
        m_pCurrent->Draw(0, 0, pDC);
}

void PngButton::DrawCaption(CDC* pDC, RECT* pRect, UINT itemState)
{
    const std::wstring caption = GetWindowText();
    // Measured with whatever font the context holds before ours is selected.
    const int cy = pDC->GetTextExtent(caption).cy;
    const int previousMode = pDC->SetBkMode(TRANSPARENT);
    CSelectGuard font(*pDC, m_font);
    const COLORREF previousColour =
        pDC->SetTextColor((itemState & ODS_DISABLED) ? m_crTextDisabled : m_crText);

    RECT& rc = *pRect;
    rc.top = (rc.bottom - cy / 2 - cy - rc.top) / 2;
    rc.left += m_nTextOffsetX;
    rc.top += m_nTextOffsetY;
    pDC->DrawText(caption, rc, m_nTextFormat);

    pDC->SetTextColor(previousColour);
    pDC->SetBkMode(previousMode);
}

void PngButton::InvalidateParentArea()
{
    HWND parent = ::GetParent(m_hWnd);
    if (!parent || !m_bInvalidateParent)
        return;
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    ::MapWindowPoints(m_hWnd, parent, reinterpret_cast<POINT*>(&rc), 2);
    ::InvalidateRect(parent, &rc, TRUE);
}

LRESULT PngButton::OnMouseMove()
{
    if (m_bHover)
        return 0; // tracking is armed already: no repaint, no default processing
    m_pCurrent = &m_imgHover;
    m_bHover = true;
    const LRESULT result = Default();
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
    ::_TrackMouseEvent(&track);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    InvalidateParentArea();
    return result;
}

LRESULT PngButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEMOVE:
        return OnMouseMove();
    case WM_MOUSELEAVE:
        m_pCurrent = &m_imgNormal;
        m_bHover = false;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        InvalidateParentArea();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        // Stays pressed until the pointer leaves.
        m_pCurrent = &m_imgPressed;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return Default();
    case WM_KEYDOWN:
    case WM_KEYUP:
        return 0;
    default:
        return CButton::WindowProc(message, wParam, lParam);
    }
}
