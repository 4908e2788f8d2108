#include "framework/RegKey.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

TEST(RegKeyTest, ProductStringsAreStoredWithoutTerminatorTheRunOnceCommandWithOne)
{
    HkcuRedirect registry;
    RegKey key;
    ASSERT_TRUE(key.OpenOrCreate(HKEY_CURRENT_USER, L"Software\\T", KEY_ALL_ACCESS));
    const std::wstring folder(50, L'x'); // a folder of 50 characters
    ASSERT_TRUE(key.SetStringWithoutTerminator(L"installfolder", folder));
    ASSERT_TRUE(key.SetStringWithoutTerminator(L"empty", L""));
    ASSERT_TRUE(key.SetStringWithTerminator(L"command", L"\"C:\\p\\a.exe\" -h"));
    ASSERT_TRUE(key.SetDword(L"Tray", 1));

    StoredValue value;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, L"Software\\T", L"installfolder", value));
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value.bytes.size(), 100u);
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, L"Software\\T", L"empty", value));
    EXPECT_EQ(value.bytes.size(), 0u);
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, L"Software\\T", L"command", value));
    EXPECT_EQ(value.bytes.size(), 2u * 16);
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, L"Software\\T", L"Tray", value));
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.bytes, std::string("\x01\0\0\0", 4));

    // Readers add the terminator a stored string lacks.
    EXPECT_EQ(key.QueryString(L"installfolder"), folder);
    EXPECT_EQ(key.QueryDword(L"Tray"), 1u);
    EXPECT_FALSE(key.QueryDword(L"installfolder"));
    EXPECT_FALSE(key.QueryString(L"Tray"));
}
