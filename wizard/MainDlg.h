#pragma once

#include "app/DistributionSettings.h"
#include "controls/BannerBoard.h"
#include "controls/IconComboBox.h"
#include "controls/Label.h"
#include "controls/MemDC.h"
#include "controls/PngButton.h"
#include "controls/SmartBitmap.h"
#include "controls/TextProgressCtrl.h"
#include "framework/Dialog.h"
#include "framework/File.h"
#include "framework/RichEdit.h"
#include "framework/UniqueHandle.h"
#include "setup/DownloadWorker.h"
#include "lang/IMultilanguage.h"

#include <iterator>
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

    // The skin: images, background painting, control colours and styles.
    void LoadSkinImages();
    void ApplySkin();
    void PaintBackground(HDC dc);
    void DrawBackground(CDC& target, const RECT& client);
    LRESULT OnCtlColor(HDC dc, HWND control, UINT message);
    CLabel& Label(int id);
    void AddDownloadBanners();
    void ReplaceWithInstallBanners();
    void FillCountryList();
    void LoadCloseButtonImages();

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
    CTextProgressCtrl m_progress;
    volatile LONG m_lDownloaded = 0;
    SmartBitmap m_imgBackground;
    SmartBitmap m_imgHeader;
    SmartBitmap m_imgPanel;
    CRichEditCtrl m_richLicence;
    AsLanguage_Manager* m_pLangManager;
    PngButton m_btnHelp;
    int m_nLicenceAccepted = 0;
    CFile m_filePackage;
    std::wstring m_strSpaceAvailable;
    std::wstring m_strSpaceRequired;
    PngButton m_btnCancel;
    PngButton m_btnBack;
    PngButton m_btnNext;
    PngButton m_btnSpanish;
    PngButton m_btnEnglish;
    PngButton m_btnFrench;
    PngButton m_btnGerman;
    PngButton m_btnItalian;
    SmartBitmap m_imgTitleDownload;
    SmartBitmap m_imgTitleLicence;
    SmartBitmap m_imgTitleInstall;
    SmartBitmap m_imgTitleUpgrade;
    SmartBitmap m_imgUpgradePicture;
    // The background of page m_nBackgroundPage as drawn (0: none yet).
    OffscreenBuffer m_backgroundPicture;
    int m_nBackgroundPage = 0;
    PngButton m_btnBrowse;
    BannerBoard m_banner;
    CIconComboBox m_comboCountry;
    int m_nCancelX = 565;
    int m_nNextX = 660;
    int m_nButtonsY = 437;
    std::wstring m_strPackagePath;
    PngButton m_btnClose;
    // The wizard's texts, in the order of kLabelIds.
    static constexpr int kLabelIds[] = {1006, 1031, 1038, 1036, 1018, 1019, 1020, 1021, 1037, 1007, 1041,
                                        1043, 1045, 1046, 1242, 1243, 1244, 1245, 1257, 1258, 1259, 1260};
    CLabel m_labels[std::size(kLabelIds)];

    DownloadConnection m_downloadConnection;
    UniqueHandle m_downloadThread;
    UniqueHandle m_installThread;
};
