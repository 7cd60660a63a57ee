#include "platform/HomeFolder.h"

#include <cstdlib>

#include "platform/Text.h"

// The folder the program is started in, as for a copy that is not installed
// on Windows: a script or a service names it by where it runs the program.
std::string HomeFolder()
{
    return FullPathOf(".");
}

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : std::string();
}

std::string UserStateFolder()
{
    // The base directory specification: a relative value is to be ignored.
    const std::string state = EnvironmentValue("XDG_STATE_HOME");
    if (!state.empty() && state.front() == '/')
        return state + "/reelmark";
    const std::string home = EnvironmentValue("HOME");
    return home.empty() ? std::string() : home + "/.local/state/reelmark";
}
