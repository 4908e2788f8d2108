#include "setup/TemporaryPackage.h"

#include "framework/WinInclude.h"

std::wstring CreateTemporaryPackageFile()
{
    wchar_t folder[MAX_PATH] = {};
    wchar_t name[MAX_PATH] = {};
    if (!::GetTempPathW(MAX_PATH, folder) || !::GetTempFileNameW(folder, L"VELTO", 0, name))
        return {};
    return name;
}
