#include "lang/AsLanguage_Manager.h"

#include "app/ProductKey.h"
#include "framework/RegKey.h"
#include "lang/AException.h"
#include "lang/ELang_Item.h"
#include "lang/TextTables.h"

#include <memory>

namespace {

constexpr const wchar_t* kLanguageValue = L"Language";
constexpr const wchar_t* kSetTextLocation = L"AsLanguage_Manager::Set_Text";
constexpr const wchar_t* kAddStringTableLocation = L"AsLanguage_Manager::Add_String_Table";
constexpr const wchar_t* kItemCoverageLocation = L"Extra constant in ELang_Item enum";

constexpr int kLanguageNotRegistered = 26;
constexpr int kIdNotInTable = 27;
constexpr int kNoSuchControl = 28;
constexpr int kLanguageRegisteredTwice = 29;
constexpr int kInconsistentTables = 30;

} // namespace

AsLanguage_Manager::AsLanguage_Manager() : m_nDefaultLanguage(1), m_nSelectedLanguage(0)
{
    // A throwing constructor runs no destructor: the resources made so far
    // are freed here.
    try {
        Add_String_Table(L"English", g_tableEnglish, g_extraEnglish, 1);
        Add_String_Table(L"Deutsch", g_tableGerman, g_extraGerman, 3);
        Add_String_Table(L"Español", g_tableSpanish, g_extraSpanish, 4);
        Add_String_Table(L"Français", g_tableFrench, g_extraFrench, 2);
        Add_String_Table(L"Italiano", g_tableItalian, g_extraItalian, 5);
        Check_Tables();
    } catch (...) {
        Delete_Resources();
        throw;
    }
    Read_Language_Value();
}

AsLanguage_Manager::AsLanguage_Manager(std::initializer_list<ALang_String_Table> tables)
    : m_nDefaultLanguage(1), m_nSelectedLanguage(0)
{
    try {
        for (const ALang_String_Table& table : tables)
            Add_String_Table(table.name, table.table, table.extra, table.language);
        Check_Tables();
    } catch (...) {
        Delete_Resources();
        throw;
    }
    Read_Language_Value();
}

AsLanguage_Manager::~AsLanguage_Manager()
{
    Delete_Resources();
}

void AsLanguage_Manager::Delete_Resources()
{
    for (int i = 0; i < m_lstResources.Get_Count(); ++i)
        delete m_lstResources.Get(i);
    m_lstResources.Clear();
}

void AsLanguage_Manager::Add_String_Table(const wchar_t* name, const ALang_Entry* table,
                                          const ALang_Extra* extra, int language)
{
    // Compared as given: language 0 here is an id, not the default.
    for (int i = 0; i < m_lstResources.Get_Count(); ++i)
        if (m_lstResources.Get(i)->m_nLanguage == language)
            throw AException(kLanguageRegisteredTwice, kAddStringTableLocation);
    auto resource = std::make_unique<ALang_Resource>(language, name, table, extra);
    m_lstResources.Add(resource.get());
    resource.release();
}

void AsLanguage_Manager::Check_Tables() const
{
    const int count = m_lstResources.Get_Count();
    if (count > 1) {
        const ALang_Entry* first = m_lstResources.Get(0)->m_pTable;
        for (int row = 0; row < kLangRowCount; ++row)
            for (int i = 1; i < count; ++i)
                if (m_lstResources.Get(i)->m_pTable[row].id != first[row].id)
                    throw AException(kInconsistentTables, L"");
    }

    // Every ELang_Item must have a row in the first table (or be its extra
    // record), or some Get_Text call would fail later.
    for (int item = ITEM_FIRST; item <= ITEM_LAST; ++item) {
        bool found = false;
        if (count > 0) {
            const ALang_Resource* first = m_lstResources.Get(0);
            for (int row = 0; row < kLangRowCount && !found; ++row)
                found = first->m_pTable[row].id == item;
            found = found || first->m_pExtra[0].id == item;
        }
        if (!found)
            throw AException(kInconsistentTables, kItemCoverageLocation);
    }
}

void AsLanguage_Manager::Read_Language_Value()
{
    RegKey key;
    if (!key.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_ALL_ACCESS))
        return;
    // Four bytes whatever the type; a longer value fails the read.
    int language = 0;
    DWORD size = sizeof language;
    if (::RegQueryValueExW(key.Get(), kLanguageValue, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(&language), &size)
        != ERROR_SUCCESS)
        return;
    if (language > 0 && language < 6) {
        m_nDefaultLanguage = language;
        m_nSelectedLanguage = language;
    }
}

bool AsLanguage_Manager::Find_Resource(int language, const ALang_Resource*& resource) const
{
    if (language == 0)
        language = m_nDefaultLanguage;
    for (int i = 0; i < m_lstResources.Get_Count(); ++i) {
        const ALang_Resource* candidate = m_lstResources.Get(i);
        if (candidate->m_nLanguage == language) {
            resource = candidate;
            return true;
        }
    }
    return false;
}

const ALang_Entry& AsLanguage_Manager::Find_Row(const ALang_Resource& resource, int id) const
{
    for (int row = 0; row < kLangRowCount; ++row)
        if (resource.m_pTable[row].id == id)
            return resource.m_pTable[row];
    throw AException(kIdNotInTable, kSetTextLocation);
}

void AsLanguage_Manager::Set_Text(HWND dialog, int language, int controlId) const
{
    const ALang_Resource* resource = nullptr;
    if (!Find_Resource(language, resource))
        throw AException(kLanguageNotRegistered, kSetTextLocation);
    const ALang_Entry& row = Find_Row(*resource, controlId);
    const HWND control = ::GetDlgItem(dialog, controlId);
    if (!control)
        throw AException(kNoSuchControl, kSetTextLocation);

    ::SetWindowTextW(control, row.text);
    if (row.x == 0 && row.y == 0 && row.width == 0 && row.height == 0)
        return;
    ::MoveWindow(control, row.x, row.y, row.width, row.height, TRUE);
}

const wchar_t* AsLanguage_Manager::Get_Text(int item) const
{
    const ALang_Resource* resource = nullptr;
    if (!Find_Resource(m_nSelectedLanguage, resource))
        throw AException(kLanguageNotRegistered, kSetTextLocation);
    return Find_Row(*resource, item).text;
}

const wchar_t* AsLanguage_Manager::Get_Language_Code() const
{
    switch (m_nSelectedLanguage) {
    case 2:
        return L"fr";
    case 3:
        return L"de";
    case 4:
        return L"es";
    case 5:
        return L"it";
    default:
        return L"en";
    }
}

void AsLanguage_Manager::Select_Language(int language)
{
    m_nSelectedLanguage = language;
    m_nDefaultLanguage = language;
    // Read once: a listener added during the calls hears the next change.
    const int count = m_lstListeners.Get_Count();
    for (int i = 0; i < count; ++i)
        m_lstListeners.Get(i)->Apply_Language(language);
    Write_Language_Value(language);
}

void AsLanguage_Manager::Add_Listener(IMultilanguage* listener)
{
    m_lstListeners.Add(listener);
}

void Write_Language_Value(int language)
{
    RegKey key;
    if (key.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_ALL_ACCESS))
        key.SetDword(kLanguageValue, static_cast<uint32_t>(language));
}
