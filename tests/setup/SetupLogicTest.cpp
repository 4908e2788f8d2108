// The pure rules of the download and installation.
#include "setup/DownloadProgress.h"
#include "setup/InstallCommands.h"
#include "setup/ThankYouLink.h"

#include <gtest/gtest.h>

TEST(BannerMarks, AdvanceOnceOnExactlyThirtyThreeAndSixtySix)
{
    BannerMarks marks;
    std::vector<int> advancedAt;
    for (int received = 0; received <= 300; received += 3)
        if (marks.Passed(received, 300))
            advancedAt.push_back(received);
    EXPECT_EQ(advancedAt, (std::vector<int>{99, 198}));

    BannerMarks jumping; // 31 % straight to 35 %: nothing at 33
    EXPECT_FALSE(jumping.Passed(31, 100));
    EXPECT_FALSE(jumping.Passed(35, 100));
    EXPECT_TRUE(jumping.Passed(66, 100));
    EXPECT_FALSE(jumping.Passed(66, 100));

    BannerMarks empty;
    EXPECT_FALSE(empty.Passed(0, 0)) << "an empty package divides by nothing";
    BannerMarks huge; // 64-bit arithmetic: no overflow past 21 MB
    EXPECT_TRUE(huge.Passed(3300000000LL, 10000000000LL));
}

TEST(InstallCommandLines, AreExactlyWhatTheInstallersGet)
{
    using namespace InstallCommands;
    EXPECT_EQ(UninstallAQuiet(), L"msiexec /uninstall {2E7A9B14-5D3C-4F81-9A26-7C0B1E4D8F52} SHOWSURV=NO /quiet");
    EXPECT_EQ(UninstallANoRestart(),
              L"msiexec /uninstall {2E7A9B14-5D3C-4F81-9A26-7C0B1E4D8F52} SHOWSURV=NO /quiet /norestart");
    EXPECT_EQ(UninstallBNoRestart(),
              L"msiexec /uninstall {8B3F0C6D-1A2E-4D57-B894-3E6F2A9C1D07} SHOWSURV=NO /quiet /norestart");
    const std::wstring path = L"C:\\users\\u\\Temp\\VEL1a2b.tmp";
    EXPECT_EQ(Install(PackageKind::OtherInstaller, path, L"C:\\P"), path + L" /S");
    EXPECT_EQ(Install(PackageKind::WindowsInstaller, path, L"C:\\Program Files\\V"),
              L"msiexec /package " + path + L" /quiet /norestart INSTALLDIR=\"C:\\Program Files\\V\"");
    EXPECT_EQ(Install(PackageKind::PackageCarrier, path, L""), path + L" /quiet INSTALLDIR=\"\"");

    EXPECT_EQ(ProgramOf(UninstallAQuiet(), path, L"C:\\windows\\system32"), L"C:\\windows\\system32\\msiexec.exe");
    EXPECT_EQ(ProgramOf(Install(PackageKind::OtherInstaller, path, L""), path, L"C:\\windows\\system32"), path);

    EXPECT_TRUE(IsSuccessExitCode(PackageKind::WindowsInstaller, 0));
    EXPECT_TRUE(IsSuccessExitCode(PackageKind::WindowsInstaller, 3010));
    EXPECT_TRUE(IsSuccessExitCode(PackageKind::PackageCarrier, 1641));
    EXPECT_FALSE(IsSuccessExitCode(PackageKind::WindowsInstaller, 1603));
    EXPECT_FALSE(IsSuccessExitCode(PackageKind::OtherInstaller, 3010));
    EXPECT_FALSE(IsSuccessExitCode(PackageKind::OtherInstaller, 1));
}

TEST(ThankYouLink, LinkRulesAndTheLanguageParameter)
{
    const struct
    {
        const wchar_t* text;
        bool link;
    } links[] = {
        {L"http://x", true}, {L"http://", false}, {L"https://y", true}, {L"https://", false},
        {L"ftp://z", true},  {L"ftp://", false},  {L"www.", true},      {L"HTTP://x", false},
        {L"mailto:a@b", false}, {L"", false},
    };
    for (const auto& c : links)
        EXPECT_EQ(IsLink(c.text), c.link) << std::string(c.text, c.text + wcslen(c.text));

    const struct
    {
        const wchar_t* link;
        const wchar_t* code;
        const wchar_t* expected;
    } cases[] = {
        {L"http://t.example/thankyou.aspx", L"de", L"http://t.example/thankyou.aspx?lang=de"},
        {L"http://t.example/t.aspx?p=1", L"en", L"http://t.example/t.aspx?p=1&lang=en"},
        {L"http://t.example/t.aspx?lang=fr", L"it", L"http://t.example/t.aspx?lang=fr"},
        {L"http://t.example/t.aspx?xlang=fr", L"it", L"http://t.example/t.aspx?xlang=fr"},
        {L"http://t.example/t&lang=fr", L"it", L"http://t.example/t&lang=fr"},
        {L"http://t.example/t.aspx?Lang=fr", L"it", L"http://t.example/t.aspx?Lang=fr&lang=it"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithLanguageParameter(c.link, c.code), c.expected);
}
