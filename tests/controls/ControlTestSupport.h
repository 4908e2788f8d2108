#pragma once

#include "framework/Gdi.h"
#include "framework/Wnd.h"

#include <cstdint>
#include <string>
#include <vector>

// A 32-bit top-down DIB section selected into a memory context, for
// rendering controls and reading back exact pixels.
class Canvas
{
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC& dc() { return m_dc; }
    HDC hdc() const { return m_dc.m_hDC; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void Fill(COLORREF colour);
    COLORREF Pixel(int x, int y) const;
    // Every pixel, row by row.
    std::vector<COLORREF> Pixels() const;
    // True when some pixel inside the rectangle has exactly the colour.
    bool Contains(const RECT& area, COLORREF colour) const;

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CGdiObject m_bitmap;
    HGDIOBJ m_previous = nullptr;
    const std::uint32_t* m_bits = nullptr;
};

// Channel distance: the largest difference of red, green and blue.
int ColourDistance(COLORREF a, COLORREF b);

// A visible top-level test window that hosts controls and, like the dialog,
// reflects WM_DRAWITEM, WM_CTLCOLOR*, WM_COMMAND and WM_NOTIFY to the
// subclassed control objects. It records the notifications it receives.
class HostWindow
{
public:
    HostWindow(int width = 640, int height = 480);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return m_hWnd; }
    // A child control of a system class at (x, y) of the client area.
    HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int id, int x, int y,
                     int width, int height);

    struct Notification
    {
        UINT message;   // WM_COMMAND or WM_NOTIFY
        int controlId;
        UINT code;      // notification code
        HWND from;
    };
    std::vector<Notification> notifications;
    int drawItemCount = 0;
    int paintCount = 0;
    RECT lastPaint{}; // the area of the last paint

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = nullptr;
};

// Handles every waiting message of the thread, for at most the time given
// or until the queue is empty when no time is given.
void PumpMessages(DWORD milliseconds = 0);

// The number of GDI objects of this process. Wine's GetGuiResources always
// answers 0, so there the GDI handle table is counted instead.
unsigned CountGdiObjects();

// Renders a window's client area into the canvas through WM_PRINTCLIENT.
void PrintClient(HWND window, Canvas& canvas);

// A font made from a description, for tests that need exact text pixels.
CFont MakeFont(const wchar_t* face, int height, int weight, BYTE quality);
