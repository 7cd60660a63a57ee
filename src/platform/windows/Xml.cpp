// The XML reader on XmlLite, giving the nodes the Expat side gives: empty
// elements with their end, whitespace as text, nothing outside the
// document's element but comments and processing instructions.
#include "platform/Xml.h"

#include <windows.h>

#include <objidl.h>
#include <xmllite.h>

#include <algorithm>
#include <cstring>

#include "platform/SystemError.h"
#include "platform/Text.h"

namespace {

// The document's bytes as the stream XmlLite reads from. It lives on the
// stack of the reader's constructor, which outlives every use.
class MemoryStream : public ISequentialStream {
public:
    explicit MemoryStream(const std::string& bytes) : bytes_(bytes) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(ISequentialStream)) {
            *object = static_cast<ISequentialStream*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override
    {
        const size_t count = std::min<size_t>(size, bytes_.size() - at_);
        std::memcpy(buffer, bytes_.data() + at_, count);
        at_ += count;
        if (read)
            *read = static_cast<ULONG>(count);
        return count < size ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }

private:
    const std::string& bytes_;
    size_t at_ = 0;
};

// The faults Expat calls an invalid token: a character that cannot stand
// where it stands.
bool IsInvalidToken(HRESULT result)
{
    const unsigned long code = static_cast<unsigned long>(result);
    return code == WC_E_XMLCHARACTER || code == WC_E_NAMECHARACTER || code == NC_E_QNAMECHARACTER ||
           code == WC_E_SYNTAX;
}

// XmlLite's refusals in words, as Expat, which pyTivo's parser is, words
// most of them: the system has no text for these codes ("Unknown error
// 3222072961").
std::string FaultText(HRESULT result)
{
    switch (static_cast<unsigned long>(result)) {
        case MX_E_INPUTEND:
            return "the document ended early (an element or a mark left open)";
        case SC_E_MAXELEMENTDEPTH:
            return "elements nested too deeply";
        case SC_E_MAXENTITYEXPANSION:
            return "entities that expand too far";
        case MX_E_ENCODING:
        case MX_E_ENCODINGSWITCH:
        case MX_E_ENCODINGSIGNATURE:
        case WC_E_ENCNAME:
        case XML_E_INVALIDENCODING:
            return "unknown encoding";
        case WC_E_ELEMENTMATCH:
            return "mismatched tag";
        case WC_E_UNDECLAREDENTITY:
            return "undefined entity";
        case NC_E_UNDECLAREDPREFIX:
            return "unbound prefix";
        case WC_E_UNIQUEATTRIBUTE:
            return "duplicate attribute";
        case WC_E_ROOTELEMENT:
            return "junk after document element";
        case WC_E_DTDPROHIBITED:
        case WC_E_DECLDOCTYPE:
        case WC_E_DECLELEMENT:
        case WC_E_DECLENTITY:
        case WC_E_DECLATTLIST:
        case WC_E_DECLNOTATION:
            return "a document type declaration, which is not read";
        default:
            break;
    }
    if (IsInvalidToken(result))
        return "not well-formed (invalid token)";
    // The rest of XmlLite's codes all say the text is no well-formed XML.
    if ((static_cast<unsigned long>(result) & 0xFFFFF000UL) == 0xC00CE000UL)
        return FormatText("not well-formed (XmlLite's code 0x%08lX)", static_cast<unsigned long>(result));
    return SystemErrorLine(static_cast<SystemError>(result));
}

}  // namespace

struct XmlParse {
    static std::string Text(const WCHAR* text, UINT length) { return Narrow(std::wstring(text, length)); }

    // Reads every node into the reader; the fault's code, S_FALSE at the end.
    // Each node takes at least one character of the document, so more nodes
    // than bytes means a parser that does not move on (Wine's gives the same
    // white space for ever at the end of a document left open).
    static HRESULT ReadAll(IXmlReader* source, XmlReader& reader, size_t mostNodes)
    {
        HRESULT result = S_OK;
        XmlNodeType type = XmlNodeType_None;
        int depth = 0;
        const WCHAR* text = nullptr;
        UINT length = 0;
        for (size_t nodes = 0; (result = source->Read(&type)) == S_OK; ++nodes) {
            if (nodes > mostNodes)
                return MX_E_INPUTEND;
            switch (type) {
            case XmlNodeType_Element: {
                source->GetQualifiedName(&text, &length);
                reader.Add(XmlNode::Element, Text(text, length), std::string());
                if (source->IsEmptyElement())
                    reader.Add(XmlNode::EndElement, std::string(), std::string());
                else
                    ++depth;
                break;
            }
            case XmlNodeType_EndElement:
                --depth;
                reader.Add(XmlNode::EndElement, std::string(), std::string());
                break;
            case XmlNodeType_Text:
            case XmlNodeType_Whitespace:
                source->GetValue(&text, &length);
                if (depth > 0)
                    reader.Add(XmlNode::Text, std::string(), Text(text, length));
                break;
            case XmlNodeType_CDATA:
                source->GetValue(&text, &length);
                if (length > 0)
                    reader.Add(XmlNode::CData, std::string(), Text(text, length));
                break;
            case XmlNodeType_Comment:
                source->GetValue(&text, &length);
                reader.Add(XmlNode::Comment, std::string(), Text(text, length));
                break;
            case XmlNodeType_ProcessingInstruction: {
                source->GetLocalName(&text, &length);
                std::string target = Text(text, length);
                source->GetValue(&text, &length);
                reader.Add(XmlNode::ProcessingInstruction, std::move(target), Text(text, length));
                break;
            }
            default:
                break;
            }
        }
        return result;
    }
};

namespace {

// UTF-16 with its high bytes first, turned round: Wine's XmlLite reads only
// the other order (Windows' reads both).
std::string LowBytesFirst(const std::string& bytes)
{
    if (bytes.compare(0, 2, "\xFE\xFF") != 0)
        return bytes;
    std::string turned = bytes;
    for (size_t i = 0; i + 1 < turned.size(); i += 2)
        std::swap(turned[i], turned[i + 1]);
    return turned;
}

}  // namespace

XmlReader::XmlReader(const std::string& document)
{
    const std::string bytes = LowBytesFirst(document);
    MemoryStream stream(bytes);
    IXmlReader* source = nullptr;
    HRESULT result = CreateXmlReader(__uuidof(IXmlReader), reinterpret_cast<void**>(&source), nullptr);
    if (SUCCEEDED(result))
        result = source->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Parse);
    if (SUCCEEDED(result))
        result = source->SetInput(&stream);
    if (SUCCEEDED(result))
        result = XmlParse::ReadAll(source, *this, bytes.size() + 2);
    const auto element = [](const Item& item) { return item.kind == XmlNode::Element; };
    if (FAILED(result)) {
        UINT line = 0;
        if (source)
            source->GetLineNumber(&line);
        error_.kind = IsInvalidToken(result) ? XmlFault::Kind::InvalidToken : XmlFault::Kind::Other;
        error_.line = line ? line : 1;  // lines count from 1, also where nothing was read
        error_.text = FaultText(result);
    } else if (std::none_of(nodes_.begin(), nodes_.end(), element)) {
        // Bytes without an element are no document, as Expat has it.
        error_ = {XmlFault::Kind::Other, 1, "no element found"};
    }
    if (source)
        source->Release();
}
