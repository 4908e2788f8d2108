#include "framework/Gdi.h"

#include <cstdlib>
#include <cwchar>

namespace {

// The screen's context for the duration of a conversion.
class ScreenDC
{
public:
    ScreenDC() : m_hDC(::GetDC(nullptr)) {}
    ~ScreenDC()
    {
        if (m_hDC)
            ::ReleaseDC(nullptr, m_hDC);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

int ClampedLength(const std::wstring& text)
{
    return static_cast<int>(text.size());
}

} // namespace

bool CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return false;
    const bool deleted = ::DeleteObject(m_hObject) != FALSE;
    m_hObject = nullptr;
    return deleted;
}

bool CFont::CreateFontIndirect(const LOGFONTW& lf)
{
    Attach(::CreateFontIndirectW(&lf));
    return m_hObject != nullptr;
}

bool CFont::CreatePointFont(int tenthsOfPoint, const wchar_t* face, CDC* dc)
{
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    if (face)
        ::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);

    ScreenDC screen;
    HDC reference = dc && dc->m_hAttribDC ? dc->m_hAttribDC : screen.Get();
    // Tenths of a point to device pixels (72 points an inch), then into the
    // context's logical units; a negative height asks for the character
    // height rather than the cell height, as point sizes mean.
    POINT size{0, ::GetDeviceCaps(reference, LOGPIXELSY) * tenthsOfPoint / 720};
    POINT origin{0, 0};
    ::DPtoLP(reference, &size, 1);
    ::DPtoLP(reference, &origin, 1);
    lf.lfHeight = -std::abs(size.y - origin.y);
    return CreateFontIndirect(lf);
}

bool CFont::GetLogFont(LOGFONTW& lf) const
{
    return m_hObject && ::GetObjectW(m_hObject, sizeof(lf), &lf) == sizeof(lf);
}

bool CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    Attach(::CreateCompatibleBitmap(dc, width, height));
    return m_hObject != nullptr;
}

bool CPen::CreatePen(int style, int width, COLORREF colour)
{
    Attach(::CreatePen(style, width, colour));
    return m_hObject != nullptr;
}

bool CBrush::CreateSolidBrush(COLORREF colour)
{
    Attach(::CreateSolidBrush(colour));
    return m_hObject != nullptr;
}

COLORREF CBrush::GetColor() const
{
    LOGBRUSH lb{};
    if (m_hObject && ::GetObjectW(m_hObject, sizeof(lb), &lb) == sizeof(lb))
        return lb.lbColor;
    return RGB(0, 0, 0);
}

bool CRgn::CreateRectRgnIndirect(const RECT& rc)
{
    Attach(::CreateRectRgnIndirect(&rc));
    return m_hObject != nullptr;
}

CDC::~CDC()
{
    DeleteDC();
}

bool CDC::CreateCompatibleDC(HDC reference)
{
    HDC dc = ::CreateCompatibleDC(reference);
    if (!dc)
        return false;
    Attach(dc, true);
    return true;
}

void CDC::Attach(HDC dc, bool owned)
{
    DeleteDC();
    m_hDC = m_hAttribDC = dc;
    m_bOwned = owned && dc != nullptr;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwned = false;
    return dc;
}

bool CDC::DeleteDC()
{
    bool deleted = false;
    if (m_bOwned && m_hDC)
        deleted = ::DeleteDC(m_hDC) != FALSE;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwned = false;
    return deleted;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    HGDIOBJ previous = nullptr;
    if (m_hDC != m_hAttribDC && m_hDC)
        previous = ::SelectObject(m_hDC, object);
    if (m_hAttribDC)
        previous = ::SelectObject(m_hAttribDC, object);
    return previous == HGDI_ERROR ? nullptr : previous;
}

void CDC::FillSolidRect(const RECT& rc, COLORREF colour)
{
    // An opaque empty text output fills with the background colour without
    // needing a brush; the context's own background colour is kept.
    const COLORREF previous = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillRect(const RECT& rc, HBRUSH brush)
{
    ::FillRect(m_hDC, &rc, brush);
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    return ::Rectangle(m_hDC, left, top, right, bottom) != FALSE;
}

bool CDC::BitBlt(int x, int y, int width, int height, HDC source, int xSource, int ySource,
                 DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source, xSource, ySource, rop) != FALSE;
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    COLORREF previous = CLR_INVALID;
    if (m_hDC != m_hAttribDC && m_hDC)
        previous = ::SetTextColor(m_hDC, colour);
    if (m_hAttribDC)
        previous = ::SetTextColor(m_hAttribDC, colour);
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF colour)
{
    COLORREF previous = CLR_INVALID;
    if (m_hDC != m_hAttribDC && m_hDC)
        previous = ::SetBkColor(m_hDC, colour);
    if (m_hAttribDC)
        previous = ::SetBkColor(m_hAttribDC, colour);
    return previous;
}

int CDC::SetBkMode(int mode)
{
    int previous = 0;
    if (m_hDC != m_hAttribDC && m_hDC)
        previous = ::SetBkMode(m_hDC, mode);
    if (m_hAttribDC)
        previous = ::SetBkMode(m_hAttribDC, mode);
    return previous;
}

UINT CDC::SetTextAlign(UINT align)
{
    UINT previous = GDI_ERROR;
    if (m_hDC != m_hAttribDC && m_hDC)
        previous = ::SetTextAlign(m_hDC, align);
    if (m_hAttribDC)
        previous = ::SetTextAlign(m_hAttribDC, align);
    return previous;
}

int CDC::DrawText(const std::wstring& text, RECT& rc, UINT format)
{
    return ::DrawTextW(m_hDC, text.c_str(), ClampedLength(text), &rc, format);
}

bool CDC::TextOut(int x, int y, const std::wstring& text)
{
    return ::TextOutW(m_hDC, x, y, text.c_str(), ClampedLength(text)) != FALSE;
}

bool CDC::ExtTextOut(int x, int y, UINT options, const RECT* rc, const std::wstring& text)
{
    return ::ExtTextOutW(m_hDC, x, y, options, rc, text.c_str(),
                         static_cast<UINT>(text.size()), nullptr) != FALSE;
}

SIZE CDC::GetTextExtent(const std::wstring& text) const
{
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hAttribDC, text.c_str(), ClampedLength(text), &size);
    return size;
}

int CDC::SetMapMode(int mode)
{
    int previous = 0;
    if (m_hDC != m_hAttribDC && m_hDC)
        previous = ::SetMapMode(m_hDC, mode);
    if (m_hAttribDC)
        previous = ::SetMapMode(m_hAttribDC, mode);
    return previous;
}

SIZE CDC::GetWindowExt() const
{
    SIZE size{0, 0};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

SIZE CDC::SetWindowExt(SIZE extent)
{
    SIZE previous{0, 0};
    if (m_hDC != m_hAttribDC && m_hDC)
        ::SetWindowExtEx(m_hDC, extent.cx, extent.cy, &previous);
    if (m_hAttribDC)
        ::SetWindowExtEx(m_hAttribDC, extent.cx, extent.cy, &previous);
    return previous;
}

SIZE CDC::GetViewportExt() const
{
    SIZE size{0, 0};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

SIZE CDC::SetViewportExt(SIZE extent)
{
    SIZE previous{0, 0};
    if (m_hDC != m_hAttribDC && m_hDC)
        ::SetViewportExtEx(m_hDC, extent.cx, extent.cy, &previous);
    if (m_hAttribDC)
        ::SetViewportExtEx(m_hAttribDC, extent.cx, extent.cy, &previous);
    return previous;
}

POINT CDC::SetWindowOrg(int x, int y)
{
    POINT previous{0, 0};
    if (m_hDC != m_hAttribDC && m_hDC)
        ::SetWindowOrgEx(m_hDC, x, y, &previous);
    if (m_hAttribDC)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &previous);
    return previous;
}

POINT CDC::GetViewportOrg() const
{
    POINT origin{0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &origin);
    return origin;
}

POINT CDC::SetViewportOrg(int x, int y)
{
    POINT previous{0, 0};
    if (m_hDC != m_hAttribDC && m_hDC)
        ::SetViewportOrgEx(m_hDC, x, y, &previous);
    if (m_hAttribDC)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &previous);
    return previous;
}

int CDC::SelectClipRgn(const CRgn* region)
{
    HRGN handle = region ? region->GetHandle() : nullptr;
    int result = ERROR;
    if (m_hDC != m_hAttribDC && m_hDC)
        result = ::SelectClipRgn(m_hDC, handle);
    if (m_hAttribDC)
        result = ::SelectClipRgn(m_hAttribDC, handle);
    return result;
}

CClientDC::CClientDC(HWND window) : m_hWnd(window)
{
    Attach(::GetDC(window), false);
}

CClientDC::~CClientDC()
{
    if (HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}

CPaintDC::CPaintDC(HWND window) : m_hWnd(window)
{
    Attach(::BeginPaint(window, &m_ps), false);
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
