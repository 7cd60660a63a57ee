#include "core/pytivo/PythonPlist.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/pytivo/PythonRules.h"
#include "platform/Xml.h"

namespace {

// repr() of a float: the fewest digits that read back as the same number,
// with ".0" after a whole number.
std::string PythonReal(double number)
{
    if (std::isnan(number))
        return "nan";
    if (std::isinf(number))
        return number < 0 ? "-inf" : "inf";
    char text[40];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof(text), "%.*g", digits, number);
        if (std::strtod(text, nullptr) == number)
            break;
    }
    std::string shown = text;
    if (shown.find_first_of(".e") == std::string::npos)
        shown += ".0";
    return shown;
}

class PlistBuilder {
public:
    // False where plistlib would raise.
    bool Add(PlistValue value)
    {
        if (key_) {
            if (stack_.empty() || stack_.back()->kind != PlistValue::Kind::Dict)
                return false;
            PlistValue& dict = *stack_.back();
            Place(dict, *key_, std::move(value));
            key_.reset();
            return true;
        }
        if (stack_.empty()) {
            root_ = std::make_unique<PlistValue>(std::move(value));
            opened_ = root_.get();
            return true;
        }
        if (stack_.back()->kind != PlistValue::Kind::Array)
            return false;
        stack_.back()->items.push_back(std::move(value));
        opened_ = &stack_.back()->items.back();
        return true;
    }
    // A dict or array opens: it takes its place first, then its values.
    bool Open(PlistValue::Kind kind)
    {
        PlistValue container;
        container.kind = kind;
        if (!Add(std::move(container)))
            return false;
        stack_.push_back(opened_);
        return true;
    }
    bool Close()
    {
        if (stack_.empty())
            return false;
        stack_.pop_back();
        return true;
    }
    void Key(std::string key) { key_ = std::move(key); }
    const PlistValue* Root() const { return root_.get(); }

private:
    void Place(PlistValue& dict, const std::string& key, PlistValue value)
    {
        for (size_t i = 0; i < dict.keys.size(); ++i) {
            if (dict.keys[i] == key) {
                dict.items[i] = std::move(value);
                opened_ = &dict.items[i];
                return;
            }
        }
        dict.keys.push_back(key);
        dict.items.push_back(std::move(value));
        opened_ = &dict.items.back();
    }

    // The open containers, outermost first. Only the innermost one takes
    // values, so the vectors that hold the others do not move meanwhile.
    std::unique_ptr<PlistValue> root_;
    std::vector<PlistValue*> stack_;
    PlistValue* opened_ = nullptr;
    std::optional<std::string> key_;
};

PlistValue Scalar(PlistValue::Kind kind, std::string text)
{
    PlistValue value;
    value.kind = kind;
    value.text = std::move(text);
    return value;
}

}  // namespace

const PlistValue* PlistValue::Find(const std::string& key) const
{
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key)
            return &items[i];
    return nullptr;
}

std::optional<PlistValue> ReadPythonPlist(const std::string& bytes, bool* rootless)
{
    *rootless = false;
    XmlReader reader(bytes);
    PlistBuilder builder;
    std::string data;  // the character data since the last start tag, as plistlib gathers it
    std::vector<std::string> open;  // the elements open, for the name of each end tag
    while (reader.Next()) {
        std::string name = reader.Name();
        bool ok = true;
        switch (reader.Node()) {
        case XmlNode::Element:
            open.push_back(name);
            data.clear();
            if (name == "dict")
                ok = builder.Open(PlistValue::Kind::Dict);
            else if (name == "array")
                ok = builder.Open(PlistValue::Kind::Array);
            break;
        case XmlNode::Text:
        case XmlNode::CData:
            data += reader.Value();
            break;
        case XmlNode::EndElement:
            if (open.empty())
                break;
            name = open.back();
            open.pop_back();
            if (name == "dict" || name == "array") {
                ok = builder.Close();
            } else if (name == "key") {
                builder.Key(data);
            } else if (name == "string") {
                ok = builder.Add(Scalar(PlistValue::Kind::String, data));
            } else if (name == "integer") {
                const std::optional<std::string> number = PythonIntText(data);
                ok = number && builder.Add(Scalar(PlistValue::Kind::Integer, *number));
            } else if (name == "real") {
                const std::optional<double> number = PythonFloat(data);
                ok = number && builder.Add(Scalar(PlistValue::Kind::Real, PythonReal(*number)));
            } else if (name == "true" || name == "false") {
                ok = builder.Add(Scalar(PlistValue::Kind::Bool, name == "true" ? "True" : "False"));
            } else if (name == "date") {
                ok = builder.Add(Scalar(PlistValue::Kind::Date, data));
            } else if (name == "data") {
                ok = builder.Add(Scalar(PlistValue::Kind::Data, data));
            } else {
                break;
            }
            data.clear();
            break;
        default:
            break;
        }
        if (!ok)
            return std::nullopt;
    }
    if (reader.Error().kind != XmlFault::Kind::None)
        return std::nullopt;
    if (!builder.Root()) {
        *rootless = true;
        return std::nullopt;
    }
    return *builder.Root();
}
