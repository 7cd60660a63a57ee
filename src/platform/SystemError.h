#pragma once
// Error codes as the system gives them: Windows error codes on Windows,
// errno values elsewhere. The core compares them only with these names.
#include <string>

using SystemError = unsigned long;

extern const SystemError kErrorFileNotFound;
extern const SystemError kErrorAccessDenied;
extern const SystemError kErrorInvalidName;
// The code of a name that a file or folder holds already.
extern const SystemError kErrorNameTaken;
// A file or folder holds the name already (Windows has two codes for it).
bool IsNameTaken(SystemError code);
// Nothing is at the path, or a folder on the way is missing.
bool IsNotFound(SystemError code);
// The code of a name that is a link (or junction) where the program needs
// a file or folder of its own; never followed.
extern const SystemError kErrorLink;
// The code of a name that is no regular file where the program reads one:
// a pipe, a device or a socket, which could keep a reader waiting for ever.
extern const SystemError kErrorNotAFile;
// The code of a file larger than the program reads for what it is.
extern const SystemError kErrorTooLarge;
// Another program holds the file or folder.
bool IsInUse(SystemError code);
// The code of the last call that failed on this thread.
SystemError LastSystemError();
// The system's message text for the code (trailing line end included, as
// Windows gives it); a fallback text when it has none.
std::string SystemErrorText(SystemError code);
// The same without its trailing line end, for a line of its own.
std::string SystemErrorLine(SystemError code);
