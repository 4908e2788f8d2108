#include "stats/SoapHttpClient.h"

namespace {

HRESULT LastError()
{
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

HRESULT Fail(SoapStage stage, SoapStage& failedStage)
{
    failedStage = stage;
    return LastError();
}

} // namespace

CSoapHttpClient::CSoapHttpClient(std::wstring host, INTERNET_PORT port, bool secure)
    : m_host(std::move(host)), m_port(port), m_secure(secure)
{
}

HRESULT CSoapHttpClient::Connect(SoapStage& failedStage)
{
    if (m_connection)
        return S_OK;
    // The system's proxy settings and timeouts apply; none are set here.
    if (!m_session)
        m_session.Reset(::InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!m_session)
        return Fail(SoapStage::Connect, failedStage);
    m_connection.Reset(::InternetConnectW(m_session.Get(), m_host.c_str(), m_port, nullptr, nullptr,
                                          INTERNET_SERVICE_HTTP, 0, 0));
    if (!m_connection)
        return Fail(SoapStage::Connect, failedStage);
    return S_OK;
}

HRESULT CSoapHttpClient::Post(std::wstring_view path, std::wstring_view headerLines, std::string_view body,
                              SoapHttpResponse& response, SoapStage& failedStage)
{
    failedStage = SoapStage::None;
    response = {};
    if (const HRESULT hr = Connect(failedStage); FAILED(hr))
        return hr;

    const std::wstring pathText(path);
    const wchar_t* acceptTypes[] = {L"text/*", nullptr};
    DWORD flags = INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_NO_UI;
    if (m_secure)
        flags |= INTERNET_FLAG_SECURE;
    UniqueInternetHandle request(::HttpOpenRequestW(m_connection.Get(), L"POST", pathText.c_str(), L"HTTP/1.0",
                                                    nullptr, acceptTypes, flags, 0));
    if (!request)
        return Fail(SoapStage::OpenRequest, failedStage);

    const std::wstring headers(headerLines);
    if (!::HttpSendRequestW(request.Get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                            const_cast<char*>(body.data()), static_cast<DWORD>(body.size())))
        return Fail(SoapStage::SendRequest, failedStage);

    DWORD status = 0;
    DWORD size = sizeof status;
    if (!::HttpQueryInfoW(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return Fail(SoapStage::ReadResponse, failedStage);
    response.status = status;

    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(request.Get(), buffer, sizeof buffer, &read))
            return Fail(SoapStage::ReadResponse, failedStage);
        if (read == 0)
            break;
        response.body.append(buffer, read);
    }
    return S_OK;
}
