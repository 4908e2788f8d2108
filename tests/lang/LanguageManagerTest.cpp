#include "lang/AException.h"
#include "lang/AsLanguage_Manager.h"
#include "lang/ELang_Item.h"
#include "lang/TextTables.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr const wchar_t* kSetTextLocation = L"AsLanguage_Manager::Set_Text";

using Table = std::array<ALang_Entry, kLangRowCount>;

Table CopyOf(const ALang_Entry* source)
{
    Table table{};
    std::copy_n(source, kLangRowCount, table.begin());
    return table;
}

ALang_Entry& RowWithId(Table& table, int id)
{
    const auto row =
        std::find_if(table.begin(), table.end(), [id](const ALang_Entry& e) { return e.id == id; });
    if (row == table.end())
        throw std::runtime_error("no row with id " + std::to_string(id));
    return *row;
}

template <typename Action>
void ExpectAException(Action&& action, int code, const std::wstring& location)
{
    try {
        action();
        ADD_FAILURE() << "no AException, expected code " << code;
    } catch (const AException& e) {
        EXPECT_EQ(e.Get_Code(), code);
        ASSERT_NE(e.Get_Location(), nullptr);
        EXPECT_EQ(std::wstring(e.Get_Location()), location);
    }
}

// Every manager reads, and may create, the product key: each test gets its
// own HKEY_CURRENT_USER.
class LanguageManagerTest : public testing::Test
{
protected:
    HkcuRedirect m_registry;
};

} // namespace

TEST_F(LanguageManagerTest, TheShippedTablesPassTheChecksAndAreRegisteredEnglishFirst)
{
    AsLanguage_Manager manager;
    struct Expected
    {
        int language;
        std::wstring name;
        const ALang_Entry* table;
        const ALang_Extra* extra;
    };
    const Expected expected[] = {
        {1, L"English", g_tableEnglish, g_extraEnglish},
        {3, L"Deutsch", g_tableGerman, g_extraGerman},
        {4, L"Español", g_tableSpanish, g_extraSpanish},
        {2, L"Français", g_tableFrench, g_extraFrench},
        {5, L"Italiano", g_tableItalian, g_extraItalian},
    };
    ASSERT_EQ(manager.Get_Resource_Count(), 5);
    for (int i = 0; i < 5; ++i) {
        const ALang_Resource* resource = manager.Get_Resource(i);
        SCOPED_TRACE(testing::Message() << "resource " << i);
        EXPECT_EQ(resource->m_nLanguage, expected[i].language);
        EXPECT_EQ(std::wstring(resource->m_pszName), expected[i].name);
        EXPECT_EQ(resource->m_pTable, expected[i].table);
        EXPECT_EQ(resource->m_pExtra, expected[i].extra);
    }
    EXPECT_THROW(manager.Get_Resource(5), AList<ALang_Resource*>::AList_Exception);
    EXPECT_EQ(manager.Get_Default_Language(), 1);
    EXPECT_EQ(manager.Get_Selected_Language(), 0);
}

TEST_F(LanguageManagerTest, RowIdsThatDifferBetweenTablesThrow30WithoutLocation)
{
    struct Case
    {
        const char* what;
        int table; // which of three copies of the English table is changed
        int row;
        int newId;
    };
    const Case cases[] = {
        {"second table, row 0", 1, 0, 1000},
        {"third table, last row", 2, kLangRowCount - 1, 999},
        {"first table, a middle row", 0, 20, 4000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::array<Table, 3> tables = {CopyOf(g_tableEnglish), CopyOf(g_tableEnglish),
                                       CopyOf(g_tableEnglish)};
        tables[c.table][c.row].id = c.newId;
        ExpectAException(
            [&] {
                AsLanguage_Manager manager({{L"A", tables[0].data(), g_extraEnglish, 1},
                                            {L"B", tables[1].data(), g_extraEnglish, 2},
                                            {L"C", tables[2].data(), g_extraEnglish, 3}});
            },
            30, L"");
    }

    // Swapped rows: the same ids, in another order.
    Table swapped = CopyOf(g_tableFrench);
    std::swap(swapped[5], swapped[6]);
    ExpectAException(
        [&] {
            AsLanguage_Manager manager({{L"English", g_tableEnglish, g_extraEnglish, 1},
                                        {L"Français", swapped.data(), g_extraFrench, 2}});
        },
        30, L"");

    // A single table is compared with no other.
    EXPECT_NO_THROW(AsLanguage_Manager({{L"Français", swapped.data(), g_extraFrench, 2}}));
}

TEST_F(LanguageManagerTest, AnItemWithoutRowThrows30UnlessItIsTheExtraRecord)
{
    struct Case
    {
        int missingItem;
        int extraId;
        bool throws;
    };
    const Case cases[] = {
        {ITEM_UNIT_MB, 0, true},
        {ITEM_SKIP_CAPTION, 0, true},
        {ITEM_DOWNLOAD_BANNER3_TEXT2, ITEM_DOWNLOAD_BANNER3_TEXT1, true},
        {ITEM_DOWNLOAD_BANNER3_TEXT2, ITEM_DOWNLOAD_BANNER3_TEXT2, false},
        {ITEM_FINISH_CAPTION, ITEM_FINISH_CAPTION, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "item " << c.missingItem << ", extra " << c.extraId);
        // Both tables lose the item in the same row, so the row order holds.
        Table first = CopyOf(g_tableEnglish);
        Table second = CopyOf(g_tableGerman);
        RowWithId(first, c.missingItem).id = 2000;
        RowWithId(second, c.missingItem).id = 2000;
        const ALang_Extra firstExtra[1] = {{c.extraId, L""}};
        const auto build = [&] {
            AsLanguage_Manager manager({{L"English", first.data(), firstExtra, 1},
                                        {L"Deutsch", second.data(), g_extraGerman, 3}});
        };
        if (c.throws)
            ExpectAException(build, 30, L"Extra constant in ELang_Item enum");
        else
            EXPECT_NO_THROW(build());
    }
}

TEST_F(LanguageManagerTest, ALanguageRegisteredTwiceThrows29)
{
    const std::wstring location = L"AsLanguage_Manager::Add_String_Table";
    ExpectAException(
        [] {
            AsLanguage_Manager manager({{L"English", g_tableEnglish, g_extraEnglish, 1},
                                        {L"Deutsch", g_tableGerman, g_extraGerman, 3},
                                        {L"Again", g_tableFrench, g_extraFrench, 1}});
        },
        29, location);

    AsLanguage_Manager manager;
    ExpectAException([&] { manager.Add_String_Table(L"X", g_tableGerman, g_extraGerman, 2); }, 29,
                     location);
    EXPECT_EQ(manager.Get_Resource_Count(), 5);

    manager.Add_String_Table(L"Sixth", g_tableItalian, g_extraItalian, 6);
    const ALang_Resource* resource = nullptr;
    ASSERT_TRUE(manager.Find_Resource(6, resource));
    EXPECT_EQ(std::wstring(resource->m_pszName), L"Sixth");
}

TEST_F(LanguageManagerTest, FindResourceTakesZeroForTheDefaultLanguage)
{
    AsLanguage_Manager manager;
    struct Case
    {
        int language;
        const ALang_Entry* table; // null: not found
    };
    const Case cases[] = {{0, g_tableEnglish}, {1, g_tableEnglish}, {2, g_tableFrench},
                          {3, g_tableGerman},  {4, g_tableSpanish}, {5, g_tableItalian},
                          {6, nullptr},        {-1, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.language);
        const ALang_Resource* resource = nullptr;
        EXPECT_EQ(manager.Find_Resource(c.language, resource), c.table != nullptr);
        EXPECT_EQ(resource ? resource->m_pTable : nullptr, c.table);
    }

    manager.Select_Language(4);
    const ALang_Resource* resource = nullptr;
    ASSERT_TRUE(manager.Find_Resource(0, resource));
    EXPECT_EQ(resource->m_pTable, g_tableSpanish);
}

TEST_F(LanguageManagerTest, GetTextReadsTheSelectedLanguageOrTheDefault)
{
    AsLanguage_Manager manager;
    struct Case
    {
        int select; // 0: nothing selected yet
        int item;
        std::wstring text;
    };
    const Case cases[] = {
        {0, 0, L""},
        {0, ITEM_UNIT_MB, L"MB"},
        {0, ITEM_FINISH_CAPTION, L"Finish"},
        {0, ITEM_HOW_TO_DOWNLOAD, L"How To Download"},
        {0, ITEM_RESERVED_7, L""},
        {0, ITEM_SPARE_BANNER_HEADING, L"MANAGE APPLICATIONS"},
        {0, 1000, L"Next"},
        {2, ITEM_UNIT_GB, L"Go"},
        {2, ITEM_SKIP_CAPTION, L"Ignorer"},
        {3, ITEM_EXIT_QUESTION_TEXT, L"Möchten Sie die Anwendung beenden?"},
        {3, 1257, L"Add Desktop Shortcut"},
        {4, ITEM_EXIT_QUESTION_CAPTION, L"Close Window"},
        {4, ITEM_DOWNLOAD_BANNER3_HEADING, L"3.INICIAR ANÁLISIS"},
        {5, ITEM_INSTALL_BANNER2_HEADING, L"GESTIONE APPLICAZIONI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.select << ", item " << c.item);
        if (c.select != 0)
            manager.Select_Language(c.select);
        EXPECT_EQ(std::wstring(manager.Get_Text(c.item)), c.text);
    }

    // The text is the table's own, valid for the life of the program.
    manager.Select_Language(1);
    EXPECT_EQ(manager.Get_Text(0), g_tableEnglish[0].text);
    EXPECT_EQ(manager.Get_Text(ITEM_SKIP_CAPTION), g_tableEnglish[20].text);

    ExpectAException([&] { manager.Get_Text(29); }, 27, kSetTextLocation);
    ExpectAException([&] { manager.Get_Text(1008 + 1); }, 27, kSetTextLocation);
    manager.Select_Language(7);
    ExpectAException([&] { manager.Get_Text(ITEM_UNIT_MB); }, 26, kSetTextLocation);
}

TEST_F(LanguageManagerTest, TheLanguageCodeFollowsTheSelectedLanguage)
{
    AsLanguage_Manager manager;
    EXPECT_EQ(std::wstring(manager.Get_Language_Code()), L"en");
    const std::pair<int, std::wstring> cases[] = {{2, L"fr"}, {3, L"de"}, {4, L"es"}, {5, L"it"},
                                                  {1, L"en"}, {0, L"en"}, {6, L"en"},
                                                  {-1, L"en"}};
    for (const auto& [language, code] : cases) {
        manager.Select_Language(language);
        EXPECT_EQ(std::wstring(manager.Get_Language_Code()), code) << "language " << language;
    }
}

namespace {

struct WindowDeleter
{
    void operator()(HWND window) const { ::DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// A captioned top-level window (its client area does not start at its
// corner) with static children at known places.
class SetTextTest : public LanguageManagerTest
{
protected:
    void SetUp() override
    {
        m_dialog.reset(::CreateWindowExW(0, L"STATIC", L"dialog", WS_OVERLAPPEDWINDOW, 100, 100,
                                         640, 480, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(m_dialog);
        for (int id : {1000, 1001, 1031})
            ASSERT_TRUE(::CreateWindowExW(0, L"STATIC", L"before", WS_CHILD | WS_VISIBLE, 40,
                                          50 + (id - 1000), 100, 20, m_dialog.get(),
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          nullptr, nullptr));
    }

    HWND Control(int id) const { return ::GetDlgItem(m_dialog.get(), id); }

    std::wstring TextOf(int id) const
    {
        wchar_t text[256] = {};
        ::GetWindowTextW(Control(id), text, 256);
        return text;
    }

    RECT PlaceOf(int id) const
    {
        RECT rect{};
        ::GetWindowRect(Control(id), &rect);
        ::MapWindowPoints(HWND_DESKTOP, m_dialog.get(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    UniqueWindow m_dialog;
};

void ExpectPlace(const RECT& rect, int x, int y, int width, int height)
{
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

} // namespace

TEST_F(SetTextTest, WritesTheLanguagesTextAndKeepsThePlaceOfAZeroGeometryRow)
{
    AsLanguage_Manager manager;
    const struct
    {
        int language;
        int id;
        std::wstring text;
    } cases[] = {
        {0, 1000, L"Next"},
        {3, 1000, L"Weiter"},
        {2, 1001, L"Précédent"},
        {4, 1001, L"Atrás"},
        {5, 1031, L"Download in corso…..Attendere prego!"},
        {1, 1031, L"Downloading VELTO PC Cleaner … Please wait!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.language << ", id " << c.id);
        const RECT before = PlaceOf(c.id);
        manager.Set_Text(m_dialog.get(), c.language, c.id);
        EXPECT_EQ(TextOf(c.id), c.text);
        ExpectPlace(PlaceOf(c.id), before.left, before.top, 100, 20);
    }
}

TEST_F(SetTextTest, ARowWithGeometryMovesTheControlInClientCoordinates)
{
    Table table = CopyOf(g_tableEnglish);
    RowWithId(table, 1031) = {1031, L"moved", 12, 34, 156, 28};
    AsLanguage_Manager manager({{L"English", table.data(), g_extraEnglish, 1}});

    manager.Set_Text(m_dialog.get(), 1, 1031);
    EXPECT_EQ(TextOf(1031), L"moved");
    ExpectPlace(PlaceOf(1031), 12, 34, 156, 28);
    // Its neighbour, written from a zero row, stays.
    manager.Set_Text(m_dialog.get(), 1, 1000);
    ExpectPlace(PlaceOf(1000), 40, 50, 100, 20);
}

TEST_F(SetTextTest, AnUnknownLanguageIdOrControlThrows)
{
    AsLanguage_Manager manager;
    const struct
    {
        int language;
        int id;
        int code;
    } cases[] = {
        {6, 1000, 26}, // language not registered
        {-1, 1000, 26},
        {1, 4242, 27}, // id not in the table
        {3, 29, 27},
        {1, 1002, 28}, // in the table, but the window has no such control
        {0, ITEM_UNIT_MB, 28},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.language << ", id " << c.id);
        ExpectAException([&] { manager.Set_Text(m_dialog.get(), c.language, c.id); }, c.code,
                         kSetTextLocation);
    }
    EXPECT_EQ(TextOf(1000), L"before");
}
