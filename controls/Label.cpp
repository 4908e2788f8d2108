#include "controls/Label.h"

#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kFlashTimer = 1;
constexpr UINT kFlashPeriodMs = 500;

void CopyFaceName(LOGFONTW& lf, const std::wstring& face)
{
    std::wmemset(lf.lfFaceName, L'\0', LF_FACESIZE);
    std::wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
}

} // namespace

CLabel::CLabel() : m_crText(::GetSysColor(COLOR_WINDOWTEXT))
{
    m_hDefaultBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

void CLabel::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    auto font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (!font)
        font = ::GetStockObject(SYSTEM_FONT);
    ::GetObjectW(font, sizeof(m_lf), &m_lf);
    RecreateFont();
}

void CLabel::RecreateFont()
{
    m_font.DeleteObject();
    m_lf.lfQuality = ANTIALIASED_QUALITY;
    m_font.CreateFontIndirect(m_lf);
}

void CLabel::RedrawLabel()
{
    if (!m_hWnd)
        return;
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    if (m_pBackgroundWnd) {
        HWND background = m_pBackgroundWnd->GetSafeHwnd();
        ::MapWindowPoints(nullptr, background, reinterpret_cast<POINT*>(&r), 2);
        ::InvalidateRect(background, &r, TRUE);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return;
    }
    // A transparent label shows the parent's skin: the parent repaints the
    // area under the label too.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    ::InvalidateRect(parent, &r, TRUE);
    ::UpdateWindow(parent);
}

void CLabel::ChangeStyle(LONG_PTR remove, LONG_PTR add, int index, bool frameChange)
{
    if (!m_hWnd)
        return;
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, index);
    ::SetWindowLongPtrW(m_hWnd, index, (style & ~remove) | add);
    if (frameChange) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

CLabel& CLabel::SetBackground(COLORREF colour, COLORREF secondColour, int fillMode)
{
    m_crBack = colour;
    m_crBackSecond = secondColour;
    m_nFillMode = fillMode;
    m_hBackBrush.DeleteObject();
    if (fillMode == 0)
        m_hBackBrush.CreateSolidBrush(colour);
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetTextColor(COLORREF colour)
{
    m_crText = colour;
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetText(const std::wstring& text)
{
    if (m_hWnd) {
        SetWindowText(text);
        RedrawLabel();
    }
    return *this;
}

CLabel& CLabel::SetBold(bool bold)
{
    m_lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetFaceName(const std::wstring& face, BYTE charSet)
{
    m_lf.lfCharSet = charSet;
    CopyFaceName(m_lf, face);
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetUnderline(bool underline)
{
    m_lf.lfUnderline = underline;
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetItalic(bool italic)
{
    m_lf.lfItalic = italic;
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetPointSize(int points)
{
    // The point size is measured in the current face through the screen.
    CFont sized;
    sized.CreatePointFont(points * 10, m_lf.lfFaceName);
    LOGFONTW lf{};
    sized.GetLogFont(lf);
    m_lf.lfHeight = lf.lfHeight;
    m_lf.lfWidth = lf.lfWidth + m_nExtraWidth;
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetSunkenEdge(bool sunken)
{
    if (sunken)
        ChangeStyle(0, WS_EX_STATICEDGE, GWL_EXSTYLE, true);
    else
        ChangeStyle(WS_EX_STATICEDGE, 0, GWL_EXSTYLE, true);
    return *this;
}

CLabel& CLabel::SetBorderLine(bool border)
{
    if (border)
        ChangeStyle(0, WS_BORDER, GWL_STYLE, true);
    else
        ChangeStyle(WS_BORDER, 0, GWL_STYLE, true);
    return *this;
}

CLabel& CLabel::SetTransparent(bool transparent)
{
    m_bTransparent = transparent;
    ChangeStyle(0, WS_EX_TRANSPARENT, GWL_EXSTYLE, false);
    RedrawLabel();
    return *this;
}

CLabel& CLabel::FlashText(bool flash)
{
    if (m_bFlashTimer && m_hWnd)
        ::KillTimer(m_hWnd, kFlashTimer);
    if (flash) {
        m_bFlashOn = FALSE;
        m_bFlashTimer = TRUE;
        ::SetTimer(m_hWnd, kFlashTimer, kFlashPeriodMs, nullptr);
        m_nFlashType = 1;
    } else {
        m_nFlashType = 0;
    }
    return *this;
}

CLabel& CLabel::FlashBackground(bool flash)
{
    if (m_bFlashTimer && m_hWnd)
        ::KillTimer(m_hWnd, kFlashTimer);
    if (flash) {
        m_bFlashOn = FALSE;
        m_bFlashTimer = TRUE;
        ::SetTimer(m_hWnd, kFlashTimer, kFlashPeriodMs, nullptr);
        m_nFlashType = 2;
    }
    return *this;
}

CLabel& CLabel::SetHyperlink(bool enable, bool notifyParent)
{
    m_nLinkType = enable ? 1 : 0;
    m_bNotifyParent = notifyParent;
    if (enable)
        ChangeStyle(0, SS_NOTIFY, GWL_STYLE, false);
    else
        ChangeStyle(SS_NOTIFY, 0, GWL_STYLE, false);
    return *this;
}

CLabel& CLabel::SetCursorHandle(HCURSOR cursor)
{
    m_hCursor = cursor;
    return *this;
}

CLabel& CLabel::SetText3D(bool enable, int style)
{
    m_bText3D = enable;
    m_n3DStyle = style;
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetRotation(int degrees, bool enable)
{
    m_lf.lfEscapement = m_lf.lfOrientation = degrees * 10;
    m_bRotation = enable;
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetHighlightColor(COLORREF colour)
{
    m_crHighlight = colour;
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetLogFont(LOGFONTW lf)
{
    m_lf = lf;
    RecreateFont();
    RedrawLabel();
    return *this;
}

CLabel& CLabel::SetMailLink(bool enable, bool notifyParent)
{
    m_nLinkType = enable ? 2 : 0;
    m_bNotifyParent = notifyParent;
    if (enable)
        ChangeStyle(0, SS_NOTIFY, GWL_STYLE, false);
    else
        ChangeStyle(SS_NOTIFY, 0, GWL_STYLE, false);
    return *this;
}

CLabel& CLabel::SetLinkTarget(const std::wstring& target)
{
    m_strLinkTarget = target;
    return *this;
}

CLabel& CLabel::SetBackgroundWindow(CWnd* window)
{
    m_pBackgroundWnd = window;
    return *this;
}

CLabel& CLabel::SetExtraWidth(int extraWidth)
{
    // Takes effect at the next SetPointSize.
    m_nExtraWidth = extraWidth;
    RecreateFont();
    RedrawLabel();
    return *this;
}

UINT CLabel::TextFormat(const std::wstring& text) const
{
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    UINT format = 0;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format = DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_LEFTNOWORDWRAP:
        format = DT_LEFT;
        break;
    default:
        format = DT_WORDBREAK;
        break;
    }
    if (!text.empty() && text.find(L'\t') != std::wstring::npos)
        format |= DT_EXPANDTABS;
    if (style & SS_CENTERIMAGE) {
        format = text.find(L"\r\n") != std::wstring::npos ? DT_CENTER
                                                           : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
    return format;
}

void CLabel::Paint(CDC* pDC, const RECT& rc)
{
    if (m_bTransparent) {
        // Drawn straight over whatever the parent has painted.
        DrawContent(*pDC, rc);
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(pDC->m_hDC);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pDC->m_hDC, RectWidth(rc), RectHeight(rc));
    CSelectGuard selected(memory, bitmap);
    DrawContent(memory, rc);
    pDC->BitBlt(0, 0, RectWidth(rc), RectHeight(rc), memory.m_hDC, 0, 0, SRCCOPY);
}

void CLabel::DrawContent(CDC& dc, const RECT& rc)
{
    const std::wstring text = GetWindowText();
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousColour = dc.SetTextColor(m_crText);
    CSelectGuard font(dc, m_font);

    if (!m_bTransparent) {
        if (m_nFillMode == 0)
            dc.FillRect(rc, m_hBackBrush ? m_hBackBrush.GetHandle() : m_hDefaultBrush.GetHandle());
        else
            PaintGradient(dc, rc);
    }
    // In the dark phase of a text flash the text takes the background colour.
    if (m_nFlashType == 1 && !m_bFlashOn)
        dc.SetTextColor(m_hBackBrush.GetColor());

    const UINT format = TextFormat(text);
    if (m_bRotation) {
        // The font's escapement turns the text round the centre.
        const UINT previousAlign = dc.SetTextAlign(TA_BASELINE);
        const POINT origin = dc.GetViewportOrg();
        dc.SetViewportOrg(RectWidth(rc) / 2, RectHeight(rc) / 2);
        dc.TextOut(0, 0, text);
        dc.SetViewportOrg(origin.x, origin.y);
        dc.SetTextAlign(previousAlign);
    } else {
        RECT r = rc;
        dc.DrawText(text, r, format);
        if (m_bText3D) {
            dc.SetTextColor(m_crHighlight);
            const int offset = m_n3DStyle == 0 ? -1 : 1;
            ::OffsetRect(&r, offset, offset);
            dc.DrawText(text, r, format);
        }
    }
    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousColour);
}

void CLabel::PaintGradient(CDC& dc, const RECT& rc)
{
    const int width = rc.right - rc.left;
    const int steps = width < 100 ? width : 100;
    const int divisor = steps > 1 ? steps : 1;

    // Channels in 1/256 units, so the bands step evenly without drifting.
    int red = GetRValue(m_crBack) * 256;
    int green = GetGValue(m_crBack) * 256;
    int blue = GetBValue(m_crBack) * 256;
    const int redStep = ((GetRValue(m_crBackSecond) - GetRValue(m_crBack)) * 256) / divisor;
    const int greenStep = ((GetGValue(m_crBackSecond) - GetGValue(m_crBack)) * 256) / divisor;
    const int blueStep = ((GetBValue(m_crBackSecond) - GetBValue(m_crBack)) * 256) / divisor;

    const int band = width / divisor;
    CSelectGuard pen(dc, ::GetStockObject(NULL_PEN));
    int x = rc.left;
    for (int i = 0; i < steps; ++i) {
        const int right = i == steps - 1 ? rc.right : x + band;
        CBrush brush;
        brush.CreateSolidBrush(RGB(red / 256, green / 256, blue / 256));
        {
            CSelectGuard selected(dc, brush);
            dc.Rectangle(x, rc.top, right + 1, rc.bottom);
        }
        red += redStep;
        green += greenStep;
        blue += blueStep;
        x = right;
    }
}

void CLabel::OnLButtonDown()
{
    if (m_bNotifyParent) {
        const int id = GetDlgCtrlID();
        NMHDR header{m_hWnd, static_cast<UINT_PTR>(id), LBLN_CLICK};
        ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, static_cast<WPARAM>(id),
                       reinterpret_cast<LPARAM>(&header));
        return;
    }
    if (m_nLinkType == 1) {
        const std::wstring target = m_strLinkTarget.empty() ? GetWindowText() : m_strLinkTarget;
        const std::wstring parameters = L"url.dll,FileProtocolHandler " + target;
        ::ShellExecuteW(nullptr, L"open", L"rundll32.exe", parameters.c_str(), nullptr, SW_SHOWNORMAL);
    } else if (m_nLinkType == 2) {
        const std::wstring mail = L"mailto:" + GetWindowText();
        ::ShellExecuteW(nullptr, nullptr, mail.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

LRESULT CLabel::WindowProc(UINT message, WPARAM wParam, LPARAM)
{
    if (PaintOnRequest(m_hWnd, message, wParam, [this](CDC* dc, const RECT& rc) { Paint(dc, rc); }))
        return 0;
    switch (message) {
    case WM_TIMER:
        m_bFlashOn = !m_bFlashOn;
        RedrawLabel();
        return Default();
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return Default();
    case WM_SETCURSOR:
        if (m_hCursor) {
            ::SetCursor(m_hCursor);
            return TRUE;
        }
        return Default();
    case WM_SYSCOLORCHANGE:
        m_hDefaultBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
        RedrawLabel();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return Default();
    }
}

void ApplyLabelStyle(CLabel& label, int preset)
{
    label.SetTransparent(true);
    label.SetFaceName(L"Arial", 0);
    switch (preset) {
    case 1:
        label.SetPointSize(14).SetTextColor(RGB(61, 107, 150)).SetBold(true);
        break;
    case 2:
        label.SetPointSize(8).SetBold(false).SetTextColor(RGB(100, 100, 100));
        break;
    case 3:
        label.SetPointSize(9).SetBold(false).SetTextColor(RGB(30, 78, 123));
        break;
    case 4:
        label.SetPointSize(8).SetBold(true).SetTextColor(RGB(100, 100, 100));
        break;
    case 5:
        label.SetPointSize(8).SetBold(true).SetTextColor(RGB(17, 58, 114));
        break;
    case 6:
        label.SetPointSize(8).SetTextColor(RGB(77, 82, 83));
        break;
    case 7:
        label.SetPointSize(10).SetTextColor(RGB(77, 82, 83));
        break;
    default:
        break;
    }
}
