#pragma once

#include "framework/WinInclude.h"

#include <string>
#include <utility>

// The drawing side of the framework: owning GDI object types, device
// contexts (owning or borrowed) and a selection guard.

// Width and height of a rectangle.
inline int RectWidth(const RECT& rc) { return rc.right - rc.left; }
inline int RectHeight(const RECT& rc) { return rc.bottom - rc.top; }

// Owns one GDI object (font, bitmap, pen, brush, region) and deletes it once.
// Deleting an object that is still selected into a context fails silently on
// Windows and leaks it, so owners deselect before the object goes away (see
// CSelectGuard).
class CGdiObject
{
public:
    CGdiObject() = default;
    explicit CGdiObject(HGDIOBJ object) : m_hObject(object) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }

    // Takes ownership of the object, deleting the one held before.
    void Attach(HGDIOBJ object)
    {
        DeleteObject();
        m_hObject = object;
    }
    HGDIOBJ Detach() { return std::exchange(m_hObject, nullptr); }
    bool DeleteObject();

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CDC;

class CFont : public CGdiObject
{
public:
    HFONT GetHandle() const { return static_cast<HFONT>(m_hObject); }
    bool CreateFontIndirect(const LOGFONTW& lf);
    // A font of the face whose height is given in tenths of a point. The
    // points are turned into the logical units of the given context, or of
    // the screen when none is given.
    bool CreatePointFont(int tenthsOfPoint, const wchar_t* face, CDC* dc = nullptr);
    bool GetLogFont(LOGFONTW& lf) const;
};

class CBitmap : public CGdiObject
{
public:
    HBITMAP GetHandle() const { return static_cast<HBITMAP>(m_hObject); }
    bool CreateCompatibleBitmap(HDC dc, int width, int height);
};

class CPen : public CGdiObject
{
public:
    HPEN GetHandle() const { return static_cast<HPEN>(m_hObject); }
    bool CreatePen(int style, int width, COLORREF colour);
};

class CBrush : public CGdiObject
{
public:
    HBRUSH GetHandle() const { return static_cast<HBRUSH>(m_hObject); }
    bool CreateSolidBrush(COLORREF colour);
    // The colour of a solid brush; black when there is no brush.
    COLORREF GetColor() const;
};

class CRgn : public CGdiObject
{
public:
    HRGN GetHandle() const { return static_cast<HRGN>(m_hObject); }
    bool CreateRectRgnIndirect(const RECT& rc);
};

// A device context: an output handle (where drawing goes) and an attribute
// handle (where queries are answered), the same handle unless a derived
// scope redirects them. Setters act on both, queries read the attribute
// handle. The context owns its handle only when it was created or attached
// as owned; a borrowed context (CDCRef) never deletes anything.
class CDC
{
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

    bool CreateCompatibleDC(HDC reference);
    // Takes the handle into this object; an owned handle is deleted by the
    // destructor (or a later Attach/DeleteDC).
    void Attach(HDC dc, bool owned = true);
    HDC Detach();
    bool DeleteDC();

    bool IsPrinting() const { return m_bPrinting != FALSE; }
    // The window that the output handle draws into, if any.
    HWND GetWindow() const { return m_hDC ? ::WindowFromDC(m_hDC) : nullptr; }

    // Each returns the previously selected object of the kind (not owned).
    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectObject(const CGdiObject& object) { return SelectObject(object.GetSafeHandle()); }
    HGDIOBJ SelectStockObject(int index) { return SelectObject(::GetStockObject(index)); }
    HGDIOBJ GetCurrentObject(UINT type) const { return ::GetCurrentObject(m_hAttribDC, type); }

    void FillSolidRect(const RECT& rc, COLORREF colour);
    void FillRect(const RECT& rc, HBRUSH brush);
    bool Rectangle(int left, int top, int right, int bottom);
    void DrawFocusRect(const RECT& rc) { ::DrawFocusRect(m_hDC, &rc); }
    bool BitBlt(int x, int y, int width, int height, HDC source, int xSource, int ySource,
                DWORD rop);

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
    int SetBkMode(int mode);
    UINT SetTextAlign(UINT align);

    int DrawText(const std::wstring& text, RECT& rc, UINT format);
    bool TextOut(int x, int y, const std::wstring& text);
    bool ExtTextOut(int x, int y, UINT options, const RECT* rc, const std::wstring& text);
    SIZE GetTextExtent(const std::wstring& text) const;

    int SetMapMode(int mode);
    int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
    SIZE GetWindowExt() const;
    SIZE SetWindowExt(SIZE extent);
    SIZE GetViewportExt() const;
    SIZE SetViewportExt(SIZE extent);
    POINT SetWindowOrg(int x, int y);
    POINT GetViewportOrg() const;
    POINT SetViewportOrg(int x, int y);
    void LPtoDP(RECT& rc) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<POINT*>(&rc), 2); }
    void DPtoLP(RECT& rc) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<POINT*>(&rc), 2); }

    int GetClipBox(RECT& rc) const { return ::GetClipBox(m_hDC, &rc); }
    // A null region removes the clipping.
    int SelectClipRgn(const CRgn* region);

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

protected:
    bool m_bOwned = false;
};

// A context that someone else owns (a paint context, a draw-item context).
class CDCRef : public CDC
{
public:
    explicit CDCRef(HDC dc) { Attach(dc, false); }
};

// The paint session of a window: BeginPaint in the constructor, EndPaint in
// the destructor.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// A window's client-area context for drawing outside a paint session:
// GetDC in the constructor, ReleaseDC in the destructor.
class CClientDC : public CDC
{
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// Serves WM_PAINT (a paint session) and WM_PRINTCLIENT (the context the
// message brings) of a window that paints itself, by one paint function over
// the client rectangle: paint(CDC*, const RECT&). False for other messages.
template <typename PaintFunction>
bool PaintOnRequest(HWND window, UINT message, WPARAM wParam, PaintFunction paint)
{
    if (message != WM_PAINT && message != WM_PRINTCLIENT)
        return false;
    RECT client{};
    ::GetClientRect(window, &client);
    if (message == WM_PAINT) {
        CPaintDC dc(window);
        paint(&dc, client);
    } else {
        CDCRef dc(reinterpret_cast<HDC>(wParam));
        paint(&dc, client);
    }
    return true;
}

// Selects an object into a context for a scope and puts the previous object
// of its kind back when the scope ends, so the object can be deleted after.
class CSelectGuard
{
public:
    CSelectGuard(CDC& dc, HGDIOBJ object) : m_dc(dc.m_hDC), m_previous(::SelectObject(m_dc, object)) {}
    CSelectGuard(CDC& dc, const CGdiObject& object) : CSelectGuard(dc, object.GetSafeHandle()) {}
    CSelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~CSelectGuard()
    {
        if (m_previous && m_previous != HGDI_ERROR)
            ::SelectObject(m_dc, m_previous);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

    HGDIOBJ Previous() const { return m_previous; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
