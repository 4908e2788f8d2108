#pragma once

// A distribution of the guide against real servers on the loopback
// interface: the package site, the statistics service and the user's web
// browser, with what each of them saw.
#include "app/ProductKey.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TestPaths.h"
#include "tests/support/WizardDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr const char* kPackagePath = "/VELTO_PC_Cleaner_Setup_v1.1.17.msi";
inline constexpr const wchar_t* kProductCode = L"{63A50796-5577-48B0-B49D-18FAB3B1FBA4}";

std::string ReadFileBytes(const std::wstring& path);
std::string EmptyStatisticsResponse();
HttpReply PackageReply(const std::wstring& fixture);
// The package files (VEL*.tmp) in the temporary folder.
std::vector<std::wstring> TemporaryPackageFiles();

class InstallFlowTest : public testing::Test
{
protected:
    InstallFlowTest();
    ~InstallFlowTest() override;

    // Makes a distribution copy pointing at the loopback site and starts it.
    // downloadLink: the copy's DOWNLOAD_LINK; empty for the site's package.
    void StartDistribution(const std::vector<std::wstring>& extraRecords = {},
                           const std::wstring& downloadLink = L"");
    // Chooses the language and waits until the download has completed.
    void DownloadInLanguage(int button);
    // Next on the licence page; waits for the options page.
    void InstallToOptionsPage(DWORD milliseconds = 120000);
    bool OnPage(int page) const; // by the controls the page shows
    bool WaitForPage(int page, DWORD milliseconds);

    std::vector<std::string> BrowserLinks() const;
    std::vector<std::string> ProductLog() const;
    std::optional<DWORD> StoredDword(const wchar_t* name) const;

    ProductKeyCleaner m_cleaner;
    TempFolder m_folder;
    LoopbackHttpServer m_site;
    LoopbackHttpServer m_statistics{VELTO_TEST_STATS_PORT};
    WizardDriver m_wizard;
    std::wstring m_browserLog;  // host path
    std::wstring m_productLog;  // Windows path
    std::vector<std::wstring> m_packagesBefore;
};
