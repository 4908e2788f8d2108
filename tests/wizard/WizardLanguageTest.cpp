// The interface language: stored choice, language buttons, all 24 controls.
#include "lang/TextTables.h"
#include "setup/WorkerProtocol.h"
#include "tests/support/TestPaths.h"
#include "tests/wizard/WizardFixture.h"

namespace {

const int kTranslatedControls[] = {1035, 1036, 1037, 1020, 1018, 1017, 1002, 1000,
                                   1001, 1015, 1243, 1242, 1031, 1038, 1006, 1007,
                                   1244, 1041, 1045, 1245, 1257, 1258, 1259, 1260};

std::wstring TableText(const ALang_Entry* table, int id)
{
    for (int row = 0; row < kLangRowCount; ++row)
        if (table[row].id == id)
            return table[row].text;
    return L"<missing>";
}

class WizardLanguageTest : public WizardTest
{
protected:
    void ExpectTexts(const ALang_Entry* table, const char* language)
    {
        for (int id : kTranslatedControls)
            EXPECT_EQ(m_wizard.Text(id), TableText(table, id)) << language << " control " << id;
    }
};

} // namespace

TEST_F(WizardLanguageTest, WithoutAStoredLanguageTheTextsAreEnglish)
{
    StartWizard();
    ExpectTexts(g_tableEnglish, "English");
}

TEST_F(WizardLanguageTest, AStoredGermanChoiceGivesGermanTexts)
{
    SetLanguage(3);
    StartWizard();
    ExpectTexts(g_tableGerman, "German");
    EXPECT_EQ(StoredDword(L"Language"), 3u);
}

TEST_F(WizardLanguageTest, StoredValuesOutsideOneToFiveAreIgnored)
{
    for (int value : {0, 6, -1}) {
        ProductKeyCleaner::Clean();
        SetLanguage(value);
        WizardDriver wizard;
        ASSERT_TRUE(wizard.Start()) << "value " << value;
        EXPECT_EQ(wizard.Text(1002), L"Cancel") << "value " << value;
        EXPECT_EQ(StoredDword(L"Language"), 0u) << "the start stores no language for " << value;
        wizard.Kill();
    }
    // A value of more than four bytes cannot be read.
    ProductKeyCleaner::Clean();
    const uint64_t wide = 2;
    SetLanguageValue(REG_QWORD, &wide, 8);
    StartWizard();
    EXPECT_EQ(m_wizard.Text(1002), L"Cancel");
}

TEST_F(WizardLanguageTest, ALanguageButtonSwitchesEveryTextStoresTheChoiceAndMovesOn)
{
    StartWizard();
    ASSERT_TRUE(m_wizard.Click(1029)); // French
    ExpectTexts(g_tableFrench, "French");
    EXPECT_EQ(StoredDword(L"Language"), 2u);
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(2));

    // The licence box holds the formatted licence, not RTF source.
    const std::wstring licence = m_wizard.Text(1011);
    EXPECT_GT(licence.size(), 1000u);
    EXPECT_EQ(licence.find(L"\\rtf"), std::wstring::npos);
}

TEST_F(WizardLanguageTest, TheItalianButtonWorksAndTheDisabledOnesDoNot)
{
    StartWizard();
    EXPECT_FALSE(m_wizard.Click(1027)) << "German is disabled";
    EXPECT_FALSE(m_wizard.Click(1028)) << "Spanish is disabled";
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(1));
    EXPECT_TRUE(m_wizard.Click(1030));
    ExpectTexts(g_tableItalian, "Italian");
    EXPECT_EQ(StoredDword(L"Language"), 5u);
}

// Pictures of every page in English, French and Italian, kept in the build
// folder for people to look at.
TEST_F(WizardLanguageTest, ScreenshotsOfEveryPage)
{
    const wchar_t* folder = _wgetenv(L"VELTO_SCREENSHOTS");
    ASSERT_NE(folder, nullptr);
    const struct
    {
        int language;
        const wchar_t* code;
    } languages[] = {{1, L"en"}, {2, L"fr"}, {5, L"it"}};
    for (const auto& language : languages) {
        ProductKeyCleaner::Clean();
        SetLanguage(language.language);
        WizardDriver wizard;
        ASSERT_TRUE(wizard.Start());
        // The installation page last: its worker starts an installer.
        for (int page : {1, 2, 3, 5, 6, 8, 4}) {
            wizard.Post(WM_GOTO_PAGE, static_cast<WPARAM>(page));
            wizard.Settle();
            const std::wstring path = ToWindowsPath(folder) + L"\\" + language.code + L"-page"
                                    + std::to_wstring(page) + L".png";
            EXPECT_TRUE(wizard.SaveScreenshot(path)) << "page " << page;
            EXPECT_TRUE(FileExists(path));
        }
        wizard.Kill();
    }
}
