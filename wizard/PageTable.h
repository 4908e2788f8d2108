#pragma once

// What setting up each wizard page does, as data: an ordered list of steps
// per page number. The dialog carries the steps out (ShowPage); keeping the
// lists here, free of window code, lets them be read and checked on their own.

#include <span>
#include <vector>

namespace Wizard {

enum Page : int
{
    PAGE_WELCOME = 1,
    PAGE_DOWNLOAD = 2,
    PAGE_LICENCE = 3,
    PAGE_INSTALL = 4,
    PAGE_OPTIONS = 5,
    PAGE_REGISTRATION = 6,
    PAGE_FINISH = 7,
    PAGE_ALREADY_INSTALLED = 8,
    PAGE_WELCOME_AFTER_UPGRADE = 9,
};

enum class Step
{
    SetPageNumber,        // m_nPage := value
    EnableNext,
    DisableNext,
    Hide,                 // the listed controls
    Show,                 // the listed controls
    HideLanguageButtons,
    ShowLanguageButtons,
    MoveButtons,          // Cancel to (565, 437), Next to (660, 437)
    InvalidateErase,      // the whole window, painted later
    RedrawNow,            // the whole window, erased and painted at once
    MembersToControls,    // data exchange towards the controls
    AddDownloadBanners,
    ReplaceWithInstallBanners,
    StartDownload,
    StartInstallation,
    SaveInstallFolder,    // the text of the folder box
    ResetProgress,        // PBM_SETPOS 0
    UpdateDiskSpace,
    FinishCaptions,       // Next "Finish", Cancel "Skip"
    FocusEmail,
    SendRegistrationAndFinish,
};

struct PageStep
{
    Step step;
    std::vector<int> controls; // for Hide and Show
    int value = 0;             // for SetPageNumber
};

// The steps of a page, in order; empty for numbers that are no page.
std::span<const PageStep> StepsOfPage(int page);

inline constexpr int kLanguageButtons[] = {1026, 1027, 1028, 1029, 1030};

} // namespace Wizard
