#pragma once
// What the MP4 and ASF tag readers of pyTivo (core/pytivo/PyTivoTags.h)
// share: the values they give, all from one source.
#include <optional>
#include <string>
#include <vector>

#include "core/pytivo/PyTivoValues.h"
#include "core/pytivo/PythonPlist.h"
#include "core/pytivo/PythonRules.h"
#include "platform/MovieTags.h"

// The values of a movie's tags, each with the tags as its source.
class TagValues {
public:
    explicit TagValues(std::string source) : source_(std::move(source)) {}

    void Text(const std::string& key, const std::string& text) { values_[key] = TextValue(text, source_); }
    void Number(const std::string& key, long long number) { values_[key] = NumberValue(number, source_); }
    void List(const std::string& key, const std::vector<std::string>& items)
    {
        PyTivoValue value;
        value.kind = PyTivoValue::Kind::List;
        value.source = source_;
        for (const std::string& item : items)
            value.items.push_back({item, source_});
        values_[key] = value;
    }
    void Append(const std::string& key, const std::string& item)
    {
        PyTivoValue& value = values_[key];
        if (value.kind != PyTivoValue::Kind::List) {
            List(key, {});
        }
        values_[key].items.push_back({item, source_});
    }
    // A value of pyTivo's own tiVoINFO tag, which pyTivo takes as it is.
    void Plist(const std::string& key, const PlistValue& plist)
    {
        switch (plist.kind) {
        case PlistValue::Kind::String:
        case PlistValue::Kind::Real:
            Text(key, plist.text);
            break;
        case PlistValue::Kind::Integer:
            Number(key, PythonIntValue(plist.text).value_or(0));
            values_[key].text = plist.text;
            break;
        case PlistValue::Kind::Bool:
            Number(key, plist.text == "True");
            values_[key].text = plist.text;
            break;
        case PlistValue::Kind::Array: {
            std::vector<std::string> items;
            for (const PlistValue& item : plist.items)
                items.push_back(item.text);
            List(key, items);
            break;
        }
        default:  // a dict, date or data: nothing pyTivo's template shows
            break;
        }
    }
    PyTivoValues Take() { return std::move(values_); }

private:
    std::string source_;
    PyTivoValues values_;
};

// bytes.decode("utf-8", "replace").
std::string DecodedUtf8(const std::string& bytes);
bool StartsWith(const std::string& text, const char* start);

// from_moov over the MP4 items read; why pyTivo reads none of them or stops
// on them when it does.
std::optional<std::string> ReadMoovTags(const MovieTags& tags, TagValues& values);
// from_mscore over the ASF attributes read.
void ReadMscoreTags(const MovieTags& tags, TagValues& values);
