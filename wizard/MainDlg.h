#pragma once

#include "app/DistributionSettings.h"
#include "framework/Dialog.h"
#include "framework/File.h"
#include "framework/RichEdit.h"
#include "framework/UniqueHandle.h"
#include "setup/DownloadWorker.h"
#include "lang/IMultilanguage.h"

#include <string>

class AsLanguage_Manager;

// The wizard: one modal, borderless, always-on-top dialog (template 102).
// A page is a number; showing a page hides and shows a fixed set of the
// dialog's controls (see PageTable).
class CMainDlg : public CDialog, public DistributionSettings, public IMultilanguage
{
public:
    enum { IDD = 102 };

    explicit CMainDlg(AsLanguage_Manager* pLangManager);
    ~CMainDlg() override;

    void ShowPage(int page);
    void Apply_Language(int language) override;

    int CurrentPage() const { return m_nPage; }
    std::wstring GetPackagePath();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    // Enter: as Next while Next is there, enabled and visible.
    void OnOK() override;
    // Escape never closes the wizard.
    void OnCancel() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool OnCommand(int id);
    void OnNext();
    void OnBack();
    void OnCancelButton();
    void OnCloseButton();
    bool OnSysCommand(WPARAM command);
    void OnLanguageButton(int language);

    // Page forms.
    void SetDefaultFolder();
    void OnBrowse();
    void UpdateDiskSpace();
    void OnAcceptLicence();
    bool LoadLicence(int language);

    void ApplySkin();

    // Page set-up steps that act on several controls.
    void SetVisible(int id, bool visible);
    void SetLanguageButtonsVisible(bool visible);
    void MoveButtons();
    void SendRegistrationAndFinish();
    void RequestCancel();
    void StopDownloadWorker();
    void StartDownloadWorker();
    void StartInstallationWorker();
    void OnWorkerRequest(WPARAM request);

    // The options page and the end of the wizard.
    bool IsChecked(int checkBox) const;
    void OnCheckDesktopShortcut();
    void OnCheckTrayIcon();
    void OnCheckMonitoring();
    void OnCheckAutoUpdate();
    void FinishInstallation();

    std::wstring ControlText(int id) const;

    HICON m_hIcon;
    int m_nPage = 1;
    volatile LONG m_lDownloaded = 0;
    AsLanguage_Manager* m_pLangManager;
    int m_nLicenceAccepted = 0;
    CFile m_filePackage;
    std::wstring m_strSpaceAvailable;
    std::wstring m_strSpaceRequired;
    CRichEditCtrl m_richLicence;
    int m_nCancelX = 565;
    int m_nNextX = 660;
    int m_nButtonsY = 437;
    std::wstring m_strPackagePath;

    DownloadConnection m_downloadConnection;
    UniqueHandle m_downloadThread;
    UniqueHandle m_installThread;
};
