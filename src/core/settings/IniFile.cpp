#include "core/settings/IniFile.h"

#include <algorithm>

#include "core/files/TextFile.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsEntry(const IniRecord& record)
{
    return record.marker != kIniTrailerMarker;
}

using Records = std::vector<IniRecord>;

Records::const_iterator FirstOfSection(const Records& records, const std::string& section)
{
    return std::find_if(records.begin(), records.end(), [&](const IniRecord& record) {
        return IsEntry(record) && record.section == section;
    });
}

Records::const_iterator FindEntry(const Records& records, const std::string& section, const std::string& key)
{
    return std::find_if(records.begin(), records.end(), [&](const IniRecord& record) {
        return IsEntry(record) && record.section == section && record.key == key;
    });
}

std::string ValueText(const std::string& value)
{
    std::string text;
    for (char c : value) {
        text += c;
        if (c == '\n')
            text += kIniContinuation;
    }
    return text;
}

// Reads lines into entries, remembering what a continuation line needs.
class IniParser {
public:
    void Add(const std::string& raw)
    {
        if (continuable_ && StartsWith(raw, kIniContinuation)) {
            Continue(raw.substr(std::string(kIniContinuation).size()));
            return;
        }
        continuable_ = false;
        const std::string line = CIniFile::TrimChars(raw, kIniTrimChars);
        if (line.empty())
            return;
        IniRecord record;
        std::string body = line;
        if (line[0] == '#' || line[0] == ';') {
            if (line.find_first_of("[=") == std::string::npos) {
                Keep(line);
                return;
            }
            record.marker = line[0];
            body = CIniFile::TrimChars(line.substr(1), kIniTrimChars);
        }
        const size_t close = body.find(']');
        const size_t equals = body.find('=');
        if (body[0] == '[' && close != std::string::npos) {
            section_ = body.substr(1, close - 1);
            record.section = section_;
        } else if (body[0] != '[' && equals != std::string::npos && equals > 0) {
            record.section = section_;
            record.key = body.substr(0, equals);
            record.value = body.substr(equals + 1);
            // The key holds no "=" and only blanks and the marker stand
            // before it, so the first "=" of the untrimmed line is the same.
            untrimmedValue_ = raw.substr(raw.find('=') + 1);
            continuable_ = true;
            continued_ = false;
        } else {
            Keep(line);
            return;
        }
        record.comments.swap(pending_);
        records_.push_back(record);
    }

    std::vector<IniRecord> Finish()
    {
        if (!pending_.empty()) {
            IniRecord trailer;
            trailer.marker = kIniTrailerMarker;
            trailer.comments.swap(pending_);
            records_.push_back(trailer);
        }
        return std::move(records_);
    }

private:
    // A comment line, or a line the store does not understand: it travels
    // with the next entry so that a rewrite puts it back where it stood.
    void Keep(const std::string& line) { pending_ += line + "\n"; }

    void Continue(const std::string& text)
    {
        IniRecord& entry = records_.back();
        if (!continued_) {
            entry.value = untrimmedValue_;
            continued_ = true;
        }
        entry.value += "\n" + text;
    }

    std::vector<IniRecord> records_;
    std::string pending_;
    std::string section_;
    std::string untrimmedValue_;
    bool continuable_ = false;
    bool continued_ = false;
};

}  // namespace

std::vector<IniRecord> ParseIniLines(const std::vector<std::string>& lines)
{
    IniParser parser;
    for (const std::string& line : lines)
        parser.Add(line);
    return parser.Finish();
}

std::string FormatIniRecords(const std::vector<IniRecord>& records)
{
    std::string text;
    for (const IniRecord& record : records) {
        text += record.comments;
        if (!IsEntry(record))
            continue;
        text += record.marker;
        if (record.key.empty())
            text += "[" + record.section + "]";
        else
            text += record.key + "=" + ValueText(record.value);
        text += "\n";
    }
    return text;
}

const IniRecord* FindIniEntry(const std::vector<IniRecord>& records, const std::string& section,
                              const std::string& key)
{
    auto found = FindEntry(records, section, key);
    return found == records.end() ? nullptr : &*found;
}

bool HasIniSection(const std::vector<IniRecord>& records, const std::string& section)
{
    return FirstOfSection(records, section) != records.end();
}

void SetIniValue(std::vector<IniRecord>& records, const std::string& key, const std::string& value,
                 const std::string& section)
{
    auto entry = FindEntry(records, section, key);
    if (entry != records.end()) {
        records[entry - records.begin()].value = value;
        return;
    }
    IniRecord added;
    added.section = section;
    added.key = key;
    added.value = value;
    auto first = FirstOfSection(records, section);
    if (first != records.end()) {
        records.insert(first + 1, added);
    } else {
        IniRecord header;
        header.section = section;
        records.push_back(header);
        records.push_back(added);
    }
}

bool CIniFile::ReadRecords(const std::string& fileName, std::vector<IniRecord>& records,
                           unsigned long* error) const
{
    std::vector<std::string> lines;
    if (!ReadTextLines(fileName, lines, error, kLargestIniFile))
        return false;
    records = ParseIniLines(lines);
    return true;
}

bool CIniFile::WriteRecords(const std::string& fileName, const std::vector<IniRecord>& records,
                            unsigned long* error) const
{
    return WriteTextFileAtomically(fileName, FormatIniRecords(records), error);
}

bool CIniFile::CreateEmpty(const std::string& fileName) const
{
    return WriteRecords(fileName, {});
}

bool CIniFile::AppendSection(const std::string& section, const std::string& fileName) const
{
    std::vector<IniRecord> records;
    if (!ReadRecords(fileName, records))
        return false;
    IniRecord header;
    header.section = section;
    records.push_back(header);
    return WriteRecords(fileName, records);
}

std::vector<IniRecord> CIniFile::FindRecords(const std::string& key, const std::string& section,
                                             const std::string& fileName) const
{
    std::vector<IniRecord> records;
    if (!ReadRecords(fileName, records))
        return {};
    const IniRecord* found = FindIniEntry(records, section, key);
    if (!found)
        return {};
    return {*found};
}

bool CIniFile::HasSection(const std::string& section, const std::string& fileName) const
{
    std::vector<IniRecord> records;
    return !ReadRecords(fileName, records) || HasIniSection(records, section);
}

bool CIniFile::HasKey(const std::string& key, const std::string& section, const std::string& fileName) const
{
    std::vector<IniRecord> records;
    return !ReadRecords(fileName, records) || FindIniEntry(records, section, key) != nullptr;
}

bool CIniFile::WriteValue(const std::string& key, const std::string& value, const std::string& section,
                          const std::string& fileName) const
{
    // One read serves all three questions, so a file that turns unreadable
    // half-way cannot make a write that changed nothing answer true.
    std::vector<IniRecord> records;
    if (!ReadRecords(fileName, records))
        return false;
    SetIniValue(records, key, value, section);
    return WriteRecords(fileName, records);
}

std::string CIniFile::ReadValue(const std::string& key, const std::string& section,
                                const std::string& fileName) const
{
    std::vector<IniRecord> found = FindRecords(key, section, fileName);
    return found.empty() ? std::string() : found.front().value;
}

std::string CIniFile::TrimChars(const std::string& text, const std::string& chars, TrimSide side)
{
    size_t begin = 0;
    size_t end = text.size();
    if (side != kTrimEnd) {
        begin = text.find_first_not_of(chars);
        if (begin == std::string::npos)
            return std::string();
    }
    if (side != kTrimStart) {
        size_t last = text.find_last_not_of(chars);
        if (last == std::string::npos)
            return std::string();
        end = last + 1;
    }
    return text.substr(begin, end - begin);
}
