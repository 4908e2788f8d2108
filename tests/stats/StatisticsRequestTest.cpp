// The bytes of a statistics request: body, escaping, numbers, header lines.
#include "stats/StatisticsRequest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ServiceInstallation;

namespace {

constexpr std::wstring_view kNamespace = L"http://stats.test.example/";

std::string BodyFor(const StatisticUser& user)
{
    const auto body = BuildSendStatisticUserByProductIdWidBody(kNamespace, user);
    EXPECT_TRUE(body.has_value());
    return body.value_or("");
}

} // namespace

TEST(StatisticsRequestTest, PlainRegistrationGivesExactlyTheseBytes)
{
    const StatisticUser user{L"John", L"", L"john@example.com", L"US", L"fr", 1.0, L"123"};
    EXPECT_EQ(BodyFor(user),
              "<soap:Envelope"
              " xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\""
              " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
              " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
              " xmlns:soapenc=\"http://schemas.xmlsoap.org/soap/encoding/\">"
              "<soap:Body>"
              "<SendStatisticUserByProductIdWid xmlns=\"http://stats.test.example/\">"
              "<firstname>John</firstname>"
              "<lastname></lastname>"
              "<email>john@example.com</email>"
              "<countryiso2>US</countryiso2>"
              "<languageiso6391>fr</languageiso6391>"
              "<productid>1</productid>"
              "<wid>123</wid>"
              "</SendStatisticUserByProductIdWid>"
              "</soap:Body>"
              "</soap:Envelope>");
}

TEST(StatisticsRequestTest, EmptyValuesAreStartTagThenEndTagInEveryElement)
{
    const std::string body = BodyFor(StatisticUser{L"", L"", L"only@mail.example", L"", L"en", 1.0, L""});
    for (const char* element : {"<firstname></firstname>", "<lastname></lastname>", "<countryiso2></countryiso2>",
                                "<wid></wid>", "<email>only@mail.example</email>"})
        EXPECT_NE(body.find(element), std::string::npos) << element;
    EXPECT_EQ(body.find("/>"), std::string::npos);
    EXPECT_EQ(body.find_first_of("\r\n\t"), std::string::npos);
}

TEST(StatisticsRequestTest, EscapingTable)
{
    struct Case
    {
        std::wstring text;
        std::string escaped;
    };
    const Case cases[] = {
        {L"", ""},
        {L"A&B", "A&amp;B"},
        {L"<x>", "&lt;x&gt;"},
        {L"&amp;", "&amp;amp;"},
        {L"\"quoted\" and 'single'", "\"quoted\" and 'single'"},
        {L"M\u00FCller", "M&#x00FC;ller"},
        {L"caf\u00E9", "caf&#x00E9;"},
        {L"a\tb\nc\x01", "a&#x0009;b&#x000A;c&#x0001;"},
        {L"\x7F", "&#x007F;"},
        {L"\u65E5\uFFFF", "&#x65E5;&#xFFFF;"},
        {{wchar_t(0xD83D), wchar_t(0xDE00)}, "&#x01F600;"},             // U+1F600 as a pair
        {{wchar_t(0xD800), wchar_t(0xDC00)}, "&#x010000;"},             // first beyond the BMP
        {{wchar_t(0xDBFF), wchar_t(0xDFFF)}, "&#x10FFFF;"},             // last code point
        {{wchar_t(0xD83D), L'x'}, "&#xD83D;x"},                         // lone high
        {{L'a', wchar_t(0xD83D)}, "a&#xD83D;"},                         // high at the end
        {{wchar_t(0xDE00), L'y'}, "&#xDE00;y"},                         // lone low
        {{wchar_t(0xDE00), wchar_t(0xD83D)}, "&#xDE00;&#xD83D;"},       // pair in the wrong order
        {{wchar_t(0xD83D), wchar_t(0xD83D), wchar_t(0xDE00)}, "&#xD83D;&#x01F600;"},
    };
    for (const Case& c : cases) {
        const std::string escaped = EscapeXmlText(c.text);
        EXPECT_EQ(escaped, c.escaped) << "case " << (&c - cases);
        for (char ch : escaped)
            EXPECT_TRUE(ch >= 32 && ch <= 126) << "case " << (&c - cases);
    }
}

TEST(StatisticsRequestTest, PrintableAsciiOtherThanTheThreeMarkupCharactersPassesUnchanged)
{
    std::wstring all;
    std::string expected;
    for (wchar_t c = 32; c <= 126; ++c) {
        all += c;
        if (c == L'&')
            expected += "&amp;";
        else if (c == L'<')
            expected += "&lt;";
        else if (c == L'>')
            expected += "&gt;";
        else
            expected += static_cast<char>(c);
    }
    EXPECT_EQ(EscapeXmlText(all), expected);
}

TEST(StatisticsRequestTest, EveryStringParameterIsEscapedInItsOwnElement)
{
    const std::wstring name = L"A&B <x> \u00FC" + std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)};
    const std::string body = BodyFor(StatisticUser{name, L"<", L"a&b@c", L"\u00E9", L">", 1.0, L"\x01"});
    for (const char* element :
         {"<firstname>A&amp;B &lt;x&gt; &#x00FC;&#x01F600;</firstname>", "<lastname>&lt;</lastname>",
          "<email>a&amp;b@c</email>", "<countryiso2>&#x00E9;</countryiso2>", "<languageiso6391>&gt;</languageiso6391>",
          "<wid>&#x0001;</wid>"})
        EXPECT_NE(body.find(element), std::string::npos) << element;
}

TEST(StatisticsRequestTest, DecimalsArePlainWithoutTrailingPoint)
{
    struct Case
    {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {1.0, "1"},   {0.0, "0"},     {-0.0, "0"},     {-3.0, "-3"},      {2.5, "2.5"},
        {0.1, "0.1"}, {1e20, "100000000000000000000"}, {123456789.0, "123456789"}, {1e-7, "0.0000001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDecimal(c.value), std::optional<std::string>(c.text)) << c.text;
    EXPECT_FALSE(FormatDecimal(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(FormatDecimal(std::nan("")));
    EXPECT_EQ(FormatDecimal(std::numeric_limits<double>::max())->size(), 309u);
}

TEST(StatisticsRequestTest, HeaderLines)
{
    const Operation& operation = kOperations[kSendStatisticUserByProductIdWid];
    EXPECT_EQ(SoapActionHeaderLine(kNamespace, operation),
              L"SOAPAction: \"http://stats.test.example/SendStatisticUserByProductIdWid\"\r\n");
    EXPECT_EQ(kContentTypeHeaderLine, L"Content-Type: text/xml; charset=utf-8\r\n");
    EXPECT_EQ(RequestHeaderLines(kNamespace, operation),
              L"SOAPAction: \"http://stats.test.example/SendStatisticUserByProductIdWid\"\r\n"
              L"Content-Type: text/xml; charset=utf-8\r\n");
}

TEST(StatisticsRequestTest, OperationTableInOrder)
{
    struct Expected
    {
        const char* request;
        const char* response;
        std::vector<std::string> parameters;
    };
    const Expected expected[] = {
        {"SendStatisticUserByEmail", "SendStatisticUserByEmailResponse",
         {"email", "countryiso2", "languageiso6391", "productid", "wid"}},
        {"SendStatisticUserByProductId", "SendStatisticUserByProductIdResponse",
         {"firstname", "lastname", "email", "countryiso2", "languageiso6391", "productid"}},
        {"SendStatisticUserWid", "SendStatisticUserWidResponse",
         {"firstname", "lastname", "email", "countryiso2", "languageiso6391", "wid"}},
        {"SendStatisticUserByProductIdWid", "SendStatisticUserByProductIdWidResponse",
         {"firstname", "lastname", "email", "countryiso2", "languageiso6391", "productid", "wid"}},
        {"SendStatisticUser", "SendStatisticUserResponse",
         {"firstname", "lastname", "email", "countryiso2", "languageiso6391"}},
    };
    ASSERT_EQ(kOperations.size(), std::size(expected));
    for (size_t i = 0; i < kOperations.size(); ++i) {
        const Operation& operation = kOperations[i];
        EXPECT_EQ(operation.requestElement, expected[i].request);
        EXPECT_EQ(operation.responseElement, expected[i].response);
        std::vector<std::string> names;
        for (const Parameter& parameter : operation.parameters) {
            names.emplace_back(parameter.name);
            EXPECT_EQ(parameter.type == ParameterType::Decimal, parameter.name == "productid");
        }
        EXPECT_EQ(names, expected[i].parameters) << operation.requestElement;
    }
}

TEST(StatisticsRequestTest, GenericBodyWritesNilStringsAndRejectsValuesThatDoNotFit)
{
    const Operation& byEmail = kOperations[kSendStatisticUserByEmail];
    const ParameterValue values[] = {std::wstring_view(L"e@x"), std::monostate(), std::wstring_view(L"it"), 2.0,
                                     std::monostate()};
    const auto body = BuildRequestBody(byEmail, L"urn:a&b", values);
    ASSERT_TRUE(body);
    EXPECT_NE(body->find("<SendStatisticUserByEmail xmlns=\"urn:a&amp;b\"><email>e@x</email>"
                         "<countryiso2 xsi:nil=\"1\"/><languageiso6391>it</languageiso6391>"
                         "<productid>2</productid><wid xsi:nil=\"1\"/></SendStatisticUserByEmail></soap:Body>"),
              std::string::npos)
        << *body;

    const ParameterValue tooFew[] = {std::wstring_view(L"e@x")};
    EXPECT_FALSE(BuildRequestBody(byEmail, kNamespace, tooFew));
    const ParameterValue nilDecimal[] = {std::monostate(), std::monostate(), std::monostate(), std::monostate(),
                                         std::monostate()};
    EXPECT_FALSE(BuildRequestBody(byEmail, kNamespace, nilDecimal));
    const ParameterValue decimalAsString[] = {std::monostate(), std::monostate(), std::monostate(),
                                              std::wstring_view(L"1"), std::monostate()};
    EXPECT_FALSE(BuildRequestBody(byEmail, kNamespace, decimalAsString));
    const ParameterValue stringAsDecimal[] = {1.0, std::monostate(), std::monostate(), 1.0, std::monostate()};
    EXPECT_FALSE(BuildRequestBody(byEmail, kNamespace, stringAsDecimal));
    const ParameterValue notANumber[] = {std::monostate(), std::monostate(), std::monostate(), std::nan(""),
                                         std::monostate()};
    EXPECT_FALSE(BuildRequestBody(byEmail, kNamespace, notANumber));
}
