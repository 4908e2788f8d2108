#include "app/GuideApp.h"

#include "app/AdminCheck.h"
#include "app/BuildCommand.h"
#include "wizard/MainDlg.h"

#include <commctrl.h>

namespace {
constexpr const wchar_t* kAdministratorMessage =
    L"You must have administrator rigths to start Setup of VELTO PC Cleaner";
constexpr const wchar_t* kAdministratorCaption = L"VELTO PC Cleaner Setup";
} // namespace

CGuideApp theApp;

bool CGuideApp::InitInstance()
{
    // The guide may be started from a downloads folder next to anything:
    // libraries are looked up in the system folder only.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = 8;
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();

    if (!HandleBuildCommand())
        return false;

    if (!IsUserAdmin()) {
        ::MessageBoxW(nullptr, kAdministratorMessage, kAdministratorCaption, MB_OK);
        return false;
    }

    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CMainDlg dialog(&m_languageManager);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

bool CGuideApp::HandleBuildCommand()
{
    wchar_t programFile[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, programFile, MAX_PATH);
    const BuildCommandResult result = RunBuildCommand(GetArguments(), programFile);
    m_nExitCode = result.exitCode;
    return result.continueStartup;
}
