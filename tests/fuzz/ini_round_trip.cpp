// The settings file text: whatever a file holds, writing what was read and
// reading it again gives the same entries, and a value that is set reads
// back as it was set.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/settings/IniFile.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

// A name as the program writes them: letters, digits and underscores.
std::string Name(FuzzedDataProvider& data)
{
    std::string name;
    for (char c : data.ConsumeRandomLengthString(12)) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_')
            name += c;
    }
    return name.empty() ? "k" : name;
}

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string section = Name(data);
    const std::string key = Name(data);
    std::string value;
    for (char c : data.ConsumeRandomLengthString(40)) {
        // What a text field can hold: line breaks too, but no carriage
        // returns alone and no blanks at the ends (reading trims lines).
        if (c != '\r' && c != '\0')
            value += c;
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\n'))
        value.pop_back();
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t' || value.front() == '\n'))
        value.erase(0, 1);
    const std::string file = data.ConsumeRemainingBytesAsString();

    std::vector<IniRecord> records = ParseIniLines(Lines(file));
    const std::string written = FormatIniRecords(records);
    Check(FormatIniRecords(ParseIniLines(Lines(written))) == written);

    SetIniValue(records, key, value, section);
    const std::vector<IniRecord> reread = ParseIniLines(Lines(FormatIniRecords(records)));
    const IniRecord* entry = FindIniEntry(reread, section, key);
    Check(entry != nullptr && entry->value == value);
    return 0;
}
