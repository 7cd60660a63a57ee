#include "platform/Xml.h"

bool XmlReader::Next()
{
    if (started_ && at_ < nodes_.size())
        ++at_;
    started_ = true;
    return at_ < nodes_.size();
}

void XmlReader::Add(XmlNode kind, std::string name, std::string value)
{
    if (kind == XmlNode::Text && !nodes_.empty() && nodes_.back().kind == XmlNode::Text) {
        nodes_.back().value += value;
        return;
    }
    nodes_.push_back({kind, std::move(name), std::move(value)});
}
