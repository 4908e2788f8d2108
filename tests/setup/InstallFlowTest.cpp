// The whole job of a distribution copy, end to end, against real servers
// and a real Windows Installer package.
#include "framework/RegKey.h"
#include "tests/setup/InstallFlowSupport.h"

#include <shlobj.h>

namespace {

const char* const kExpectedBody =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:soapenc=\"http://schemas.xmlsoap.org/soap/encoding/\"><soap:Body>"
    "<SendStatisticUserByProductIdWid xmlns=\"http://stats.velto-pc.example/\">"
    "<firstname>J&#x00FC;rgen &amp; &lt;Co&gt; &#x01F600;</firstname><lastname></lastname>"
    "<email>j&#x00FC;rgen+1@example.test</email><countryiso2>fr</countryiso2>"
    "<languageiso6391>fr</languageiso6391><productid>1</productid><wid>w-77</wid>"
    "</SendStatisticUserByProductIdWid></soap:Body></soap:Envelope>";

std::wstring ProgramFilesFolder()
{
    wchar_t folder[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, folder);
    return std::wstring(folder) + L"\\VELTO PC Utilities\\VELTO PC Cleaner";
}

std::wstring AllUsersShortcut()
{
    wchar_t desktop[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, 0, desktop);
    return std::wstring(desktop) + L"\\VELTO PC Cleaner.lnk";
}

} // namespace

TEST_F(InstallFlowTest, AFrenchUserGetsTheProductInstalledReportedAndStarted)
{
    StartDistribution();
    DownloadInLanguage(1029);
    EXPECT_EQ(m_wizard.Text(1000), L"Suivant");
    const std::wstring folder = m_wizard.Text(1014);
    EXPECT_EQ(folder, ProgramFilesFolder());

    InstallToOptionsPage();
    EXPECT_TRUE(FileExists(folder + L"\\VELTO PC Cleaner.exe")) << "installed into the chosen folder";
    // The options page's boxes act at once.
    ASSERT_TRUE(m_wizard.Click(1253));
    EXPECT_FALSE(FileExists(AllUsersShortcut()));
    ASSERT_TRUE(m_wizard.Click(1253));
    EXPECT_TRUE(FileExists(AllUsersShortcut())) << "checking the box again makes the shortcut";

    ASSERT_TRUE(m_wizard.Click(1000));
    ASSERT_TRUE(WaitForPage(6, 5000));
    EXPECT_EQ(m_wizard.Text(1000), L"Terminer");
    EXPECT_EQ(m_wizard.Text(1002), L"Ignorer");
    m_wizard.Type(1040, L"J\u00FCrgen & <Co> \U0001F600");
    m_wizard.Type(1044, L"j\u00FCrgen+1@example.test");
    ASSERT_TRUE(m_wizard.Click(1000));
    EXPECT_TRUE(m_wizard.WaitForExit(60000)) << "the wizard ends after finishing";

    // The one report, byte for byte.
    const auto requests = m_statistics.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const HttpRequestRecord& report = requests[0];
    EXPECT_EQ(report.method, "POST");
    EXPECT_EQ(report.target, "/ServiceInstallation.asmx");
    EXPECT_EQ(report.version, "HTTP/1.0");
    EXPECT_EQ(report.Header("User-Agent"), "VCSoapClient");
    EXPECT_EQ(report.Header("SOAPAction"), "\"http://stats.velto-pc.example/SendStatisticUserByProductIdWid\"");
    EXPECT_EQ(report.Header("Content-Type"), "text/xml; charset=utf-8");
    EXPECT_NE(report.head.find("SOAPAction: \"http://stats.velto-pc.example/SendStatisticUserByProductIdWid\"\r\n"
                               "Content-Type: text/xml; charset=utf-8\r\n"),
              std::string::npos)
        << "the two header lines, in this order";
    EXPECT_EQ(report.body, kExpectedBody);

    // The package came from the distribution's link, once.
    const auto downloads = m_site.Requests();
    ASSERT_GE(downloads.size(), 1u);
    EXPECT_EQ(downloads[0].Path(), kPackagePath);

    // The installed product and what the guide left for it.
    EXPECT_TRUE(FileExists(AllUsersShortcut()));
    EXPECT_EQ(StoredDword(L"Tray"), 1u);
    EXPECT_EQ(StoredDword(L"update_auto_check"), 1u);
    EXPECT_EQ(StoredDword(L"Baloon"), 1u);
    EXPECT_EQ(StoredDword(L"Language"), 2u);
    StoredValue runOnce;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                                L"VELTO PC Cleaner Windows service", runOnce));
    const std::wstring command = L"\"" + folder + L"\\VELTO PC Cleaner.exe\" -h";
    EXPECT_EQ(runOnce.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(runOnce.bytes.size(), (command.size() + 1) * 2) << "stored with its terminator";
    EXPECT_EQ(runOnce.text(), command + L'\0');

    // The thank-you page in the user's language, and the product started
    // and brought to the front.
    EXPECT_TRUE(WizardDriver::WaitUntil([&] { return !BrowserLinks().empty(); }, 10000));
    const auto links = BrowserLinks();
    ASSERT_EQ(links.size(), 1u);
    const std::wstring expectedLink = m_site.Url("/thankyou.aspx?lang=fr");
    EXPECT_EQ(links[0], std::string(expectedLink.begin(), expectedLink.end()));
    const auto product = ProductLog();
    ASSERT_FALSE(product.empty()) << "the product was not started";
    EXPECT_NE(product[0].find("VELTO PC Cleaner.exe"), std::string::npos);
    const auto window = StoredDword(L"hwnd");
    ASSERT_TRUE(window);
    const HWND productWindow = reinterpret_cast<HWND>(static_cast<UINT_PTR>(*window));
    EXPECT_TRUE(::GetWindowLongW(productWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(InstallFlowTest, SkipFinishesWithoutAReportAndEmptyFieldsSendNothing)
{
    StartDistribution();
    DownloadInLanguage(1026);
    InstallToOptionsPage();
    ASSERT_TRUE(m_wizard.Click(1255)); // no monitoring
    ASSERT_TRUE(m_wizard.Click(1000));
    ASSERT_TRUE(WaitForPage(6, 5000));
    m_wizard.Type(1040, L"Somebody");
    ASSERT_TRUE(m_wizard.Click(1002)); // Skip
    EXPECT_TRUE(m_wizard.WaitForExit(60000));

    EXPECT_TRUE(m_statistics.Requests().empty()) << "Skip never reports";
    EXPECT_EQ(StoredDword(L"MainDlgMode"), 6u);
    EXPECT_EQ(StoredDword(L"Baloon"), 0u);
    StoredValue runOnce;
    EXPECT_FALSE(ReadStoredValue(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                                 L"VELTO PC Cleaner Windows service", runOnce));
    EXPECT_TRUE(WizardDriver::WaitUntil([&] { return !BrowserLinks().empty(); }, 10000));
    ASSERT_EQ(BrowserLinks().size(), 1u);
    EXPECT_NE(BrowserLinks()[0].find("?lang=en"), std::string::npos);
}

TEST_F(InstallFlowTest, AnEarlierVersionIsFoundRemovedAndReplaced)
{
    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + FixturePath(L"previous-product.msi") + L"\" /qn", 120000), 0u);
    const wchar_t* earlier = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                             L"{2E7A9B14-5D3C-4F81-9A26-7C0B1E4D8F52}";
    ASSERT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, earlier));

    StartDistribution();
    EXPECT_TRUE(m_wizard.Visible(1006)) << "the wizard opens on the already-installed page";
    ASSERT_TRUE(m_wizard.Click(1000));
    DownloadInLanguage(1030);
    InstallToOptionsPage();
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, earlier)) << "product line A was removed";
    EXPECT_TRUE(FileExists(m_wizard.Text(1014) + L"\\VELTO PC Cleaner.exe"));
}

TEST_F(InstallFlowTest, APackageCarrierInstallsTheCarriedPackageIntoTheFolder)
{
    m_site.SetRoute(kPackagePath, PackageReply(L"kind3-installer.exe"));
    StartDistribution();
    DownloadInLanguage(1026);
    const std::wstring folder = m_wizard.Text(1014);
    InstallToOptionsPage();
    EXPECT_TRUE(FileExists(folder + L"\\VELTO PC Cleaner.exe"));
    const auto log = ProductLog();
    ASSERT_FALSE(log.empty());
    const std::string expectedTail = " /quiet INSTALLDIR=\"" + std::string(folder.begin(), folder.end()) + "\"";
    EXPECT_EQ(log.back().substr(0, 6), "kind3 ");
    EXPECT_EQ(log.back().substr(log.back().size() - expectedTail.size()), expectedTail);
}

TEST_F(InstallFlowTest, AnotherInstallerRunsSilentlyAndItsDesktopShortcutIsRemovedWhileItRuns)
{
    m_site.SetRoute(kPackagePath, PackageReply(L"nsis-installer.exe"));
    ::SetEnvironmentVariableW(L"VELTO_INSTALLER_SECONDS", L"2");
    StartDistribution();
    ::SetEnvironmentVariableW(L"VELTO_INSTALLER_SECONDS", nullptr);
    DownloadInLanguage(1026);
    // The shortcut a package puts on every user's desktop.
    ASSERT_TRUE(WriteWholeFile(AllUsersShortcut(), {'L', 0, 0, 0}));
    InstallToOptionsPage();
    EXPECT_FALSE(FileExists(AllUsersShortcut())) << "removed while the installer ran";
    const auto log = ProductLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().substr(0, 15), "nsis-installer ");
    EXPECT_EQ(log.back().substr(log.back().size() - 3), " /S");
}
