#include "cli/CliTemplate.h"

#include "cli/CliArguments.h"
#include "core/settings/IniFile.h"
#include "platform/Paths.h"
#include "platform/SystemError.h"

SettingsFileState ReadSettingsFile(const std::string& iniPath, Settings& settings, ActivityLog& log,
                                   std::vector<SettingSource>* sources, SystemError* error)
{
    for (const SettingField& field : SettingFields())
        settings.*field.member = field.defaultValue;
    if (sources)
        sources->assign(SettingFields().size(), SettingSource());
    CIniFile ini;
    std::vector<IniRecord> records;
    SystemError code = 0;
    if (!ini.ReadRecords(iniPath, records, &code)) {
        if (error)
            *error = code;
        return IsNotFound(code) ? SettingsFileState::Missing : SettingsFileState::Unreadable;
    }
    TakeSettingRecords(records, settings, log, iniPath, sources);
    for (const IniRecord* unknown : UnknownSettingKeys(records)) {
        log.AddLogEntry(
            "", LogSeverity::Warning,
            "The key \"%s\" in [%s] of %s names no setting and is left out (a key is spelled exactly, "
            "with nothing between it and \"=\").",
            unknown->key.c_str(), unknown->section.c_str(), iniPath.c_str());
    }
    return SettingsFileState::Read;
}

std::string SettingsFileOf(const CliArguments& arguments, const std::string& home)
{
    return arguments.iniFile.empty() ? home + kSeparator + kIniFileName : arguments.iniFile;
}

bool ReadCommandSettings(const CliArguments& arguments, const std::string& iniPath, Settings& settings,
                         ActivityLog& log, std::ostream& err, std::vector<SettingSource>* sources)
{
    SystemError error = 0;
    switch (ReadSettingsFile(iniPath, settings, log, sources, &error)) {
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
            return true;
        case SettingsFileState::Read:
            break;
    }
    return true;
}

MetadataTemplate TemplateFromSettings(const Settings& settings, const std::string& seriesTitle)
{
    const bool episode = settings.IsEpisode == "true";
    MetadataTemplate metadata;
    metadata.seriesTitle = seriesTitle;
    metadata.seriesId = settings.SeriesID;
    metadata.description = settings.SeriesDesc;
    metadata.isEpisode = episode ? "true" : "false";
    metadata.movieMode = !episode;
    metadata.starRating = FindComboItem(StarRatings().items, settings.StarRating);
    metadata.mpaaRating = FindComboItem(MpaaRatings().items, settings.MpaaRating);
    metadata.tvRating = FindComboItem(TvRatings().items, settings.TvRating);
    metadata.genres = settings.Genre;
    metadata.originalAirDate = settings.OriginalAirDate;
    return metadata;
}
