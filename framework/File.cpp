#include "framework/File.h"

bool CFile::Open(const std::wstring& path, unsigned flags)
{
    Close();
    DWORD access = GENERIC_READ;
    if (flags & modeWrite)
        access = GENERIC_WRITE;
    else if (flags & modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;

    DWORD share = 0;
    if (flags & shareDenyNone)
        share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    else if (flags & shareDenyWrite)
        share = FILE_SHARE_READ;

    DWORD disposition = OPEN_EXISTING;
    if (flags & modeCreate)
        disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    m_file.Reset(::CreateFileW(path.c_str(), access, share, nullptr, disposition,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    return m_file.IsValid();
}

uint32_t CFile::Read(void* buffer, uint32_t count)
{
    DWORD read = 0;
    if (!IsOpen() || !::ReadFile(m_file.Get(), buffer, count, &read, nullptr))
        return 0;
    return read;
}

bool CFile::Write(const void* data, uint32_t count)
{
    DWORD written = 0;
    return IsOpen() && ::WriteFile(m_file.Get(), data, count, &written, nullptr)
        && written == count;
}

bool CFile::SeekToBegin()
{
    LARGE_INTEGER zero{};
    return IsOpen() && ::SetFilePointerEx(m_file.Get(), zero, nullptr, FILE_BEGIN);
}

bool CFile::SeekToEnd()
{
    LARGE_INTEGER zero{};
    return IsOpen() && ::SetFilePointerEx(m_file.Get(), zero, nullptr, FILE_END);
}

std::optional<uint64_t> CFile::GetLength() const
{
    LARGE_INTEGER size{};
    if (!IsOpen() || !::GetFileSizeEx(m_file.Get(), &size))
        return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
}
