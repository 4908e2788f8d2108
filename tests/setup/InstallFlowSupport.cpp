#include "tests/setup/InstallFlowSupport.h"

#include "framework/RegKey.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

std::wstring Environment(const wchar_t* name)
{
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

} // namespace

std::string ReadFileBytes(const std::wstring& path)
{
    const auto bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string EmptyStatisticsResponse()
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
           "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
           "<SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.velto-pc.example/\" />"
           "</soap:Body></soap:Envelope>";
}

HttpReply PackageReply(const std::wstring& fixture)
{
    HttpReply reply;
    reply.bodyFile = FixturePath(fixture);
    reply.headers = {{"Content-Type", "application/octet-stream"}};
    return reply;
}

std::vector<std::wstring> TemporaryPackageFiles()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((std::wstring(temp) + L"VEL*.tmp").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            files.push_back(found.cFileName);
        while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    return files;
}

InstallFlowTest::InstallFlowTest()
{
    const std::wstring work = Environment(L"VELTO_WORK");
    const std::wstring tag = std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(::GetTickCount());
    m_productLog = ToWindowsPath(work) + L"\\product-" + tag + L".log";
    ::SetEnvironmentVariableW(L"VELTO_PRODUCT_LOG", m_productLog.c_str());
    // The browser is a program of the host: it sees only the environment
    // the test was started with, not variables set here, so its log has a
    // fixed name, emptied per test.
    m_browserLog = Environment(L"VELTO_BROWSER_LOG");
    ::DeleteFileW(ToWindowsPath(m_browserLog).c_str());

    // Wine opens web links with the programs named here.
    RegKey browser;
    if (browser.OpenOrCreate(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", KEY_ALL_ACCESS))
        browser.SetStringWithTerminator(L"Browsers", Environment(L"VELTO_BROWSER_HOOK"));

    m_statistics.SetDefaultReply(HttpReply::Text(200, EmptyStatisticsResponse(), "text/xml; charset=utf-8"));
    m_site.SetRoute(kPackagePath, PackageReply(L"product.msi"));
    m_packagesBefore = TemporaryPackageFiles();
}

InstallFlowTest::~InstallFlowTest()
{
    m_wizard.Kill();
    RunToEnd(std::wstring(L"msiexec /x ") + kProductCode + L" /qn", 120000);
    RegKey runOnce;
    if (runOnce.Open(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", KEY_ALL_ACCESS))
        runOnce.DeleteValue(L"VELTO PC Cleaner Windows service");
    wchar_t desktop[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, 0, desktop)))
        ::DeleteFileW((std::wstring(desktop) + L"\\VELTO PC Cleaner.lnk").c_str());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser");
    // The product started by the guide closes with its window.
    if (HWND product = ::FindWindowW(nullptr, L"VELTO PC Cleaner"))
        ::PostMessageW(product, WM_CLOSE, 0, 0);
    for (const std::wstring& file : TemporaryPackageFiles()) {
        if (std::find(m_packagesBefore.begin(), m_packagesBefore.end(), file) == m_packagesBefore.end()) {
            wchar_t temp[MAX_PATH] = {};
            ::GetTempPathW(MAX_PATH, temp);
            ::DeleteFileW((std::wstring(temp) + file).c_str());
        }
    }
}

void InstallFlowTest::StartDistribution(const std::vector<std::wstring>& extraRecords,
                                        const std::wstring& downloadLink)
{
    const std::wstring copy = m_folder.File(L"VeltoPCCleanerSetup.exe");
    const std::wstring link = downloadLink.empty() ? m_site.Url(kPackagePath) : downloadLink;
    std::wstring command = L"\"" + GuidePath() + L"\" -build \"" + copy + L"\" DOWNLOAD_LINK=" + link
                         + L" THANKYOU_LINK=" + m_site.Url("/thankyou.aspx") + L" COUNTRY_ISO2=fr WID=w-77";
    for (const std::wstring& record : extraRecords)
        command += L" " + record;
    ASSERT_EQ(RunToEnd(command), 0u);
    ASSERT_TRUE(m_wizard.Start(L"", copy)) << "the wizard did not open";
}

bool InstallFlowTest::OnPage(int page) const
{
    switch (page) {
    case 2:
        return m_wizard.Visible(1031);
    case 3:
        return m_wizard.Visible(1011);
    case 4:
        return m_wizard.Visible(1038);
    case 5:
        return m_wizard.Visible(1253);
    case 6:
        return m_wizard.Visible(1040);
    default:
        return false;
    }
}

bool InstallFlowTest::WaitForPage(int page, DWORD milliseconds)
{
    if (!WizardDriver::WaitUntil([&] { return OnPage(page); }, milliseconds))
        return false;
    // The page's first control shows while its set-up still runs (Next is
    // enabled a few steps later); a round trip waits for the set-up's end.
    m_wizard.Settle();
    return true;
}

void InstallFlowTest::DownloadInLanguage(int button)
{
    ASSERT_TRUE(m_wizard.Click(button));
    ASSERT_TRUE(WaitForPage(3, 60000)) << "the download did not complete";
}

void InstallFlowTest::InstallToOptionsPage(DWORD milliseconds)
{
    ASSERT_TRUE(m_wizard.Click(1000));
    ASSERT_TRUE(WaitForPage(5, milliseconds)) << "the installation did not end on the options page";
}

std::vector<std::string> InstallFlowTest::BrowserLinks() const
{
    return Lines(ReadFileBytes(ToWindowsPath(m_browserLog)));
}

std::vector<std::string> InstallFlowTest::ProductLog() const
{
    return Lines(ReadFileBytes(m_productLog));
}

std::optional<DWORD> InstallFlowTest::StoredDword(const wchar_t* name) const
{
    StoredValue value;
    if (!ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, name, value) || value.bytes.size() != 4)
        return std::nullopt;
    return *reinterpret_cast<const DWORD*>(value.bytes.data());
}
