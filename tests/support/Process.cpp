#include "tests/support/Process.h"

#include "framework/Wnd.h"

#include <vector>

bool TestProcess::Start(const std::wstring& commandLine)
{
    m_job.Reset(::CreateJobObjectW(nullptr, nullptr));
    if (m_job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(m_job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    // Suspended until it is in the job, so that nothing it starts escapes.
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          nullptr, &startup, &info))
        return false;
    if (m_job)
        ::AssignProcessToJobObject(m_job.Get(), info.hProcess);
    ::ResumeThread(info.hThread);
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
    if (m_job)
        ::TerminateJobObject(m_job.Get(), 1);
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), 10000);
    }
    m_job.Reset();
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
