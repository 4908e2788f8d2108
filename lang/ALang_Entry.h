#pragma once

// One row of an interface text table: a control id (1000 and above) or an
// ELang_Item number, its text, and an optional new place for the control
// (all four geometry fields 0 = the control keeps its place and size).
struct ALang_Entry
{
    int id;
    const wchar_t* text;
    int x;
    int y;
    int width;
    int height;
};

// The per-language extra item list; only its id is read (by the item
// coverage check of the language manager).
struct ALang_Extra
{
    int id;
    const wchar_t* text;
};

inline constexpr int kLangRowCount = 55;
