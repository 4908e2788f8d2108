#pragma once

#include "framework/WinInclude.h"

// Messages between the download and installation workers and the wizard.
// Progress goes to the progress bar as the standard PBM_SETRANGE32 and
// PBM_SETPOS messages, sent; everything else a worker asks of the wizard is
// a WM_WORKER_REQUEST, also sent, so it is carried out on the wizard's
// thread, in the order asked, and holds the worker up no longer than a sent
// message does.

// Shows a page (wParam: its number). Posted by the download worker with 3.
inline constexpr UINT WM_GOTO_PAGE = WM_USER + 1;

// wParam: one of WorkerRequest.
inline constexpr UINT WM_WORKER_REQUEST = WM_APP + 1;

enum class WorkerRequest : WPARAM
{
    DisableNext = 1,
    ShowNextBanner,
    ShowProgressBar,
    ShowOptionsPage,
};

inline void SendWorkerRequest(HWND wizard, WorkerRequest request)
{
    ::SendMessageW(wizard, WM_WORKER_REQUEST, static_cast<WPARAM>(request), 0);
}
