#include "framework/WinApp.h"

#include "framework/Wnd.h"

#include <shellapi.h>

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

bool CWinApp::InitInstance()
{
    return false;
}

void CWinApp::InitApplicationName()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(m_hInstance, path, MAX_PATH);
    std::wstring name = path;
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos)
        name.erase(dot);
    m_strAppName = name;
}

std::vector<std::wstring> CWinApp::GetArguments() const
{
    std::vector<std::wstring> arguments;
    int count = 0;
    if (wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        arguments.assign(argv, argv + count);
        ::LocalFree(argv);
    }
    return arguments;
}

int CWinApp::RunMessageLoop()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

int AfxMessageBox(const wchar_t* text, UINT type)
{
    CWinApp* app = AfxGetApp();
    HWND owner = nullptr;
    if (app && app->m_pMainWnd)
        owner = app->m_pMainWnd->GetSafeHwnd();
    const std::wstring caption = app ? app->GetAppName() : std::wstring();
    return ::MessageBoxW(owner, text, caption.c_str(), type);
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->InitApplicationName();
    if (app->InitInstance())
        app->m_nExitCode = app->RunMessageLoop();
    return app->ExitInstance();
}
