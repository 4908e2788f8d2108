// The wizard's look: its images, the background painted per page, the
// colours of the plain controls, and the styling of labels and buttons.
#include "controls/MemDC.h"
#include "framework/WinApp.h"
#include "lang/AsLanguage_Manager.h"
#include "lang/CountryList.h"
#include "lang/ELang_Item.h"
#include "wizard/ControlIds.h"
#include "wizard/MainDlg.h"
#include "wizard/PageTable.h"

namespace {

constexpr COLORREF kSeparatorColour = RGB(249, 249, 249);

void RecreateCaptionFont(PngButton& button)
{
    button.m_font.DeleteObject();
    button.m_font.CreateFontIndirect(button.m_lf);
}

// The labels' text styles, after the common transparent Arial.
void StyleLabel(CLabel& label, int id)
{
    label.SetTransparent(true).SetFaceName(L"Arial", 0);
    switch (id) {
    case 1006:
        label.SetPointSize(10).SetBold(true).SetTextColor(RGB(61, 107, 150));
        break;
    case 1007:
        label.SetPointSize(10).SetTextColor(RGB(77, 82, 83));
        break;
    case 1037:
        label.SetPointSize(8).SetTextColor(RGB(77, 82, 83));
        break;
    case 1031:
    case 1038:
        label.SetPointSize(9).SetBold(false).SetTextColor(RGB(30, 78, 123));
        break;
    case 1018:
    case 1019:
    case 1020:
    case 1021:
    case 1036:
    case 1043:
    case 1046:
        label.SetPointSize(8).SetBold(true).SetTextColor(RGB(17, 58, 114));
        break;
    case 1041:
    case 1045:
        ApplyLabelStyle(label, 2);
        break;
    case 1242:
        label.SetPointSize(8).SetBold(true).SetTextColor(RGB(100, 100, 100));
        break;
    case 1243:
        label.SetPointSize(8).SetTextColor(RGB(77, 82, 83));
        break;
    case 1244:
        label.SetPointSize(9).SetBold(false).SetTextColor(RGB(30, 78, 123)).SetBold(true);
        break;
    case 1245:
        ApplyLabelStyle(label, 2);
        label.SetPointSize(10);
        break;
    case 1257:
    case 1258:
    case 1259:
    case 1260:
        label.SetPointSize(10).SetTextColor(RGB(77, 82, 83));
        break;
    default:
        break;
    }
}

bool LoadPng(SmartBitmap& image, UINT id)
{
    return image.LoadFromResource(id, AfxGetInstanceHandle());
}

} // namespace

CLabel& CMainDlg::Label(int id)
{
    for (std::size_t i = 0; i < std::size(kLabelIds); ++i)
        if (kLabelIds[i] == id)
            return m_labels[i];
    return m_labels[0];
}

void CMainDlg::LoadSkinImages()
{
    const struct
    {
        UINT id;
        SmartBitmap& image;
    } images[] = {
        {132, m_imgBackground},   {175, m_imgHeader},       {176, m_imgPanel},
        {177, m_imgTitleDownload}, {179, m_imgTitleLicence}, {178, m_imgTitleInstall},
        {205, m_imgTitleUpgrade}, {190, m_imgUpgradePicture},
    };
    for (const auto& entry : images)
        LoadPng(entry.image, entry.id);
    m_nBackgroundPage = 0;
}

void CMainDlg::LoadCloseButtonImages()
{
    LoadPng(m_btnClose.m_imgNormal, 220);
    LoadPng(m_btnClose.m_imgHover, 219);
    LoadPng(m_btnClose.m_imgPressed, 218);
    m_btnClose.m_pCurrent = &m_btnClose.m_imgNormal;
}

// Hiding a control erases the uncovered area at once, and a page change
// hides several: the page's background is drawn once, kept, and copied for
// every erase, clipped by the target to the area being erased.
void CMainDlg::PaintBackground(HDC target)
{
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    HDC picture = m_backgroundPicture.Acquire(target, RectWidth(client), RectHeight(client));
    if (!picture) {
        CDCRef targetDC(target);
        DrawBackground(targetDC, client);
        return;
    }
    if (m_nBackgroundPage != m_nPage) {
        CDCRef pictureDC(picture);
        DrawBackground(pictureDC, client);
        m_nBackgroundPage = m_nPage;
    }
    ::BitBlt(target, client.left, client.top, RectWidth(client), RectHeight(client), picture, client.left,
             client.top, SRCCOPY);
}

void CMainDlg::DrawBackground(CDC& target, const RECT& client)
{
    CMeemDC dc(&target, client);

    m_imgBackground.Draw(0, 0, &dc);
    if (m_nPage != Wizard::PAGE_WELCOME) {
        m_imgHeader.Draw(53, 143, &dc);
        m_imgPanel.Draw(53, 207, &dc);
    }
    auto separator = [&](int fromX, int toX, int y) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, kSeparatorColour);
        const HGDIOBJ previous = dc.SelectObject(pen);
        ::MoveToEx(dc.m_hDC, fromX, y, nullptr);
        ::LineTo(dc.m_hDC, toX, y);
        dc.SelectObject(previous);
    };
    switch (m_nPage) {
    case Wizard::PAGE_DOWNLOAD:
        m_imgTitleDownload.Draw(73, 154, &dc);
        break;
    case Wizard::PAGE_LICENCE:
        m_imgTitleLicence.Draw(73, 154, &dc);
        separator(420, 685, 348);
        separator(420, 685, 347);
        break;
    case Wizard::PAGE_INSTALL:
    case Wizard::PAGE_OPTIONS:
        m_imgTitleInstall.Draw(73, 154, &dc);
        break;
    case Wizard::PAGE_REGISTRATION:
        m_imgTitleUpgrade.Draw(73, 154, &dc);
        m_imgUpgradePicture.Draw(100, 222, &dc);
        separator(60, 685, 348);
        break;
    default:
        break;
    }
}

LRESULT CMainDlg::OnCtlColor(HDC dc, HWND control, UINT message)
{
    switch (::GetDlgCtrlID(control)) {
    case IDC_ACCEPT_LICENCE:
    case IDC_FOLDER:
    case IDC_OPTION_SHORTCUT:
    case IDC_OPTION_TRAY:
    case IDC_OPTION_MONITORING:
    case IDC_OPTION_UPDATES:
        return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
    default:
        break;
    }
    if (message == WM_CTLCOLORSTATIC) {
        // Plain texts such as the acceptance label show the skin through.
        ::SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH));
    }
    return 0; // the system's own colours
}

void CMainDlg::ApplySkin()
{
    StyleLabel(Label(1006), 1006);
    StyleLabel(Label(1007), 1007);

    m_btnEnglish.LoadImages(168, 169, 169);
    m_btnGerman.LoadImages(166, 167, 167);
    m_btnSpanish.LoadImages(170, 171, 171);
    m_btnFrench.LoadImages(172, 173, 173);
    m_btnItalian.LoadImages(174, 165, 165);
    // Only English, French and Italian can be chosen; the other two buttons
    // stay visible, disabled.
    m_btnSpanish.EnableWindow(false);
    m_btnGerman.EnableWindow(false);

    for (int id : {1031, 1038, 1036, 1018, 1019, 1020, 1021, 1037, 1041, 1043, 1045, 1046, 1242, 1243,
                   1244, 1245, 1257, 1258, 1259, 1260})
        StyleLabel(Label(id), id);

    for (PngButton* button : {&m_btnCancel, &m_btnBack, &m_btnNext})
        button->LoadImages(187, 188, 189);
    m_btnBrowse.LoadImages(180, 181, 182);
    m_btnBrowse.m_lf.lfHeight = 14;
    RecreateCaptionFont(m_btnBrowse);
    m_btnBrowse.m_crText = RGB(0, 0, 0);
    m_btnBrowse.m_nTextOffsetX = 0;
    m_btnBrowse.m_nTextOffsetY = 2;
    m_btnHelp.LoadImages(138, 137, 139);
    m_btnHelp.m_crText = RGB(221, 221, 221);
    m_btnHelp.m_nTextOffsetX = 0;
    m_btnHelp.m_nTextOffsetY = 20;
    m_btnHelp.m_bInvalidateParent = true;
    for (PngButton* button : {&m_btnCancel, &m_btnNext, &m_btnBack}) {
        button->m_lf.lfWeight = 700;
        RecreateCaptionFont(*button);
        button->m_crText = RGB(240, 240, 240);
        button->m_nTextOffsetX = 0;
        button->m_nTextOffsetY = 2;
    }

    m_banner.m_nTextTop = 5;

    for (PngButton* button : {&m_btnCancel, &m_btnNext, &m_btnBack})
        button->m_crTextDisabled = RGB(170, 170, 170);
}

void CMainDlg::AddDownloadBanners()
{
    auto text = [this](int item) { return std::wstring(m_pLangManager->Get_Text(item)); };
    m_banner.AddItem(212, text(ITEM_DOWNLOAD_BANNER1_HEADING), text(ITEM_DOWNLOAD_BANNER1_TEXT1),
                     text(ITEM_DOWNLOAD_BANNER1_TEXT2));
    m_banner.AddItem(213, text(ITEM_DOWNLOAD_BANNER2_HEADING), text(ITEM_DOWNLOAD_BANNER2_TEXT1),
                     text(ITEM_DOWNLOAD_BANNER2_TEXT2));
    m_banner.AddItem(215, text(ITEM_DOWNLOAD_BANNER3_HEADING), text(ITEM_DOWNLOAD_BANNER3_TEXT1),
                     text(ITEM_DOWNLOAD_BANNER3_TEXT2));
}

void CMainDlg::ReplaceWithInstallBanners()
{
    auto text = [this](int item) { return std::wstring(m_pLangManager->Get_Text(item)); };
    m_banner.RemoveAllItems();
    m_banner.AddItem(210, text(ITEM_INSTALL_BANNER1_HEADING), text(ITEM_INSTALL_BANNER1_TEXT1),
                     text(ITEM_INSTALL_BANNER1_TEXT2));
    m_banner.AddItem(211, text(ITEM_INSTALL_BANNER2_HEADING), text(ITEM_INSTALL_BANNER2_TEXT1),
                     text(ITEM_INSTALL_BANNER2_TEXT2));
}

void CMainDlg::FillCountryList()
{
    for (int row = 0; row < kCountryCount; ++row)
        m_comboCountry.AddIconItem(g_countryNames[row], static_cast<UINT>(g_countryFlags[row]));
}
