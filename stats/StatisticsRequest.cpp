#include "stats/StatisticsRequest.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace ServiceInstallation {

namespace {

constexpr Parameter kFirstname{"firstname", ParameterType::String};
constexpr Parameter kLastname{"lastname", ParameterType::String};
constexpr Parameter kEmail{"email", ParameterType::String};
constexpr Parameter kCountry{"countryiso2", ParameterType::String};
constexpr Parameter kLanguage{"languageiso6391", ParameterType::String};
constexpr Parameter kProductId{"productid", ParameterType::Decimal};
constexpr Parameter kWid{"wid", ParameterType::String};

constexpr Parameter kByEmail[] = {kEmail, kCountry, kLanguage, kProductId, kWid};
constexpr Parameter kByProductId[] = {kFirstname, kLastname, kEmail, kCountry, kLanguage, kProductId};
constexpr Parameter kUserWid[] = {kFirstname, kLastname, kEmail, kCountry, kLanguage, kWid};
constexpr Parameter kByProductIdWid[] = {kFirstname, kLastname, kEmail, kCountry, kLanguage, kProductId, kWid};
constexpr Parameter kUser[] = {kFirstname, kLastname, kEmail, kCountry, kLanguage};

constexpr std::string_view kEnvelopeStart =
    "<soap:Envelope"
    " xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\""
    " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
    " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
    " xmlns:soapenc=\"http://schemas.xmlsoap.org/soap/encoding/\">"
    "<soap:Body>";
constexpr std::string_view kEnvelopeEnd = "</soap:Body></soap:Envelope>";

void AppendHex(std::string& out, uint32_t value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[8];
    int count = 0;
    do {
        buffer[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0 && count < 8);
    for (int pad = count; pad < digits; ++pad)
        out += '0';
    while (count > 0)
        out += buffer[--count];
}

void AppendCharacterReference(std::string& out, uint32_t value, int digits)
{
    out += "&#x";
    AppendHex(out, value, digits);
    out += ';';
}

bool IsHighSurrogate(uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

uint32_t CodeUnit(wchar_t unit)
{
    return static_cast<std::make_unsigned_t<wchar_t>>(unit);
}

void AppendEscaped(std::string& out, std::wstring_view text, bool inAttribute)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t unit = CodeUnit(text[i]);
        if (unit == '&')
            out += "&amp;";
        else if (unit == '<')
            out += "&lt;";
        else if (unit == '>')
            out += "&gt;";
        else if (unit == '"' && inAttribute)
            out += "&quot;";
        else if (unit >= 32 && unit <= 126)
            out += static_cast<char>(unit);
        else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(CodeUnit(text[i + 1]))) {
            const uint32_t low = CodeUnit(text[++i]);
            AppendCharacterReference(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), 6);
        } else
            // Where wchar_t holds whole code points, those beyond the BMP
            // get the six digits a surrogate pair gets.
            AppendCharacterReference(out, unit, unit > 0xFFFF ? 6 : 4);
    }
}

void AppendElement(std::string& out, std::string_view name, std::string_view content)
{
    out += '<';
    out += name;
    out += '>';
    out += content;
    out += "</";
    out += name;
    out += '>';
}

} // namespace

const std::array<Operation, 5> kOperations = {{
    {"SendStatisticUserByEmail", "SendStatisticUserByEmailResponse", kByEmail},
    {"SendStatisticUserByProductId", "SendStatisticUserByProductIdResponse", kByProductId},
    {"SendStatisticUserWid", "SendStatisticUserWidResponse", kUserWid},
    {"SendStatisticUserByProductIdWid", "SendStatisticUserByProductIdWidResponse", kByProductIdWid},
    {"SendStatisticUser", "SendStatisticUserResponse", kUser},
}};

std::string EscapeXmlText(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text, false);
    return out;
}

std::optional<std::string> FormatDecimal(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return "0"; // also for -0
    // Fixed notation of the largest double has 309 digits; the smallest
    // subnormal, 0.000...5, about 330 characters.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return std::nullopt;
    return std::string(buffer, result.ptr);
}

std::optional<std::string> BuildRequestBody(const Operation& operation, std::wstring_view serviceNamespace,
                                            std::span<const ParameterValue> values)
{
    if (values.size() != operation.parameters.size())
        return std::nullopt;

    std::string body(kEnvelopeStart);
    body += '<';
    body += operation.requestElement;
    body += " xmlns=\"";
    AppendEscaped(body, serviceNamespace, true);
    body += "\">";

    for (size_t i = 0; i < values.size(); ++i) {
        const Parameter& parameter = operation.parameters[i];
        const ParameterValue& value = values[i];
        if (parameter.type == ParameterType::Decimal) {
            const double* number = std::get_if<double>(&value);
            if (number == nullptr)
                return std::nullopt;
            const auto text = FormatDecimal(*number);
            if (!text)
                return std::nullopt;
            AppendElement(body, parameter.name, *text);
        } else if (const auto* text = std::get_if<std::wstring_view>(&value)) {
            AppendElement(body, parameter.name, EscapeXmlText(*text));
        } else if (std::holds_alternative<std::monostate>(value)) {
            body += '<';
            body += parameter.name;
            body += " xsi:nil=\"1\"/>";
        } else {
            return std::nullopt;
        }
    }

    body += "</";
    body += operation.requestElement;
    body += '>';
    body += kEnvelopeEnd;
    return body;
}

std::optional<std::string> BuildSendStatisticUserByProductIdWidBody(std::wstring_view serviceNamespace,
                                                                    const StatisticUser& user)
{
    const ParameterValue values[] = {
        std::wstring_view(user.firstname), std::wstring_view(user.lastname),
        std::wstring_view(user.email),     std::wstring_view(user.countryiso2),
        std::wstring_view(user.languageiso6391), user.productid,
        std::wstring_view(user.wid),
    };
    return BuildRequestBody(kOperations[kSendStatisticUserByProductIdWid], serviceNamespace, values);
}

std::wstring SoapActionHeaderLine(std::wstring_view serviceNamespace, const Operation& operation)
{
    std::wstring line = L"SOAPAction: \"";
    line += serviceNamespace;
    line.append(operation.requestElement.begin(), operation.requestElement.end());
    line += L"\"\r\n";
    return line;
}

std::wstring RequestHeaderLines(std::wstring_view serviceNamespace, const Operation& operation)
{
    return SoapActionHeaderLine(serviceNamespace, operation) + std::wstring(kContentTypeHeaderLine);
}

} // namespace ServiceInstallation
