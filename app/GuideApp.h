#pragma once

#include "framework/WinApp.h"
#include "lang/AsLanguage_Manager.h"

// The application object of the download guide.
class CGuideApp : public CWinApp
{
public:
    bool InitInstance() override;

    // True when normal start-up is to go on; false when the command line
    // asked for build mode (whatever its outcome).
    bool HandleBuildCommand();

private:
    // Built with the application object, before any window: it reads the
    // stored interface language.
    AsLanguage_Manager m_languageManager;
};
