#include "platform/HomeFolder.h"

#include "platform/Text.h"

// The folder the program is started in, as for a copy that is not installed
// on Windows: a script or a service names it by where it runs the program.
std::string HomeFolder()
{
    return FullPathOf(".");
}
