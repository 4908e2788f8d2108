#pragma once

#include "framework/WinInclude.h"

// Messages between the download and installation workers and the wizard.
// Progress goes to the progress bar as the standard, sent PBM_SETRANGE32 and
// PBM_SETPOS messages; everything else the workers ask of the wizard is
// carried out on the wizard's thread, in the order asked.

// Shows a page (wParam: its number); posted by the download worker with 3.
inline constexpr UINT WM_GOTO_PAGE = WM_USER + 1;
