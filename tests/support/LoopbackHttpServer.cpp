#include <winsock2.h>
#include <ws2tcpip.h>

#include "tests/support/LoopbackHttpServer.h"

#include "framework/UniqueHandle.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

constexpr size_t kMaxHead = 64 * 1024;
constexpr size_t kChunk = 64 * 1024;
constexpr long kPollMicroseconds = 50 * 1000;
constexpr unsigned kResetPauseMs = 100;

SOCKET AsSocket(uintptr_t socket)
{
    return static_cast<SOCKET>(socket);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return ::tolower(static_cast<unsigned char>(x)) == ::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

const char* ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 206: return "Partial Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

// Waits until the socket has data (or its peer closed it); false when the
// server stops first.
bool WaitReadable(SOCKET socket, const std::atomic<bool>& stopping)
{
    while (!stopping) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket, &readable);
        timeval timeout{0, kPollMicroseconds};
        const int ready = ::select(0, &readable, nullptr, nullptr, &timeout);
        if (ready < 0)
            return false;
        if (ready > 0)
            return true;
    }
    return false;
}

bool SendAll(SOCKET socket, const char* data, size_t size)
{
    while (size > 0) {
        const int sent = ::send(socket, data, static_cast<int>(std::min(size, kChunk)), 0);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

bool ParseHead(std::string_view head, HttpRequestRecord& request)
{
    size_t lineEnd = head.find("\r\n");
    const std::string_view requestLine = head.substr(0, lineEnd);
    const size_t firstSpace = requestLine.find(' ');
    const size_t lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string_view::npos || lastSpace == firstSpace)
        return false;
    request.method = requestLine.substr(0, firstSpace);
    request.target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    request.version = requestLine.substr(lastSpace + 1);

    while (lineEnd != std::string_view::npos) {
        const size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        const std::string_view line = head.substr(start, lineEnd == std::string_view::npos ? head.npos : lineEnd - start);
        if (line.empty())
            break;
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return false;
        request.headers.emplace_back(std::string(line.substr(0, colon)), std::string(Trim(line.substr(colon + 1))));
    }
    return true;
}

// The body of a reply, from memory or from a file, read in pieces.
class BodySource
{
public:
    explicit BodySource(const HttpReply& reply) : m_reply(reply)
    {
        if (reply.bodyFile.empty()) {
            m_size = reply.body.size();
            return;
        }
        m_file.Reset(::CreateFileW(reply.bodyFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (m_file && ::GetFileSizeEx(m_file.Get(), &size))
            m_size = static_cast<uint64_t>(size.QuadPart);
    }

    uint64_t Size() const { return m_size; }

    // Up to count bytes from the current position.
    std::string_view Next(size_t count)
    {
        count = static_cast<size_t>(std::min<uint64_t>(count, m_size - m_position));
        if (m_reply.bodyFile.empty()) {
            const std::string_view piece(m_reply.body.data() + m_position, count);
            m_position += count;
            return piece;
        }
        m_buffer.resize(count);
        DWORD read = 0;
        if (count > 0 && !::ReadFile(m_file.Get(), m_buffer.data(), static_cast<DWORD>(count), &read, nullptr))
            read = 0;
        m_position += read;
        return std::string_view(m_buffer.data(), read);
    }

private:
    const HttpReply& m_reply;
    UniqueHandle m_file;
    uint64_t m_size = 0;
    uint64_t m_position = 0;
    std::string m_buffer;
};

} // namespace

void UniqueSocket::Reset(uintptr_t socket)
{
    if (IsValid())
        ::closesocket(AsSocket(m_socket));
    m_socket = socket;
}

WinsockSession::WinsockSession()
{
    WSADATA data{};
    m_started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

WinsockSession::~WinsockSession()
{
    if (m_started)
        ::WSACleanup();
}

std::optional<std::string> HttpRequestRecord::Header(std::string_view name) const
{
    for (const auto& [headerName, value] : headers)
        if (EqualsIgnoringCase(headerName, name))
            return value;
    return std::nullopt;
}

std::string HttpRequestRecord::Path() const
{
    return target.substr(0, target.find('?'));
}

HttpReply HttpReply::Text(int status, std::string body, std::string contentType)
{
    HttpReply reply;
    reply.status = status;
    reply.body = std::move(body);
    reply.headers.emplace_back("Content-Type", std::move(contentType));
    return reply;
}

LoopbackHttpServer::LoopbackHttpServer(uint16_t port)
{
    m_defaultReply = HttpReply::Text(404, "<html><body>Not Found</body></html>", "text/html");
    if (!m_winsock.IsStarted())
        return;
    m_listener.Reset(static_cast<uintptr_t>(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
    if (!m_listener.IsValid())
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int length = sizeof address;
    if (::bind(AsSocket(m_listener.Get()), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(AsSocket(m_listener.Get()), SOMAXCONN) != 0 ||
        ::getsockname(AsSocket(m_listener.Get()), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread([this] { AcceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    Stop();
}

std::wstring LoopbackHttpServer::Url(std::string_view path) const
{
    return L"http://127.0.0.1:" + std::to_wstring(m_port) + std::wstring(path.begin(), path.end());
}

void LoopbackHttpServer::SetRoute(const std::string& path, HttpReply reply)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = std::move(reply);
}

void LoopbackHttpServer::SetDefaultReply(HttpReply reply)
{
    std::lock_guard lock(m_mutex);
    m_defaultReply = std::move(reply);
}

std::vector<HttpRequestRecord> LoopbackHttpServer::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

bool LoopbackHttpServer::WaitForRequests(size_t count, unsigned milliseconds) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                              [&] { return m_requests.size() >= count; });
}

void LoopbackHttpServer::StopTrickling()
{
    {
        std::lock_guard lock(m_mutex);
        m_trickleStopped = true;
    }
    m_changed.notify_all();
}

bool LoopbackHttpServer::WaitTrickle(unsigned milliseconds)
{
    std::unique_lock lock(m_mutex);
    return !m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                               [&] { return m_trickleStopped || m_stopping.load(); });
}

void LoopbackHttpServer::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        // Wakes connections blocked in send or receive.
        for (uintptr_t socket : m_openSockets)
            ::shutdown(AsSocket(socket), SD_BOTH);
    }
    m_changed.notify_all();
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(m_mutex);
        threads.swap(m_connectionThreads);
    }
    for (std::thread& thread : threads)
        thread.join();
    m_listener.Reset();
}

void LoopbackHttpServer::AcceptLoop()
{
    while (WaitReadable(AsSocket(m_listener.Get()), m_stopping)) {
        const SOCKET socket = ::accept(AsSocket(m_listener.Get()), nullptr, nullptr);
        if (socket == INVALID_SOCKET)
            continue;
        std::lock_guard lock(m_mutex);
        try {
            m_openSockets.push_back(static_cast<uintptr_t>(socket));
            m_connectionThreads.emplace_back([this, socket] { Serve(static_cast<uintptr_t>(socket)); });
        } catch (...) {
            // Out of memory or threads: this connection is dropped.
            std::erase(m_openSockets, static_cast<uintptr_t>(socket));
            ::closesocket(socket);
        }
    }
}

void LoopbackHttpServer::Serve(uintptr_t rawSocket)
{
    UniqueSocket socket(rawSocket);
    const SOCKET s = AsSocket(rawSocket);
    bool graceful = true;
    try {
        std::string received;
        size_t headEnd = std::string::npos;
        char buffer[8192];
        while (headEnd == std::string::npos && received.size() < kMaxHead && WaitReadable(s, m_stopping)) {
            const int count = ::recv(s, buffer, sizeof buffer, 0);
            if (count <= 0)
                break;
            received.append(buffer, static_cast<size_t>(count));
            headEnd = received.find("\r\n\r\n");
        }

        HttpRequestRecord request;
        if (headEnd != std::string::npos && ParseHead(received, request)) {
            request.head = received.substr(0, headEnd + 4);
            request.body = received.substr(headEnd + 4);
            const auto length = request.Header("Content-Length");
            const size_t expected = length ? std::stoul(*length) : 0;
            while (request.body.size() < expected && WaitReadable(s, m_stopping)) {
                const int count = ::recv(s, buffer, sizeof buffer, 0);
                if (count <= 0)
                    break;
                request.body.append(buffer, static_cast<size_t>(count));
            }

            HttpReply reply;
            {
                std::lock_guard lock(m_mutex);
                const auto route = m_routes.find(request.Path());
                reply = route != m_routes.end() ? route->second : m_defaultReply;
                m_requests.push_back(request);
            }
            m_changed.notify_all();
            graceful = SendReply(rawSocket, request, reply);
        }
    } catch (...) {
        // A thread entry: nothing may leave it. The connection just closes.
    }

    {
        std::lock_guard lock(m_mutex);
        m_openSockets.erase(std::find(m_openSockets.begin(), m_openSockets.end(), rawSocket));
    }
    if (graceful) {
        ::shutdown(s, SD_SEND);
    } else {
        // A linger time of zero makes closing send a reset.
        linger abort{1, 0};
        ::setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
    }
}

bool LoopbackHttpServer::SendReply(uintptr_t rawSocket, const HttpRequestRecord& request, const HttpReply& reply)
{
    const SOCKET s = AsSocket(rawSocket);
    BodySource body(reply);

    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " +
                       (reply.reason.empty() ? std::string(ReasonPhrase(reply.status)) : reply.reason) + "\r\n";
    if (reply.sendContentLength)
        head += "Content-Length: " + std::to_string(reply.contentLength.value_or(body.Size())) + "\r\n";
    for (const auto& [name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    head += "Connection: close\r\n\r\n";
    if (!SendAll(s, head.data(), head.size()))
        return true;

    uint64_t remaining = request.method == "HEAD" ? 0 : std::min(body.Size(), reply.resetAfter.value_or(body.Size()));
    const size_t step = reply.trickleBytes > 0 ? static_cast<size_t>(reply.trickleBytes) : kChunk;
    while (remaining > 0) {
        if (reply.trickleBytes > 0 && !WaitTrickle(reply.trickleDelayMs))
            return true;
        const std::string_view piece = body.Next(static_cast<size_t>(std::min<uint64_t>(step, remaining)));
        if (piece.empty() || !SendAll(s, piece.data(), piece.size()))
            return true;
        remaining -= piece.size();
    }
    if (!reply.resetAfter)
        return true;
    // Give the client time to take the bytes, so that the reset reaches it
    // as the end of the transfer rather than racing the data.
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(kResetPauseMs), [&] { return m_stopping.load(); });
    return false;
}
