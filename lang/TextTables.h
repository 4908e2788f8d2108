#pragma once

#include "lang/ALang_Entry.h"

// The five shipped text tables: the same 55 ids in the same row order.
extern const ALang_Entry g_tableEnglish[kLangRowCount];
extern const ALang_Entry g_tableGerman[kLangRowCount];
extern const ALang_Entry g_tableSpanish[kLangRowCount];
extern const ALang_Entry g_tableFrench[kLangRowCount];
extern const ALang_Entry g_tableItalian[kLangRowCount];

extern const ALang_Extra g_extraEnglish[1];
extern const ALang_Extra g_extraGerman[1];
extern const ALang_Extra g_extraSpanish[1];
extern const ALang_Extra g_extraFrench[1];
extern const ALang_Extra g_extraItalian[1];
