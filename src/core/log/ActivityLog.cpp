#include "core/log/ActivityLog.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "core/log/UserMessage.h"
#include "platform/FileSystem.h"

std::string LogTimeStamp(const std::tm& local)
{
    // The C library's asctime layout re-ordered ("%s,%s %s": day part, year,
    // time). Built here because C runtimes differ in how they pad the day.
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char stamp[64];
    std::snprintf(stamp, sizeof(stamp), "%s %s %2d,%04d %02d:%02d:%02d", kDays[(local.tm_wday % 7 + 7) % 7],
                  kMonths[(local.tm_mon % 12 + 12) % 12], local.tm_mday, local.tm_year + 1900, local.tm_hour,
                  local.tm_min, local.tm_sec);
    return stamp;
}

std::string FormatLogLine(const std::string& stamp, LogSeverity severity, const std::string& message)
{
    switch (severity) {
        case LogSeverity::Warning:
            return stamp + ": <WARNING>" + message + "\n";
        case LogSeverity::Error:
            return stamp + ": <ERROR> " + message + "\n";
        default:
            return stamp + ": " + message + "\n";
    }
}

int ActivityLog::AddLogEntry(const std::string& caption, LogSeverity severity, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int result = AddLogEntryV(caption, severity, format, args);
    va_end(args);
    return result;
}

int ActivityLog::AddLogEntryV(const std::string& caption, LogSeverity severity, const char* format,
                              va_list args)
{
    char message[kLogMessageMax + 1];
    std::vsnprintf(message, sizeof(message), format, args);
    return AddLogEntryText(caption, severity, message);
}

int ActivityLog::AddLogEntryText(const std::string& caption, LogSeverity severity, const std::string& message)
{
    // One log line per line feed: system texts end in CR LF, which would
    // leave a stray carriage return and an empty line in the file.
    std::string text;
    for (size_t i = 0; i < message.size() && text.size() < kLogMessageMax; ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
            continue;
        text += message[i];
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    std::time_t now = clock_ ? clock_() : std::time(nullptr);
    const std::string line = FormatLogLine(LogTimeStamp(LocalTimeOf(now)), severity, text);
    text_ += line;
    if (listener_)
        listener_(line);
    if (caption.empty())
        return 0;
    const MessageIcon icon = severity == LogSeverity::Error     ? MessageIcon::Error
                             : severity == LogSeverity::Warning ? MessageIcon::Warning
                                                                : MessageIcon::None;
    return static_cast<int>(ShowUserMessage(text, caption, MessageButtons::Ok, icon));
}

void ActivityLog::LoadLines(std::vector<std::string> lines)
{
    // A byte-order mark is no text: an editor may put one at the start of
    // the file, where it would be read as a mark the next time and give a
    // log that loads differently from the one that was saved.
    for (std::string& line : lines) {
        while (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
    }
    long nonEmpty = 0;
    for (const std::string& line : lines)
        nonEmpty += line.empty() ? 0 : 1;
    long skip = nonEmpty - kLogLinesKept;
    long number = 0;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        if (++number > skip)
            text_ += line + "\n";
    }
}
