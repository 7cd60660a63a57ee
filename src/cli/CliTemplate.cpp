#include "cli/CliTemplate.h"

#include <vector>

#include "core/settings/IniFile.h"
#include "platform/SystemError.h"

SettingsFileState ReadSettingsFile(const std::string& iniPath, Settings& settings, ActivityLog& log,
                                   SystemError* error)
{
    for (const SettingField& field : SettingFields())
        settings.*field.member = field.defaultValue;
    CIniFile ini;
    std::vector<IniRecord> records;
    SystemError code = 0;
    if (!ini.ReadRecords(iniPath, records, &code)) {
        if (error)
            *error = code;
        return IsNotFound(code) ? SettingsFileState::Missing : SettingsFileState::Unreadable;
    }
    TakeSettingRecords(records, settings, log);
    return SettingsFileState::Read;
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
