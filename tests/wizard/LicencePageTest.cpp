// The licence and destination page: disk space, acceptance governing Next.
#include "tests/wizard/WizardFixture.h"
#include "wizard/DiskSpace.h"

#include <commctrl.h>
#include <shlobj.h>

TEST(DiskSpaceText, MegabytesUpToOneGigabyteGigabytesAbove)
{
    const struct
    {
        uint64_t bytes;
        const wchar_t* expected;
    } cases[] = {
        {0, L"0 MB"},
        {500ull * 1048576, L"500 MB"},
        {500ull * 1048576 + 1048575, L"500 MB"},
        {1073741824ull, L"1024 MB"},
        {1073741825ull, L"1 GB"},
        {5ull * 1073741824 - 1, L"4 GB"},
        {3000ull * 1073741824, L"3000 GB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFreeSpace(c.bytes, L"MB", L"GB"), c.expected) << c.bytes;
    EXPECT_EQ(FormatFreeSpace(500ull * 1048576, L"Mo", L"Go"), L"500 Mo");
    EXPECT_EQ(FormatRequiredSpace(L"MB"), L"14 MB");
}

TEST_F(WizardTest, TheLicencePageShowsTheFreeSpaceOfTheDestinationDrive)
{
    StartWizard();
    GoToPageFromDownload(3);
    ULARGE_INTEGER free{};
    ASSERT_TRUE(::GetDiskFreeSpaceExW(m_wizard.Text(1014).substr(0, 3).c_str(), nullptr, nullptr, &free));
    // The drive may change a little between the two readings.
    const std::wstring shown = m_wizard.Text(1019);
    const std::wstring now = FormatFreeSpace(free.QuadPart, L"MB", L"GB");
    EXPECT_EQ(shown.substr(shown.find(L' ')), now.substr(now.find(L' ')));
    EXPECT_NEAR(std::stod(shown), std::stod(now), 1.0);
    EXPECT_EQ(m_wizard.Text(1021), L"14 MB");
}

TEST_F(WizardTest, TheAcceptanceBoxGovernsNext)
{
    StartWizard();
    GoToPageFromDownload(3);
    EXPECT_TRUE(m_wizard.Checked(1012));
    EXPECT_TRUE(m_wizard.Enabled(1000));

    ASSERT_TRUE(m_wizard.Click(1012));
    EXPECT_FALSE(m_wizard.Checked(1012));
    EXPECT_FALSE(m_wizard.Enabled(1000));
    m_wizard.Send(WM_COMMAND, IDOK); // Enter does nothing while Next is disabled
    m_wizard.Settle();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(3));

    ASSERT_TRUE(m_wizard.Click(1012));
    EXPECT_TRUE(m_wizard.Enabled(1000));
    m_wizard.Send(WM_COMMAND, IDOK);
    m_wizard.Settle();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(4));
}

namespace {

HWND FindTreeView(HWND browser)
{
    HWND found = nullptr;
    ::EnumChildWindows(
        browser,
        [](HWND child, LPARAM lParam) {
            wchar_t className[64] = {};
            ::GetClassNameW(child, className, 64);
            if (std::wstring(className) != WC_TREEVIEWW)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

// Browse shows the shell's folder browser; the folder chosen there, with the
// product's folders below it, becomes the destination. Cancel keeps it.
TEST_F(WizardTest, BrowseMakesTheChosenFolderTheParentOfTheProductFolders)
{
    StartWizard();
    GoToPageFromDownload(3);
    const std::wstring proposed = m_wizard.Text(1014);

    m_wizard.PostClick(1015);
    MessageBoxWindow browser = WaitForMessageBox(m_wizard.ProcessId());
    ASSERT_TRUE(browser) << "no folder browser";
    EXPECT_EQ(::GetWindow(browser.window, GW_OWNER), m_wizard.Window());
    browser.Answer(IDCANCEL);
    m_wizard.Settle();
    EXPECT_EQ(m_wizard.Text(1014), proposed);

    m_wizard.PostClick(1015);
    browser = WaitForMessageBox(m_wizard.ProcessId());
    ASSERT_TRUE(browser);
    // The browser starts at the desktop: choose it.
    HWND tree = FindTreeView(browser.window);
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(WizardDriver::WaitUntil([tree] { return ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0; }));
    const auto root = static_cast<LPARAM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ASSERT_NE(root, 0);
    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, root);
    browser.Answer(IDOK);
    m_wizard.Settle();

    wchar_t desktop[MAX_PATH] = {};
    ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    EXPECT_EQ(m_wizard.Text(1014), std::wstring(desktop) + L"\\VELTO PC Utilities\\VELTO PC Cleaner");
    EXPECT_FALSE(m_wizard.Text(1019).empty()) << "the free space of the chosen drive";
}
