#include "platform/HomeFolder.h"

#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/Text.h"

// The folder the program is started in, as for a copy that is not installed
// on Windows: a script or a service names it by where it runs the program.
std::string HomeFolder()
{
    return FullPathOf(".");
}

std::string UserStateFolder()
{
    // XDG's rule for base folders: a relative value is to be ignored.
    const std::string state = EnvironmentValue("XDG_STATE_HOME");
    if (!state.empty() && state.front() == '/')
        return state + "/reelmark";
    const std::string home = EnvironmentValue("HOME");
    return home.empty() ? std::string() : home + "/.local/state/reelmark";
}

// The XDG rule: $XDG_CACHE_HOME when it is an absolute path, else ~/.cache.
std::string UserCacheFolder()
{
    const std::string cache = EnvironmentValue("XDG_CACHE_HOME");
    if (!cache.empty() && cache[0] == '/')
        return StripTrailingSeparator(cache) + "/reelmark";
    const std::string home = EnvironmentValue("HOME");
    if (home.empty() || home[0] != '/')
        return std::string();
    return StripTrailingSeparator(home) + "/.cache/reelmark";
}
