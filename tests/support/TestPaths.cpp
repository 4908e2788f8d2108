#include "tests/support/TestPaths.h"

#include "framework/File.h"

#include <cstdlib>
#include <shellapi.h>

std::wstring ToWindowsPath(const std::wstring& path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring windows = L"Z:" + path;
    for (wchar_t& c : windows)
        if (c == L'/')
            c = L'\\';
    return windows;
}

std::wstring GuidePath()
{
    const wchar_t* value = _wgetenv(L"VELTO_GUIDE");
    return value ? ToWindowsPath(value) : std::wstring();
}

TempFolder::TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    m_path = std::wstring(temp) + L"velto-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-"
           + std::to_wstring(++counter);
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    // SHFileOperation wants a double-NUL-terminated list.
    std::wstring from = m_path;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&operation);
}

std::vector<uint8_t> ReadWholeFile(const std::wstring& path)
{
    CFile file;
    std::vector<uint8_t> bytes;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return bytes;
    bytes.resize(static_cast<size_t>(file.GetLength().value_or(0)));
    const uint32_t read = bytes.empty() ? 0 : file.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    bytes.resize(read);
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    CFile file;
    return file.Open(path, CFile::modeWrite | CFile::modeCreate)
        && (bytes.empty() || file.Write(bytes.data(), static_cast<uint32_t>(bytes.size())));
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring FixturePath(const std::wstring& name)
{
    const wchar_t* folder = _wgetenv(L"VELTO_FIXTURES");
    return folder ? ToWindowsPath(folder) + L"\\" + name : name;
}
