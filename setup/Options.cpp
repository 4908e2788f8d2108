#include "setup/Options.h"

#include "app/ProductKey.h"
#include "framework/ComPtr.h"
#include "framework/RegKey.h"

#include <objidl.h>
#include <shlobj.h>

namespace {

std::wstring AllUsersDesktop(HWND owner)
{
    wchar_t desktop[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(owner, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop)))
        return {};
    return desktop;
}

void StoreProductDword(const wchar_t* name, bool checked)
{
    RegKey product;
    if (product.Open(HKEY_CURRENT_USER, kProductKeyPath, KEY_ALL_ACCESS))
        product.SetDword(name, checked ? 1 : 0);
}

} // namespace

HRESULT CreateShortcut(const std::wstring& linkPath, const std::wstring& target)
{
    wchar_t absolute[MAX_PATH] = {};
    if (!::GetFullPathNameW(target.c_str(), MAX_PATH, absolute, nullptr))
        return E_FAIL;

    ComPtr<IShellLinkW> link;
    HRESULT status = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkW, link.ReceiveVoid());
    if (FAILED(status))
        return status;
    ComPtr<IPersistFile> file;
    status = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
    if (SUCCEEDED(status))
        status = link->SetPath(absolute);
    if (SUCCEEDED(status))
        status = link->SetDescription(L"");
    if (SUCCEEDED(status)) {
        const std::wstring path = linkPath.substr(0, MAX_PATH);
        status = file->Save(path.c_str(), TRUE);
    }
    return status;
}

void ApplyDesktopShortcutOption(bool checked, const std::wstring& folder, HWND owner)
{
    const std::wstring desktop = AllUsersDesktop(owner);
    if (desktop.empty())
        return;
    const std::wstring shortcut = desktop + L"\\VELTO PC Cleaner.lnk";
    if (checked)
        CreateShortcut(shortcut, folder + kProductProgram);
    else
        ::DeleteFileW(shortcut.c_str());
}

void ApplyTrayOption(bool checked)
{
    StoreProductDword(L"Tray", checked);
}

void ApplyUpdateCheckOption(bool checked)
{
    StoreProductDword(L"update_auto_check", checked);
}

void ApplyMonitoringOption(bool checked, const std::wstring& folder)
{
    constexpr REGSAM access = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
    RegKey runOnce;
    if (checked) {
        const std::wstring command = L"\"" + folder + kProductProgram + L"\" -h";
        if (runOnce.OpenOrCreate(HKEY_CURRENT_USER, kRunOnceKeyPath, access))
            runOnce.SetStringWithTerminator(kRunOnceValue, command);
    } else if (runOnce.Open(HKEY_CURRENT_USER, kRunOnceKeyPath, access)) {
        runOnce.DeleteValue(kRunOnceValue);
    }
    StoreProductDword(L"Baloon", checked);
}
