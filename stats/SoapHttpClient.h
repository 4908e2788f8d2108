#pragma once

#include "framework/WinInclude.h"

#include <wininet.h>

#include <string>
#include <string_view>
#include <utility>

// Owns a WinInet handle (session, connection or request); closes it once.
class UniqueInternetHandle
{
public:
    UniqueInternetHandle() = default;
    explicit UniqueInternetHandle(HINTERNET handle) : m_handle(handle) {}
    ~UniqueInternetHandle() { Reset(); }

    UniqueInternetHandle(const UniqueInternetHandle&) = delete;
    UniqueInternetHandle& operator=(const UniqueInternetHandle&) = delete;
    UniqueInternetHandle(UniqueInternetHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueInternetHandle& operator=(UniqueInternetHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    HINTERNET Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    HINTERNET Release() { return std::exchange(m_handle, nullptr); }
    void Reset(HINTERNET handle = nullptr)
    {
        if (m_handle != nullptr)
            ::InternetCloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HINTERNET m_handle = nullptr;
};

// Where a SOAP call stopped. The transport reports its own steps (Connect to
// ReadResponse); the service client adds the others.
enum class SoapStage
{
    None,
    CreateReader,
    PrepareRecord,
    BuildBody,
    Connect,
    OpenRequest,
    SendRequest,
    ReadResponse,
    ServerFault,
    ParseResponse,
};

struct SoapHttpResponse
{
    DWORD status = 0;
    std::string body;
};

// SOAP over WinInet: one session and one connection to a host, kept until
// the object goes away, and one request handle per call.
class CSoapHttpClient
{
public:
    static constexpr const wchar_t* kUserAgent = L"VCSoapClient";

    CSoapHttpClient(std::wstring host, INTERNET_PORT port, bool secure = false);

    // POSTs the body to the path with the extra header lines (each ending in
    // CR LF) and reads the status and the whole response body. WinInet adds
    // Host, Content-Length and its own headers. On failure returns the error
    // as an HRESULT and names the step in failedStage.
    HRESULT Post(std::wstring_view path, std::wstring_view headerLines, std::string_view body,
                 SoapHttpResponse& response, SoapStage& failedStage);

private:
    HRESULT Connect(SoapStage& failedStage);

    std::wstring m_host;
    INTERNET_PORT m_port;
    bool m_secure;
    // Declared in this order so the connection is closed before its session.
    UniqueInternetHandle m_session;
    UniqueInternetHandle m_connection;
};
