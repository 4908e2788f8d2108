#pragma once

#include "framework/WinInclude.h"

// Raised once by the Cancel path; the download worker looks at it after
// every read. Written only with interlocked exchanges.
extern volatile LONG g_lCancel;
