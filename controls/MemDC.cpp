#include "controls/MemDC.h"

#include <algorithm>

namespace {
// The class atom of the system dialog class.
constexpr ULONG_PTR kDialogClassAtom = 32770;
}

HDC OffscreenBuffer::Acquire(HDC windowTarget, int width, int height)
{
    if (!m_dc.m_hDC && !m_dc.CreateCompatibleDC(windowTarget))
        return nullptr;
    if (width > m_width || height > m_height) {
        const int newWidth = std::max(width, m_width);
        const int newHeight = std::max(height, m_height);
        CBitmap bitmap;
        if (!bitmap.CreateCompatibleBitmap(windowTarget, newWidth, newHeight))
            return nullptr;
        m_dc.SelectObject(bitmap);
        m_bitmap = std::move(bitmap);
        m_width = newWidth;
        m_height = newHeight;
    }
    return m_dc.m_hDC;
}

CMemDC::CMemDC(CDC* pDC, const RECT* pRect) : CMemDC(pDC, pRect, static_cast<OffscreenBuffer*>(nullptr)) {}

CMemDC::CMemDC(CDC* pDC, const RECT* pRect, OffscreenBuffer& buffer)
    : CMemDC(pDC, pRect, pDC->GetWindow() ? &buffer : nullptr)
{
}

CMemDC::CMemDC(CDC* pDC, const RECT* pRect, OffscreenBuffer* buffer) : m_bMemDC(!pDC->IsPrinting()), m_pDC(pDC)
{
    if (pRect)
        m_rect = *pRect;
    else
        pDC->GetClipBox(m_rect);

    if (m_bMemDC) {
        pDC->LPtoDP(m_rect);
        HDC kept = buffer ? buffer->Acquire(pDC->m_hDC, RectWidth(m_rect), RectHeight(m_rect)) : nullptr;
        if (kept) {
            Attach(kept, false); // the buffer's, with its bitmap selected for good
        } else {
            CreateCompatibleDC(pDC->m_hDC);
            m_bitmap.CreateCompatibleBitmap(pDC->m_hDC, RectWidth(m_rect), RectHeight(m_rect));
            m_oldBitmap = SelectObject(m_bitmap);
        }
        SetMapMode(pDC->GetMapMode());
        SetWindowExt(pDC->GetWindowExt());
        SetViewportExt(pDC->GetViewportExt());
        pDC->DPtoLP(m_rect);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        // Printing: draw straight into the target, which stays its owner's.
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
        m_bOwned = false;
    }
    FillBackground();
}

void CMemDC::FillBackground()
{
    HWND window = m_pDC->GetWindow();
    if (!window) {
        FillSolidRect(m_rect, m_pDC->GetBkColor());
        return;
    }
    if (::GetClassLongPtrW(window, GCW_ATOM) == kDialogClassAtom) {
        FillSolidRect(m_rect, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    if (auto brush = reinterpret_cast<HBRUSH>(::GetClassLongPtrW(window, GCLP_HBRBACKGROUND)))
        FillRect(m_rect, brush);
    else
        FillSolidRect(m_rect, m_pDC->GetBkColor());
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, RectWidth(m_rect), RectHeight(m_rect), m_hDC,
                      m_rect.left, m_rect.top, SRCCOPY);
        if (m_oldBitmap)
            SelectObject(m_oldBitmap);
    } else {
        // The handles are the target's: forget them rather than delete them.
        m_hDC = m_hAttribDC = nullptr;
    }
}

CMeemDC::CMeemDC(CDC* pDC, const RECT& rect) : m_pDC(pDC), m_rcBounds(rect)
{
    HDC target = pDC ? pDC->m_hDC : nullptr;
    CreateCompatibleDC(target);
    m_pMemBitmap = std::make_unique<CBitmap>();
    m_pMemBitmap->CreateCompatibleBitmap(target, RectWidth(rect), RectHeight(rect));
    m_pOldBitmap = SelectObject(*m_pMemBitmap);
}

CMeemDC::~CMeemDC()
{
    ::BitBlt(m_pDC->m_hDC, m_rcBounds.left, m_rcBounds.top, RectWidth(m_rcBounds),
             RectHeight(m_rcBounds), m_hDC, m_rcBounds.left, m_rcBounds.top, SRCCOPY);
    if (m_pOldBitmap)
        SelectObject(m_pOldBitmap);
    m_pMemBitmap.reset();
}
