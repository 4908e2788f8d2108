#include "setup/InstallWorker.h"

#include "framework/UniqueHandle.h"
#include "framework/Wnd.h"
#include "setup/ErrorText.h"
#include "setup/InstallCommands.h"
#include "setup/WorkerProtocol.h"

#include <commctrl.h>
#include <shlobj.h>

#include <optional>
#include <vector>

namespace {

constexpr DWORD kTickMilliseconds = 50;
constexpr int kTicks = 140;

std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

// Starts a command line by the full path of its program; an invalid handle
// when it cannot be started.
UniqueHandle StartProcess(const std::wstring& commandLine, const std::wstring& packagePath)
{
    const std::wstring program = InstallCommands::ProgramOf(commandLine, packagePath, SystemFolder());
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return UniqueHandle();
    ::CloseHandle(info.hThread);
    return UniqueHandle(info.hProcess);
}

// A removal that cannot be started or fails is passed over: the product
// line is then simply not installed.
void RunToEnd(const std::wstring& commandLine, const std::wstring& packagePath)
{
    UniqueHandle process = StartProcess(commandLine, packagePath);
    if (process)
        ::WaitForSingleObject(process.Get(), INFINITE);
}

void RemovePreviousVersions(const std::wstring& packagePath)
{
    RunToEnd(InstallCommands::UninstallAQuiet(), packagePath);
    RunToEnd(InstallCommands::UninstallBNoRestart(), packagePath);
}

std::wstring AllUsersDesktopShortcut()
{
    wchar_t desktop[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop)))
        return {};
    return std::wstring(desktop) + L"\\VELTO PC Cleaner.lnk";
}

void ShowFailure(const InstallJob& job, DWORD code)
{
    std::wstring text = SystemErrorText(code);
    if (text.empty())
        text = L"The installation of VELTO PC Cleaner failed (error " + std::to_wstring(code) + L").";
    ::MessageBoxW(job.wizard, text.c_str(), job.appName.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace

void InstallThreadProc(const InstallJob& job)
{
    SendWorkerRequest(job.wizard, WorkerRequest::ShowNextBanner);
    const std::wstring& path = job.packagePath;
    RemovePreviousVersions(path);

    const PackageKind kind = ClassifyPackage(path);
    const std::wstring folder = CWnd::WindowText(job.folderBox);
    if (kind == PackageKind::WindowsInstaller) {
        RunToEnd(InstallCommands::UninstallANoRestart(), path);
        RunToEnd(InstallCommands::UninstallBNoRestart(), path);
    } else if (kind == PackageKind::PackageCarrier) {
        RunToEnd(InstallCommands::UninstallAQuiet(), path);
        RunToEnd(InstallCommands::UninstallBNoRestart(), path);
    }
    UniqueHandle installer = StartProcess(InstallCommands::Install(kind, path, folder), path);
    if (!installer) {
        ShowFailure(job, ::GetLastError());
        return;
    }

    SendWorkerRequest(job.wizard, WorkerRequest::ShowProgressBar);
    ::SendMessageW(job.progress, PBM_SETPOS, 0, 0);
    ::SendMessageW(job.progress, PBM_SETRANGE32, 0, kTicks);

    const std::wstring shortcut = AllUsersDesktopShortcut();
    int tick = 0;
    int lastBannerPercent = -1;
    while (::WaitForSingleObject(installer.Get(), kTickMilliseconds) == WAIT_TIMEOUT) {
        ++tick;
        ::SendMessageW(job.progress, PBM_SETPOS, static_cast<WPARAM>(tick), 0);
        const int percent = tick * 100 / kTicks;
        if (percent == 50 && percent != lastBannerPercent) {
            SendWorkerRequest(job.wizard, WorkerRequest::ShowNextBanner);
            lastBannerPercent = percent;
        }
        // The package puts its own shortcut on every user's desktop; the
        // user decides about a shortcut on the options page.
        if (!shortcut.empty())
            ::DeleteFileW(shortcut.c_str());
    }
    ::SendMessageW(job.progress, PBM_SETPOS, kTicks, 0);

    DWORD exitCode = 0;
    ::GetExitCodeProcess(installer.Get(), &exitCode);
    if (!InstallCommands::IsSuccessExitCode(kind, exitCode)) {
        ShowFailure(job, exitCode);
        return;
    }
    SendWorkerRequest(job.wizard, WorkerRequest::ShowOptionsPage);
}
