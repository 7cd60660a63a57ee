#include "cli/CliRun.h"

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliTemplate.h"
#include "core/settings/Settings.h"
#include "platform/HomeFolder.h"
#include "platform/Paths.h"

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
    const std::string iniPath = arguments.iniFile.empty() ? home_ + kSeparator + kIniFileName : arguments.iniFile;
    SystemError error = 0;
    switch (ReadSettingsFile(iniPath, settings, log_, &error)) {
        case SettingsFileState::Unreadable:
            err << "reelmark-cli: cannot read the settings file " << iniPath << ": " << SystemErrorLine(error) << "\n";
            return false;
        case SettingsFileState::Missing:
            // A file named on the command line is meant to be there: a typing
            // error must not write every file from the default template.
            if (!arguments.iniFile.empty()) {
                err << "reelmark-cli: cannot find the settings file " << iniPath << "\n";
                return false;
            }
            err << "reelmark-cli: no settings file " << iniPath << "; every setting has its default\n";
            break;
        case SettingsFileState::Read:
            break;
    }
    return true;
}

bool CliRun::Prepare(const CliArguments& arguments, std::ostream& err)
{
    std::string folder;
    Settings settings;
    if (!ResolveFolder(arguments.Folder(), folder, err) || !ReadSettings(arguments, settings, err))
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
    return true;
}
