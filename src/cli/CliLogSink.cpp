#include "cli/CliLogSink.h"

#include <windows.h>

#include "browse/TextFile.h"
#include "framework/Text.h"

void CliLogSink::OnLogText(const std::string& text)
{
    if (text.size() <= passedOn_)
        return;
    const std::string lines = text.substr(passedOn_);
    passedOn_ = text.size();
    out_ << lines;
    unsigned long error = 0;
    if (!AppendToFile(lines, error) && !warned_) {
        warned_ = true;
        err_ << "reelmark-cli: warning: cannot write the log file " << logPath_ << ": "
             << SystemErrorLine(error) << "\n";
    }
}

bool CliLogSink::AppendToFile(const std::string& lines, unsigned long& error) const
{
    // CR LF on disk and the same code page rule, as the main window writes
    // the same file (lines of both kinds read back right one by one).
    std::string bytes = EncodeText(WithCrLf(lines));
    HANDLE file =
        CreateFileW(FilePath(logPath_).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    // A line that an earlier run left cut (a full disk, a crash) ends here,
    // so that this run's first line starts on a line of its own.
    if (ok && size.QuadPart > 0) {
        LARGE_INTEGER last;
        last.QuadPart = size.QuadPart - 1;
        char byte = 0;
        DWORD got = 0;
        ok = SetFilePointerEx(file, last, nullptr, FILE_BEGIN) && ReadFile(file, &byte, 1, &got, nullptr);
        if (ok && got == 1 && byte != '\n')
            bytes.insert(0, "\r\n");
    }
    DWORD written = 0;
    ok = ok && SetFilePointerEx(file, size, nullptr, FILE_BEGIN) &&
         WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (ok && written != bytes.size()) {
        ok = false;
        SetLastError(ERROR_DISK_FULL);
    }
    if (!ok) {
        error = GetLastError();
        // Whole lines or nothing: a part written before the disk filled goes.
        SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
    }
    CloseHandle(file);
    return ok;
}
