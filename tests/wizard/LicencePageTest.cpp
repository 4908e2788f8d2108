// The licence and destination page: disk space, acceptance governing Next.
#include "tests/wizard/WizardFixture.h"
#include "wizard/DiskSpace.h"

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
