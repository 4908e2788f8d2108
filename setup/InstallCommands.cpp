#include "setup/InstallCommands.h"

namespace InstallCommands {

std::wstring UninstallAQuiet()
{
    return std::wstring(L"msiexec /uninstall ") + kProductLineA + L" SHOWSURV=NO /quiet";
}

std::wstring UninstallANoRestart()
{
    return std::wstring(L"msiexec /uninstall ") + kProductLineA + L" SHOWSURV=NO /quiet /norestart";
}

std::wstring UninstallBNoRestart()
{
    return std::wstring(L"msiexec /uninstall ") + kProductLineB + L" SHOWSURV=NO /quiet /norestart";
}

std::wstring Install(PackageKind kind, const std::wstring& packagePath, const std::wstring& folder)
{
    switch (kind) {
    case PackageKind::WindowsInstaller:
        return L"msiexec /package " + packagePath + L" /quiet /norestart INSTALLDIR=\"" + folder + L"\"";
    case PackageKind::PackageCarrier:
        return packagePath + L" /quiet INSTALLDIR=\"" + folder + L"\"";
    case PackageKind::OtherInstaller:
    default:
        return packagePath + L" /S";
    }
}

std::wstring ProgramOf(const std::wstring& commandLine, const std::wstring& packagePath,
                       const std::wstring& systemFolder)
{
    const std::wstring msiexec = L"msiexec ";
    if (commandLine.compare(0, msiexec.size(), msiexec) == 0)
        return systemFolder + L"\\msiexec.exe";
    return packagePath;
}

bool IsSuccessExitCode(PackageKind kind, unsigned long code)
{
    if (code == 0)
        return true;
    return kind != PackageKind::OtherInstaller && (code == 1641 || code == 3010);
}

} // namespace InstallCommands
