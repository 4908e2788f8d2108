// A distribution copy made with -build applies its settings block when the
// wizard opens.
#include "app/ProductKey.h"
#include "tests/support/Process.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

constexpr const wchar_t* kWizardTitle = L"VELTO PC Cleaner Installer";

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

void ExpectLink(const wchar_t* path, const wchar_t* name, const std::wstring& expected)
{
    StoredValue value;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, path, name, value)) << "no value";
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value.bytes.size(), expected.size() * 2) << "stored without terminator";
    EXPECT_EQ(value.text(), expected);
}

class DistributionCopyTest : public testing::Test
{
protected:
    // Starts the program and waits until its wizard is on screen, which is
    // after the dialog's initialisation has applied the block.
    void OpenWizard(const std::wstring& program)
    {
        ASSERT_TRUE(m_process.Start(Quoted(program)));
        ASSERT_NE(WaitForWindow(m_process.Id(), kWizardTitle, 60000), nullptr)
            << "the wizard did not open";
    }

    ProductKeyCleaner m_cleaner;
    TempFolder m_folder;
    TestProcess m_process;
};

} // namespace

TEST_F(DistributionCopyTest, ACopyWithNineRecordsAndSignatureDataStoresTheFiveLinks)
{
    const std::wstring copy = m_folder.File(L"VeltoPCCleanerSetup.exe");
    const std::wstring records =
        L"THANKYOU_LINK=http://thanks.example/thankyou.aspx SUPPORT_LINK=http://support.example/ "
        L"CUSTOMERZONE_LINK=https://zone.example/ DOWNLOAD_LINK=http://dl.example/p.msi "
        L"JOIN_LINK=http://join.example/?id=3 COUNTRY_ISO2=us WID=partner7 "
        L"UNINSTALL_LINK=http://bye.example/ LANGUAGE=";
    ASSERT_EQ(RunToEnd(Quoted(GuidePath()) + L" -build " + Quoted(copy) + L" " + records), 0u);

    // A signing step appends its data behind the block.
    auto bytes = ReadWholeFile(copy);
    bytes.insert(bytes.end(), {0, 0, 0x30, 0x82, 0x1F, 0x3A, 0x06, 0x09, 0x2A, 0x86, 'D', 'D'});
    ASSERT_TRUE(WriteWholeFile(copy, bytes));

    OpenWizard(copy);
    ExpectLink(kProductKeyPath, L"THANKYOU_LINK", L"http://thanks.example/thankyou.aspx");
    ExpectLink(kProductKeyPath, L"SUPPORT_LINK", L"http://support.example/");
    ExpectLink(kProductKeyPath, L"CUSTOMERZONE_LINK", L"https://zone.example/");
    ExpectLink(kProductKeyPath, L"JOIN_LINK", L"http://join.example/?id=3");
    ExpectLink(kProductKeyPath, L"UNINSTALL_LINK", L"http://bye.example/");
    ExpectLink(kLinksKeyPath, L"1", L"http://join.example/?id=3");
    // The empty LANGUAGE record changes nothing: Language (value names ignore
    // case) is what the wizard itself stores, 0 without a choice.
    StoredValue language;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, L"Language", language));
    EXPECT_EQ(language.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(language.bytes, std::string(4, '\0'));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kLinksKeyPath), 1u);
}

TEST_F(DistributionCopyTest, TheGuideWithoutBlockOnlyCreatesTheProductKey)
{
    OpenWizard(GuidePath());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kProductKeyPath));
    for (const wchar_t* name : {L"THANKYOU_LINK", L"SUPPORT_LINK", L"UNINSTALL_LINK", L"JOIN_LINK",
                                L"CUSTOMERZONE_LINK"}) {
        StoredValue value;
        EXPECT_FALSE(ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, name, value)) << name;
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kLinksKeyPath));
}
