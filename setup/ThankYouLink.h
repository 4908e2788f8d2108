#pragma once

#include <string>

// A text that the finishing step accepts as a web link: "http://" or
// "https://" or "ftp://" followed by something, or anything starting "www.".
// Exact, case-sensitive prefixes.
bool IsLink(const std::wstring& text);

// The thank-you link with the interface language: "?lang=" or "&lang=" and
// the two-letter code appended, unless the link already carries a language.
std::wstring WithLanguageParameter(const std::wstring& link, const std::wstring& code);
