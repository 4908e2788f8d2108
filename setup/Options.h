#pragma once

#include "framework/WinInclude.h"

#include <string>

// What the options page's check boxes do. Each runs at once on a click and
// again (shortcut and monitoring) when the wizard finishes. folder is the
// destination folder the product was installed to.

// The all-users desktop shortcut "VELTO PC Cleaner.lnk": made when checked,
// removed when not.
void ApplyDesktopShortcutOption(bool checked, const std::wstring& folder, HWND owner);
// Tray and update_auto_check under the product key (only when it exists).
void ApplyTrayOption(bool checked);
void ApplyUpdateCheckOption(bool checked);
// The RunOnce command that starts the product in its monitoring mode at the
// next log-on (written or removed), and Baloon under the product key.
void ApplyMonitoringOption(bool checked, const std::wstring& folder);

// A shell link at linkPath to target (made absolute). The status of the last
// shell call, or E_FAIL when the target cannot be made absolute.
HRESULT CreateShortcut(const std::wstring& linkPath, const std::wstring& target);

inline constexpr const wchar_t* kProductProgram = L"\\VELTO PC Cleaner.exe";
inline constexpr const wchar_t* kRunOnceKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const wchar_t* kRunOnceValue = L"VELTO PC Cleaner Windows service";
