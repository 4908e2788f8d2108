#pragma once

#include "framework/UniqueHandle.h"

#include <cstdint>
#include <optional>
#include <string>

// A file opened through the system with explicit access and sharing; closed
// by Close or by the destructor.
class CFile
{
public:
    enum OpenFlags : unsigned
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,     // create, or truncate an existing file
        modeNoTruncate = 0x2000, // with modeCreate: open an existing file as it is
        typeBinary = 0x8000,     // files are always raw bytes; kept for readability
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    bool Open(const std::wstring& path, unsigned flags);
    void Close() { m_file.Reset(); }
    bool IsOpen() const { return m_file.IsValid(); }

    // Reads up to count bytes; returns how many were read (0 at the end or on failure).
    uint32_t Read(void* buffer, uint32_t count);
    // Writes all bytes; false when the system wrote fewer (a full disk, for example).
    bool Write(const void* data, uint32_t count);
    bool SeekToBegin();
    bool SeekToEnd();
    std::optional<uint64_t> GetLength() const;
    HANDLE GetHandle() const { return m_file.Get(); }

private:
    UniqueHandle m_file;
};
