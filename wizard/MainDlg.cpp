#include "wizard/MainDlg.h"

#include "app/BuildConfig.h"
#include "app/ProductKey.h"
#include "app/SettingsStore.h"
#include "framework/RegKey.h"
#include "framework/WinApp.h"
#include "lang/AsLanguage_Manager.h"
#include "lang/ELang_Item.h"
#include "stats/ServiceInstallation.h"
#include "framework/Thread.h"
#include "setup/CancelFlag.h"
#include "setup/InstallWorker.h"
#include "setup/PreviousInstallation.h"
#include "setup/TemporaryPackage.h"
#include "setup/WorkerProtocol.h"
#include "wizard/ControlIds.h"
#include "wizard/PageTable.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

namespace {

// The language buttons and the language each one selects.
constexpr struct
{
    int button;
    int language;
} kLanguageButtons[] = {
    {IDC_ENGLISH, 1}, {IDC_GERMAN, 3}, {IDC_SPANISH, 4}, {IDC_FRENCH, 2}, {IDC_ITALIAN, 5},
};

constexpr const wchar_t* kWindowText = L"VELTO PC Cleaner Installer";

} // namespace

CMainDlg::CMainDlg(AsLanguage_Manager* pLangManager)
    : CDialog(IDD)
    , m_hIcon(static_cast<HICON>(::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(128),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED)))
    , m_pLangManager(pLangManager)
{
    m_pLangManager->Add_Listener(this);
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Control(dx, IDC_HELP_BUTTON, m_btnHelp);
    DDX_Control(dx, IDC_CANCEL_BUTTON, m_btnCancel);
    DDX_Control(dx, IDC_BACK, m_btnBack);
    DDX_Control(dx, IDC_NEXT, m_btnNext);
    DDX_Control(dx, IDC_SPANISH, m_btnSpanish);
    DDX_Control(dx, IDC_ENGLISH, m_btnEnglish);
    DDX_Control(dx, IDC_FRENCH, m_btnFrench);
    DDX_Control(dx, IDC_GERMAN, m_btnGerman);
    DDX_Control(dx, IDC_ITALIAN, m_btnItalian);
    DDX_Control(dx, IDC_BROWSE, m_btnBrowse);
    DDX_Control(dx, IDC_BANNER, m_banner);
    DDX_Control(dx, IDC_COUNTRY, m_comboCountry);
    DDX_Control(dx, IDC_CLOSE_BUTTON, m_btnClose);
    for (std::size_t i = 0; i < std::size(kLabelIds); ++i)
        DDX_Control(dx, kLabelIds[i], m_labels[i]);
    DDX_Check(dx, IDC_ACCEPT_LICENCE, m_nLicenceAccepted);
    DDX_Text(dx, IDC_SPACE_AVAILABLE, m_strSpaceAvailable);
    DDX_Text(dx, IDC_SPACE_REQUIRED, m_strSpaceRequired);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_strDownloadLink = kCompiledDownloadLink;
    m_richLicence.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                         RECT{73, 227, 420, 377}, *this, IDC_LICENCE);
    SetWindowText(kWindowText);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_nLicenceAccepted = 1;
    UpdateData(false);

    CStringList records;
    ReadSettingsBlock(records);
    ApplySettingsBlock(records, *this);

    LoadSkinImages();
    Apply_Language(0);
    SetDefaultFolder();
    ShowPage(FindInstalledProduct() ? Wizard::PAGE_ALREADY_INSTALLED : Wizard::PAGE_WELCOME);
    ApplySkin();
    SaveLanguageValue(m_pLangManager->Get_Selected_Language());
    FillCountryList();

    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    LoadCloseButtonImages();

    for (int box : {IDC_OPTION_SHORTCUT, IDC_OPTION_TRAY, IDC_OPTION_MONITORING, IDC_OPTION_UPDATES})
        ::SendMessageW(GetDlgItem(box), BM_SETCHECK, BST_CHECKED, 0);
    OnCheckTrayIcon();
    OnCheckAutoUpdate();

    ::CoInitialize(nullptr);
    return TRUE;
}


std::wstring CMainDlg::ControlText(int id) const
{
    return CWnd::WindowText(GetDlgItem(id));
}

std::wstring CMainDlg::GetPackagePath()
{
    if (m_strPackagePath.empty())
        m_strPackagePath = CreateTemporaryPackageFile();
    return m_strPackagePath;
}

void CMainDlg::SetVisible(int id, bool visible)
{
    ::ShowWindow(GetDlgItem(id), visible ? SW_SHOW : SW_HIDE);
}

void CMainDlg::SetLanguageButtonsVisible(bool visible)
{
    for (int id : Wizard::kLanguageButtons)
        SetVisible(id, visible);
}

void CMainDlg::MoveButtons()
{
    constexpr UINT flags = SWP_NOSIZE | SWP_NOZORDER;
    ::SetWindowPos(GetDlgItem(IDC_CANCEL_BUTTON), nullptr, m_nCancelX, m_nButtonsY, 0, 0, flags);
    ::SetWindowPos(GetDlgItem(IDC_NEXT), nullptr, m_nNextX, m_nButtonsY, 0, 0, flags);
}

void CMainDlg::ShowPage(int page)
{
    using Wizard::Step;
    for (const Wizard::PageStep& step : Wizard::StepsOfPage(page)) {
        switch (step.step) {
        case Step::SetPageNumber:
            m_nPage = step.value;
            break;
        case Step::EnableNext:
            ::EnableWindow(GetDlgItem(IDC_NEXT), TRUE);
            break;
        case Step::DisableNext:
            ::EnableWindow(GetDlgItem(IDC_NEXT), FALSE);
            break;
        case Step::Hide:
        case Step::Show:
            for (int id : step.controls)
                SetVisible(id, step.step == Step::Show);
            break;
        case Step::HideLanguageButtons:
        case Step::ShowLanguageButtons:
            SetLanguageButtonsVisible(step.step == Step::ShowLanguageButtons);
            break;
        case Step::MoveButtons:
            MoveButtons();
            break;
        case Step::InvalidateErase:
            Invalidate(true);
            break;
        case Step::RedrawNow:
            ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN
                                                         | RDW_UPDATENOW);
            break;
        case Step::MembersToControls:
            UpdateData(false);
            break;
        case Step::SaveInstallFolder:
            SaveInstallFolder(ControlText(IDC_FOLDER));
            break;
        case Step::ResetProgress:
            ::SendMessageW(GetDlgItem(IDC_PROGRESS), PBM_SETPOS, 0, 0);
            break;
        case Step::UpdateDiskSpace:
            UpdateDiskSpace();
            break;
        case Step::FinishCaptions:
            ::SetWindowTextW(GetDlgItem(IDC_NEXT), m_pLangManager->Get_Text(ITEM_FINISH_CAPTION));
            ::SetWindowTextW(GetDlgItem(IDC_CANCEL_BUTTON), m_pLangManager->Get_Text(ITEM_SKIP_CAPTION));
            break;
        case Step::FocusEmail:
            ::SetFocus(GetDlgItem(IDC_EMAIL));
            break;
        case Step::SendRegistrationAndFinish:
            SendRegistrationAndFinish();
            break;
        case Step::StartDownload:
            StartDownloadWorker();
            break;
        case Step::StartInstallation:
            StartInstallationWorker();
            break;
        case Step::AddDownloadBanners:
            AddDownloadBanners();
            break;
        case Step::ReplaceWithInstallBanners:
            ReplaceWithInstallBanners();
            break;
        }
    }
}

void CMainDlg::StartDownloadWorker()
{
    DownloadJob job;
    job.wizard = m_hWnd;
    job.progress = GetDlgItem(IDC_PROGRESS);
    job.link = m_strDownloadLink;
    job.packagePath = GetPackagePath();
    job.appName = AfxGetApp()->GetAppName();
    job.package = &m_filePackage;
    job.downloaded = &m_lDownloaded;
    job.connection = &m_downloadConnection;
    m_downloadThread = BeginThread([job] { DownloadThreadProc(job); });
}

void CMainDlg::StartInstallationWorker()
{
    InstallJob job;
    job.wizard = m_hWnd;
    job.progress = GetDlgItem(IDC_PROGRESS);
    job.folderBox = GetDlgItem(IDC_FOLDER);
    job.packagePath = GetPackagePath();
    job.appName = AfxGetApp()->GetAppName();
    m_installThread = BeginThread([job] { InstallThreadProc(job); });
}

void CMainDlg::OnWorkerRequest(WPARAM request)
{
    switch (static_cast<WorkerRequest>(request)) {
    case WorkerRequest::DisableNext:
        ::EnableWindow(GetDlgItem(IDC_NEXT), FALSE);
        break;
    case WorkerRequest::ShowNextBanner:
        m_banner.ShowNextItem();
        break;
    case WorkerRequest::ShowProgressBar:
        SetVisible(IDC_PROGRESS, true);
        break;
    case WorkerRequest::ShowOptionsPage:
        ShowPage(Wizard::PAGE_OPTIONS);
        break;
    }
}

void CMainDlg::SendRegistrationAndFinish()
{
    m_nPage = Wizard::PAGE_REGISTRATION;
    const std::wstring name = ControlText(IDC_NAME);
    const std::wstring email = ControlText(IDC_EMAIL);
    if (!name.empty() || !email.empty()) {
        ::CoInitialize(nullptr);
        ServiceInstallation::CServiceInstallation client;
        client.SendStatisticUserByProductIdWid(name, L"", email, m_strCountryIso2,
                                               m_pLangManager->Get_Language_Code(), 1.0, m_strWid);
    }
    OnCheckDesktopShortcut();
    OnCheckMonitoring();
    FinishInstallation();
    EndDialog(0);
}

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_GOTO_PAGE:
        ShowPage(static_cast<int>(wParam));
        result = 0;
        return true;
    case WM_WORKER_REQUEST:
        OnWorkerRequest(wParam);
        result = 0;
        return true;
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED && OnCommand(LOWORD(wParam));
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam);
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    case WM_PAINT:
        if (!::IsIconic(m_hWnd))
            return false;
        {
            CPaintDC dc(m_hWnd);
            ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
            RECT client{};
            ::GetClientRect(m_hWnd, &client);
            const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
            const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
            ::DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
        }
        result = 0;
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
        result = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        return result != 0;
    case WM_NCHITTEST:
        // The whole background acts as a title bar: the window has none.
        result = ::DefWindowProcW(m_hWnd, message, wParam, lParam);
        if (result == HTCLIENT)
            result = HTCAPTION;
        return true;
    default:
        return false;
    }
}

bool CMainDlg::OnCommand(int id)
{
    for (const auto& entry : kLanguageButtons) {
        if (entry.button == id) {
            OnLanguageButton(entry.language);
            return true;
        }
    }
    switch (id) {
    case IDC_CANCEL_BUTTON:
        OnCancelButton();
        return true;
    case IDC_BACK:
        OnBack();
        return true;
    case IDC_NEXT:
        OnNext();
        return true;
    case IDC_BROWSE:
        OnBrowse();
        return true;
    case IDC_LANGUAGE_BUTTON:
        return true;
    case IDC_HELP_BUTTON:
        ::ShellExecuteW(m_hWnd, L"open", kProductWebsite, nullptr, nullptr, SW_SHOWNORMAL);
        return true;
    case IDC_ACCEPT_LICENCE:
        OnAcceptLicence();
        return true;
    case IDC_CLOSE_BUTTON:
        OnCloseButton();
        return true;
    case IDC_OPTION_SHORTCUT:
        OnCheckDesktopShortcut();
        return true;
    case IDC_OPTION_TRAY:
        OnCheckTrayIcon();
        return true;
    case IDC_OPTION_MONITORING:
        OnCheckMonitoring();
        return true;
    case IDC_OPTION_UPDATES:
        OnCheckAutoUpdate();
        return true;
    default:
        return false;
    }
}

void CMainDlg::OnNext()
{
    ++m_nPage;
    ShowPage(m_nPage);
}

void CMainDlg::OnBack()
{
    --m_nPage;
    ShowPage(m_nPage);
}

void CMainDlg::OnOK()
{
    HWND next = GetDlgItem(IDC_NEXT);
    if (next && ::IsWindowEnabled(next) && ::IsWindowVisible(next))
        OnNext();
}

void CMainDlg::OnLanguageButton(int language)
{
    m_pLangManager->Select_Language(language);
    OnNext();
}

bool CMainDlg::OnSysCommand(WPARAM command)
{
    if (command != SC_CLOSE)
        return false;
    if (::MessageBoxW(m_hWnd, m_pLangManager->Get_Text(ITEM_EXIT_QUESTION_TEXT),
                      m_pLangManager->Get_Text(ITEM_EXIT_QUESTION_CAPTION), MB_YESNO | MB_ICONQUESTION)
        == IDYES)
        OnCancelButton();
    return true;
}

void CMainDlg::OnCloseButton()
{
    if (AfxMessageBox(L"Do you want to exit?", MB_YESNO | MB_ICONQUESTION) == IDYES)
        CDialog::OnCancel();
}

void CMainDlg::RequestCancel()
{
    ::InterlockedExchange(&g_lCancel, 1);
    ::SwitchToThread();
    RegKey product;
    if (product.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_WRITE))
        product.SetDword(L"MainDlgMode", static_cast<uint32_t>(m_nPage));
}

// The download worker must be done with the package file before the file
// is closed and deleted: its internet handles are closed so that a blocked
// read returns, and it is waited for while its sent messages are answered.
// Some HTTP clients (Wine's) do not let a close interrupt a read that waits
// for a stalled server; the wait is therefore bounded. A worker still
// blocked then finds the cancel flag raised when its read returns and
// touches the file no more, and it ends with the process.
void CMainDlg::StopDownloadWorker()
{
    if (!m_downloadThread)
        return;
    m_downloadConnection.CloseAll();
    WaitAnsweringSentMessages(m_downloadThread.Get(), 3000);
}

void CMainDlg::OnCancelButton()
{
    RequestCancel();
    StopDownloadWorker();
    if (m_filePackage.IsOpen())
        m_filePackage.Close();
    const std::wstring path = GetPackagePath();
    if (m_lDownloaded == 0 && !path.empty() && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        ::DeleteFileW(path.c_str());
    if (m_nPage == Wizard::PAGE_REGISTRATION) {
        OnCheckDesktopShortcut();
        OnCheckMonitoring();
        FinishInstallation();
    }
    EndDialog(0);
}

void CMainDlg::Apply_Language(int language)
{
    static constexpr struct
    {
        int language;
        UINT download, licence, install, upgrade;
    } kTitles[] = {
        {1, 177, 179, 178, 205}, {2, 195, 202, 196, 207}, {3, 191, 201, 192, 206},
        {4, 199, 204, 200, 209}, {5, 198, 203, 197, 208},
    };
    for (const auto& titles : kTitles) {
        if (titles.language != language)
            continue;
        HMODULE module = AfxGetInstanceHandle();
        m_imgTitleDownload.LoadFromResource(titles.download, module);
        m_imgTitleLicence.LoadFromResource(titles.licence, module);
        m_imgTitleInstall.LoadFromResource(titles.install, module);
        m_imgTitleUpgrade.LoadFromResource(titles.upgrade, module);
        m_nBackgroundPage = 0; // drawn anew with these titles
    }
    if (!LoadLicence(language))
        return;

    static constexpr int kTranslatedControls[] = {
        1035, 1036, 1037, 1020, 1018, 1017, 1002, 1000, 1001, 1015, 1243, 1242,
        1031, 1038, 1006, 1007, 1244, 1041, 1045, 1245, 1257, 1258, 1259, 1260,
    };
    for (int id : kTranslatedControls)
        m_pLangManager->Set_Text(m_hWnd, language, id);
}
