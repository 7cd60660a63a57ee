#pragma once
// Standard output and standard error of reelmark-cli as streams of UTF-8
// text. A console gets the text as Unicode (WriteConsoleW), so every script
// shows whatever the console's code page; a file or pipe gets the UTF-8
// bytes. Output is buffered: a console sees each line when it is complete,
// a file or pipe gets large writes and the rest when the stream is flushed.
#include <ostream>
#include <streambuf>
#include <string>

class ConsoleStream : private std::streambuf {
public:
    // standardHandle: STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit ConsoleStream(unsigned long standardHandle);
    ~ConsoleStream() override;
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;

    std::ostream& Stream() { return stream_; }

private:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;
    // Writes what is buffered; on a console only whole characters.
    void Write(bool all);

    void* handle_;
    bool console_;
    std::string buffer_;
    std::ostream stream_;
};
