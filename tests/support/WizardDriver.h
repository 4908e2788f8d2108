#pragma once

#include "tests/support/Process.h"

#include <functional>
#include <string>
#include <vector>

// Drives the real guide from outside, as a user or an accessibility tool
// would: its windows by text, its controls by id, posted clicks and
// messages, and what the screen shows.
class WizardDriver
{
public:
    static constexpr const wchar_t* kTitle = L"VELTO PC Cleaner Installer";

    // Starts the program (the guide under test by default) and waits until
    // its wizard is on screen.
    bool Start(const std::wstring& arguments = L"", const std::wstring& program = L"");
    // Waits for the process to end on its own; its exit code.
    std::optional<DWORD> WaitForExit(DWORD milliseconds = 15000) { return m_process.Wait(milliseconds); }
    void Kill() { m_process.Kill(); }
    DWORD ProcessId() const { return m_process.Id(); }

    HWND Window() const { return m_window; }
    HWND Control(int id) const { return ::GetDlgItem(m_window, id); }
    bool Visible(int id) const;
    bool Enabled(int id) const;
    std::wstring Text(int id) const;
    bool Checked(int id) const;
    RECT ClientRect(int id) const; // in the dialog's client coordinates

    // A click the way the control would get it, processed before this
    // returns. Like a user, the driver cannot click a hidden or disabled
    // control: false then, and nothing is sent.
    bool Click(int id);
    // A click posted without waiting (for clicks that open a message box).
    void PostClick(int id);
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Types the text into an edit control, one character message per UTF-16
    // code unit, as the keyboard would deliver it.
    void Type(int id, const std::wstring& text);
    // Sends a message and waits for its result.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Lets the wizard handle everything posted to it so far.
    void Settle();

    // Waits until the condition holds (polling), up to the time.
    static bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000,
                          DWORD pollMilliseconds = 50);

    // The set of visible controls among the given ids.
    std::vector<int> VisibleAmong(const std::vector<int>& ids) const;

    // The colour the wizard shows at a point of its client area, after a
    // repaint.
    COLORREF PixelAt(int x, int y) const;

    // Saves what the wizard shows as a PNG file.
    bool SaveScreenshot(const std::wstring& path) const;

private:
    TestProcess m_process;
    HWND m_window = nullptr;
};

// A message box of the process, found by its caption.
struct MessageBoxWindow
{
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    explicit operator bool() const { return window != nullptr; }
    void Answer(int button) const; // IDOK, IDYES, IDNO ...
};
MessageBoxWindow WaitForMessageBox(DWORD processId, DWORD milliseconds = 10000);
