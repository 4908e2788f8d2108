#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

// Owns a Winsock socket, kept as its integer value so this header needs no
// Winsock header; closes it once.
class UniqueSocket
{
public:
    static constexpr uintptr_t kInvalid = ~uintptr_t(0);

    UniqueSocket() = default;
    explicit UniqueSocket(uintptr_t socket) : m_socket(socket) {}
    ~UniqueSocket() { Reset(); }
    UniqueSocket(const UniqueSocket&) = delete;
    UniqueSocket& operator=(const UniqueSocket&) = delete;
    UniqueSocket(UniqueSocket&& other) noexcept : m_socket(std::exchange(other.m_socket, kInvalid)) {}
    UniqueSocket& operator=(UniqueSocket&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_socket, kInvalid));
        return *this;
    }

    uintptr_t Get() const { return m_socket; }
    bool IsValid() const { return m_socket != kInvalid; }
    void Reset(uintptr_t socket = kInvalid);

private:
    uintptr_t m_socket = kInvalid;
};

// Winsock started for the lifetime of the object.
class WinsockSession
{
public:
    WinsockSession();
    ~WinsockSession();
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool IsStarted() const { return m_started; }

private:
    bool m_started = false;
};

// One request as the server received it.
struct HttpRequestRecord
{
    std::string method;
    std::string target; // as on the request line, query included
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers; // in arrival order
    std::string head; // request line and header lines, raw, through the blank line
    std::string body;

    // The first header of that name (any case), or nothing.
    std::optional<std::string> Header(std::string_view name) const;
    std::string Path() const; // target without its query
};

// What a route answers. The default is 200 with an empty body.
struct HttpReply
{
    int status = 200;
    std::string reason; // empty: the usual phrase for the status
    std::vector<std::pair<std::string, std::string>> headers; // sent after Content-Length
    std::string body;
    std::wstring bodyFile; // when set, the body is streamed from this file instead

    // Content-Length as announced; by default the body's size. A larger
    // value gives a transfer that ends early.
    std::optional<uint64_t> contentLength;
    bool sendContentLength = true;
    // Reset the connection after this many body bytes (and a pause of
    // 100 ms, so the client has read them when the reset comes).
    std::optional<uint64_t> resetAfter;
    // A slow body: trickleBytes per step, each after trickleDelayMs. Ends
    // early, with the connection closed, when StopTrickling is called.
    uint64_t trickleBytes = 0;
    unsigned trickleDelayMs = 0;

    static HttpReply Text(int status, std::string body, std::string contentType = "text/plain");
};

// A real HTTP/1.x server on 127.0.0.1 with an ephemeral port, serving from its
// own threads (one per connection) while the object lives. Every connection
// carries one request and is closed after its reply.
class LoopbackHttpServer
{
public:
    // port 0: an ephemeral port.
    explicit LoopbackHttpServer(uint16_t port = 0);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool IsListening() const { return m_port != 0; }
    uint16_t Port() const { return m_port; }
    // "http://127.0.0.1:<port><path>"
    std::wstring Url(std::string_view path) const;

    // The reply for a path (query ignored); a path without a route gets the
    // default reply, 404 at first.
    void SetRoute(const std::string& path, HttpReply reply);
    void SetDefaultReply(HttpReply reply);

    std::vector<HttpRequestRecord> Requests() const;
    // Whether at least count requests arrived within the time.
    bool WaitForRequests(size_t count, unsigned milliseconds) const;

    // Slow bodies in progress, and later ones, end at once.
    void StopTrickling();
    // Stops listening and ends every connection; the destructor calls it.
    void Stop();

private:
    void AcceptLoop();
    void Serve(uintptr_t socket);
    bool SendReply(uintptr_t socket, const HttpRequestRecord& request, const HttpReply& reply);
    bool WaitTrickle(unsigned milliseconds);

    WinsockSession m_winsock; // first in, last out
    UniqueSocket m_listener;
    uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_acceptThread;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::map<std::string, HttpReply> m_routes;
    HttpReply m_defaultReply;
    std::vector<HttpRequestRecord> m_requests;
    std::vector<std::thread> m_connectionThreads;
    std::vector<uintptr_t> m_openSockets; // served now; Stop shuts them down
    bool m_trickleStopped = false;
};
