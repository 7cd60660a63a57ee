#include "cli/ConsoleStream.h"

#include <windows.h>

#include "platform/Text.h"

namespace {

constexpr size_t kBufferSize = 64 * 1024;

// Where the last whole UTF-8 character of the bytes ends.
size_t WholeCharacters(const std::string& bytes)
{
    size_t end = bytes.size();
    size_t back = 0;
    while (back < 3 && back < end && (static_cast<unsigned char>(bytes[end - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back < end) {
        const unsigned char lead = static_cast<unsigned char>(bytes[end - 1 - back]);
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (length > back + 1)
            return end - 1 - back;
    }
    return end;
}

}  // namespace

ConsoleStream::ConsoleStream(unsigned long standardHandle)
    : handle_(GetStdHandle(standardHandle)), console_(false), stream_(this)
{
    DWORD mode = 0;
    console_ = handle_ != INVALID_HANDLE_VALUE && handle_ && GetConsoleMode(handle_, &mode);
}

ConsoleStream::~ConsoleStream()
{
    Write(true);
}

ConsoleStream::int_type ConsoleStream::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    xsputn(&byte, 1);
    return c;
}

std::streamsize ConsoleStream::xsputn(const char* text, std::streamsize count)
{
    buffer_.append(text, static_cast<size_t>(count));
    // A console shows each line as soon as it is whole.
    if (buffer_.size() >= kBufferSize || (console_ && buffer_.find('\n') != std::string::npos))
        Write(false);
    return count;
}

int ConsoleStream::sync()
{
    Write(true);
    return 0;
}

void ConsoleStream::Write(bool all)
{
    if (buffer_.empty() || !handle_ || handle_ == INVALID_HANDLE_VALUE)
        return;
    size_t end = buffer_.size();
    if (console_) {
        if (!all) {
            const size_t line = buffer_.rfind('\n');
            end = line != std::string::npos ? line + 1 : WholeCharacters(buffer_);
        }
        const std::wstring wide = Widen(buffer_.substr(0, end));
        DWORD written = 0;
        WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        DWORD written = 0;
        WriteFile(handle_, buffer_.data(), static_cast<DWORD>(end), &written, nullptr);
    }
    buffer_.erase(0, end);
}
