// What a real network and real installers do wrong, and what the user sees.
#include "tests/setup/InstallFlowSupport.h"

#include <commctrl.h>

namespace {

struct FaultCase
{
    const char* name;
    HttpReply reply;
    const wchar_t* textPart; // in the failure message
};

HttpReply Truncated()
{
    HttpReply reply = PackageReply(L"product.msi");
    reply.contentLength = 4u * 1024 * 1024; // announced, never sent in full
    return reply;
}

HttpReply Reset()
{
    HttpReply reply = HttpReply::Text(200, std::string(3 * 1024 * 1024, 'x'), "application/octet-stream");
    reply.resetAfter = 1024 * 1024;
    return reply;
}

} // namespace

class DownloadFaults : public InstallFlowTest, public testing::WithParamInterface<FaultCase>
{};

TEST_P(DownloadFaults, FailTwiceThenOneMessageAndTheWizardWaitsOnItsPage)
{
    m_site.SetRoute(kPackagePath, GetParam().reply);
    StartDistribution();
    ASSERT_TRUE(m_wizard.Click(1026));
    const MessageBoxWindow failure = WaitForMessageBox(m_wizard.ProcessId(), 60000);
    ASSERT_TRUE(failure) << "no failure message";
    EXPECT_EQ(failure.caption, L"VeltoPCCleanerSetup");
    EXPECT_FALSE(failure.text.empty());
    EXPECT_NE(failure.text.find(GetParam().textPart), std::wstring::npos);
    EXPECT_EQ(m_site.Requests().size(), 2u) << "one first attempt and one retry";
    failure.Answer(IDOK);
    EXPECT_FALSE(WaitForMessageBox(m_wizard.ProcessId(), 1500)) << "exactly one message";

    EXPECT_TRUE(OnPage(2));
    EXPECT_FALSE(m_wizard.Enabled(1000));
    ASSERT_TRUE(m_wizard.Click(1002));
    EXPECT_TRUE(m_wizard.WaitForExit());
    EXPECT_EQ(StoredDword(L"MainDlgMode"), 2u);
    EXPECT_EQ(TemporaryPackageFiles(), m_packagesBefore) << "the failed download left no package file";
}

INSTANTIATE_TEST_SUITE_P(
    Network, DownloadFaults,
    testing::Values(FaultCase{"not_found", HttpReply::Text(404, "<html><body>Not here</body></html>", "text/html"), L"404"},
                    FaultCase{"server_error", HttpReply::Text(500, "<html><body>Oops</body></html>", "text/html"), L"500"},
                    FaultCase{"truncated", Truncated(), L""},
                    FaultCase{"reset", Reset(), L""}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST_F(InstallFlowTest, AClosedPortGivesOneMessage)
{
    // Port 9 (discard) has no listener here: every connection is refused.
    StartDistribution({}, L"http://127.0.0.1:9/VELTO_PC_Cleaner_Setup_v1.1.17.msi");
    ASSERT_TRUE(m_wizard.Click(1026));
    const MessageBoxWindow failure = WaitForMessageBox(m_wizard.ProcessId(), 60000);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure.text.empty()) << "the system's text for the failure";
    failure.Answer(IDOK);
    EXPECT_FALSE(WaitForMessageBox(m_wizard.ProcessId(), 1500));
    EXPECT_TRUE(OnPage(2));
}

TEST_F(InstallFlowTest, CancelDuringASlowDownloadEndsAtOnceAndRemovesThePackageFile)
{
    HttpReply slow = HttpReply::Text(200, std::string(20 * 1024 * 1024, 'z'), "application/octet-stream");
    slow.trickleBytes = 16 * 1024;
    slow.trickleDelayMs = 50;
    m_site.SetRoute(kPackagePath, slow);
    StartDistribution();
    ASSERT_TRUE(m_wizard.Click(1026));
    ASSERT_TRUE(m_site.WaitForRequests(1, 10000));

    // The bar shows the progress while the download runs: its first fill
    // column reaches the screen without the window being asked to redraw.
    RECT bar{};
    ::GetWindowRect(m_wizard.Control(1003), &bar);
    auto screenPixel = [](int x, int y) {
        HDC screen = ::GetDC(nullptr);
        const COLORREF colour = ::GetPixel(screen, x, y);
        ::ReleaseDC(nullptr, screen);
        return colour;
    };
    const COLORREF emptyTrack = screenPixel(bar.right - 10, bar.top + 12);
    ASSERT_NE(emptyTrack, CLR_INVALID);
    EXPECT_TRUE(WizardDriver::WaitUntil([&] { return screenPixel(bar.left + 5, bar.top + 12) != emptyTrack; },
                                        15000, 20))
        << "no fill column painted during the download";
    EXPECT_EQ(TemporaryPackageFiles().size(), m_packagesBefore.size() + 1) << "the download is under way";
    if (const wchar_t* folder = _wgetenv(L"VELTO_SCREENSHOTS"))
        m_wizard.SaveScreenshot(ToWindowsPath(folder) + L"\\download-under-way.png");

    ASSERT_TRUE(m_wizard.Click(1002));
    EXPECT_TRUE(m_wizard.WaitForExit(15000)) << "Cancel waited too long (or deadlocked)";
    EXPECT_EQ(StoredDword(L"MainDlgMode"), 2u);
    EXPECT_EQ(TemporaryPackageFiles(), m_packagesBefore);
    m_site.StopTrickling();
}

TEST_F(InstallFlowTest, AnInstallerThatFailsIsReportedAndTheWizardStaysOnItsPage)
{
    m_site.SetRoute(kPackagePath, PackageReply(L"nsis-installer.exe"));
    ::SetEnvironmentVariableW(L"VELTO_INSTALLER_EXIT", L"5");
    StartDistribution();
    ::SetEnvironmentVariableW(L"VELTO_INSTALLER_EXIT", nullptr);
    DownloadInLanguage(1026);
    ASSERT_TRUE(m_wizard.Click(1000));
    const MessageBoxWindow failure = WaitForMessageBox(m_wizard.ProcessId(), 120000);
    ASSERT_TRUE(failure) << "no message about the failed installer";
    EXPECT_EQ(failure.caption, L"VeltoPCCleanerSetup");
    failure.Answer(IDOK);
    m_wizard.Settle();
    EXPECT_TRUE(OnPage(4));
    EXPECT_FALSE(m_wizard.Enabled(1000));
    EXPECT_TRUE(m_wizard.Enabled(1002));
    const auto log = ProductLog();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find(" /S"), std::string::npos) << "a kind-1 installer is started with /S";
}

enum class ServiceFault
{
    NotFound,
    Fault,
    NotListening,
};

class StatisticsFaults : public InstallFlowTest, public testing::WithParamInterface<ServiceFault>
{};

TEST_P(StatisticsFaults, ChangeNothingForTheUser)
{
    switch (GetParam()) {
    case ServiceFault::NotFound:
        m_statistics.SetDefaultReply(HttpReply::Text(404, "<html><body>gone</body></html>", "text/html"));
        break;
    case ServiceFault::Fault:
        m_statistics.SetDefaultReply(HttpReply::Text(
            500,
            "<?xml version=\"1.0\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
            "<soap:Body><soap:Fault><faultcode>soap:Server</faultcode><faultstring>down</faultstring>"
            "</soap:Fault></soap:Body></soap:Envelope>",
            "text/xml"));
        break;
    case ServiceFault::NotListening:
        m_statistics.Stop();
        break;
    }
    StartDistribution();
    DownloadInLanguage(1030);
    InstallToOptionsPage();
    ASSERT_TRUE(m_wizard.Click(1000));
    ASSERT_TRUE(WaitForPage(6, 5000));
    m_wizard.Type(1044, L"a@example.test");
    ASSERT_TRUE(m_wizard.Click(1000));
    EXPECT_TRUE(m_wizard.WaitForExit(60000));
    EXPECT_EQ(m_statistics.Requests().size(), GetParam() == ServiceFault::NotListening ? 0u : 1u);
    EXPECT_TRUE(WizardDriver::WaitUntil([&] { return !BrowserLinks().empty(); }, 10000))
        << "the thank-you page opens whatever the service did";
    EXPECT_NE(BrowserLinks().at(0).find("?lang=it"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Service, StatisticsFaults,
                         testing::Values(ServiceFault::NotFound, ServiceFault::Fault, ServiceFault::NotListening));

TEST_F(InstallFlowTest, FinishWithBothFieldsEmptySendsNothing)
{
    StartDistribution();
    DownloadInLanguage(1026);
    InstallToOptionsPage();
    ASSERT_TRUE(m_wizard.Click(1000));
    ASSERT_TRUE(WaitForPage(6, 5000));
    ASSERT_TRUE(m_wizard.Click(1000));
    EXPECT_TRUE(m_wizard.WaitForExit(60000));
    EXPECT_TRUE(m_statistics.Requests().empty());
    EXPECT_FALSE(StoredDword(L"MainDlgMode")) << "Finish is no cancel";
}

TEST_F(InstallFlowTest, AnHtmlPageServedAsThePackageIsReportedWhenItCannotStart)
{
    HttpReply page = PackageReply(L"not-a-package.bin");
    page.headers = {{"Content-Type", "text/html"}};
    m_site.SetRoute(kPackagePath, page);
    StartDistribution();
    DownloadInLanguage(1026); // a 200 answer is a download like any other
    ASSERT_TRUE(m_wizard.Click(1000));
    const MessageBoxWindow failure = WaitForMessageBox(m_wizard.ProcessId(), 120000);
    ASSERT_TRUE(failure) << "the page cannot be started as an installer, and the user is told";
    EXPECT_EQ(failure.caption, L"VeltoPCCleanerSetup");
    EXPECT_FALSE(failure.text.empty());
    failure.Answer(IDOK);
    EXPECT_TRUE(OnPage(4));
    EXPECT_FALSE(m_wizard.Enabled(1000));
    EXPECT_TRUE(m_wizard.Enabled(1002));
}
