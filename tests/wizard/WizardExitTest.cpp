// Ways out: the system close command and the close button.
#include "tests/wizard/WizardFixture.h"

TEST_F(WizardTest, TheSystemCloseQuestionIsAskedInTheInterfaceLanguage)
{
    SetLanguage(5);
    StartWizard();
    GoToPageFromDownload(3);

    m_wizard.Post(WM_SYSCOMMAND, SC_CLOSE);
    MessageBoxWindow question = WaitForMessageBox(m_wizard.ProcessId());
    ASSERT_TRUE(question);
    EXPECT_EQ(question.caption, L"Chiudi la finestra");
    EXPECT_EQ(question.text, L"Vuoi terminare il programma?");
    EXPECT_TRUE(::GetDlgItem(question.window, IDYES) && ::GetDlgItem(question.window, IDNO));
    question.Answer(IDNO);
    EXPECT_FALSE(m_wizard.WaitForExit(1500)) << "No ended the wizard";
    EXPECT_FALSE(StoredDword(L"MainDlgMode"));

    m_wizard.Post(WM_SYSCOMMAND, SC_CLOSE);
    question = WaitForMessageBox(m_wizard.ProcessId());
    ASSERT_TRUE(question);
    question.Answer(IDYES);
    EXPECT_TRUE(m_wizard.WaitForExit());
    EXPECT_EQ(StoredDword(L"MainDlgMode"), 3u) << "Yes runs the Cancel path";
}

TEST_F(WizardTest, OtherSystemCommandsAskNothing)
{
    StartWizard();
    m_wizard.Post(WM_SYSCOMMAND, SC_CLOSE | 0x2); // the low bits are not masked
    EXPECT_FALSE(WaitForMessageBox(m_wizard.ProcessId(), 1500));
    EXPECT_FALSE(m_wizard.WaitForExit(500));
}

TEST_F(WizardTest, TheCloseButtonAsksInEnglishAndEndsWithoutTheCancelPath)
{
    SetLanguage(2);
    StartWizard();
    m_wizard.PostClick(1248);
    MessageBoxWindow question = WaitForMessageBox(m_wizard.ProcessId());
    ASSERT_TRUE(question);
    EXPECT_EQ(question.caption, L"VeltoPCCleanerSetup");
    EXPECT_EQ(question.text, L"Do you want to exit?");
    question.Answer(IDNO);
    EXPECT_FALSE(m_wizard.WaitForExit(1500));

    m_wizard.PostClick(1248);
    question = WaitForMessageBox(m_wizard.ProcessId());
    ASSERT_TRUE(question);
    question.Answer(IDYES);
    EXPECT_TRUE(m_wizard.WaitForExit());
    EXPECT_FALSE(StoredDword(L"MainDlgMode")) << "the close button stores no page";
}
