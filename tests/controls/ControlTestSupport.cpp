#include "tests/controls/ControlTestSupport.h"

#include "framework/WinApp.h"

#include <commctrl.h>
#include <winternl.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const std::uint32_t*>(bits);
    m_dc.CreateCompatibleDC(nullptr);
    m_previous = m_dc.SelectObject(m_bitmap);
    Fill(fill);
}

Canvas::~Canvas()
{
    m_dc.SelectObject(m_previous);
}

void Canvas::Fill(COLORREF colour)
{
    const RECT all{0, 0, m_width, m_height};
    m_dc.FillSolidRect(all, colour);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    ::GdiFlush();
    const std::uint32_t value = m_bits[static_cast<size_t>(y) * m_width + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

std::vector<COLORREF> Canvas::Pixels() const
{
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<size_t>(m_width) * m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            pixels.push_back(Pixel(x, y));
    return pixels;
}

bool Canvas::Contains(const RECT& area, COLORREF colour) const
{
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, m_height); ++y)
        for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, m_width); ++x)
            if (Pixel(x, y) == colour)
                return true;
    return false;
}

int ColourDistance(COLORREF a, COLORREF b)
{
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

namespace {
constexpr const wchar_t* kHostClass = L"VeltoControlTestHost";

void RegisterHostClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered)
        return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassExW(&wc);
    registered = true;
}
} // namespace

HostWindow::HostWindow(int width, int height)
{
    RegisterHostClass(&HostWindow::WindowProc);
    m_hWnd = ::CreateWindowExW(0, kHostClass, L"controls test host", WS_POPUP | WS_CLIPCHILDREN,
                               20, 20, width, height, nullptr, nullptr, AfxGetInstanceHandle(), this);
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(m_hWnd);
}

HostWindow::~HostWindow()
{
    if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
        PumpMessages();
    }
}

HWND HostWindow::CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int id, int x,
                             int y, int width, int height)
{
    return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AfxGetInstanceHandle(),
                             nullptr);
}

LRESULT CALLBACK HostWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    HWND child = nullptr;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        ::BeginPaint(window, &ps);
        if (self) {
            ++self->paintCount;
            self->lastPaint = ps.rcPaint;
        }
        ::EndPaint(window, &ps);
        return 0;
    }
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        if (self)
            ++self->drawItemCount;
        break;
    case WM_COMMAND:
        if (self && lParam)
            self->notifications.push_back({message, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (self)
            self->notifications.push_back({message, static_cast<int>(header->idFrom), header->code, header->hwndFrom});
        child = header->hwndFrom;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        break;
    }
    if (CWnd* control = CWnd::FromSubclassedHandle(child)) {
        LRESULT result = 0;
        if (control->OnChildNotify(message, wParam, lParam, &result))
            return result;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (milliseconds)
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (milliseconds && ::GetTickCount() - start < milliseconds);
}

namespace {
// One entry of the GDI handle table that the PEB points to, as Wine lays it
// out (the same 24 bytes for 32- and 64-bit processes).
// A free entry keeps its type and generation but has extType 0 (its object
// field then links the free list, so it does not tell).
struct GdiHandleEntry
{
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique; // type and generation
    std::uint8_t extType; // the object's kind while it lives, 0 once deleted
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr unsigned kGdiTableEntries = 0x10000;

const GdiHandleEntry* GdiHandleTable()
{
    using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return nullptr;
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94; // GdiSharedHandleTable
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + offset);
}
} // namespace

unsigned CountGdiObjects()
{
    if (const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return count;
    const GdiHandleEntry* table = GdiHandleTable();
    if (!table)
        return 0;
    unsigned count = 0;
    for (unsigned i = 0; i < kGdiTableEntries; ++i)
        if (table[i].extType != 0)
            ++count;
    return count;
}

void PrintClient(HWND window, Canvas& canvas)
{
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.hdc()), PRF_CLIENT);
    ::GdiFlush();
}

CFont MakeFont(const wchar_t* face, int height, int weight, BYTE quality)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfQuality = quality;
    std::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    CFont font;
    font.CreateFontIndirect(lf);
    return font;
}
