#pragma once

#include "framework/WinInclude.h"

#include <string>

// What the installation worker works with; it reaches the wizard only
// through these windows and the worker protocol.
struct InstallJob
{
    HWND wizard = nullptr;
    HWND progress = nullptr;
    HWND folderBox = nullptr; // the destination folder, read when the install starts
    std::wstring packagePath;
    std::wstring appName;
};

// Removes the earlier product lines, installs the package silently with
// time-based progress, removes the all-users desktop shortcut the package
// makes, and then has the options page shown, or tells the user why the
// installer failed and leaves the wizard on its page.
void InstallThreadProc(const InstallJob& job);
