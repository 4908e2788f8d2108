#pragma once

#include "lang/ALang_Entry.h"

// One registered language: its id, display name and constant tables.
struct ALang_Resource
{
    ALang_Resource(int language, const wchar_t* name, const ALang_Entry* table,
                   const ALang_Extra* extra)
        : m_nLanguage(language), m_pszName(name), m_pTable(table), m_pExtra(extra)
    {
    }

    int m_nLanguage;
    const wchar_t* m_pszName;
    const ALang_Entry* m_pTable; // kLangRowCount rows
    const ALang_Extra* m_pExtra; // one record
};
