#include "tests/support/WizardDriver.h"

#include "framework/Wnd.h"
#include "tests/support/TestPaths.h"

#include <objidl.h>
#include <gdiplus.h>

bool WizardDriver::Start(const std::wstring& arguments, const std::wstring& program)
{
    const std::wstring exe = program.empty() ? GuidePath() : program;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    if (!m_process.Start(commandLine))
        return false;
    m_window = WaitForWindow(m_process.Id(), kTitle, 60000);
    if (m_window)
        Settle();
    return m_window != nullptr;
}

bool WizardDriver::Visible(int id) const
{
    return ::IsWindowVisible(Control(id)) != FALSE;
}

bool WizardDriver::Enabled(int id) const
{
    return ::IsWindowEnabled(Control(id)) != FALSE;
}

std::wstring WizardDriver::Text(int id) const
{
    // WM_GETTEXT crosses the process boundary correctly; GetWindowText of
    // another process's control would not ask it.
    wchar_t buffer[4096] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(Control(id), WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                          SMTO_BLOCK, 5000, &copied);
    return std::wstring(buffer, copied);
}

bool WizardDriver::Checked(int id) const
{
    DWORD_PTR state = 0;
    ::SendMessageTimeoutW(Control(id), BM_GETCHECK, 0, 0, SMTO_BLOCK, 5000, &state);
    return state == BST_CHECKED;
}

RECT WizardDriver::ClientRect(int id) const
{
    RECT rect{};
    ::GetWindowRect(Control(id), &rect);
    ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool WizardDriver::Click(int id)
{
    if (!Visible(id) || !Enabled(id))
        return false;
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(Control(id), BM_CLICK, 0, 0, SMTO_BLOCK, 10000, &result);
    Settle();
    return true;
}

void WizardDriver::PostClick(int id)
{
    ::PostMessageW(Control(id), BM_CLICK, 0, 0);
}

void WizardDriver::Post(UINT message, WPARAM wParam, LPARAM lParam)
{
    ::PostMessageW(m_window, message, wParam, lParam);
}

void WizardDriver::Type(int id, const std::wstring& text)
{
    for (wchar_t unit : text)
        ::PostMessageW(Control(id), WM_CHAR, unit, 1);
    Settle();
}

LRESULT WizardDriver::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(m_window, message, wParam, lParam, SMTO_BLOCK, 10000, &result);
    return static_cast<LRESULT>(result);
}

void WizardDriver::Settle()
{
    // Sent messages overtake posted ones, so a round trip alone proves
    // nothing; a short pause after it lets the wizard's queue drain.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
    ::Sleep(150);
    ::SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
}

bool WizardDriver::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds, DWORD pollMilliseconds)
{
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    while (!condition()) {
        if (::GetTickCount64() > deadline)
            return false;
        ::Sleep(pollMilliseconds);
    }
    return true;
}

std::vector<int> WizardDriver::VisibleAmong(const std::vector<int>& ids) const
{
    std::vector<int> visible;
    for (int id : ids)
        if (Visible(id))
            visible.push_back(id);
    return visible;
}

namespace {

bool PngEncoder(CLSID& clsid)
{
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

} // namespace

COLORREF WizardDriver::PixelAt(int x, int y) const
{
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::Sleep(300);
    HDC window = ::GetDC(m_window);
    const COLORREF colour = ::GetPixel(window, x, y);
    ::ReleaseDC(m_window, window);
    return colour;
}

bool WizardDriver::SaveScreenshot(const std::wstring& path) const
{
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::Sleep(300);
    RECT rect{};
    ::GetClientRect(m_window, &rect);
    HDC window = ::GetDC(m_window);
    HDC memory = ::CreateCompatibleDC(window);
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, rect.right, rect.bottom);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, rect.right, rect.bottom, window, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    bool saved = false;
    {
        Gdiplus::Bitmap image(bitmap, nullptr);
        CLSID png;
        saved = PngEncoder(png) && image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(m_window, window);
    return saved;
}

void MessageBoxWindow::Answer(int button) const
{
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, button)));
    // Answered means gone: the next search must not find this box again.
    const HWND box = window;
    WizardDriver::WaitUntil([box] { return !::IsWindow(box) || !::IsWindowVisible(box); }, 5000);
}

namespace {

struct BoxSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, 64);
    if (owner == search->processId && ::IsWindowVisible(window)
        && std::wstring(className) == L"#32770" && CWnd::WindowText(window) != WizardDriver::kTitle) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam)
{
    wchar_t className[64] = {};
    ::GetClassNameW(child, className, 64);
    const std::wstring text = CWnd::WindowText(child);
    if (std::wstring(className) == L"Static" && !text.empty())
        *reinterpret_cast<std::wstring*>(lParam) += text;
    return TRUE;
}

} // namespace

MessageBoxWindow WaitForMessageBox(DWORD processId, DWORD milliseconds)
{
    MessageBoxWindow box;
    WizardDriver::WaitUntil(
        [&] {
            BoxSearch search{processId, nullptr};
            ::EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
            box.window = search.found;
            return box.window != nullptr;
        },
        milliseconds);
    if (box.window) {
        ::Sleep(200);
        box.caption = CWnd::WindowText(box.window);
        ::EnumChildWindows(box.window, CollectStaticText, reinterpret_cast<LPARAM>(&box.text));
    }
    return box;
}
