#include "setup/DownloadWorker.h"

#include "setup/CancelFlag.h"
#include "setup/DownloadProgress.h"
#include "setup/ErrorText.h"
#include "setup/WorkerProtocol.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <wininet.h>

#include <vector>

namespace {

constexpr DWORD kReadBufferSize = 262144;

enum class Outcome
{
    Complete,
    Cancelled,
    InternetFailure, // worth a second attempt
    LocalFailure,    // the package file or the session: no second attempt
};

struct AttemptResult
{
    Outcome outcome;
    std::wstring text; // for failures: what the user is told
};

AttemptResult InternetFailure(DWORD code)
{
    return {Outcome::InternetFailure, SystemErrorText(code)};
}

std::wstring StatusText(HINTERNET resource, DWORD status)
{
    wchar_t reason[256] = {};
    DWORD size = sizeof reason;
    std::wstring text = L"The server answered " + std::to_wstring(status);
    if (::HttpQueryInfoW(resource, HTTP_QUERY_STATUS_TEXT, reason, &size, nullptr) && reason[0])
        text += std::wstring(L" ") + reason;
    return text + L".";
}

bool IsFileLink(const std::wstring& link)
{
    return _wcsnicmp(link.c_str(), L"file:", 5) == 0;
}

// A file: link names a local file; it is read like a response.
class LocalSource
{
public:
    explicit LocalSource(const std::wstring& link)
    {
        wchar_t path[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        if (FAILED(::PathCreateFromUrlW(link.c_str(), path, &length, 0)))
            return;
        m_file.Open(path, CFile::modeRead | CFile::shareDenyWrite);
    }
    bool IsOpen() const { return m_file.IsOpen(); }
    CFile& File() { return m_file; }

private:
    CFile m_file;
};

// Reads the body into the package file, reporting progress. The source is
// either the HTTP client's resource or a local file.
template <typename ReadFunction>
AttemptResult Transfer(const DownloadJob& job, int64_t length, ReadFunction read, BannerMarks& marks)
{
    ::SendMessageW(job.progress, PBM_SETRANGE32, 0, static_cast<LPARAM>(static_cast<uint32_t>(length)));
    ::SendMessageW(job.progress, PBM_SETPOS, 0, 0);

    // Every attempt starts from a fresh, empty package file.
    job.package->Close();
    if (!job.package->Open(job.packagePath, CFile::modeWrite | CFile::modeCreate
                                                | CFile::shareExclusive | CFile::typeBinary))
        return {Outcome::LocalFailure, SystemErrorText(::GetLastError())};

    std::vector<uint8_t> buffer(kReadBufferSize);
    int64_t received = 0;
    for (;;) {
        DWORD count = 0;
        const bool ok = read(buffer.data(), kReadBufferSize, count);
        if (g_lCancel)
            return {Outcome::Cancelled, {}};
        if (!ok)
            return InternetFailure(::GetLastError());
        if (count == 0)
            break;
        received += count;
        ::SendMessageW(job.progress, PBM_SETPOS, static_cast<WPARAM>(received), 0);
        if (!job.package->Write(buffer.data(), count))
            return {Outcome::LocalFailure, SystemErrorText(::GetLastError())};
        if (marks.Passed(received, length))
            SendWorkerRequest(job.wizard, WorkerRequest::ShowNextBanner);
    }
    job.package->Close();
    if (received < length) // the server ended the transfer early
        return InternetFailure(ERROR_INTERNET_CONNECTION_RESET);
    return {Outcome::Complete, {}};
}

AttemptResult DownloadPackage(const DownloadJob& job, DWORD accessType)
{
    SendWorkerRequest(job.wizard, WorkerRequest::DisableNext);
    SendWorkerRequest(job.wizard, WorkerRequest::ShowNextBanner);
    BannerMarks marks;

    if (IsFileLink(job.link)) {
        LocalSource source(job.link);
        if (!source.IsOpen())
            return InternetFailure(::GetLastError());
        const int64_t length = static_cast<int64_t>(source.File().GetLength().value_or(0));
        return Transfer(job, length,
                        [&](void* buffer, DWORD size, DWORD& count) {
                            count = source.File().Read(buffer, size);
                            return true;
                        },
                        marks);
    }

    HINTERNET session = ::InternetOpenW(job.appName.c_str(), accessType, nullptr, nullptr, 0);
    if (!session)
        return {Outcome::LocalFailure, SystemErrorText(::GetLastError())};
    job.connection->SetSession(session);
    struct CloseAtEnd
    {
        DownloadConnection* connection;
        ~CloseAtEnd() { connection->CloseAll(); }
    } closeAtEnd{job.connection};

    HINTERNET resource = ::InternetOpenUrlW(session, job.link.c_str(), nullptr, 0,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY, 1);
    if (g_lCancel)
        return {Outcome::Cancelled, {}};
    if (!resource)
        return InternetFailure(::GetLastError());
    job.connection->SetResource(resource);

    DWORD status = 0;
    DWORD size = sizeof status;
    if (::HttpQueryInfoW(resource, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)
        && (status < 200 || status > 299))
        return {Outcome::InternetFailure, StatusText(resource, status)};

    // The announced length. (Seeking an HTTP resource to its end is not
    // reliable: it depends on the cache and fails under some clients.)
    DWORD length = 0;
    size = sizeof length;
    if (!::HttpQueryInfoW(resource, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, nullptr))
        return InternetFailure(ERROR_INTERNET_INVALID_OPERATION);

    return Transfer(job, length,
                    [&](void* buffer, DWORD bufferSize, DWORD& count) {
                        HINTERNET current = job.connection->Resource();
                        return current && ::InternetReadFile(current, buffer, bufferSize, &count);
                    },
                    marks);
}

} // namespace

void DownloadConnection::SetSession(HINTERNET session)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_session = session;
}

void DownloadConnection::SetResource(HINTERNET resource)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_resource = resource;
}

HINTERNET DownloadConnection::Resource()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_resource;
}

void DownloadConnection::CloseAll()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_resource)
        ::InternetCloseHandle(m_resource);
    if (m_session)
        ::InternetCloseHandle(m_session);
    m_resource = nullptr;
    m_session = nullptr;
}

void DownloadThreadProc(const DownloadJob& job)
{
    AttemptResult result = DownloadPackage(job, INTERNET_OPEN_TYPE_PRECONFIG);
    if (result.outcome == Outcome::InternetFailure && !g_lCancel)
        result = DownloadPackage(job, INTERNET_OPEN_TYPE_DIRECT);
    job.package->Close();
    if (result.outcome == Outcome::Cancelled || g_lCancel)
        return;

    if (result.outcome == Outcome::Complete) {
        ::InterlockedExchange(job.downloaded, 1);
        ::PostMessageW(job.wizard, WM_GOTO_PAGE, 3, 0);
        return;
    }
    if (result.text.empty())
        result.text = L"The download of VELTO PC Cleaner failed.";
    ::MessageBoxW(job.wizard, result.text.c_str(), job.appName.c_str(), MB_OK);
}
