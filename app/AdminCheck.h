#pragma once

#include "framework/WinInclude.h"

// True when the access token of the current thread (or, when the thread does
// not impersonate, of the process) lists the built-in Administrators group.
// Only the group's SID counts; its attributes (deny-only, for example) are
// not looked at.
bool IsUserAdmin();

// The group test on a token that is already open.
bool TokenListsAdministrators(HANDLE token);
