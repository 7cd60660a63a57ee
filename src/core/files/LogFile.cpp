#include "core/files/LogFile.h"

#include <vector>

#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"
#include "platform/SharedFile.h"

namespace {

bool Fail(unsigned long* error, SystemError code)
{
    if (error)
        *error = code;
    return code == 0;
}

// Whether the line (its line end included) holds no text: nothing but line
// end characters and byte-order marks, which loading passes over too.
bool IsBlankLine(const std::string& bytes, size_t start, size_t end)
{
    while (end > start && (bytes[end - 1] == '\n' || bytes[end - 1] == '\r'))
        --end;
    while (end - start >= 3 && bytes.compare(start, 3, "\xEF\xBB\xBF") == 0)
        start += 3;
    return start == end;
}

}  // namespace

void LoadLogFile(ActivityLog& log, const std::string& path)
{
    std::vector<std::string> lines;
    if (ReadTextLines(path, lines))
        log.LoadLines(std::move(lines));
}

bool SaveLogFile(const ActivityLog& log, const std::string& path, unsigned long* error)
{
    const std::string text = EncodeText(WithCrLf(log.Text()));
    return Fail(error, RewriteSharedFile(path, true, [&text](const std::string& bytes, std::string& now) {
                    now = text;
                    return now != bytes;
                }));
}

bool TrimLogFile(const std::string& path, size_t keep, unsigned long* error)
{
    return Fail(error, RewriteSharedFile(path, false, [keep](const std::string& bytes, std::string& now) {
                    // Each line that holds text, with its own line end and
                    // its own bytes, whichever program wrote it.
                    std::vector<std::pair<size_t, size_t>> lines;
                    for (size_t start = 0; start < bytes.size();) {
                        const size_t feed = bytes.find('\n', start);
                        const size_t end = feed == std::string::npos ? bytes.size() : feed + 1;
                        if (!IsBlankLine(bytes, start, end))
                            lines.emplace_back(start, end - start);
                        start = end;
                    }
                    now.clear();
                    for (size_t i = lines.size() > keep ? lines.size() - keep : 0; i < lines.size(); ++i)
                        now.append(bytes, lines[i].first, lines[i].second);
                    return now != bytes;
                }));
}
