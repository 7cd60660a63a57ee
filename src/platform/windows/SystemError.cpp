#include "platform/SystemError.h"

#include <windows.h>

#include "platform/SystemErrorText.h"
#include "platform/Text.h"

const SystemError kErrorFileNotFound = ERROR_FILE_NOT_FOUND;
const SystemError kErrorAccessDenied = ERROR_ACCESS_DENIED;
const SystemError kErrorNameTaken = ERROR_ALREADY_EXISTS;
const SystemError kErrorInvalidName = ERROR_INVALID_NAME;
const SystemError kErrorNotAFile = ERROR_BAD_FILE_TYPE;
const SystemError kErrorTooLarge = ERROR_FILE_TOO_LARGE;
const SystemError kErrorLink = ERROR_CANT_RESOLVE_FILENAME;

bool IsNameTaken(SystemError code)
{
    return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS;
}

bool IsNotFound(SystemError code)
{
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

bool IsInUse(SystemError code)
{
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
}

SystemError LastSystemError()
{
    return GetLastError();
}

std::string SystemErrorText(SystemError code)
{
    if (code == kErrorLink)
        return std::string(kLinkText) + "\r\n";
    if (code == kErrorNotAFile)
        return std::string(kNotAFileText) + "\r\n";
    if (code == kErrorTooLarge)
        return std::string(kTooLargeText) + "\r\n";
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
        code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length && buffer)
        text = Narrow(std::wstring(buffer, length));
    else
        text = "Unknown error " + std::to_string(code) + ".\r\n";
    if (buffer)
        LocalFree(buffer);
    return text;
}
