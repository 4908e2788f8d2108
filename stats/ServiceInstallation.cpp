#include "stats/ServiceInstallation.h"

#include <shlwapi.h>

#include <algorithm>

namespace ServiceInstallation {

// {079AA557-4A18-424A-8EEE-E39F0A8D41B9}
const CLSID kClsidSaxXmlReader60 = {0x079AA557, 0x4A18, 0x424A, {0x8E, 0xEE, 0xE3, 0x9F, 0x0A, 0x8D, 0x41, 0xB9}};
// {A4F96ED0-F829-476E-81C0-CDC7BD2A0802}
const IID kIidSaxXmlReader = {0xA4F96ED0, 0xF829, 0x476E, {0x81, 0xC0, 0xCD, 0xC7, 0xBD, 0x2A, 0x08, 0x02}};
// {1545CDFA-9E4E-4497-A8A4-2BF7D0112C44}
const IID kIidSaxContentHandler = {0x1545CDFA, 0x9E4E, 0x4497, {0xA8, 0xA4, 0x2B, 0xF7, 0xD0, 0x11, 0x2C, 0x44}};

namespace {

std::wstring_view View(const wchar_t* text, int length)
{
    return text != nullptr && length > 0 ? std::wstring_view(text, static_cast<size_t>(length)) : std::wstring_view();
}

bool EqualsAscii(std::wstring_view wide, std::string_view ascii)
{
    return std::equal(wide.begin(), wide.end(), ascii.begin(), ascii.end(),
                      [](wchar_t w, char a) { return w == static_cast<unsigned char>(a); });
}

bool IsWhitespace(std::wstring_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; });
}

} // namespace

void SoapResponseHandler::Reset(std::wstring_view serviceNamespace, std::string_view responseElement)
{
    m_serviceNamespace = serviceNamespace;
    m_responseElement = responseElement;
    m_frames.clear();
    m_sawHeader = false;
    m_sawBody = false;
    m_rejected = false;
    m_found = Found::Nothing;
    m_faultCode.clear();
    m_faultString.clear();
}

HRESULT SoapResponseHandler::Reject()
{
    m_rejected = true;
    return E_FAIL;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kIidSaxContentHandler)) {
        *object = static_cast<ISAXContentHandler*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE SoapResponseHandler::AddRef()
{
    return ++m_references;
}

ULONG STDMETHODCALLTYPE SoapResponseHandler::Release()
{
    return m_references > 0 ? --m_references : 0;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::putDocumentLocator(ISAXLocator*)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::startDocument()
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::endDocument()
{
    return m_found == Found::Nothing ? Reject() : S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::startPrefixMapping(const wchar_t*, int, const wchar_t*, int)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::endPrefixMapping(const wchar_t*, int)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::startElement(const wchar_t* namespaceUri, int namespaceLength,
                                                             const wchar_t* localName, int localLength,
                                                             const wchar_t*, int, ISAXAttributes*)
{
    if (m_rejected)
        return E_FAIL;
    const std::wstring_view uri = View(namespaceUri, namespaceLength);
    const std::wstring_view name = View(localName, localLength);
    const bool inSoap = uri == kSoapEnvelopeNamespace;
    Frame frame = Frame::Ignored;
    try {
        if (m_frames.empty()) {
            if (!inSoap || name != L"Envelope")
                return Reject();
            frame = Frame::Envelope;
        } else {
            switch (m_frames.back()) {
            case Frame::Envelope:
                if (inSoap && name == L"Header" && !m_sawHeader && !m_sawBody) {
                    m_sawHeader = true;
                    frame = Frame::Header;
                } else if (inSoap && name == L"Body" && !m_sawBody) {
                    m_sawBody = true;
                    frame = Frame::Body;
                } else {
                    return Reject();
                }
                break;
            case Frame::Body:
                if (m_found != Found::Nothing)
                    return Reject();
                if (uri == m_serviceNamespace && EqualsAscii(name, m_responseElement)) {
                    m_found = Found::Response;
                    frame = Frame::Response;
                } else if (inSoap && name == L"Fault") {
                    m_found = Found::Fault;
                    frame = Frame::Fault;
                } else {
                    return Reject();
                }
                break;
            case Frame::Response:
                return Reject(); // no operation returns a value
            case Frame::Fault:
                // SOAP 1.1 fault details are unqualified.
                if (uri.empty() && name == L"faultcode")
                    frame = Frame::FaultCode;
                else if (uri.empty() && name == L"faultstring")
                    frame = Frame::FaultString;
                break;
            case Frame::Header:
            case Frame::FaultCode:
            case Frame::FaultString:
            case Frame::Ignored:
                break;
            }
        }
        m_frames.push_back(frame);
    } catch (const std::bad_alloc&) {
        m_rejected = true;
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::endElement(const wchar_t*, int, const wchar_t*, int, const wchar_t*,
                                                           int)
{
    if (m_rejected || m_frames.empty())
        return E_FAIL;
    m_frames.pop_back();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::characters(const wchar_t* text, int length)
{
    if (m_rejected)
        return E_FAIL;
    const std::wstring_view chars = View(text, length);
    const Frame frame = m_frames.empty() ? Frame::Envelope : m_frames.back();
    try {
        switch (frame) {
        case Frame::Envelope:
        case Frame::Body:
        case Frame::Response:
            return IsWhitespace(chars) ? S_OK : Reject();
        case Frame::FaultCode:
            m_faultCode += chars;
            break;
        case Frame::FaultString:
            m_faultString += chars;
            break;
        case Frame::Header:
        case Frame::Fault:
        case Frame::Ignored:
            break;
        }
    } catch (const std::bad_alloc&) {
        m_rejected = true;
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::ignorableWhitespace(const wchar_t*, int)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::processingInstruction(const wchar_t*, int, const wchar_t*, int)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE SoapResponseHandler::skippedEntity(const wchar_t*, int)
{
    return S_OK;
}

HRESULT CreateSaxReader(ISAXContentHandler& handler, ComPtr<ISAXXMLReader>& reader)
{
    HRESULT hr =
        ::CoCreateInstance(kClsidSaxXmlReader60, nullptr, CLSCTX_INPROC_SERVER, kIidSaxXmlReader, reader.ReceiveVoid());
    if (FAILED(hr))
        return hr;
    hr = reader->putContentHandler(&handler);
    if (FAILED(hr))
        reader.Reset();
    return hr;
}

HRESULT ParseDocument(ISAXXMLReader& reader, std::string_view document)
{
    // A stream of bytes lets the reader find the encoding itself. (Wine's
    // reader drops the last byte of a byte array, so not that.)
    ComPtr<IStream> stream;
    *stream.Receive() =
        ::SHCreateMemStream(reinterpret_cast<const BYTE*>(document.data()), static_cast<UINT>(document.size()));
    if (!stream)
        return E_OUTOFMEMORY;
    VARIANT input;
    ::VariantInit(&input);
    V_VT(&input) = VT_UNKNOWN;
    V_UNKNOWN(&input) = stream.Get(); // borrowed: the variant is not cleared
    return reader.parse(input);
}

} // namespace ServiceInstallation
