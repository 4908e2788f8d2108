#pragma once

#include "framework/File.h"
#include "framework/WinInclude.h"

#include <mutex>
#include <string>

typedef void* HINTERNET;

// The internet handles of the running download attempt. The Cancel path
// closes them from the wizard's thread so that a read blocked in the HTTP
// client returns at once; each handle is closed exactly once.
class DownloadConnection
{
public:
    void SetSession(HINTERNET session);
    void SetResource(HINTERNET resource);
    HINTERNET Resource();
    void CloseAll();

private:
    std::mutex m_lock;
    HINTERNET m_session = nullptr;
    HINTERNET m_resource = nullptr;
};

// What the download worker works with. It reaches the wizard only through
// the windows and the messages of the worker protocol.
struct DownloadJob
{
    HWND wizard = nullptr;
    HWND progress = nullptr;
    std::wstring link;
    std::wstring packagePath;
    std::wstring appName; // the HTTP client's user agent and the failure box's title
    CFile* package = nullptr;            // the package file, shared with the Cancel path
    volatile LONG* downloaded = nullptr; // 1 once an attempt has run to its end
    DownloadConnection* connection = nullptr;
};

// The download, on its own thread: one attempt with the system's proxy
// settings, a second with a direct connection when the first failed in the
// HTTP client, then page 3 (posted) or the failure box.
void DownloadThreadProc(const DownloadJob& job);
