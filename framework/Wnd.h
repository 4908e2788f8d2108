#pragma once

#include "framework/WinInclude.h"

#include <string>

// A window object bound to a window handle. Dialog controls are bound by
// subclassing (SubclassDlgItem): the object then sees the control's messages
// in WindowProc, and the parent dialog reflects the owner-draw, control
// colour and command notifications of that control to it (OnChildNotify).
class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const { return WindowText(m_hWnd); }
    static std::wstring WindowText(HWND window);

    bool ShowWindow(int command) { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }

    // Binds this object to the dialog's control with the id.
    bool SubclassDlgItem(int id, CWnd& parent);
    bool SubclassWindow(HWND window);
    void UnsubclassWindow();

    // The object bound to a subclassed window, or null.
    static CWnd* FromSubclassedHandle(HWND window);

    // A notification of this control that its parent reflects to it; returns
    // true when handled, with the message result in *result.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;

protected:
    // Called just before the window is subclassed.
    virtual void PreSubclassWindow() {}
    // The messages of a subclassed window; the default processing is Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    struct CurrentMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{};
    bool m_bSubclassed = false;
};
