#pragma once
// The error object that the file-operation engine raises inside its steps
// and catches in its public operations: a text and the system's error code.
#include <string>

#include "platform/SystemError.h"

class CFExeption {
public:
    // The engine's own text ("... not found", "Wrong operation"), code 0.
    explicit CFExeption(std::string text);
    // A system error code with the system's message text for it.
    explicit CFExeption(SystemError code);
    // The engine's own text for a failure that has a system error code.
    CFExeption(std::string text, SystemError code);

    const std::string& Text() const { return text_; }
    SystemError Code() const { return code_; }

private:
    std::string text_;
    SystemError code_;
};
