#include "app/AdminCheck.h"
#include "framework/UniqueHandle.h"

#include <gtest/gtest.h>

// Under Wine the user's token holds the Administrators group.
TEST(AdminCheckTest, TheProcessTokenOfAnAdministratorPasses)
{
    EXPECT_TRUE(IsUserAdmin());
}

TEST(AdminCheckTest, AGroupListedForDenyOnlyStillCounts)
{
    UniqueHandle process;
    ASSERT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_ALL_ACCESS, process.Receive()));
    BYTE sidBuffer[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sidBuffer;
    ASSERT_TRUE(::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sidBuffer, &sidSize));
    SID_AND_ATTRIBUTES disable{sidBuffer, 0};
    UniqueHandle filtered;
    if (!::CreateRestrictedToken(process.Get(), 0, 1, &disable, 0, nullptr, 0, nullptr,
                                 filtered.Receive()))
        GTEST_SKIP() << "this system cannot make filtered tokens";
    EXPECT_TRUE(TokenListsAdministrators(filtered.Get()));
}

TEST(AdminCheckTest, AnImpersonatedTokenIsExaminedBeforeTheProcessToken)
{
    // Impersonating an anonymous token (no Administrators group) makes the
    // thread token the one that counts.
    if (!::ImpersonateAnonymousToken(::GetCurrentThread()))
        GTEST_SKIP() << "this system cannot impersonate the anonymous token";
    const bool admin = IsUserAdmin();
    ::RevertToSelf();
    EXPECT_FALSE(admin);
    EXPECT_TRUE(IsUserAdmin());
}

TEST(AdminCheckTest, AnUnqueryableHandleFails)
{
    EXPECT_FALSE(TokenListsAdministrators(nullptr));
}
