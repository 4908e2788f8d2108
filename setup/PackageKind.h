#pragma once

#include <string>

// What kind of installer the downloaded file is.
enum class PackageKind : int
{
    OtherInstaller = 1,   // started with " /S"
    WindowsInstaller = 2, // a compound file (starts D0 CF): msiexec /package
    PackageCarrier = 3,   // a program module carrying an "MSI" resource 129
};

// Looks at the file: its first two bytes, then whether it loads as a module
// (as a resource-only image, so no code of the download runs) with the
// resource. The module test comes last and wins.
PackageKind ClassifyPackage(const std::wstring& path);
