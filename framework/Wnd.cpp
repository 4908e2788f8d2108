#include "framework/Wnd.h"

#include <commctrl.h>

#include <exception>
#include <vector>

namespace {
// Identifies our subclass among others that may sit on the same window.
constexpr UINT_PTR kSubclassId = 0x56454C54; // "VELT"
// The bound object is also kept as a window property, so that a parent can
// find it from the control's handle.
constexpr const wchar_t* kObjectProperty = L"VeltoWndObject";
}

CWnd::~CWnd()
{
    UnsubclassWindow();
}

std::wstring CWnd::WindowText(HWND window)
{
    const int length = ::GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? copied : 0);
}

bool CWnd::SubclassDlgItem(int id, CWnd& parent)
{
    HWND control = ::GetDlgItem(parent.m_hWnd, id);
    return control && SubclassWindow(control);
}

bool CWnd::SubclassWindow(HWND window)
{
    if (m_bSubclassed || !window)
        return false;
    m_hWnd = window;
    PreSubclassWindow();
    if (!::SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return false;
    }
    ::SetPropW(window, kObjectProperty, this);
    m_bSubclassed = true;
    return true;
}

void CWnd::UnsubclassWindow()
{
    if (m_bSubclassed && m_hWnd) {
        ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
        ::RemovePropW(m_hWnd, kObjectProperty);
    }
    m_bSubclassed = false;
}

CWnd* CWnd::FromSubclassedHandle(HWND window)
{
    return window ? static_cast<CWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM)
{
    return Default();
}

LRESULT CWnd::Default()
{
    return ::DefSubclassProc(m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR refData)
{
    auto* self = reinterpret_cast<CWnd*>(refData);
    if (message == WM_NCDESTROY) {
        // The last message of the window: unbind before the default processing.
        ::RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        ::RemovePropW(window, kObjectProperty);
        self->m_bSubclassed = false;
        self->m_hWnd = nullptr;
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    try {
        const CurrentMessage previous = self->m_current;
        self->m_current = {message, wParam, lParam};
        const LRESULT result = self->WindowProc(message, wParam, lParam);
        self->m_current = previous;
        return result;
    } catch (...) {
        // An exception must never unwind through the system's window code.
        std::terminate();
    }
}
