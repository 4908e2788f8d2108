#pragma once

#include "framework/UniqueHandle.h"

#include <optional>
#include <string>

// A process started by a test, in a job of its own: everything it starts
// (installers, the installed product) belongs to the job too, and the whole
// job ends when the object goes away, so no test leaves processes behind for
// the next one (or holds the test runner's output open).
class TestProcess
{
public:
    bool Start(const std::wstring& commandLine);
    ~TestProcess() { Kill(); }

    // Exit code once the process has ended within the time, else nothing.
    std::optional<DWORD> Wait(DWORD milliseconds);
    // Ends the process and everything it started.
    void Kill();
    DWORD Id() const { return m_id; }
    HANDLE Handle() const { return m_process.Get(); }

private:
    UniqueHandle m_job;
    UniqueHandle m_process;
    DWORD m_id = 0;
};

// Runs a command line to its end (at most the time) and returns its exit code.
std::optional<DWORD> RunToEnd(const std::wstring& commandLine, DWORD milliseconds = 60000);

// The first visible top-level window of the process with the window text,
// waiting for it up to the time.
HWND WaitForWindow(DWORD processId, const std::wstring& text, DWORD milliseconds);
