#pragma once

#include "setup/PackageKind.h"

#include <string>

// The command lines of the installation, exactly as the installers get
// them. The package path is inserted unquoted, the folder between quotes.
namespace InstallCommands {

inline constexpr const wchar_t* kProductLineA = L"{2E7A9B14-5D3C-4F81-9A26-7C0B1E4D8F52}";
inline constexpr const wchar_t* kProductLineB = L"{8B3F0C6D-1A2E-4D57-B894-3E6F2A9C1D07}";

std::wstring UninstallAQuiet();
std::wstring UninstallANoRestart();
std::wstring UninstallBNoRestart();
std::wstring Install(PackageKind kind, const std::wstring& packagePath, const std::wstring& folder);

// The program a command line starts, by full path: msiexec from the system
// folder, the package itself for the other kinds. Starting by full path
// keeps a same-named program next to the guide (in a downloads folder, say)
// from being run instead.
std::wstring ProgramOf(const std::wstring& commandLine, const std::wstring& packagePath,
                       const std::wstring& systemFolder);

// An installer's exit code that means success: 0 for any installer, and
// 1641 and 3010 (success, restart needed) for msiexec and package carriers.
bool IsSuccessExitCode(PackageKind kind, unsigned long code);

} // namespace InstallCommands
