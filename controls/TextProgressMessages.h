#pragma once

#include "framework/WinInclude.h"

// Private messages of the text progress bar (CTextProgressCtrl), beside the
// standard progress messages that it answers itself.
enum : UINT
{
    TPCM_GETBARCOLOR = WM_USER + 100,     // -> bar colour (system highlight while default)
    TPCM_GETBKCOLOR = WM_USER + 101,      // -> background colour (system button face while default)
    TPCM_SETTEXTCOLOR = WM_USER + 102,    // lParam colour -> previous
    TPCM_GETTEXTCOLOR = WM_USER + 103,    // -> text colour (system window text while default)
    TPCM_SETTEXTBARCOLOR = WM_USER + 104, // lParam colour -> previous
    TPCM_GETTEXTBARCOLOR = WM_USER + 105, // -> colour of text over the bar (system window while default)
    TPCM_SHOWPERCENT = WM_USER + 106,     // wParam flag -> previous
    TPCM_SETTEXTALIGN = WM_USER + 107,    // wParam 0 left, 2 right, else centred -> previous
    TPCM_SETMARQUEESIZE = WM_USER + 108,  // wParam block length in percent
};
