// The XML reader on Expat, set up as Python's minidom sets it up (names
// with their namespace prefix, CDATA sections and comments kept apart from
// the text), so that documents read here as pyTivo reads them.
#include "platform/Xml.h"

#include <expat.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/Text.h"

namespace {

// What Expat puts between the pieces of a namespaced name: URI, local name, prefix.
const char kNamePart = '\x01';

std::string QualifiedName(const XML_Char* name)
{
    const char* local = std::strchr(name, kNamePart);
    if (!local)
        return name;
    ++local;
    const char* prefix = std::strchr(local, kNamePart);
    if (!prefix)
        return local;
    return std::string(prefix + 1) + ":" + std::string(local, prefix);
}

// Whether Python's codec registry takes the name for Windows-1252: letter
// case aside, any run of other characters than letters, digits and dots
// counts as one underscore.
bool NamesWindows1252(const char* name)
{
    std::string normal;
    for (const char* c = name; *c; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (std::isalnum(byte) || byte == '.')
            normal += static_cast<char>(std::tolower(byte));
        else if (normal.empty() || normal.back() != '_')
            normal += '_';
    }
    return normal == "cp1252" || normal == "windows_1252" || normal == "1252";
}

}  // namespace

struct XmlParse {
    explicit XmlParse(XmlReader& into) : reader(into) {}

    XmlReader& reader;
    std::string cdata;
    bool inCdata = false;

    static XmlParse& Of(void* data) { return *static_cast<XmlParse*>(data); }

    static void Start(void* data, const XML_Char* name, const XML_Char**)
    {
        Of(data).reader.Add(XmlNode::Element, QualifiedName(name), std::string());
    }
    static void End(void* data, const XML_Char*)
    {
        Of(data).reader.Add(XmlNode::EndElement, std::string(), std::string());
    }
    static void Characters(void* data, const XML_Char* text, int length)
    {
        XmlParse& parse = Of(data);
        if (parse.inCdata)
            parse.cdata.append(text, static_cast<size_t>(length));
        else
            parse.reader.Add(XmlNode::Text, std::string(), std::string(text, static_cast<size_t>(length)));
    }
    static void CdataStart(void* data)
    {
        Of(data).inCdata = true;
        Of(data).cdata.clear();
    }
    static void CdataEnd(void* data)
    {
        XmlParse& parse = Of(data);
        parse.inCdata = false;
        if (!parse.cdata.empty())
            parse.reader.Add(XmlNode::CData, std::string(), std::move(parse.cdata));
        parse.cdata.clear();
    }
    static void Comment(void* data, const XML_Char* text)
    {
        Of(data).reader.Add(XmlNode::Comment, std::string(), text);
    }
    static void Instruction(void* data, const XML_Char* target, const XML_Char* value)
    {
        Of(data).reader.Add(XmlNode::ProcessingInstruction, target, value);
    }
    // Expat knows UTF-8, UTF-16, ISO-8859-1 and US-ASCII; Windows-1252 is
    // added as Python adds it, its five unused bytes being no characters.
    static int UnknownEncoding(void*, const XML_Char* name, XML_Encoding* info)
    {
        if (!NamesWindows1252(name))
            return XML_STATUS_ERROR;
        for (int byte = 0; byte < 256; ++byte) {
            const std::u16string character = ToUtf16(FromWindows1252(std::string(1, static_cast<char>(byte))));
            const bool unused = byte >= 0x80 && byte < 0xA0 && character[0] == byte;
            info->map[byte] = unused ? -1 : character[0];
        }
        info->data = nullptr;
        info->convert = nullptr;
        info->release = nullptr;
        return XML_STATUS_OK;
    }
};

XmlReader::XmlReader(const std::string& bytes)
{
    XML_Parser parser = XML_ParserCreateNS(nullptr, kNamePart);
    if (!parser) {
        error_ = {XmlFault::Kind::Other, 0, "out of memory"};
        return;
    }
    XmlParse parse(*this);
    XML_SetUserData(parser, &parse);
    XML_SetReturnNSTriplet(parser, XML_TRUE);
    XML_SetElementHandler(parser, XmlParse::Start, XmlParse::End);
    XML_SetCharacterDataHandler(parser, XmlParse::Characters);
    XML_SetCdataSectionHandler(parser, XmlParse::CdataStart, XmlParse::CdataEnd);
    XML_SetCommentHandler(parser, XmlParse::Comment);
    XML_SetProcessingInstructionHandler(parser, XmlParse::Instruction);
    XML_SetUnknownEncodingHandler(parser, XmlParse::UnknownEncoding, nullptr);

    // In pieces, as Expat takes an int for the length.
    const size_t piece = 1 << 20;
    size_t done = 0;
    XML_Status status = XML_STATUS_OK;
    do {
        const size_t length = std::min(piece, bytes.size() - done);
        const bool last = done + length == bytes.size();
        status = XML_Parse(parser, bytes.data() + done, static_cast<int>(length), last);
        done += length;
    } while (status == XML_STATUS_OK && done < bytes.size());
    if (status != XML_STATUS_OK) {
        const XML_Error code = XML_GetErrorCode(parser);
        error_.kind = code == XML_ERROR_INVALID_TOKEN ? XmlFault::Kind::InvalidToken : XmlFault::Kind::Other;
        error_.line = XML_GetCurrentLineNumber(parser);
        error_.text = XML_ErrorString(code);
    }
    XML_ParserFree(parser);
}
