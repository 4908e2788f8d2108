#pragma once

#include "framework/WinInclude.h"

#include <string>
#include <vector>

class CWnd;

// The application object: one global instance, constructed during static
// initialisation. The framework's entry point runs InitInstance once and
// ends the process with ExitInstance's code.
class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns whether to run a message loop of the application's own.
    virtual bool InitInstance();
    // The process exit code.
    virtual int ExitInstance() { return m_nExitCode; }

    // The executable's file name without its extension; the caption of every
    // framework message box.
    const std::wstring& GetAppName() const { return m_strAppName; }
    const std::wstring& GetRegistryKey() const { return m_strRegistryKey; }
    void SetRegistryKey(const wchar_t* companyName) { m_strRegistryKey = companyName; }

    // Arguments by the standard Windows splitting rules; [0] is the program.
    std::vector<std::wstring> GetArguments() const;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;

private:
    friend int AfxWinMain(HINSTANCE instance);
    void InitApplicationName();
    int RunMessageLoop();

    std::wstring m_strAppName;
    std::wstring m_strRegistryKey;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// A message box owned by the application's main window (if any), captioned
// with the application name.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);

int AfxWinMain(HINSTANCE instance);
