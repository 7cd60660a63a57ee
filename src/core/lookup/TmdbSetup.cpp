#include "core/lookup/TmdbSetup.h"

#include "core/lookup/TmdbMatch.h"
#include "core/settings/Version.h"
#include "platform/Environment.h"

TmdbSettings TmdbSettingsFor(const Settings& settings, const std::string& givenKey, bool offline)
{
    TmdbSettings tmdb;
    const std::string environmentKey = EnvironmentValue("REELMARK_TMDB_KEY");
    tmdb.key = !givenKey.empty() ? givenKey : !environmentKey.empty() ? environmentKey : settings.TmdbKey;
    const std::string url = EnvironmentValue("REELMARK_TMDB_URL");
    tmdb.baseUrl = !url.empty() ? url : !settings.TmdbUrl.empty() ? settings.TmdbUrl : kTmdbDefaultUrl;
    tmdb.offline = offline;
    tmdb.userAgent = std::string("Reelmark/") + kReelmarkVersion;
    return tmdb;
}

TmdbMatches TmdbMatchesOf(const Settings& settings, std::vector<std::string>& leftOut)
{
    TmdbMatches matches;
    for (const auto& [name, id] : settings.Matches) {
        if (!matches.Add(name, id))
            leftOut.push_back(name + "=" + id);
    }
    return matches;
}

void RememberMatch(Settings& settings, TmdbKind kind, const std::string& name, int year, long long id)
{
    const std::string key = year ? name + " (" + std::to_string(year) + ")" : name;
    const std::string value = std::string(kind == TmdbKind::Show ? "tv/" : "movie/") + std::to_string(id);
    for (auto& [chosenName, chosenId] : settings.Matches) {
        std::string earlierName;
        int earlierYear = 0;
        SplitNameAndYear(chosenName, earlierName, earlierYear);
        if (earlierYear == year && NormalizedTitle(earlierName) == NormalizedTitle(name)) {
            chosenName = key;
            chosenId = value;
            return;
        }
    }
    settings.Matches.emplace_back(key, value);
}
