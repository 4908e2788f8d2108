// The page machine: first page, page set-ups, WM_GOTO_PAGE, Enter, Escape.
#include "tests/wizard/WizardFixture.h"

#include <shlobj.h>

TEST_F(WizardTest, TheFirstRunOpensTheWelcomePageAndStoresTheStartValues)
{
    StartWizard();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(1));
    EXPECT_TRUE(m_wizard.Visible(1248)) << "the close button is on every page";
    EXPECT_TRUE(m_wizard.Enabled(1026));
    EXPECT_FALSE(m_wizard.Enabled(1027)) << "German is not offered";
    EXPECT_FALSE(m_wizard.Enabled(1028)) << "Spanish is not offered";
    EXPECT_TRUE(m_wizard.Enabled(1029));
    EXPECT_TRUE(m_wizard.Enabled(1030));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(m_wizard.Window(), GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);

    EXPECT_EQ(StoredDword(L"Tray"), 1u);
    EXPECT_EQ(StoredDword(L"update_auto_check"), 1u);
    EXPECT_EQ(StoredDword(L"Language"), 0u);

    wchar_t programFiles[MAX_PATH] = {};
    ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles), S_OK);
    const std::wstring expectedFolder = std::wstring(programFiles) + L"\\VELTO PC Utilities\\VELTO PC Cleaner";
    EXPECT_EQ(m_wizard.Text(1014), expectedFolder);
    StoredValue folder;
    ASSERT_TRUE(ReadStoredValue(HKEY_CURRENT_USER, kProductKeyPath, L"installfolder", folder));
    EXPECT_EQ(folder.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(folder.bytes.size(), 2 * expectedFolder.size()) << "stored without terminator";
    EXPECT_EQ(folder.text(), expectedFolder);
}

TEST_F(WizardTest, GotoPageShowsExactlyThePagesControls)
{
    StartWizard();
    for (int page : {2, 3, 5, 6, 8, 4}) {
        m_wizard.Post(WM_GOTO_PAGE, static_cast<WPARAM>(page));
        m_wizard.Settle();
        EXPECT_EQ(VisiblePageControls(), ExpectedVisible(page)) << "page " << page;
    }
    // Buttons sit at their page positions from the download page on.
    const RECT next = m_wizard.ClientRect(1000);
    const RECT cancel = m_wizard.ClientRect(1002);
    EXPECT_EQ(next.left, 660);
    EXPECT_EQ(next.top, 437);
    EXPECT_EQ(cancel.left, 565);
    EXPECT_EQ(cancel.top, 437);
    EXPECT_FALSE(m_wizard.Enabled(1000)) << "Next waits for the download";

    m_wizard.Post(WM_GOTO_PAGE, 9);
    m_wizard.Settle();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(1));
    EXPECT_TRUE(m_wizard.Enabled(1000)) << "the welcome page enables the hidden Next";

    for (WPARAM nothing : {0, 10, 7000}) {
        m_wizard.Post(WM_GOTO_PAGE, nothing);
        m_wizard.Settle();
        EXPECT_EQ(VisiblePageControls(), ExpectedVisible(1)) << "number " << nothing;
    }
}

TEST_F(WizardTest, TheRegistrationPageRenamesItsButtonsAndFocusesTheEmailField)
{
    StartWizard();
    GoToPageFromDownload(6);
    EXPECT_EQ(m_wizard.Text(1000), L"Finish");
    EXPECT_EQ(m_wizard.Text(1002), L"Skip");
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(m_wizard.Window(), nullptr), &gui));
    EXPECT_EQ(gui.hwndFocus, m_wizard.Control(1044));
}

TEST_F(WizardTest, EnterActsAsNextOnlyWhileNextIsThereAndEscapeDoesNothing)
{
    StartWizard();
    // Welcome page: Next is hidden, Enter does nothing.
    m_wizard.Send(WM_COMMAND, IDOK);
    m_wizard.Settle();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(1));

    GoToPageFromDownload(5);
    m_wizard.Send(WM_COMMAND, IDOK);
    m_wizard.Settle();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(6));

    // Download page: Next is disabled.
    m_wizard.Post(WM_GOTO_PAGE, 2);
    m_wizard.Settle();
    m_wizard.Send(WM_COMMAND, IDOK);
    m_wizard.Settle();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(2));

    for (int i = 0; i < 3; ++i)
        m_wizard.Send(WM_COMMAND, IDCANCEL);
    m_wizard.Settle();
    EXPECT_FALSE(m_wizard.WaitForExit(500)) << "Escape closed the wizard";
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(2));
}

TEST_F(WizardTest, CancelOnEachPageStoresThePageAndEndsTheWizard)
{
    for (int page : {2, 3, 4, 5, 8}) {
        ProductKeyCleaner::Clean();
        WizardDriver wizard;
        ASSERT_TRUE(wizard.Start());
        wizard.Post(WM_GOTO_PAGE, 2);
        wizard.Post(WM_GOTO_PAGE, static_cast<WPARAM>(page));
        wizard.Settle();
        ASSERT_TRUE(wizard.Click(1002)) << "page " << page;
        EXPECT_TRUE(wizard.WaitForExit(15000)) << "page " << page;
        EXPECT_EQ(StoredDword(L"MainDlgMode"), static_cast<DWORD>(page));
        EXPECT_EQ(StoredDword(L"Tray"), 1u);
    }
}

// The painted background: the header band and panel on every page but the
// welcome page, the separators on the licence and registration pages.
TEST_F(WizardTest, TheBackgroundIsPaintedPerPage)
{
    constexpr COLORREF kSeparator = RGB(249, 249, 249);
    StartWizard();
    const COLORREF welcomeGap = m_wizard.PixelAt(300, 197); // between two language buttons
    EXPECT_EQ(welcomeGap, RGB(255, 255, 255)) << "no header band on the welcome page";

    GoToPageFromDownload(2);
    EXPECT_NE(m_wizard.PixelAt(300, 197), welcomeGap) << "the header band from page 2 on";

    GoToPageFromDownload(3);
    EXPECT_EQ(m_wizard.PixelAt(660, 347), kSeparator);
    EXPECT_EQ(m_wizard.PixelAt(660, 348), kSeparator);
    EXPECT_NE(m_wizard.PixelAt(660, 346), kSeparator);
    EXPECT_NE(m_wizard.PixelAt(686, 348), kSeparator) << "the line ends before x 685";

    GoToPageFromDownload(6);
    EXPECT_EQ(m_wizard.PixelAt(100, 348), kSeparator);
    EXPECT_NE(m_wizard.PixelAt(100, 347), kSeparator);

    GoToPageFromDownload(5);
    EXPECT_NE(m_wizard.PixelAt(100, 348), kSeparator);

    // The background acts as the title bar the window does not have.
    POINT background{300, 120};
    ::ClientToScreen(m_wizard.Window(), &background);
    EXPECT_EQ(m_wizard.Send(WM_NCHITTEST, 0, MAKELPARAM(background.x, background.y)), HTCAPTION);
}
