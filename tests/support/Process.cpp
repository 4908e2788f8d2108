#include "tests/support/Process.h"

#include "framework/Wnd.h"

#include <vector>

bool TestProcess::Start(const std::wstring& commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    m_process.Reset(info.hProcess);
    m_id = info.dwProcessId;
    return true;
}

std::optional<DWORD> TestProcess::Wait(DWORD milliseconds)
{
    if (!m_process || ::WaitForSingleObject(m_process.Get(), milliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

void TestProcess::Kill()
{
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), 10000);
    }
}

std::optional<DWORD> RunToEnd(const std::wstring& commandLine, DWORD milliseconds)
{
    TestProcess process;
    if (!process.Start(commandLine))
        return std::nullopt;
    return process.Wait(milliseconds);
}

namespace {
struct WindowSearch
{
    DWORD processId;
    const std::wstring* text;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window)
        && CWnd::WindowText(window) == *search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND WaitForWindow(DWORD processId, const std::wstring& text, DWORD milliseconds)
{
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    do {
        WindowSearch search{processId, &text, nullptr};
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        ::Sleep(50);
    } while (::GetTickCount64() < deadline);
    return nullptr;
}
