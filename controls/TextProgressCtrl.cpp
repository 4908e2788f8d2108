#include "controls/TextProgressCtrl.h"

#include "controls/MemDC.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

int g_nMarqueeX = 3;
bool g_bMarqueeForward = true;

namespace {

constexpr UINT_PTR kMarqueeTimer = 1;
constexpr int kTrackEndWidth = 4;
constexpr int kFillTop = 2;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The previous range as the system bar reports it: max in the high word,
// min in the low word.
LRESULT PackedRange(int minimum, int maximum)
{
    const DWORD packed = (static_cast<DWORD>(maximum & 0xFFFF) << 16) | static_cast<DWORD>(minimum & 0xFFFF);
    return static_cast<LRESULT>(packed);
}

} // namespace

CTextProgressCtrl::CTextProgressCtrl()
{
    HMODULE module = AfxGetInstanceHandle();
    m_imgTrack.LoadFromResource(IDP_PROGRESS_TRACK, module);
    m_imgTrackLeft.LoadFromResource(IDP_PROGRESS_TRACK_LEFT, module);
    m_imgTrackRight.LoadFromResource(IDP_PROGRESS_TRACK_RIGHT, module);
    m_imgFill.LoadFromResource(IDP_PROGRESS_FILL, module);
    m_imgMarquee.LoadFromResource(IDP_PROGRESS_MARQUEE, module);

    const int trackHeight = m_imgTrack.GetHeight();
    m_bSkinOpaque = m_imgTrack.IsOpaque() && m_imgTrackLeft.IsOpaque() && m_imgTrackRight.IsOpaque()
                    && m_imgFill.IsOpaque() && m_imgTrackLeft.GetHeight() == trackHeight
                    && m_imgTrackRight.GetHeight() == trackHeight && m_imgTrackLeft.GetWidth() >= kTrackEndWidth
                    && m_imgTrackRight.GetWidth() >= kTrackEndWidth;
}

bool CTextProgressCtrl::IsMarquee() const
{
    return (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & PBS_MARQUEE) != 0;
}

bool CTextProgressCtrl::IsVertical() const
{
    return (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & PBS_VERTICAL) != 0;
}

COLORREF CTextProgressCtrl::TextColour() const
{
    return m_crText == CLR_DEFAULT ? ::GetSysColor(COLOR_WINDOWTEXT) : m_crText;
}

COLORREF CTextProgressCtrl::TextOnBarColour() const
{
    return m_crTextOnBar == CLR_DEFAULT ? ::GetSysColor(COLOR_WINDOW) : m_crTextOnBar;
}

// Paints the new state at once, before the message that changed it returns
// (workers rely on that). Drawing straight into the window gives what
// invalidating and updating would, without the trips through the window
// manager that a round of WM_ERASEBKGND and WM_PAINT costs, which a worker
// would otherwise pay on every read. An area that was already invalid keeps
// its own WM_PAINT.
void CTextProgressCtrl::Repaint()
{
    if (!::IsWindowVisible(m_hWnd))
        return; // shown later, it gets a WM_PAINT of its own
    RECT rcClient{};
    ::GetClientRect(m_hWnd, &rcClient);
    CClientDC dc(m_hWnd);
    if (dc.m_hDC)
        Paint(&dc, rcClient);
}

template <typename Value>
LRESULT CTextProgressCtrl::ReplaceAndRepaint(Value& member, Value value)
{
    const Value previous = std::exchange(member, value);
    Repaint();
    return static_cast<LRESULT>(previous);
}

LRESULT CTextProgressCtrl::SetPosition(int position)
{
    const int previous = m_nPos;
    m_nPos = position;
    if (m_nPos < m_nMin)
        m_nPos = m_nMin;
    int upper = m_nMax;
    if (IsMarquee()) {
        // The block may run its own length past the end, so it can slide out.
        upper = static_cast<int>(((m_nMarqueeSize + 100) * static_cast<double>(m_nMax) + 0.5) / 100);
    }
    if (m_nPos > upper)
        m_nPos = upper;
    Repaint();
    return previous;
}

void CTextProgressCtrl::OnMarqueeTimer()
{
    RECT rcClient{};
    ::GetClientRect(m_hWnd, &rcClient);
    g_nMarqueeX += g_bMarqueeForward ? 1 : -1;
    const int width = m_imgMarquee.GetWidth();
    if (g_nMarqueeX >= rcClient.right - width - 3)
        g_bMarqueeForward = false;
    if (g_nMarqueeX <= 3)
        g_bMarqueeForward = true;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTextProgressCtrl::PreSubclassWindow()
{
    CProgressCtrl::PreSubclassWindow();
    m_hFont = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    m_strText = GetWindowText();
}

LRESULT CTextProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PaintOnRequest(m_hWnd, message, wParam, [this](CDC* dc, const RECT& rc) { Paint(dc, rc); }))
        return 0;
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE; // the paint covers the whole area
    case WM_SETFONT:
        m_hFont = reinterpret_cast<HFONT>(wParam);
        return Default();
    case WM_SETTEXT: {
        const LRESULT result = Default();
        m_strText = GetWindowText();
        return result;
    }
    case WM_TIMER:
        if (wParam == kMarqueeTimer)
            OnMarqueeTimer();
        return 0;
    case PBM_SETRANGE: {
        const LRESULT previous = PackedRange(m_nMin, m_nMax);
        m_nMin = LOWORD(lParam);
        m_nMax = HIWORD(lParam);
        return previous;
    }
    case PBM_SETRANGE32: {
        const LRESULT previous = PackedRange(m_nMin, m_nMax);
        m_nMin = static_cast<int>(wParam);
        m_nMax = static_cast<int>(lParam);
        return previous;
    }
    case PBM_SETPOS:
        return SetPosition(static_cast<int>(wParam));
    case PBM_DELTAPOS:
        return SetPosition(m_nPos + static_cast<int>(wParam));
    case PBM_SETSTEP: {
        const int previous = m_nStep;
        m_nStep = static_cast<int>(wParam);
        return previous;
    }
    case PBM_STEPIT: {
        // Stepping past one end wraps round to the other by the overshoot.
        const int next = m_nPos + m_nStep;
        if (next < m_nMin)
            return SetPosition(m_nMax - std::abs(m_nMin - next));
        if (next > m_nMax)
            return SetPosition(m_nMin + std::abs(next - m_nMax));
        return SetPosition(next);
    }
    case PBM_GETRANGE:
        if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) {
            range->iLow = m_nMin;
            range->iHigh = m_nMax;
        }
        return wParam ? m_nMin : m_nMax;
    case PBM_GETPOS:
        return m_nPos;
    case PBM_SETBARCOLOR:
        return ReplaceAndRepaint(m_crBar, static_cast<COLORREF>(lParam));
    case PBM_SETBKCOLOR:
        return ReplaceAndRepaint(m_crBarBk, static_cast<COLORREF>(lParam));
    case TPCM_GETBARCOLOR:
        return m_crBar == CLR_DEFAULT ? ::GetSysColor(COLOR_HIGHLIGHT) : m_crBar;
    case TPCM_GETBKCOLOR:
        return m_crBarBk == CLR_DEFAULT ? ::GetSysColor(COLOR_BTNFACE) : m_crBarBk;
    case TPCM_SETTEXTCOLOR:
        return ReplaceAndRepaint(m_crText, static_cast<COLORREF>(lParam));
    case TPCM_GETTEXTCOLOR:
        return TextColour();
    case TPCM_SETTEXTBARCOLOR:
        return ReplaceAndRepaint(m_crTextOnBar, static_cast<COLORREF>(lParam));
    case TPCM_GETTEXTBARCOLOR:
        return TextOnBarColour();
    case TPCM_SHOWPERCENT:
        return ReplaceAndRepaint(m_bShowPercent, static_cast<BOOL>(wParam));
    case TPCM_SETTEXTALIGN:
        return ReplaceAndRepaint(m_nTextAlign, static_cast<int>(wParam));
    case PBM_SETMARQUEE: {
        m_bShowPercent = FALSE;
        const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        if (wParam) {
            ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style | PBS_MARQUEE);
            ::SetTimer(m_hWnd, kMarqueeTimer, static_cast<UINT>(lParam), nullptr);
        } else {
            ::KillTimer(m_hWnd, kMarqueeTimer);
            ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
        }
        Repaint();
        return static_cast<LRESULT>(wParam);
    }
    case TPCM_SETMARQUEESIZE:
        m_nMarqueeSize = static_cast<int>(wParam);
        Repaint();
        return 0;
    default:
        return Default();
    }
}

void CTextProgressCtrl::Paint(CDC* pDC, const RECT& rcClient)
{
    if (m_nMin >= m_nMax)
        return;
    CMemDC dc(pDC, &rcClient, m_offscreen);
    PaintBar(dc, rcClient);
}

void CTextProgressCtrl::DrawTrack(CDC& dc, const RECT& rcClient)
{
    m_imgTrackLeft.Draw(0, 0, &dc);
    DrawColumns(m_imgTrack, dc, rcClient.left + kTrackEndWidth, rcClient.right - kTrackEndWidth, 0);
    m_imgTrackRight.Draw(rcClient.right - kTrackEndWidth, 0, &dc);
}

bool CTextProgressCtrl::CanCopySkin(CDC& dc) const
{
    // Copies need one logical unit per pixel and a target that is no printer.
    return m_bSkinOpaque && !m_bColumnByColumn && !dc.IsPrinting() && dc.GetMapMode() == MM_TEXT;
}

const CTextProgressCtrl::SkinRows* CTextProgressCtrl::SkinRowsFor(int width)
{
    if (m_skinRows.dc.m_hDC && m_skinRows.width == width)
        return &m_skinRows;
    m_skinRows.Reset();
    const int trackHeight = m_imgTrack.GetHeight();
    const int fillHeight = m_imgFill.GetHeight();
    if (width <= 0)
        return nullptr;
    // A 32-bit picture holds the pieces' colours exactly, whatever the
    // target's format; copying converts them as drawing them would.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -(trackHeight + fillHeight);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_skinRows.bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_skinRows.bitmap || !m_skinRows.dc.CreateCompatibleDC(nullptr)) {
        m_skinRows.Reset();
        return nullptr;
    }
    m_skinRows.dc.SelectObject(m_skinRows.bitmap);
    m_skinRows.width = width;
    m_skinRows.trackHeight = trackHeight;
    m_skinRows.fillHeight = fillHeight;
    DrawTrack(m_skinRows.dc, RECT{0, 0, width, trackHeight});
    DrawColumns(m_imgFill, m_skinRows.dc, 0, width, trackHeight);
    return &m_skinRows;
}

void CTextProgressCtrl::DrawColumns(SmartBitmap& image, CDC& dc, int from, int to, int y) const
{
    if (from >= to)
        return;
    // Copying needs pixels that do not depend on what lies beneath, a
    // context that can be read back, and one logical unit per pixel.
    if (m_bColumnByColumn || !image.IsOpaque() || dc.IsPrinting() || dc.GetMapMode() != MM_TEXT) {
        for (int x = from; x < to; ++x)
            image.Draw(x, y, &dc);
        return;
    }
    image.Draw(from, y, &dc);
    const int height = image.GetHeight();
    // Double the run of copies of the first column until the range is full.
    for (int done = 1; done < to - from;) {
        const int chunk = std::min(done, to - from - done);
        dc.BitBlt(from + done, y, chunk, height, dc.m_hDC, from, y, SRCCOPY);
        done += chunk;
    }
    // An image wider than a column leaves its last draw reaching past the end.
    if (image.GetWidth() > 1)
        image.Draw(to - 1, y, &dc);
}

void CTextProgressCtrl::PaintBar(CDC& dc, const RECT& rcClient)
{
    const COLORREF crText = TextColour();
    const COLORREF crOnBar = TextOnBarColour();
    bool before = true;
    bool after = true;

    HGDIOBJ font = m_hFont;
    if (!font)
        font = reinterpret_cast<HGDIOBJ>(::SendMessageW(::GetParent(m_hWnd), WM_GETFONT, 0, 0));
    CSelectGuard fontGuard(dc, font);

    RECT bar = rcClient;
    RECT beforePart = rcClient;
    RECT afterPart = rcClient;
    const double fraction = static_cast<double>(m_nPos - m_nMin) / static_cast<double>(m_nMax - m_nMin);

    const bool vertical = IsVertical();
    if (vertical && !m_fontVertical) {
        LOGFONTW lf{};
        if (::GetObjectW(dc.GetCurrentObject(OBJ_FONT), sizeof(lf), &lf) == sizeof(lf)) {
            lf.lfEscapement = lf.lfOrientation = 900;
            m_fontVertical.CreateFontIndirect(lf);
        }
    }

    if (IsMarquee()) {
        const int block = (RectWidth(beforePart) * m_nMarqueeSize + 50) / 100;
        if (!vertical) {
            bar.right = bar.left + static_cast<int>(RectWidth(bar) * fraction);
            bar.left = bar.right - block;
            if (bar.left > beforePart.left) {
                beforePart.right = bar.left;
            } else {
                before = false;
                bar.left = beforePart.left;
            }
            if (bar.right < afterPart.right) {
                afterPart.left = bar.right;
            } else {
                after = false;
                bar.right = afterPart.right;
            }
        } else {
            bar.top = bar.bottom - static_cast<int>(RectHeight(bar) * fraction);
            bar.bottom = bar.top + block;
            if (bar.bottom < beforePart.bottom) {
                beforePart.top = bar.bottom;
            } else {
                before = false;
                bar.bottom = beforePart.bottom;
            }
            if (bar.top > afterPart.top) {
                afterPart.bottom = bar.top;
            } else {
                after = false;
                bar.top = afterPart.top;
            }
        }
        if (before)
            dc.FillSolidRect(beforePart, kWhite);
        if (after)
            dc.FillSolidRect(afterPart, kWhite);
    } else {
        before = false;
        if (!vertical) {
            bar.right = bar.left + static_cast<int>(RectWidth(bar) * fraction);
            afterPart.left = bar.right;
        } else {
            bar.top = bar.bottom - static_cast<int>(RectHeight(bar) * fraction);
            afterPart.bottom = bar.top;
        }
        dc.FillSolidRect(afterPart, kWhite);
    }

    // The skin is laid out horizontally whatever the style.
    const SkinRows* rows = CanCopySkin(dc) ? SkinRowsFor(rcClient.right) : nullptr;
    if (rows)
        dc.BitBlt(0, 0, rows->width, rows->trackHeight, rows->dc.m_hDC, 0, 0, SRCCOPY);
    else
        DrawTrack(dc, rcClient);
    const int fillFrom = bar.left + kTrackEndWidth;
    if (IsMarquee()) {
        m_imgMarquee.Draw(g_nMarqueeX, kFillTop, &dc);
    } else if (rows && fillFrom < bar.right) {
        dc.BitBlt(fillFrom, kFillTop, bar.right - fillFrom, rows->fillHeight, rows->dc.m_hDC, fillFrom,
                  rows->trackHeight, SRCCOPY);
        // A fill image wider than a column reaches past the end, as drawn.
        if (m_imgFill.GetWidth() > 1)
            m_imgFill.Draw(bar.right - 1, kFillTop, &dc);
    } else if (!rows) {
        DrawColumns(m_imgFill, dc, fillFrom, bar.right, kFillTop);
    }

    std::wstring text = m_strText;
    if (m_bShowPercent) {
        wchar_t percent[16] = {};
        std::swprintf(percent, 16, L"%d%%", static_cast<int>(fraction * 100.0 + 0.5));
        text += percent;
    }
    if (text.empty())
        return;

    int x = 0;
    int y = 0;
    HGDIOBJ previousFont = nullptr;
    if (vertical) {
        previousFont = dc.SelectObject(m_fontVertical);
        const SIZE size = dc.GetTextExtent(text);
        if (m_nTextAlign == 0)
            y = rcClient.bottom - 3;
        else if (m_nTextAlign == 2)
            y = size.cx + rcClient.top + 2;
        else
            y = rcClient.top + size.cx + (rcClient.bottom - size.cx - rcClient.top) / 2;
        x = rcClient.left + (rcClient.right - size.cy - rcClient.left) / 2;
    } else {
        const SIZE size = dc.GetTextExtent(text);
        if (m_nTextAlign == 0)
            x = rcClient.left + 2;
        else if (m_nTextAlign == 2)
            x = rcClient.right - size.cx - 3;
        else
            x = rcClient.left + (rcClient.right - size.cx - rcClient.left) / 2;
        y = rcClient.top + (rcClient.bottom - size.cy - rcClient.top) / 2;
    }

    dc.SetBkMode(TRANSPARENT);
    auto drawClipped = [&](const RECT& part, COLORREF colour) {
        CRgn region;
        region.CreateRectRgnIndirect(part);
        dc.SelectClipRgn(&region);
        dc.SetTextColor(colour);
        dc.ExtTextOut(x, y, ETO_CLIPPED, &rcClient, text);
    };
    if (before)
        drawClipped(beforePart, crText);
    drawClipped(bar, crOnBar);
    if (after)
        drawClipped(afterPart, crText);
    dc.SelectClipRgn(nullptr);
    if (vertical && previousFont)
        dc.SelectObject(previousFont);
}
