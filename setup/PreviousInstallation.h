#pragma once

#include <string>

// True when the machine's list of installed programs holds an entry whose
// DisplayName is exactly "VELTO PC Cleaner" and which has an UninstallString.
bool FindInstalledProduct();

// installfolder under the product key (stored without terminator).
bool SaveInstallFolder(const std::wstring& folder);
// Language under the product key (REG_DWORD).
bool SaveLanguageValue(int language);
