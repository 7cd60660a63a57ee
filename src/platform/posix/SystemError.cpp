#include "platform/SystemError.h"

#include <cerrno>
#include <cstring>

const SystemError kErrorFileNotFound = ENOENT;
const SystemError kErrorAccessDenied = EACCES;
const SystemError kErrorNameTaken = EEXIST;
const SystemError kErrorInvalidName = EINVAL;

bool IsNameTaken(SystemError code)
{
    return code == EEXIST;
}

bool IsNotFound(SystemError code)
{
    return code == ENOENT || code == ENOTDIR;
}

SystemError LastSystemError()
{
    return static_cast<SystemError>(errno);
}

std::string SystemErrorText(SystemError code)
{
    return std::string(std::strerror(static_cast<int>(code))) + ".\n";
}
