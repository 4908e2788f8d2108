#pragma once

// The country table of the registration page: three parallel arrays in
// table order (row 0 first).
inline constexpr int kCountryCount = 193;

extern const wchar_t* const g_countryNames[kCountryCount];
extern const wchar_t* const g_countryCodes[kCountryCount];
extern const int g_countryFlags[kCountryCount];
