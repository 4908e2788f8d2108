// The test server's own behaviours, read back through WinInet the way the
// download worker reads a package.
#include <winsock2.h>

#include "stats/SoapHttpClient.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

struct Fetched
{
    bool opened = false;
    std::string body;
    bool readFailed = false;
    DWORD readError = 0;
    DWORD status = 0;
};

// GET with InternetOpenUrl, read to its end. WinInet fills each read's buffer
// before it returns, as long as the transfer goes on.
Fetched Fetch(const std::wstring& url)
{
    Fetched fetched;
    UniqueInternetHandle session(::InternetOpenW(L"LoopbackTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    UniqueInternetHandle resource(::InternetOpenUrlW(session.Get(), url.c_str(), nullptr, 0,
                                                     INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY, 1));
    if (!resource)
        return fetched;
    fetched.opened = true;
    DWORD size = sizeof fetched.status;
    ::HttpQueryInfoW(resource.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &fetched.status, &size, nullptr);
    std::string buffer(65536, '\0');
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(resource.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read)) {
            fetched.readFailed = true;
            fetched.readError = ::GetLastError();
            break;
        }
        if (read == 0)
            break;
        fetched.body.append(buffer.data(), read);
    }
    return fetched;
}

// The raw bytes of one exchange over a plain socket, and how the
// connection ended: 0 for an orderly close, else the Winsock error.
struct RawExchange
{
    std::string received;
    int endError = 0;
};

RawExchange Exchange(uint16_t port, const std::string& request)
{
    RawExchange exchange;
    UniqueSocket socket(static_cast<uintptr_t>(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const SOCKET s = static_cast<SOCKET>(socket.Get());
    if (::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::send(s, request.data(), static_cast<int>(request.size()), 0) != static_cast<int>(request.size())) {
        exchange.endError = ::WSAGetLastError();
        return exchange;
    }
    char buffer[16384];
    for (;;) {
        const int count = ::recv(s, buffer, sizeof buffer, 0);
        if (count == 0)
            break;
        if (count < 0) {
            exchange.endError = ::WSAGetLastError();
            break;
        }
        exchange.received.append(buffer, static_cast<size_t>(count));
    }
    return exchange;
}

std::string PseudoRandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

class LoopbackHttpServerTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_server.IsListening()); }
    LoopbackHttpServer m_server;
};

} // namespace

TEST_F(LoopbackHttpServerTest, RoutesByPathRecordsTheRequestAndAnswersOthersWith404)
{
    HttpReply reply = HttpReply::Text(200, "hello");
    reply.headers.emplace_back("X-Extra", "1");
    m_server.SetRoute("/a", reply);

    const Fetched routed = Fetch(m_server.Url("/a?x=1"));
    EXPECT_EQ(routed.status, 200u);
    EXPECT_EQ(routed.body, "hello");
    const Fetched other = Fetch(m_server.Url("/b"));
    EXPECT_EQ(other.status, 404u);

    const auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/a?x=1");
    EXPECT_EQ(requests[0].Path(), "/a");
    EXPECT_EQ(requests[0].Header("user-agent"), "LoopbackTest");
    EXPECT_EQ(requests[0].head.substr(0, requests[0].head.find("\r\n")), "GET /a?x=1 " + requests[0].version);
    EXPECT_EQ(requests[0].head.substr(requests[0].head.size() - 4), "\r\n\r\n");
    EXPECT_EQ(requests[1].Path(), "/b");
}

TEST_F(LoopbackHttpServerTest, ALargerAnnouncedLengthEndsTheTransferEarly)
{
    HttpReply reply;
    reply.body = PseudoRandomBytes(4000, 1);
    reply.contentLength = 10000;
    m_server.SetRoute("/short", reply);
    const Fetched fetched = Fetch(m_server.Url("/short"));
    ASSERT_TRUE(fetched.opened);
    // WinInet ends such a transfer like a complete one: no failed read.
    EXPECT_EQ(fetched.body, reply.body);
    EXPECT_FALSE(fetched.readFailed);
}

TEST_F(LoopbackHttpServerTest, AResetCutsTheBodyAfterTheGivenBytes)
{
    HttpReply reply;
    reply.body = PseudoRandomBytes(1 << 20, 2);
    reply.resetAfter = 100000;
    m_server.SetRoute("/reset", reply);
    // On a plain socket: the bytes, then a reset rather than a close.
    const RawExchange raw = Exchange(m_server.Port(), "GET /reset HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(raw.endError, WSAECONNRESET);
    const size_t headEnd = raw.received.find("\r\n\r\n");
    ASSERT_NE(headEnd, std::string::npos);
    EXPECT_NE(raw.received.find("Content-Length: 1048576\r\n"), std::string::npos);
    EXPECT_TRUE(raw.received.substr(headEnd + 4) == reply.body.substr(0, 100000));

    // WinInet fails the read that the reset interrupts, and that read's
    // bytes are not handed out.
    const Fetched fetched = Fetch(m_server.Url("/reset"));
    ASSERT_TRUE(fetched.opened);
    EXPECT_TRUE(fetched.readFailed);
    EXPECT_LT(fetched.body.size(), 100000u);
    EXPECT_EQ(fetched.body, reply.body.substr(0, fetched.body.size()));
    EXPECT_NE(fetched.readError, 0u);
}

TEST_F(LoopbackHttpServerTest, ASlowBodyTricklesUntilStopped)
{
    HttpReply reply;
    reply.body = std::string(100000, 'z');
    reply.trickleBytes = 100;
    reply.trickleDelayMs = 20;
    m_server.SetRoute("/slow", reply);

    const auto start = std::chrono::steady_clock::now();
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        m_server.StopTrickling();
    });
    const Fetched fetched = Fetch(m_server.Url("/slow"));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    stopper.join();
    // All of it would take 20 s; half a second gives about 2,500 bytes.
    EXPECT_FALSE(fetched.readFailed);
    EXPECT_GE(fetched.body.size(), 500u);
    EXPECT_LT(fetched.body.size(), 10000u);
    EXPECT_EQ(fetched.body, reply.body.substr(0, fetched.body.size()));
    EXPECT_GE(elapsed, std::chrono::milliseconds(500));
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST_F(LoopbackHttpServerTest, AFileBodyIsStreamedWhole)
{
    TempFolder folder;
    const std::string bytes = PseudoRandomBytes(3 * 1024 * 1024 + 17, 3);
    const std::wstring path = folder.File(L"package.bin");
    ASSERT_TRUE(WriteWholeFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())));
    HttpReply reply;
    reply.bodyFile = path;
    m_server.SetRoute("/package.msi", reply);

    const Fetched fetched = Fetch(m_server.Url("/package.msi"));
    EXPECT_EQ(fetched.status, 200u);
    EXPECT_FALSE(fetched.readFailed);
    EXPECT_TRUE(fetched.body == bytes) << "got " << fetched.body.size() << " of " << bytes.size() << " bytes";
}
