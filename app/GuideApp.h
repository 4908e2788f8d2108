#pragma once

#include "framework/WinApp.h"

// The application object of the download guide.
class CGuideApp : public CWinApp
{
public:
    bool InitInstance() override;

    // True when normal start-up is to go on; false when the command line
    // asked for build mode (whatever its outcome).
    bool HandleBuildCommand();
};
