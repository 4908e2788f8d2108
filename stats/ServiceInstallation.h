#pragma once

#include "framework/ComPtr.h"

// The client of the installation statistics service: one SOAP 1.1 call over
// a transport such as CSoapHttpClient, the answer read with the system's SAX
// reader. The guide sends one call per run and ignores how it ends.

#include "app/BuildConfig.h"
#include "stats/SoapHttpClient.h"
#include "stats/StatisticsRequest.h"

#include <objbase.h>
#include <msxml2.h>

#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ServiceInstallation {

// The system SAX reader of MSXML 6.
extern const CLSID kClsidSaxXmlReader60;
extern const IID kIidSaxXmlReader;
extern const IID kIidSaxContentHandler;

// Reads a SOAP 1.1 response: an Envelope (an optional Header, whose content
// is not looked at), then a Body with exactly one element, either the
// operation's response element in the service namespace, which must be empty,
// or a Fault. Anything else stops the parse.
//
// It lives inside the client object; the reader holds it only while it
// lives, which is within one call, so the reference count does not own it.
class SoapResponseHandler final : public ISAXContentHandler
{
public:
    enum class Found
    {
        Nothing,
        Response,
        Fault,
    };

    SoapResponseHandler() = default;
    SoapResponseHandler(const SoapResponseHandler&) = delete;
    SoapResponseHandler& operator=(const SoapResponseHandler&) = delete;

    void Reset(std::wstring_view serviceNamespace, std::string_view responseElement);
    // Found::Nothing also when the document broke the rules above.
    Found Result() const { return m_rejected ? Found::Nothing : m_found; }
    const std::wstring& FaultCode() const { return m_faultCode; }
    const std::wstring& FaultString() const { return m_faultString; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ISAXContentHandler
    HRESULT STDMETHODCALLTYPE putDocumentLocator(ISAXLocator* locator) override;
    HRESULT STDMETHODCALLTYPE startDocument() override;
    HRESULT STDMETHODCALLTYPE endDocument() override;
    HRESULT STDMETHODCALLTYPE startPrefixMapping(const wchar_t* prefix, int prefixLength, const wchar_t* uri,
                                                 int uriLength) override;
    HRESULT STDMETHODCALLTYPE endPrefixMapping(const wchar_t* prefix, int prefixLength) override;
    HRESULT STDMETHODCALLTYPE startElement(const wchar_t* namespaceUri, int namespaceLength,
                                           const wchar_t* localName, int localLength, const wchar_t* qName,
                                           int qNameLength, ISAXAttributes* attributes) override;
    HRESULT STDMETHODCALLTYPE endElement(const wchar_t* namespaceUri, int namespaceLength,
                                         const wchar_t* localName, int localLength, const wchar_t* qName,
                                         int qNameLength) override;
    HRESULT STDMETHODCALLTYPE characters(const wchar_t* text, int length) override;
    HRESULT STDMETHODCALLTYPE ignorableWhitespace(const wchar_t* text, int length) override;
    HRESULT STDMETHODCALLTYPE processingInstruction(const wchar_t* target, int targetLength, const wchar_t* data,
                                                    int dataLength) override;
    HRESULT STDMETHODCALLTYPE skippedEntity(const wchar_t* name, int length) override;

private:
    enum class Frame
    {
        Envelope,
        Header,
        Body,
        Response,
        Fault,
        FaultCode,
        FaultString,
        Ignored, // inside the Header or the Fault
    };

    HRESULT Reject();

    std::wstring m_serviceNamespace;
    std::string m_responseElement;
    std::vector<Frame> m_frames; // one per open element
    bool m_sawHeader = false;
    bool m_sawBody = false;
    bool m_rejected = false;
    Found m_found = Found::Nothing;
    std::wstring m_faultCode;
    std::wstring m_faultString;
    ULONG m_references = 0;
};

// Creates the SAX reader with the handler as its content handler.
HRESULT CreateSaxReader(ISAXContentHandler& handler, ComPtr<ISAXXMLReader>& reader);
// Parses the bytes as one document; S_OK only when the reader accepted them.
HRESULT ParseDocument(ISAXXMLReader& reader, std::string_view document);

template <class TClient>
class CServiceInstallationT
{
public:
    explicit CServiceInstallationT(std::wstring host = kStatisticsHost, INTERNET_PORT port = kStatisticsPort,
                                   std::wstring serviceNamespace = kStatisticsNamespace)
        : m_client(std::move(host), port), m_serviceNamespace(std::move(serviceNamespace))
    {
    }

    // Negative on failure; FailedStage then tells where.
    HRESULT SendStatisticUserByProductIdWid(const std::wstring& firstname, const std::wstring& lastname,
                                            const std::wstring& email, const std::wstring& countryiso2,
                                            const std::wstring& languageiso6391, double productid,
                                            const std::wstring& wid)
    {
        const Operation& operation = kOperations[kSendStatisticUserByProductIdWid];
        m_failedStage = SoapStage::None;
        m_httpStatus = 0;
        ComPtr<ISAXXMLReader> reader;
        if (const HRESULT hr = CreateSaxReader(m_handler, reader); FAILED(hr))
            return Failed(SoapStage::CreateReader, hr);

        try {
            m_handler.Reset(m_serviceNamespace, operation.responseElement);
            const StatisticUser user{firstname, lastname, email, countryiso2, languageiso6391, productid, wid};
            const auto body = BuildSendStatisticUserByProductIdWidBody(m_serviceNamespace, user);
            if (!body)
                return Failed(SoapStage::BuildBody, E_INVALIDARG);
            return Call(*reader.Get(), operation, *body);
        } catch (const std::bad_alloc&) {
            return Failed(SoapStage::PrepareRecord, E_OUTOFMEMORY);
        }
    }

    SoapStage FailedStage() const { return m_failedStage; }
    DWORD HttpStatus() const { return m_httpStatus; }
    const SoapResponseHandler& Response() const { return m_handler; }

private:
    HRESULT Call(ISAXXMLReader& reader, const Operation& operation, const std::string& body)
    {
        SoapHttpResponse response;
        SoapStage stage = SoapStage::None;
        const HRESULT sent = m_client.Post(kServicePath, RequestHeaderLines(m_serviceNamespace, operation), body,
                                           response, stage);
        if (FAILED(sent))
            return Failed(stage, sent);
        m_httpStatus = response.status;

        // A 500 is read as a fault and fails whatever it holds; any other
        // status counts as delivered if the body holds the response element.
        const HRESULT parsed = ParseDocument(reader, response.body);
        const SoapResponseHandler::Found expected = response.status == HTTP_STATUS_SERVER_ERROR
                                                        ? SoapResponseHandler::Found::Fault
                                                        : SoapResponseHandler::Found::Response;
        if (FAILED(parsed))
            return Failed(SoapStage::ParseResponse, parsed);
        if (m_handler.Result() != expected)
            return Failed(SoapStage::ParseResponse, E_FAIL);
        if (expected == SoapResponseHandler::Found::Fault)
            return Failed(SoapStage::ServerFault, E_FAIL);
        return S_OK;
    }

    HRESULT Failed(SoapStage stage, HRESULT hr)
    {
        m_failedStage = stage;
        return hr;
    }

    TClient m_client;
    std::wstring m_serviceNamespace;
    SoapResponseHandler m_handler;
    SoapStage m_failedStage = SoapStage::None;
    DWORD m_httpStatus = 0;
};

using CServiceInstallation = CServiceInstallationT<CSoapHttpClient>;

} // namespace ServiceInstallation
