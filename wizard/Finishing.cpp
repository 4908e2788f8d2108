// The options page and the end of the wizard: options, settings for the
// installed product, the thank-you page and the start of the product.
#include "app/BuildConfig.h"
#include "app/ProductKey.h"
#include "app/SettingsStore.h"
#include "framework/RegKey.h"
#include "lang/AsLanguage_Manager.h"
#include "setup/Options.h"
#include "setup/PreviousInstallation.h"
#include "setup/ThankYouLink.h"
#include "wizard/ControlIds.h"
#include "wizard/MainDlg.h"

#include <shellapi.h>

bool CMainDlg::IsChecked(int checkBox) const
{
    return ::SendMessageW(GetDlgItem(checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CMainDlg::OnCheckDesktopShortcut()
{
    ApplyDesktopShortcutOption(IsChecked(IDC_OPTION_SHORTCUT), ControlText(IDC_FOLDER), m_hWnd);
}

void CMainDlg::OnCheckTrayIcon()
{
    ApplyTrayOption(IsChecked(IDC_OPTION_TRAY));
}

void CMainDlg::OnCheckMonitoring()
{
    ApplyMonitoringOption(IsChecked(IDC_OPTION_MONITORING), ControlText(IDC_FOLDER));
}

void CMainDlg::OnCheckAutoUpdate()
{
    ApplyUpdateCheckOption(IsChecked(IDC_OPTION_UPDATES));
}

void CMainDlg::FinishInstallation()
{
    CStringList records;
    ReadSettingsBlock(records);
    ApplySettingsBlock(records, *this);

    Write_Language_Value(m_pLangManager->Get_Selected_Language());
    SaveInstallFolder(ControlText(IDC_FOLDER));

    std::wstring link = std::wstring(kProductWebsite) + L"/thankyou.aspx";
    RegKey product;
    if (product.Open(HKEY_CURRENT_USER, kProductKeyPath, KEY_QUERY_VALUE)) {
        if (const auto stored = product.QueryString(L"THANKYOU_LINK"); stored && IsLink(*stored))
            link = *stored;
    }
    link = WithLanguageParameter(link, m_pLangManager->Get_Language_Code());
    ::ShellExecuteW(m_hWnd, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);

    const auto folder = product.IsOpen() ? product.QueryString(L"installfolder") : std::nullopt;
    if (!folder)
        return;
    const std::wstring program = *folder + kProductProgram;
    if (::GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    ::ShellExecuteW(m_hWnd, L"open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ::Sleep(3000);
    const auto window = product.QueryDword(L"hwnd");
    if (window && *window)
        ::SetWindowPos(reinterpret_cast<HWND>(static_cast<UINT_PTR>(*window)), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE);
}
