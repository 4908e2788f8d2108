#include "app/ProductKey.h"
#include "app/SettingsBlock.h"
#include "app/SettingsStore.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

CStringList ListOf(std::initializer_list<const wchar_t*> texts)
{
    CStringList list;
    for (const wchar_t* text : texts)
        list.AddTail(text);
    return list;
}

// A REG_SZ value stored without terminator: type and exact size checked.
void ExpectLinkValue(const wchar_t* path, const wchar_t* name, const std::wstring& expected)
{
    StoredValue value;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, path, name, value)) << "missing value";
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value.bytes.size(), 2 * expected.size());
    EXPECT_EQ(value.text(), expected);
}

class ApplySettingsBlockTest : public testing::Test
{
protected:
    ApplySettingsBlockTest() { m_dialog.m_strDownloadLink = L"http://compiled.example/pkg.msi"; }

    HkcuRedirect m_registry;
    DistributionSettings m_dialog;
};

} // namespace

TEST_F(ApplySettingsBlockTest, NineRecordsOfADistributionLandInTheKeyAndTheDialog)
{
    TempFolder folder;
    std::vector<std::wstring> records = {
        L"THANKYOU_LINK=http://thanks.example/thankyou.aspx",
        L"SUPPORT_LINK=http://support.example/",
        L"CUSTOMERZONE_LINK=https://zone.example/login",
        L"DOWNLOAD_LINK=http://dl.example/VELTO_PC_Cleaner_Setup_v1.1.17.msi",
        L"JOIN_LINK=http://join.example/?p=7",
        L"COUNTRY_ISO2=us",
        L"WID=partner-42",
        L"UNINSTALL_LINK=http://bye.example/",
        L"LANGUAGE=",
    };
    std::vector<uint8_t> file = {'M', 'Z', 1, 2, 3};
    const auto block = SettingsBlock::Encode(records);
    file.insert(file.end(), block.begin(), block.end());
    file.insert(file.end(), {0, 0, 0x30, 0x82, 0x01, 0x0A, 'D', 'D', 0x06, 0x09});
    const std::wstring path = folder.File(L"copy.exe");
    ASSERT_TRUE(WriteWholeFile(path, file));

    CStringList list;
    ASSERT_TRUE(ReadSettingsBlockFromFile(path, list));
    ASSERT_EQ(list.GetCount(), 9u);
    EXPECT_EQ(list.GetHead(), L"LANGUAGE=");
    EXPECT_TRUE(ApplySettingsBlock(list, m_dialog));

    ExpectLinkValue(kProductKeyPath, L"THANKYOU_LINK", L"http://thanks.example/thankyou.aspx");
    ExpectLinkValue(kProductKeyPath, L"SUPPORT_LINK", L"http://support.example/");
    ExpectLinkValue(kProductKeyPath, L"CUSTOMERZONE_LINK", L"https://zone.example/login");
    ExpectLinkValue(kProductKeyPath, L"JOIN_LINK", L"http://join.example/?p=7");
    ExpectLinkValue(kProductKeyPath, L"UNINSTALL_LINK", L"http://bye.example/");
    ExpectLinkValue(kLinksKeyPath, L"1", L"http://join.example/?p=7");
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kProductKeyPath), 5u);
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kLinksKeyPath), 1u);

    EXPECT_EQ(m_dialog.m_strDownloadLink, L"http://dl.example/VELTO_PC_Cleaner_Setup_v1.1.17.msi");
    EXPECT_EQ(m_dialog.m_strCountryIso2, L"us");
    EXPECT_EQ(m_dialog.m_strWid, L"partner-42");

    // The second pass of a run (the finishing step) adds nothing to Links.
    DistributionSettings again;
    EXPECT_TRUE(ApplySettingsBlock(list, again));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kLinksKeyPath), 1u);
}

TEST_F(ApplySettingsBlockTest, WithoutRecordsOnlyTheProductKeyIsCreated)
{
    EXPECT_TRUE(ApplySettingsBlock(CStringList{}, m_dialog));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kProductKeyPath));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kProductKeyPath), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kLinksKeyPath));
    EXPECT_EQ(m_dialog.m_strDownloadLink, L"http://compiled.example/pkg.msi");
    EXPECT_EQ(m_dialog.m_strCountryIso2, L"US");
    EXPECT_EQ(m_dialog.m_strWid, L"");
}

TEST_F(ApplySettingsBlockTest, TheRecordWrittenFirstWinsAndEmptyValuesApply)
{
    // List order is the reverse of the writing order.
    const CStringList list = ListOf({L"DOWNLOAD_LINK=http://second.example/", L"wid=",
                                     L"Download_Link=http://first.example/"});
    m_dialog.m_strWid = L"before";
    EXPECT_TRUE(ApplySettingsBlock(list, m_dialog));
    EXPECT_EQ(m_dialog.m_strDownloadLink, L"http://first.example/");
    EXPECT_EQ(m_dialog.m_strWid, L"");
}

TEST_F(ApplySettingsBlockTest, ARecordWithoutEqualsStopsTheRest)
{
    const CStringList list =
        ListOf({L"SUPPORT_LINK=http://applied.example/", L"garbage", L"WID=not-applied"});
    EXPECT_FALSE(ApplySettingsBlock(list, m_dialog));
    ExpectLinkValue(kProductKeyPath, L"SUPPORT_LINK", L"http://applied.example/");
    EXPECT_EQ(m_dialog.m_strWid, L"");
}

TEST_F(ApplySettingsBlockTest, JoinLinksAreNumberedAndComparedExactly)
{
    HKEY links = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kLinksKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &links, nullptr),
              ERROR_SUCCESS);
    const std::wstring expandable = L"%TEMP%\\x";
    const DWORD number = 7;
    ::RegSetValueExW(links, L"first", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    ::RegSetValueExW(links, L"second", 0, REG_EXPAND_SZ,
                     reinterpret_cast<const BYTE*>(expandable.c_str()),
                     static_cast<DWORD>((expandable.size() + 1) * 2));
    const std::wstring existing = L"http://join.example/A";
    ::RegSetValueExW(links, L"third", 0, REG_SZ, reinterpret_cast<const BYTE*>(existing.c_str()),
                     static_cast<DWORD>((existing.size() + 1) * 2));
    ::RegCloseKey(links);

    // Equal to an existing value: nothing is added.
    EXPECT_TRUE(ApplySettingsBlock(ListOf({L"JOIN_LINK=http://join.example/A"}), m_dialog));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kLinksKeyPath), 3u);
    // Equal to an expandable string value: nothing is added either.
    EXPECT_TRUE(ApplySettingsBlock(ListOf({L"JOIN_LINK=%TEMP%\\x"}), m_dialog));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kLinksKeyPath), 3u);
    // Differing in letter case only: added as value 4 (three values of any type).
    EXPECT_TRUE(ApplySettingsBlock(ListOf({L"JOIN_LINK=http://join.example/a"}), m_dialog));
    ExpectLinkValue(kLinksKeyPath, L"4", L"http://join.example/a");
}

TEST_F(ApplySettingsBlockTest, NoLinksValueNameNeedsMoreThanFourDigits)
{
    HKEY links = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kLinksKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &links, nullptr),
              ERROR_SUCCESS);
    for (int i = 1; i <= 9999; ++i) {
        const DWORD data = static_cast<DWORD>(i);
        ::RegSetValueExW(links, std::to_wstring(i).c_str(), 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&data), 4);
    }
    ::RegCloseKey(links);
    EXPECT_TRUE(ApplySettingsBlock(ListOf({L"JOIN_LINK=http://new.example/"}), m_dialog));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kLinksKeyPath), 9999u);
    // The link itself is still stored under the product key.
    ExpectLinkValue(kProductKeyPath, L"JOIN_LINK", L"http://new.example/");
}

TEST(ReadSettingsBlockTest, AFileWithoutBlockOrUnreadableListsNothing)
{
    TempFolder folder;
    const std::wstring plain = folder.File(L"plain.exe");
    ASSERT_TRUE(WriteWholeFile(plain, {'M', 'Z', 'D', 'D'}));
    CStringList list;
    EXPECT_FALSE(ReadSettingsBlockFromFile(plain, list));
    EXPECT_FALSE(ReadSettingsBlockFromFile(folder.File(L"missing.exe"), list));
    EXPECT_TRUE(list.IsEmpty());

    // The test program itself carries no block either.
    EXPECT_FALSE(ReadSettingsBlock(list));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(WriteSettingsBlockTest, AppendsAtTheFilePosition)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"out.bin");
    ASSERT_TRUE(WriteWholeFile(path, {'M', 'Z'}));
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate));
    ASSERT_TRUE(file.SeekToEnd());
    EXPECT_TRUE(WriteSettingsBlock(file, {L"A=1"}));
    file.Close();
    std::vector<uint8_t> expected = {'M', 'Z'};
    const auto block = SettingsBlock::Encode({L"A=1"});
    expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(ReadWholeFile(path), expected);
}
