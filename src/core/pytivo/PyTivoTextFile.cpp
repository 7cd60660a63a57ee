#include "core/pytivo/PyTivoTextFile.h"

#include <algorithm>
#include <cctype>

#include "core/files/TextFile.h"
#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PythonRules.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

std::string UpperAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return text;
}

// Adds the line's key and value when pyTivo would take them.
void TakeLine(std::string line, char separator, std::vector<PyTivoTextLine>& lines,
              std::vector<std::string>* unkeyed)
{
    if (line.compare(0, 3, kByteOrderMark) == 0)
        line.erase(0, 3);
    const size_t at = line.find(separator);
    const std::string stripped = PythonStripped(line);
    if (at == std::string::npos && unkeyed && !stripped.empty() && stripped[0] != '#')
        unkeyed->push_back(line);
    if (at == std::string::npos || stripped.compare(0, 1, "#") == 0)
        return;
    PyTivoTextLine taken{PythonStripped(line.substr(0, at)), PythonStripped(line.substr(at + 1))};
    if (!taken.key.empty() && !taken.value.empty())
        lines.push_back(std::move(taken));
}

}  // namespace

bool ReadPyTivoTextLines(const std::string& bytes, char separator, std::vector<PyTivoTextLine>& lines,
                         std::string& refusal, std::vector<std::string>* unkeyed)
{
    lines.clear();
    if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0) {
        refusal = "UTF-16 text, which pyTivo cannot read";
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        refusal = "holds NUL bytes: not a text file pyTivo can read";
        return false;
    }
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        TakeLine(bytes.substr(start, end - start), separator, lines, unkeyed);
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return true;
}

void MergePyTivoTextLines(const std::vector<PyTivoTextLine>& lines, const std::string& source,
                          PyTivoValues& values)
{
    for (const PyTivoTextLine& line : lines) {
        PyTivoValue& value = values[DecodeLine(line.key)];
        if (line.key[0] == 'v') {
            value.kind = PyTivoValue::Kind::List;
            value.items.push_back({DecodeLine(line.value), source});
        } else {
            value = TextValue(DecodeLine(line.value), source);
        }
    }
}

void MapTextRatings(PyTivoValues& values)
{
    for (PyTivoRating rating : {PyTivoRating::Tv, PyTivoRating::Mpaa, PyTivoRating::Star}) {
        const auto found = values.find(RatingKey(rating));
        if (found == values.end())
            continue;
        PyTivoValue& value = found->second;
        const std::string upper = UpperAscii(value.text);
        std::optional<long long> number = RatingTableNumber(rating, upper);
        if (!number)
            number = PythonIntValue(upper);
        if (number)
            value = NumberValue(*number, value.source);
    }
}
