// An installed copy in the machine's list of programs opens the wizard on
// the "already installed" page.
#include "tests/support/TestPaths.h"
#include "tests/wizard/WizardFixture.h"

namespace {

constexpr const wchar_t* kUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const wchar_t* kPreviousProductCode = L"{2E7A9B14-5D3C-4F81-9A26-7C0B1E4D8F52}";

// An entry of the Uninstall list written by the test, removed afterwards.
class UninstallEntry
{
public:
    explicit UninstallEntry(const std::wstring& name) : m_path(std::wstring(kUninstall) + L"\\" + name)
    {
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &m_key, nullptr);
    }
    ~UninstallEntry()
    {
        ::RegCloseKey(m_key);
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_path.c_str());
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, m_path.c_str());
    }
    void Set(const wchar_t* name, DWORD type, const std::wstring& text)
    {
        ::RegSetValueExW(m_key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * 2));
    }

private:
    std::wstring m_path;
    HKEY m_key = nullptr;
};

struct EntryCase
{
    const char* name;
    const wchar_t* displayName;
    DWORD displayType;
    bool withUninstallString;
    bool found;
};

} // namespace

class InstalledCopyCases : public WizardTest, public testing::WithParamInterface<EntryCase>
{};

TEST_P(InstalledCopyCases, DecideTheFirstPage)
{
    const EntryCase& entry = GetParam();
    UninstallEntry key(L"VeltoTestEntry");
    key.Set(L"DisplayName", entry.displayType, entry.displayName);
    if (entry.withUninstallString)
        key.Set(L"UninstallString", REG_SZ, L"MsiExec.exe /X{00000000-0000-0000-0000-000000000000}");
    StartWizard();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(entry.found ? 8 : 1)) << entry.name;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, InstalledCopyCases,
    testing::Values(EntryCase{"exact", L"VELTO PC Cleaner", REG_SZ, true, true},
                    EntryCase{"expandable", L"VELTO PC Cleaner", REG_EXPAND_SZ, true, true},
                    EntryCase{"other_case", L"Velto PC Cleaner", REG_SZ, true, false},
                    EntryCase{"trailing_text", L"VELTO PC Cleaner 1.1", REG_SZ, true, false},
                    EntryCase{"no_uninstall_string", L"VELTO PC Cleaner", REG_SZ, false, false}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST_F(WizardTest, AProductInstalledByWindowsInstallerIsFoundAndNextLeadsToTheWelcomePage)
{
    const std::wstring package = FixturePath(L"previous-product.msi");
    ASSERT_TRUE(FileExists(package)) << "missing fixture";
    ASSERT_EQ(RunToEnd(L"msiexec /i \"" + package + L"\" /qn", 120000), 0u);
    struct Uninstall
    {
        ~Uninstall() { RunToEnd(std::wstring(L"msiexec /x ") + kPreviousProductCode + L" /qn", 120000); }
    } uninstallAfterwards;

    StartWizard();
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(8));
    EXPECT_EQ(m_wizard.Text(1006), L"VELTO PC Cleaner is already installed on your computer.");
    EXPECT_TRUE(m_wizard.Enabled(1000));
    ASSERT_TRUE(m_wizard.Click(1000));
    EXPECT_EQ(VisiblePageControls(), ExpectedVisible(1));
}
