#pragma once

#include <string>

// The system's text for an error code: the HTTP client's own texts for its
// codes (12000 to 12999), the system's for the rest. Empty when there is none.
std::wstring SystemErrorText(unsigned long code);
