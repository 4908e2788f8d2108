#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The guide executable under test (VELTO_GUIDE, a Linux or Windows path).
std::wstring GuidePath();

// A path of the host file system as Wine sees it (Z: drive); Windows paths
// pass unchanged.
std::wstring ToWindowsPath(const std::wstring& path);

// A fresh empty folder in the temporary folder, removed with its files when
// the object goes away.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

std::vector<uint8_t> ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::wstring& path);

// A file made for the tests at build time (VELTO_FIXTURES).
std::wstring FixturePath(const std::wstring& name);
