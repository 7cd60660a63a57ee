#pragma once
// XML documents read node by node, by the system's own parser (XmlLite on
// Windows, Expat elsewhere): elements, the text inside them and the
// comments and processing instructions between, in document order. Names
// and text are UTF-8 whatever the document's encoding; line ends inside
// text come as line feeds. A document type may declare entities; they are
// expanded, as far as the parser's limits allow.
#include <string>
#include <vector>

enum class XmlNode {
    Element,     // a start tag (an empty element gives an EndElement right after)
    EndElement,  // its end tag
    Text,        // character data, entities expanded; a run without markup in between is one node
    CData,       // one CDATA section that holds something (an empty one gives no node)
    Comment,
    ProcessingInstruction,
};

// Why a document could not be read.
struct XmlFault {
    enum class Kind {
        None,
        // A character that no token can start or continue there (a stray
        // "&", a URL after the document's element). XmlLite tells no word
        // from a URL after the document's element: both are this kind there.
        InvalidToken,
        Other,
    };
    Kind kind = Kind::None;
    unsigned long line = 0;  // where the parser stopped, from 1
    std::string text;        // the parser's words for it
};

class XmlReader {
public:
    // Reads the whole document (bytes as a file holds them) at once; the
    // nodes are then walked with Next.
    explicit XmlReader(const std::string& bytes);

    // Moves to the next node: true while there is one. A faulty document
    // gives the nodes before the fault, then false with Error() set.
    bool Next();
    XmlNode Node() const { return nodes_[at_].kind; }
    // An element's name as written (with its prefix: "x:title"); a
    // processing instruction's target.
    const std::string& Name() const { return nodes_[at_].name; }
    // The text of a Text, CData or Comment node; a processing instruction's data.
    const std::string& Value() const { return nodes_[at_].value; }
    const XmlFault& Error() const { return error_; }

private:
    // The system's parser, which hands the nodes over through Add.
    friend struct XmlParse;
    struct Item {
        XmlNode kind;
        std::string name;
        std::string value;
    };
    // Adds a node; text that follows text joins it.
    void Add(XmlNode kind, std::string name, std::string value);

    std::vector<Item> nodes_;
    size_t at_ = 0;
    bool started_ = false;
    XmlFault error_;
};
