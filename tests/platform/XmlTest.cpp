// The system's XML parser behind XmlReader: the nodes of a document in
// their order, text in UTF-8 whatever the encoding, and where and why a
// faulty document stops.
#include <gtest/gtest.h>

#include <string>

#include "platform/Xml.h"

namespace {

// The nodes as "kind name=value" lines.
std::string NodesOf(const std::string& document)
{
    static const char* const kinds[] = {"element", "end", "text", "cdata", "comment", "instruction"};
    XmlReader reader(document);
    std::string nodes;
    while (reader.Next())
        nodes += std::string(kinds[static_cast<int>(reader.Node())]) + " " + reader.Name() + "=" + reader.Value() + "\n";
    EXPECT_EQ(XmlFault::Kind::None, reader.Error().kind) << reader.Error().text;
    return nodes;
}

// The text of the document's only element.
std::string TextOf(const std::string& document)
{
    XmlReader reader(document);
    std::string text;
    while (reader.Next()) {
        if (reader.Node() == XmlNode::Text)
            text += reader.Value();
    }
    EXPECT_EQ(XmlFault::Kind::None, reader.Error().kind) << reader.Error().text;
    return text;
}

}  // namespace

TEST(Xml, NodesInDocumentOrder)
{
    const std::string document = "<?xml version=\"1.0\"?>\r\n"
                                 "<!-- before -->\n"
                                 "<x:movie xmlns:x=\"urn:m\">\n"
                                 " <title>Fish &amp; Chips\r\n &#233;</title>"
                                 "<plot>A<![CDATA[]]>B<![CDATA[<c>]]><![CDATA[d]]></plot>"
                                 "<empty/><?keep it?><!--note--></x:movie>";
    EXPECT_EQ("comment = before \n"
              "element x:movie=\n"
              "text =\n \n"
              "element title=\n"
              "text =Fish & Chips\n \xC3\xA9\n"
              "end =\n"
              "element plot=\n"
              "text =AB\n"  // an empty CDATA section is no node between
              "cdata =<c>\n"
              "cdata =d\n"
              "end =\n"
              "element empty=\n"
              "end =\n"
              "instruction keep=it\n"
              "comment =note\n"
              "end =\n",
              NodesOf(document));
}

TEST(Xml, TextIsUtf8WhateverTheDocumentsEncoding)
{
    const struct {
        std::string document;
        std::string text;
    } cases[] = {
        {"\xEF\xBB\xBF<a>\xC3\xA9</a>", "\xC3\xA9"},
        {std::string("\xFF\xFE<\0a\0>\0\xE9\0<\0/\0a\0>\0", 18), "\xC3\xA9"},
        {std::string("\xFE\xFF\0<\0a\0>\0\xE9\0<\0/\0a\0>", 18), "\xC3\xA9"},
#ifndef _WIN32
        // Expat takes the 8-bit encodings Python's parser takes (XmlLite
        // only with the system's MLang).
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE9</a>", "\xC3\xA9"},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x93x\x94 \x80</a>",
         "\xE2\x80\x9Cx\xE2\x80\x9D \xE2\x82\xAC"},
        {"<?xml version=\"1.0\" encoding=\"Windows_1252\"?><a>\x9C</a>", "\xC5\x93"},
#endif
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, TextOf(c.document)) << c.document;
}

TEST(Xml, AFaultyDocumentSaysWhereAndWhatKindOfFault)
{
    using K = XmlFault::Kind;
    const struct {
        const char* document;
        K kind;
        unsigned long line;  // 0: any line
    } cases[] = {
        {"<a>\n", K::Other, 0},
        {"", K::Other, 0},
        {"<a><b>x</b></c></a>", K::Other, 0},
#ifndef _WIN32
        // Windows' XmlLite refuses an undeclared prefix too; Wine's, which
        // the Windows tests run on, lets it pass.
        {"<x:a/>", K::Other, 0},
        // Expat's own kinds of fault, which pyTivo's parser shares; XmlLite
        // calls anything after the document's element a syntax error.
        {"<a>\n", K::Other, 2},
        {"", K::Other, 1},
        {"<a/>\nhttp://www.imdb.com/title/tt0111161/", K::InvalidToken, 2},
        {"<a/>\nwww.imdb.com/title/tt1/", K::InvalidToken, 2},
        {"<a>\n& b</a>", K::InvalidToken, 2},
        {"<a>\x01</a>", K::InvalidToken, 1},
        // Windows-1252 leaves 0x81 unused: no character.
        {"<?xml version='1.0' encoding='windows-1252'?><a>\x81</a>", K::InvalidToken, 1},
        {"<a/>\nimdb tt0111161", K::Other, 2},
        {"<a/>\n<b/>", K::Other, 2},
#endif
    };
    for (const auto& c : cases) {
        XmlReader reader(c.document);
        while (reader.Next()) {
        }
        EXPECT_EQ(c.kind, reader.Error().kind) << c.document;
        EXPECT_EQ(c.line ? c.line : reader.Error().line, reader.Error().line) << c.document;
        EXPECT_FALSE(reader.Error().text.empty()) << c.document;
        // In words, never a bare code ("Unknown error 3222072961").
        EXPECT_EQ(std::string::npos, reader.Error().text.find("Unknown error")) << c.document;
    }
}

TEST(Xml, EachFaultIsNamedInWords)
{
    std::string deep;
    for (int i = 0; i < 300; ++i)
        deep += "<a>";
    const struct {
        std::string document;
        const char* words;
    } cases[] = {
        {"<a><b>", "ended early"},
        {deep, "nested too deeply"},
        {"<a></b>", "mismatched tag"},
    };
    for (const auto& c : cases) {
        XmlReader reader(c.document);
        while (reader.Next()) {
        }
#ifdef _WIN32
        EXPECT_NE(std::string::npos, reader.Error().text.find(c.words)) << c.words << ": " << reader.Error().text;
#else
        // Expat has its own words for each: "unclosed token", "no element
        // found"; it takes any depth.
        if (c.document != deep)
            EXPECT_FALSE(reader.Error().text.empty()) << c.document;
#endif
    }
}

TEST(Xml, TheNodesBeforeAFaultStillCome)
{
    XmlReader reader("<a><b>x</b></c></a>");
    int nodes = 0;
    while (reader.Next())
        ++nodes;
    EXPECT_EQ(4, nodes);  // <a>, <b>, x, </b>
    EXPECT_NE(XmlFault::Kind::None, reader.Error().kind);
    EXPECT_FALSE(reader.Next()) << "the end stays the end";
}
