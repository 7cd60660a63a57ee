#include "cli/CliRun.h"

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliLookup.h"
#include "cli/CliTemplate.h"
#include "core/settings/Settings.h"
#include "platform/HomeFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

CliRun::CliRun(std::ostream& logOut, std::ostream& err, bool flushEachLine)
    : home_(HomeFolder()),
      sink_(logOut, err, home_ + kSeparator + kLogFileName, flushEachLine),
      written_(home_ + kSeparator + kWrittenFilesName)
{
    log_.SetListener([this](const std::string& line) { sink_.OnLogLine(line); });
    request_.written = &written_;
}

bool CliRun::ReadSettings(const CliArguments& arguments, Settings& settings, std::ostream& err)
{
    return ReadCommandSettings(arguments, SettingsFileOf(arguments, home_), settings, log_, err);
}

bool CliRun::Prepare(const CliArguments& arguments, std::ostream& err, bool folderMayGo)
{
    std::string folder = FullPathOf(arguments.Folder());
    // A watch waits for a folder it cannot reach yet (RunWatch says why):
    // a service must not end, and be started again, over and over.
    if (!folderMayGo && !ResolveFolder(arguments.Folder(), folder, err))
        return false;
    Settings settings;
    const std::string iniPath = SettingsFileOf(arguments, home_);
    if (!ReadCommandSettings(arguments, iniPath, settings, log_, err))
        return false;
    request_.folder = folder;
    // A drive root has no name of its own: the series title stays empty,
    // and an episode run is refused as the main window refuses it.
    request_.seriesTitleText = LastPathComponent(folder);
    request_.metadata = TemplateFromSettings(settings, request_.seriesTitleText);
    request_.metadata.parseNames = arguments.parseNames;
    request_.isEpisodeTicked = !request_.metadata.movieMode;
    request_.metaFolder = arguments.metaFolder;
    const bool whole = arguments.wholeTemplate || (!arguments.fillOnly && settings.WholeTemplate == "true");
    request_.otherFiles = whole ? OtherFiles::WholeTemplate : OtherFiles::AddWhatTheyLack;
    // Every run keeps what it replaces, so that it can be undone.
    request_.undoJournal = UndoJournalLimits(settings);
    if (arguments.lookup) {
        GenerateLookupSetup setup;
        if (!PrepareTmdb(arguments, settings, iniPath, setup, err))
            return false;
        lookup_ = std::make_unique<GenerateLookup>(std::move(setup));
    }
    return true;
}
