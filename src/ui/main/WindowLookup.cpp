// The main window's TMDB lookup: Generate's lookup with its progress in
// the run's window, what the list takes from the cache alone, and the
// choices among the candidates of names left unmatched.
#include <windows.h>

#include <algorithm>

#include "core/lookup/TmdbCache.h"
#include "core/lookup/TmdbLookup.h"
#include "core/lookup/TmdbSetup.h"
#include "core/runs/GenerateRun.h"
#include "platform/HomeFolder.h"
#include "platform/Text.h"
#include "ui/framework/Prompt.h"
#include "ui/main/ReelmarkDlg.h"
#include "ui/main/TmdbChooseDlg.h"

bool CReelmarkDlg::LookUp(GenerateRequest& request, FileCommand& run, std::vector<UnmatchedTitle>& toChoose)
{
    std::vector<std::string> leftOut;
    GenerateLookup lookup(LookupSetup(leftOut));
    for (const std::string& choice : leftOut)
        AddLogEntry("", LogSeverity::Warning, "The choice %s of the settings names no TMDB id; it is left out.",
                    choice.c_str());
    const GenerateLookupResult result = lookup.Before(request, log_, [&run](const LookupProgress& progress) {
        return run.Next(progress.titlesDone, std::max(progress.titles, 1),
                        FormatText("Looking up on TMDB: %d requests, %d from the cache, %d unmatched",
                                   progress.requests, progress.fromCache, progress.unmatched));
    });
    run.Finish();
    if (run.Cancelled()) {
        AddLogEntry("", LogSeverity::Information, "Generate cancelled during the TMDB lookup: nothing was written.");
        return false;
    }
    toChoose = TitlesToChoose(result.unmatched);
    return true;
}

GenerateLookupSetup CReelmarkDlg::LookupSetup(std::vector<std::string>& leftOut)
{
    const Settings& settings = CurrentSettings();
    GenerateLookupSetup setup;
    setup.tmdb = TmdbSettingsFor(settings, std::string(), false);
    setup.matches = TmdbMatchesOf(settings, leftOut);
    setup.cacheFolder = UserCacheFolder();
    return setup;
}

void CReelmarkDlg::LayCachedLookupOver(LibraryPlan& plan, const MetadataTemplate& metadata)
{
    if (!metadata.parseNames || CurrentSettings().Lookup != "true")
        return;
    std::vector<std::string> leftOut;  // told when Generate looks up
    const GenerateLookupSetup setup = LookupSetup(leftOut);
    TmdbCache cache(setup.cacheFolder);
    LayCachedValuesOver(plan, setup.tmdb, setup.matches, cache);
}

void CReelmarkDlg::OfferChoices(const std::vector<UnmatchedTitle>& titles)
{
    const int answer = ThePrompt().ShowMessage(
        WindowInUse(),
        FormatText("%d %s not matched on TMDB: several of its shows or movies have the name. Their files got "
                   "what they would have had without the lookup.\n\nChoose which ones they are?",
                   static_cast<int>(titles.size()), titles.size() == 1 ? "name was" : "names were"),
        "Not Matched on TMDB", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES)
        return;
    const int stored = ChooseOnTmdb(titles, CurrentSettings(), this);
    if (stored > 0)
        AddLogEntry("", LogSeverity::Information, "%d TMDB %s kept in the settings for later runs and the watch.",
                    stored, stored == 1 ? "choice" : "choices");
}
