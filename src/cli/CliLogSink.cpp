#include "cli/CliLogSink.h"

#include <windows.h>

#include "core/TextFile.h"
#include "platform/Text.h"

CliLogSink::~CliLogSink()
{
    if (file_)
        CloseHandle(file_);
}

void CliLogSink::OnLogLine(const std::string& lines)
{
    out_ << lines;
    unsigned long error = 0;
    if (!Append(lines, error) && !warned_) {
        warned_ = true;
        err_ << "reelmark-cli: warning: cannot write the log file " << logPath_ << ": "
             << SystemErrorLine(error) << "\n";
    }
}

bool CliLogSink::Open(unsigned long& error)
{
    if (file_)
        return true;
    HANDLE file =
        CreateFileW(FilePath(logPath_).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    file_ = file;
    // A line that an earlier run left cut (a full disk, a crash) is ended
    // here, so that this run's first line starts on a line of its own.
    LARGE_INTEGER size = {};
    LARGE_INTEGER last = {};
    char byte = '\n';
    DWORD got = 0;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        last.QuadPart = size.QuadPart - 1;
        if (SetFilePointerEx(file, last, nullptr, FILE_BEGIN) && ReadFile(file, &byte, 1, &got, nullptr) &&
            got == 1 && byte != '\n')
            return Append("\n", error);
    }
    return true;
}

bool CliLogSink::Append(const std::string& lines, unsigned long& error)
{
    if (!Open(error))
        return false;
    // CR LF on disk and the same code page rule, as the main window writes
    // the same file (lines of both kinds read back right one by one).
    const std::string bytes = EncodeText(WithCrLf(lines));
    LARGE_INTEGER end = {};
    DWORD written = 0;
    bool ok = SetFilePointerEx(file_, LARGE_INTEGER{}, &end, FILE_END) &&
              WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (ok && written != bytes.size()) {
        ok = false;
        SetLastError(ERROR_DISK_FULL);
    }
    if (!ok) {
        error = GetLastError();
        // Whole lines or nothing: a part written before the disk filled goes.
        SetFilePointerEx(file_, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file_);
    }
    return ok;
}
