// The activity log file: whatever bytes it holds, loading keeps at most the
// lines a run carries over as well-formed UTF-8, and saving what was loaded
// and loading it again gives the same text.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/files/LogFile.h"
#include "core/files/TextFile.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    // A full path: the file is written the way the program writes its log.
    static const std::string path = FullPathOf("fuzz-log-" + std::to_string(getpid()) + ".log");
    if (!WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(bytes), size)))
        std::abort();
    ActivityLog log;
    LoadLogFile(log, path);
    const std::string text = log.Text();
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    if (!IsUtf8(text) || lines > static_cast<size_t>(kLogLinesKept))
        std::abort();
    if (!SaveLogFile(log, path))
        std::abort();
    ActivityLog again;
    LoadLogFile(again, path);
    if (again.Text() != text)
        std::abort();
    std::remove(path.c_str());
    return 0;
}
