// Build mode of the real guide: "-build <output> KEY=VALUE ...".
#include "app/SettingsBlock.h"
#include "tests/support/Process.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

class BuildCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(GuidePath().empty()) << "VELTO_GUIDE is not set";
        m_program = ReadWholeFile(GuidePath());
        ASSERT_GT(m_program.size(), 1000u);
    }

    std::optional<DWORD> RunGuide(const std::wstring& arguments)
    {
        return RunToEnd(Quoted(GuidePath()) + L" " + arguments, 60000);
    }

    std::vector<uint8_t> ProgramWith(const std::vector<std::wstring>& records) const
    {
        std::vector<uint8_t> expected = m_program;
        const auto block = SettingsBlock::Encode(records);
        expected.insert(expected.end(), block.begin(), block.end());
        return expected;
    }

    TempFolder m_folder;
    std::vector<uint8_t> m_program;
};

} // namespace

TEST_F(BuildCommandTest, TwoRecordsAppendExactlyFortyEightBytes)
{
    const std::wstring output = m_folder.File(L"out.exe");
    EXPECT_EQ(RunGuide(L"-build " + Quoted(output) + L" A=1 B=2"), 0u);
    const auto copy = ReadWholeFile(output);
    ASSERT_EQ(copy.size(), m_program.size() + 48);
    EXPECT_EQ(copy, ProgramWith({L"A=1", L"B=2"}));
}

TEST_F(BuildCommandTest, TheSwitchIgnoresCaseAndRecordsAreWrittenAsTheyStand)
{
    const std::wstring output = m_folder.File(L"caps.exe");
    EXPECT_EQ(RunGuide(L"-BUILD " + Quoted(output) + L" \"no equals sign\" \u00FCml=\u65E5"), 0u);
    EXPECT_EQ(ReadWholeFile(output), ProgramWith({L"no equals sign", L"\u00FCml=\u65E5"}));

    const std::wstring mixed = m_folder.File(L"mixed.exe");
    EXPECT_EQ(RunGuide(L"-BuIlD " + Quoted(mixed) + L" WID=1"), 0u);
    EXPECT_EQ(ReadWholeFile(mixed), ProgramWith({L"WID=1"}));
}

TEST_F(BuildCommandTest, AnExistingOutputIsOverwritten)
{
    const std::wstring output = m_folder.File(L"again.exe");
    ASSERT_TRUE(WriteWholeFile(output, std::vector<uint8_t>(5000000, 0xAB)));
    EXPECT_EQ(RunGuide(L"-build " + Quoted(output) + L" X=1"), 0u);
    EXPECT_EQ(ReadWholeFile(output), ProgramWith({L"X=1"}));
}

TEST_F(BuildCommandTest, WithoutRecordsOrWithAnUnwritablePathNothingIsCreated)
{
    const std::wstring output = m_folder.File(L"none.exe");
    EXPECT_EQ(RunGuide(L"-build " + Quoted(output)), 0u);
    EXPECT_FALSE(FileExists(output));

    EXPECT_EQ(RunGuide(L"-build"), 0u);

    const std::wstring unwritable = m_folder.File(L"missing-folder\\out.exe");
    EXPECT_EQ(RunGuide(L"-build " + Quoted(unwritable) + L" A=1"), 0u);
    EXPECT_FALSE(FileExists(unwritable));
}

TEST_F(BuildCommandTest, BuildModeShowsNoWindow)
{
    // A distribution copy would open the wizard; build mode must end without
    // any window well before a wizard could have been dismissed.
    TestProcess process;
    const std::wstring output = m_folder.File(L"quiet.exe");
    ASSERT_TRUE(process.Start(Quoted(GuidePath()) + L" -build " + Quoted(output) + L" A=1"));
    EXPECT_EQ(process.Wait(30000), 0u);
    EXPECT_TRUE(FileExists(output));
}

TEST_F(BuildCommandTest, ACopyThatRunsOutOfSpaceIsRemovedAndTheExitCodeSaysSo)
{
    const wchar_t* disk = _wgetenv(L"VELTO_FULL_DISK");
    if (!disk)
        GTEST_SKIP() << "no size-limited disk (scripts/test mounts one when run as root)";
    // The disk holds exactly the program's pages; a long record needs more.
    const std::wstring output = ToWindowsPath(disk) + L"\\full.exe";
    const std::wstring record = L"JOIN_LINK=http://join.example/" + std::wstring(8000, L'x');
    const auto exitCode = RunGuide(L"-build " + Quoted(output) + L" " + record);
    ASSERT_TRUE(exitCode);
    EXPECT_NE(*exitCode, 0u);
    EXPECT_FALSE(FileExists(output)) << "an incomplete copy must not be left behind";
}
