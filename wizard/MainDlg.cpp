#include "wizard/MainDlg.h"

#include "app/BuildConfig.h"
#include "app/SettingsStore.h"
#include "framework/WinApp.h"

#include <objbase.h>

CMainDlg::CMainDlg()
    : CDialog(IDD)
    , m_hIcon(static_cast<HICON>(::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(128),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED)))
{
}

CMainDlg::~CMainDlg() = default;

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_strDownloadLink = kCompiledDownloadLink;
    SetWindowText(L"VELTO PC Cleaner Installer");
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CStringList records;
    ReadSettingsBlock(records);
    ApplySettingsBlock(records, *this);

    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::CoInitialize(nullptr);
    return TRUE;
}
