#include "platform/SystemError.h"

std::string SystemErrorLine(SystemError code)
{
    std::string text = SystemErrorText(code);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}
