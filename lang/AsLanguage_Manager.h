#pragma once

#include "framework/WinInclude.h"
#include "lang/ALang_Entry.h"
#include "lang/ALang_Resource.h"
#include "lang/AList.h"
#include "lang/IMultilanguage.h"

#include <initializer_list>

// A table to register, in the argument order of Add_String_Table.
struct ALang_String_Table
{
    const wchar_t* name;
    const ALang_Entry* table; // kLangRowCount rows
    const ALang_Extra* extra; // one record
    int language;
};

// Holds the text tables, knows the language in force, remembers the user's
// choice under the product key and tells the listeners when it changes.
// Language ids: 1 English, 2 French, 3 German, 4 Spanish, 5 Italian;
// 0 stands for the default language. Inconsistent tables or ids throw
// AException (or the list's AList_Exception).
class AsLanguage_Manager
{
public:
    // Registers the five shipped tables, checks them and reads the stored
    // language.
    AsLanguage_Manager();
    // The same construction over other tables, registered in the given order.
    explicit AsLanguage_Manager(std::initializer_list<ALang_String_Table> tables);
    ~AsLanguage_Manager();
    AsLanguage_Manager(const AsLanguage_Manager&) = delete;
    AsLanguage_Manager& operator=(const AsLanguage_Manager&) = delete;

    // Throws code 29 when the language is already registered.
    void Add_String_Table(const wchar_t* name, const ALang_Entry* table, const ALang_Extra* extra,
                          int language);
    bool Find_Resource(int language, const ALang_Resource*& resource) const;

    // Writes the language's text for the control into the dialog's control,
    // and moves the control when the row gives it a place.
    void Set_Text(HWND dialog, int language, int controlId) const;
    // The selected language's text of an ELang_Item or control id; it lives
    // as long as the table.
    const wchar_t* Get_Text(int item) const;
    // "en", "fr", "de", "es" or "it" for the selected language.
    const wchar_t* Get_Language_Code() const;

    void Select_Language(int language);
    // Not owned; must outlive every language change.
    void Add_Listener(IMultilanguage* listener);

    int Get_Default_Language() const { return m_nDefaultLanguage; }
    int Get_Selected_Language() const { return m_nSelectedLanguage; }
    int Get_Resource_Count() const { return m_lstResources.Get_Count(); }
    const ALang_Resource* Get_Resource(int index) const { return m_lstResources.Get(index); }
    int Get_Listener_Count() const { return m_lstListeners.Get_Count(); }

private:
    void Check_Tables() const;
    void Read_Language_Value();
    void Delete_Resources();
    const ALang_Entry& Find_Row(const ALang_Resource& resource, int id) const;

    AList<ALang_Resource*> m_lstResources; // owns its elements
    AList<IMultilanguage*> m_lstListeners;
    int m_nDefaultLanguage;
    int m_nSelectedLanguage;
};

// Stores the language as the REG_DWORD "Language" under the product key.
// Failures are ignored.
void Write_Language_Value(int language);
