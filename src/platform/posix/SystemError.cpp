#include "platform/SystemError.h"

#include <cerrno>
#include <cstring>

#include "platform/SystemErrorText.h"

const SystemError kErrorFileNotFound = ENOENT;
const SystemError kErrorAccessDenied = EACCES;
const SystemError kErrorNameTaken = EEXIST;
const SystemError kErrorInvalidName = EINVAL;
const SystemError kErrorNotAFile = ENXIO;
const SystemError kErrorTooLarge = EFBIG;
const SystemError kErrorLink = ELOOP;

bool IsNameTaken(SystemError code)
{
    return code == EEXIST;
}

bool IsNotFound(SystemError code)
{
    return code == ENOENT || code == ENOTDIR;
}

bool IsInUse(SystemError code)
{
    return code == EWOULDBLOCK || code == EAGAIN;
}

SystemError LastSystemError()
{
    return static_cast<SystemError>(errno);
}

std::string SystemErrorText(SystemError code)
{
    if (code == kErrorLink)
        return std::string(kLinkText) + "\n";
    if (code == kErrorNotAFile)
        return std::string(kNotAFileText) + "\n";
    if (code == kErrorTooLarge)
        return std::string(kTooLargeText) + "\n";
    return std::string(std::strerror(static_cast<int>(code))) + ".\n";
}
