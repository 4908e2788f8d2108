#pragma once

// The bytes the statistics service receives: its operation table, the SOAP
// request body and the extra header lines. No window or network code here.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace ServiceInstallation {

inline constexpr std::wstring_view kServicePath = L"/ServiceInstallation.asmx";
inline constexpr std::wstring_view kSoapEnvelopeNamespace = L"http://schemas.xmlsoap.org/soap/envelope/";

enum class ParameterType
{
    String,  // xsd:string, may be nil
    Decimal, // xsd:decimal, never nil
};

struct Parameter
{
    std::string_view name;
    ParameterType type;
};

struct Operation
{
    std::string_view requestElement;
    std::string_view responseElement;
    std::span<const Parameter> parameters;
};

// Positions in the operation table; the guide sends only the fourth.
enum OperationIndex : size_t
{
    kSendStatisticUserByEmail = 0,
    kSendStatisticUserByProductId = 1,
    kSendStatisticUserWid = 2,
    kSendStatisticUserByProductIdWid = 3,
    kSendStatisticUser = 4,
};

extern const std::array<Operation, 5> kOperations;

// One parameter's value: nothing (a nil string), a string, or a decimal.
using ParameterValue = std::variant<std::monostate, std::wstring_view, double>;

// "&" "<" ">" as entities, 32..126 as they are, everything else as a
// character reference: four hex digits, six for a valid surrogate pair.
// The result is pure ASCII.
std::string EscapeXmlText(std::wstring_view text);

// Plain decimal notation, shortest form that reads back the same value, no
// exponent and no trailing point: 1 -> "1", 0.25 -> "0.25". Nothing for
// infinities and NaN, which xsd:decimal cannot express.
std::optional<std::string> FormatDecimal(double value);

// The one-line body of a request, or nothing when the values do not fit the
// operation's parameters (count, a nil or string decimal, a decimal string, a
// decimal that cannot be written).
std::optional<std::string> BuildRequestBody(const Operation& operation, std::wstring_view serviceNamespace,
                                            std::span<const ParameterValue> values);

struct StatisticUser
{
    std::wstring firstname;
    std::wstring lastname;
    std::wstring email;
    std::wstring countryiso2;
    std::wstring languageiso6391;
    double productid = 1;
    std::wstring wid;
};

std::optional<std::string> BuildSendStatisticUserByProductIdWidBody(std::wstring_view serviceNamespace,
                                                                    const StatisticUser& user);

// "SOAPAction: \"<namespace><operation>\"\r\n"
std::wstring SoapActionHeaderLine(std::wstring_view serviceNamespace, const Operation& operation);
inline constexpr std::wstring_view kContentTypeHeaderLine = L"Content-Type: text/xml; charset=utf-8\r\n";
// Both extra header lines of a request, SOAPAction first.
std::wstring RequestHeaderLines(std::wstring_view serviceNamespace, const Operation& operation);

} // namespace ServiceInstallation
