#include "core/files/LogFile.h"

#include <vector>

#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"

void LoadLogFile(ActivityLog& log, const std::string& path)
{
    std::vector<std::string> lines;
    if (ReadTextLines(path, lines))
        log.LoadLines(std::move(lines));
}

bool SaveLogFile(const ActivityLog& log, const std::string& path, unsigned long* error)
{
    return WriteTextFileAtomically(path, log.Text(), error);
}

bool TrimLogFile(const std::string& path, size_t keep, unsigned long* error)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines, error))
        return false;
    if (lines.size() <= keep)
        return true;
    std::string text;
    for (size_t i = lines.size() - keep; i < lines.size(); ++i)
        text += lines[i] + "\n";
    return WriteTextFileAtomically(path, text, error);
}
