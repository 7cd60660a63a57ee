#pragma once
// The error object that the file-operation engine raises inside its steps
// and catches in its public operations: a text and a Windows error code.
#include <string>

class CFExeption {
public:
    // The engine's own text ("... not found", "Wrong operation"), code 0.
    explicit CFExeption(std::string text);
    // A Windows error code with the system's message text for it.
    explicit CFExeption(unsigned long code);
    // The engine's own text for a failure that has a Windows error code.
    CFExeption(std::string text, unsigned long code);

    const std::string& Text() const { return text_; }
    unsigned long Code() const { return code_; }

private:
    std::string text_;
    unsigned long code_;
};
