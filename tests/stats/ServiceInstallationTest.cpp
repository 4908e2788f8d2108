// The statistics client end to end: real WinInet, the real SAX reader, and a
// loopback server in this process standing in for the service.
#include "stats/ServiceInstallation.h"
#include "tests/support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace ServiceInstallation;

namespace {

constexpr const wchar_t* kNamespace = L"http://stats.test.example/";
constexpr const char* kPath = "/ServiceInstallation.asmx";

// COM for the calling thread, as the wizard's thread has it.
class ComScope
{
public:
    ComScope() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_hr;
};

std::string Envelope(const std::string& body, const std::string& declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>")
{
    return declaration +
           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\">"
           "<soap:Body>" + body + "</soap:Body></soap:Envelope>";
}

const std::string kGoodResponse =
    Envelope("<SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.test.example/\" />");

const std::string kFault = Envelope("<soap:Fault><faultcode>soap:Server</faultcode>"
                                    "<faultstring>Server was unable to process request.</faultstring>"
                                    "<detail /></soap:Fault>");

HttpReply Xml(int status, std::string body)
{
    return HttpReply::Text(status, std::move(body), "text/xml; charset=utf-8");
}

class ServiceInstallationTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_server.IsListening()); }

    CServiceInstallation Client() { return CServiceInstallation(L"127.0.0.1", m_server.Port(), kNamespace); }

    static HRESULT Send(CServiceInstallation& client, const std::wstring& firstname = L"John",
                        const std::wstring& email = L"john@example.com")
    {
        return client.SendStatisticUserByProductIdWid(firstname, L"", email, L"US", L"fr", 1, L"123");
    }

    ComScope m_com;
    LoopbackHttpServer m_server;
};

size_t IndexOfHeader(const HttpRequestRecord& request, std::string_view name)
{
    for (size_t i = 0; i < request.headers.size(); ++i)
        if (request.headers[i].first == name)
            return i;
    return std::string::npos;
}

} // namespace

TEST_F(ServiceInstallationTest, OnePostWithTheHeadersAndTheBodyAsGenerated)
{
    m_server.SetRoute(kPath, Xml(200, kGoodResponse));
    CServiceInstallation client = Client();
    EXPECT_EQ(Send(client), S_OK);
    EXPECT_EQ(client.FailedStage(), SoapStage::None);
    EXPECT_EQ(client.HttpStatus(), 200u);

    const auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const HttpRequestRecord& request = requests[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, kPath);
    EXPECT_EQ(request.version, "HTTP/1.0");
    EXPECT_EQ(request.Header("User-Agent"), "VCSoapClient");
    EXPECT_EQ(request.Header("Accept"), "text/*");
    EXPECT_EQ(request.Header("Host"), "127.0.0.1:" + std::to_string(m_server.Port()));
    // What the keep-alive flag turns into on an HTTP/1.0 request.
    EXPECT_EQ(request.Header("Connection"), "Keep-Alive");

    // Our two lines, in our order and with their exact bytes.
    const size_t action = IndexOfHeader(request, "SOAPAction");
    const size_t type = IndexOfHeader(request, "Content-Type");
    ASSERT_NE(action, std::string::npos);
    ASSERT_NE(type, std::string::npos);
    EXPECT_LT(action, type);
    EXPECT_NE(request.head.find("\r\nSOAPAction: \"http://stats.test.example/SendStatisticUserByProductIdWid\"\r\n"
                                "Content-Type: text/xml; charset=utf-8\r\n"),
              std::string::npos)
        << request.head;

    const auto expected = BuildSendStatisticUserByProductIdWidBody(
        kNamespace, StatisticUser{L"John", L"", L"john@example.com", L"US", L"fr", 1, L"123"});
    ASSERT_TRUE(expected);
    EXPECT_EQ(request.body, *expected);
    EXPECT_EQ(request.Header("Content-Length"), std::to_string(expected->size()));
}

TEST_F(ServiceInstallationTest, ANameWithMarkupAndCharactersBeyondAsciiArrivesEscaped)
{
    m_server.SetRoute(kPath, Xml(200, kGoodResponse));
    CServiceInstallation client = Client();
    const std::wstring name = L"A&B <x> \u00FC" + std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)};
    EXPECT_EQ(Send(client, name, L""), S_OK);
    ASSERT_TRUE(m_server.WaitForRequests(1, 0));
    const std::string body = m_server.Requests()[0].body;
    EXPECT_NE(body.find("<firstname>A&amp;B &lt;x&gt; &#x00FC;&#x01F600;</firstname><lastname></lastname>"
                        "<email></email>"),
              std::string::npos)
        << body;
}

TEST_F(ServiceInstallationTest, ResponsesTable)
{
    struct Case
    {
        const char* what;
        int status;
        std::string body;
        SoapStage stage; // None: success
    };
    const Case cases[] = {
        {"empty response element", 200, kGoodResponse, SoapStage::None},
        {"start and end tag, header, no declaration", 200,
         "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\">\r\n"
         "  <s:Header><x:Trace xmlns:x=\"urn:x\">anything</x:Trace></s:Header>\r\n"
         "  <s:Body>\r\n    <SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.test.example/\">"
         "\r\n    </SendStatisticUserByProductIdWidResponse>\r\n  </s:Body>\r\n</s:Envelope>\r\n",
         SoapStage::None},
        {"a 202 counts as delivered", 202, kGoodResponse, SoapStage::None},
        {"404 with an HTML page", 404, "<html><head><title>Not Found</title></head><body>404</body></html>",
         SoapStage::ParseResponse},
        {"500 with a fault", 500, kFault, SoapStage::ServerFault},
        {"500 with an HTML page", 500, "<html><body>error</body></html>", SoapStage::ParseResponse},
        {"500 with the response element", 500, kGoodResponse, SoapStage::ParseResponse},
        {"200 with a fault", 200, kFault, SoapStage::ParseResponse},
        {"200 with garbage", 200, "this is not XML at all", SoapStage::ParseResponse},
        {"200 with an empty body", 200, "", SoapStage::ParseResponse},
        {"200 cut short", 200, kGoodResponse.substr(0, kGoodResponse.size() - 10), SoapStage::ParseResponse},
        {"response element in another namespace", 200,
         Envelope("<SendStatisticUserByProductIdWidResponse xmlns=\"http://other.example/\" />"),
         SoapStage::ParseResponse},
        {"response of another operation", 200,
         Envelope("<SendStatisticUserResponse xmlns=\"http://stats.test.example/\" />"), SoapStage::ParseResponse},
        {"response element with a value", 200,
         Envelope("<SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.test.example/\">"
                  "<Result>1</Result></SendStatisticUserByProductIdWidResponse>"),
         SoapStage::ParseResponse},
        {"two response elements", 200,
         Envelope("<SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.test.example/\" />"
                  "<SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.test.example/\" />"),
         SoapStage::ParseResponse},
        {"empty body element", 200, Envelope(""), SoapStage::ParseResponse},
        {"SOAP 1.2 envelope", 200,
         "<e:Envelope xmlns:e=\"http://www.w3.org/2003/05/soap-envelope\"><e:Body>"
         "<SendStatisticUserByProductIdWidResponse xmlns=\"http://stats.test.example/\" /></e:Body></e:Envelope>",
         SoapStage::ParseResponse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_server.SetRoute(kPath, Xml(c.status, c.body));
        CServiceInstallation client = Client();
        const HRESULT hr = Send(client);
        EXPECT_EQ(client.FailedStage(), c.stage);
        EXPECT_EQ(client.HttpStatus(), static_cast<DWORD>(c.status));
        if (c.stage == SoapStage::None)
            EXPECT_EQ(hr, S_OK);
        else
            EXPECT_LT(hr, 0);
    }
    EXPECT_EQ(m_server.Requests().size(), std::size(cases));
}

TEST_F(ServiceInstallationTest, AFaultIsReadForWhatItSays)
{
    m_server.SetRoute(kPath, Xml(500, kFault));
    CServiceInstallation client = Client();
    EXPECT_LT(Send(client), 0);
    EXPECT_EQ(client.FailedStage(), SoapStage::ServerFault);
    EXPECT_EQ(client.Response().FaultCode(), L"soap:Server");
    EXPECT_EQ(client.Response().FaultString(), L"Server was unable to process request.");
}

TEST_F(ServiceInstallationTest, ASecondCallOnTheSameClientSendsAgainWithItsStateCleared)
{
    CServiceInstallation client = Client();
    EXPECT_LT(Send(client), 0); // no route: 404
    EXPECT_EQ(client.FailedStage(), SoapStage::ParseResponse);

    m_server.SetRoute(kPath, Xml(200, kGoodResponse));
    EXPECT_EQ(Send(client, L"Second"), S_OK);
    EXPECT_EQ(client.FailedStage(), SoapStage::None);

    const auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[1].body.find("<firstname>Second</firstname>"), std::string::npos);
}

TEST_F(ServiceInstallationTest, AClosedPortFailsAtSendingWithinSeconds)
{
    LoopbackHttpServer gone;
    const uint16_t port = gone.Port();
    gone.Stop();

    CServiceInstallation client(L"127.0.0.1", port, kNamespace);
    const auto start = std::chrono::steady_clock::now();
    const HRESULT hr = Send(client);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(hr, 0);
    EXPECT_EQ(client.FailedStage(), SoapStage::SendRequest);
    EXPECT_EQ(hr, HRESULT_FROM_WIN32(ERROR_INTERNET_CANNOT_CONNECT));
    EXPECT_LT(elapsed, std::chrono::seconds(10));
}

TEST_F(ServiceInstallationTest, WithoutComTheReaderCannotBeMadeAndNothingIsSent)
{
    m_server.SetRoute(kPath, Xml(200, kGoodResponse));
    HRESULT hr = S_OK;
    SoapStage stage = SoapStage::None;
    // A fresh thread that never initialised COM.
    std::thread([&] {
        CServiceInstallation client = Client();
        hr = Send(client);
        stage = client.FailedStage();
    }).join();
    EXPECT_EQ(hr, CO_E_NOTINITIALIZED);
    EXPECT_EQ(stage, SoapStage::CreateReader);
    EXPECT_FALSE(m_server.WaitForRequests(1, 300));
}
