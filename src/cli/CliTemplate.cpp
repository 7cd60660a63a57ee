#include "cli/CliTemplate.h"

#include <windows.h>

#include <vector>

#include "browse/IniFile.h"

namespace {

bool IsMissing(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

}  // namespace

SettingsFileState ReadSettingsFile(const std::string& iniPath, Settings& settings)
{
    for (const SettingField& field : SettingFields())
        settings.*field.member = field.defaultValue;
    if (IsMissing(iniPath))
        return SettingsFileState::Missing;

    // The store answers "present" for every key of a file it cannot read,
    // so readability is settled first.
    CIniFile ini;
    std::vector<IniRecord> records;
    if (!ini.ReadRecords(iniPath, records))
        return SettingsFileState::Unreadable;
    for (const SettingField& field : SettingFields()) {
        if (ini.HasKey(field.key, field.section, iniPath))
            settings.*field.member = ini.ReadValue(field.key, field.section, iniPath);
    }
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
    return metadata;
}
