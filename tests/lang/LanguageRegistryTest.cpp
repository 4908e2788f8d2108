#include "app/ProductKey.h"
#include "framework/RegKey.h"
#include "lang/AsLanguage_Manager.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Stores "Language" with any type and bytes, as another program might.
void StoreLanguageValue(DWORD type, const std::string& bytes)
{
    RegKey key;
    ASSERT_TRUE(key.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_ALL_ACCESS));
    ASSERT_EQ(::RegSetValueExW(key.Get(), L"Language", 0, type,
                               reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::string Dword(int value)
{
    const DWORD data = static_cast<DWORD>(value);
    return std::string(reinterpret_cast<const char*>(&data), sizeof data);
}

class LanguageRegistryTest : public testing::Test
{
protected:
    HkcuRedirect m_registry;
};

} // namespace

TEST_F(LanguageRegistryTest, WithoutStoredLanguageTheKeyIsCreatedAndEnglishApplies)
{
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kProductKeyPath));
    AsLanguage_Manager manager;
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kProductKeyPath));
    EXPECT_EQ(CountValues(HKEY_CURRENT_USER, kProductKeyPath), 0u);
    EXPECT_EQ(manager.Get_Selected_Language(), 0);
    EXPECT_EQ(manager.Get_Default_Language(), 1);
    EXPECT_EQ(std::wstring(manager.Get_Language_Code()), L"en");
    EXPECT_EQ(std::wstring(manager.Get_Text(1000)), L"Next");
}

TEST_F(LanguageRegistryTest, OnlyAFourByteValueFromOneToFiveIsTaken)
{
    struct Case
    {
        const char* what;
        DWORD type;
        std::string bytes;
        int language; // 0: ignored
        const wchar_t* next;
    };
    const Case cases[] = {
        {"German", REG_DWORD, Dword(3), 3, L"Weiter"},
        {"English", REG_DWORD, Dword(1), 1, L"Next"},
        {"Italian", REG_DWORD, Dword(5), 5, L"Avanti"},
        {"zero", REG_DWORD, Dword(0), 0, L"Next"},
        {"six", REG_DWORD, Dword(6), 0, L"Next"},
        {"minus one", REG_DWORD, Dword(-1), 0, L"Next"},
        {"eight bytes", REG_QWORD, Dword(3) + Dword(0), 0, L"Next"},
        {"eight bytes of binary", REG_BINARY, Dword(2) + Dword(2), 0, L"Next"},
        {"four bytes of another type", REG_BINARY, Dword(2), 2, L"Suivant"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProductKeyCleaner::Clean();
        StoreLanguageValue(c.type, c.bytes);
        AsLanguage_Manager manager;
        EXPECT_EQ(manager.Get_Selected_Language(), c.language);
        EXPECT_EQ(manager.Get_Default_Language(), c.language == 0 ? 1 : c.language);
        EXPECT_EQ(std::wstring(manager.Get_Text(1000)), c.next);
    }
}

namespace {

class RecordingListener final : public IMultilanguage
{
public:
    RecordingListener(int number, std::vector<std::pair<int, int>>& calls)
        : m_nNumber(number), m_calls(calls)
    {
    }
    void Apply_Language(int language) override { m_calls.emplace_back(m_nNumber, language); }

private:
    int m_nNumber;
    std::vector<std::pair<int, int>>& m_calls;
};

// Registers another listener while it is being told.
class RegisteringListener final : public IMultilanguage
{
public:
    RegisteringListener(AsLanguage_Manager& manager, IMultilanguage& late)
        : m_manager(manager), m_late(late)
    {
    }
    void Apply_Language(int) override { m_manager.Add_Listener(&m_late); }

private:
    AsLanguage_Manager& m_manager;
    IMultilanguage& m_late;
};

} // namespace

TEST_F(LanguageRegistryTest, SelectLanguageTellsEveryListenerInOrderThenStoresADword)
{
    AsLanguage_Manager manager;
    std::vector<std::pair<int, int>> calls;
    std::vector<std::unique_ptr<RecordingListener>> listeners;
    // Seventeen: the list outgrows its first sixteen places.
    for (int i = 0; i < 17; ++i) {
        listeners.push_back(std::make_unique<RecordingListener>(i, calls));
        manager.Add_Listener(listeners.back().get());
    }
    RecordingListener late(99, calls);
    RegisteringListener registering(manager, late);
    manager.Add_Listener(&registering);

    manager.Select_Language(5);
    EXPECT_EQ(manager.Get_Selected_Language(), 5);
    EXPECT_EQ(manager.Get_Default_Language(), 5);
    std::vector<std::pair<int, int>> expected;
    for (int i = 0; i < 17; ++i)
        expected.emplace_back(i, 5);
    // The listener added during the round is not told until the next change.
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(manager.Get_Listener_Count(), 19);

    StoredValue value;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, L"Language", value));
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.bytes, Dword(5));

    calls.clear();
    manager.Select_Language(2);
    ASSERT_EQ(calls.size(), 18u);
    EXPECT_EQ(calls.back(), std::make_pair(99, 2));

    // The next run starts in the language chosen last.
    AsLanguage_Manager nextRun;
    EXPECT_EQ(nextRun.Get_Selected_Language(), 2);
    EXPECT_EQ(std::wstring(nextRun.Get_Language_Code()), L"fr");
}

TEST_F(LanguageRegistryTest, WriteLanguageValueReplacesAnyStoredValueWithADword)
{
    const std::wstring text = L"three";
    StoreLanguageValue(REG_SZ, std::string(reinterpret_cast<const char*>(text.c_str()),
                                           (text.size() + 1) * sizeof(wchar_t)));
    for (int language : {4, -1, 0}) {
        Write_Language_Value(language);
        StoredValue value;
        ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, L"Language", value));
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << language;
        EXPECT_EQ(value.bytes, Dword(language)) << language;
    }
    // 0, as stored at the end of an installation without a choice, is ignored.
    AsLanguage_Manager manager;
    EXPECT_EQ(manager.Get_Selected_Language(), 0);
    EXPECT_EQ(manager.Get_Default_Language(), 1);
}
