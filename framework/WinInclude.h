#pragma once

// The one place that pulls in the Windows headers, with the settings every
// unit of the program shares.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
