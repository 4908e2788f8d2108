// The forms of the licence page: destination folder, disk space, acceptance
// and the licence document.
#include "framework/WinApp.h"
#include "lang/AsLanguage_Manager.h"
#include "lang/ELang_Item.h"
#include "setup/PreviousInstallation.h"
#include "wizard/ControlIds.h"
#include "wizard/DiskSpace.h"
#include "wizard/MainDlg.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace {

constexpr const wchar_t* kProductSubfolders = L"VELTO PC Utilities\\VELTO PC Cleaner";

// The shell's memory allocator, released when done.
class ShellMalloc
{
public:
    ShellMalloc() { ::SHGetMalloc(&m_malloc); }
    ~ShellMalloc()
    {
        if (m_malloc)
            m_malloc->Release();
    }
    ShellMalloc(const ShellMalloc&) = delete;
    ShellMalloc& operator=(const ShellMalloc&) = delete;
    IMalloc* Get() const { return m_malloc; }

private:
    IMalloc* m_malloc = nullptr;
};

std::wstring AppendPath(const std::wstring& folder, const wchar_t* more)
{
    wchar_t path[MAX_PATH] = {};
    lstrcpynW(path, folder.c_str(), MAX_PATH);
    if (!::PathAppendW(path, more))
        return folder;
    return path;
}

} // namespace

void CMainDlg::SetDefaultFolder()
{
    wchar_t programFiles[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES | CSIDL_FLAG_CREATE, nullptr,
                                  SHGFP_TYPE_CURRENT, programFiles)))
        return;
    const std::wstring folder = AppendPath(programFiles, kProductSubfolders);
    ::SetWindowTextW(GetDlgItem(IDC_FOLDER), folder.c_str());
    SaveInstallFolder(folder);
}

void CMainDlg::OnBrowse()
{
    ShellMalloc allocator;
    if (allocator.Get()) {
        BROWSEINFOW info{};
        info.hwndOwner = m_hWnd;
        info.lpszTitle = L"";
        info.ulFlags = BIF_NEWDIALOGSTYLE;
        if (PIDLIST_ABSOLUTE item = ::SHBrowseForFolderW(&info)) {
            wchar_t chosen[MAX_PATH] = {};
            if (::SHGetPathFromIDListW(item, chosen)) {
                const std::wstring folder = AppendPath(chosen, kProductSubfolders);
                ::SetWindowTextW(GetDlgItem(IDC_FOLDER), folder.c_str());
            }
            allocator.Get()->Free(item);
        }
    }
    UpdateDiskSpace();
}

void CMainDlg::UpdateDiskSpace()
{
    const std::wstring root = ControlText(IDC_FOLDER).substr(0, 3);
    const std::wstring mb = m_pLangManager->Get_Text(ITEM_UNIT_MB);
    ULARGE_INTEGER totalFree{};
    if (::GetDiskFreeSpaceExW(root.c_str(), nullptr, nullptr, &totalFree))
        m_strSpaceAvailable = FormatFreeSpace(totalFree.QuadPart, mb, m_pLangManager->Get_Text(ITEM_UNIT_GB));
    m_strSpaceRequired = FormatRequiredSpace(mb);
    Label(IDC_SPACE_AVAILABLE).SetText(m_strSpaceAvailable);
    Label(IDC_SPACE_REQUIRED).SetText(m_strSpaceRequired);
}

void CMainDlg::OnAcceptLicence()
{
    UpdateData(true);
    ::EnableWindow(GetDlgItem(IDC_NEXT), m_nLicenceAccepted != 0);
}

bool CMainDlg::LoadLicence(int language)
{
    static constexpr struct
    {
        int language;
        UINT resource;
    } kLicences[] = {{1, 133}, {2, 136}, {3, 135}, {4, 216}, {5, 217}};
    UINT resource = 133;
    for (const auto& licence : kLicences)
        if (licence.language == language)
            resource = licence.resource;

    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(resource), L"RTF");
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    HGLOBAL loaded = size ? ::LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes)
        return false;
    m_richLicence.SetRtf(std::string(static_cast<const char*>(bytes), size));
    return true;
}
