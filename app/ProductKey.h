#pragma once

// Registry locations of the guide (all under HKEY_CURRENT_USER unless named).
inline constexpr const wchar_t* kProductKeyPath = L"Software\\VELTO PC Utilities\\VELTO PC Cleaner";
inline constexpr const wchar_t* kLinksKeyPath = L"Software\\VELTO PC Utilities\\VELTO PC Cleaner\\Links";
