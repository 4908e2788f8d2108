#pragma once

#include "app/ProductKey.h"
#include "setup/WorkerProtocol.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/WizardDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

// Every control id of the wizard that a page shows or hides.
inline const std::vector<int> kPageControls = {
    1000, 1002, 1003, 1006, 1007, 1011, 1012, 1014, 1015, 1018, 1019, 1020, 1021, 1026, 1027,
    1028, 1029, 1030, 1031, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1044, 1045, 1242, 1243,
    1244, 1245, 1253, 1254, 1255, 1256, 1257, 1258, 1259, 1260};

// The controls visible on each page (the close button 1248 is on all).
inline std::vector<int> ExpectedVisible(int page)
{
    switch (page) {
    case 1:
        return {1026, 1027, 1028, 1029, 1030};
    case 2:
        return {1000, 1002, 1003, 1031, 1039};
    case 3:
        return {1000, 1002, 1011, 1012, 1014, 1015, 1018, 1019, 1020, 1021, 1035, 1036, 1037};
    case 4:
        return {1000, 1002, 1003, 1038, 1039};
    case 5:
        return {1000, 1002, 1253, 1254, 1255, 1256, 1257, 1258, 1259, 1260};
    case 6:
        return {1000, 1002, 1040, 1041, 1044, 1045, 1242, 1243, 1244, 1245};
    case 8:
        return {1000, 1002, 1006, 1007};
    default:
        return {};
    }
}

// A fresh product key and a running wizard per test.
class WizardTest : public testing::Test
{
protected:
    void SetLanguageValue(DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kProductKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                    nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExW(key, L"Language", 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
    void SetLanguage(int language)
    {
        const DWORD value = static_cast<DWORD>(language);
        SetLanguageValue(REG_DWORD, &value, 4);
    }

    void StartWizard()
    {
        ASSERT_TRUE(m_wizard.Start()) << "the wizard did not open";
    }

    // As the wizard's own flow would: the download page first (it brings
    // Next and Cancel, which the welcome page hides, and starts the download,
    // which stalls), then the page.
    void GoToPageFromDownload(int page)
    {
        m_wizard.Post(WM_GOTO_PAGE, 2);
        m_wizard.Settle();
        m_wizard.Post(WM_GOTO_PAGE, static_cast<WPARAM>(page));
        m_wizard.Settle();
    }

    std::vector<int> VisiblePageControls() const { return m_wizard.VisibleAmong(kPageControls); }

    std::optional<DWORD> StoredDword(const wchar_t* name) const
    {
        StoredValue value;
        if (!ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, name, value) || value.type != REG_DWORD
            || value.bytes.size() != 4)
            return std::nullopt;
        return *reinterpret_cast<const DWORD*>(value.bytes.data());
    }

    // Ends the wizard through Cancel or by force, so the next test starts clean.
    void TearDown() override { m_wizard.Kill(); }

    ProductKeyCleaner m_cleaner;
    // The compiled-in package link of the build under test: a download that
    // starts and then waits, as on a very slow line.
    LoopbackHttpServer m_packageSite{VELTO_TEST_DOWNLOAD_PORT};
    WizardDriver m_wizard;

    WizardTest()
    {
        HttpReply stalled = HttpReply::Text(200, std::string(1 << 20, 'p'), "application/octet-stream");
        stalled.trickleBytes = 1;
        stalled.trickleDelayMs = 60000;
        m_packageSite.SetDefaultReply(stalled);
    }
};
