#include "app/Settings.h"

#include <cstdio>

#include "browse/TextFile.h"

const std::vector<SettingField>& SettingFields()
{
    static const std::vector<SettingField> fields = {
        {"Config", "PythonLoc", "C:\\Program Files (x86)\\pyTivo\\pyTivo.py", &Settings::PythonLoc},
        {"Config", "OverwriteMetadata", "false", &Settings::OverwriteMetadata},
        {"Settings", "TargetDir", "C:\\", &Settings::TargetDir},
        {"Settings", "SeriesTitle", "Personal Movies", &Settings::SeriesTitle},
        {"Settings", "SeriesID", "MV994401", &Settings::SeriesID},
        {"Settings", "IsEpisode", "false", &Settings::IsEpisode},
        {"Settings", "SeriesType", "MV movies", &Settings::SeriesType},
        {"Settings", "StarRating", "3 (***) stars", &Settings::StarRating},
        {"Settings", "MpaaRating", "R - Restricted, < 17 Req Parent", &Settings::MpaaRating},
        {"Settings", "TvRating", "TV-G - General Audiences", &Settings::TvRating},
        {"Settings", "SeriesDesc", "(2012) My home Movies, stuff from the internet etc.",
         &Settings::SeriesDesc},
    };
    return fields;
}

namespace {

// The order in which missing keys are added. Each new key goes in right
// after its section header, so the file lists them in reverse.
std::string Settings::*const kEnsureOrder[] = {
    &Settings::PythonLoc,  &Settings::OverwriteMetadata, &Settings::TargetDir,  &Settings::SeriesTitle,
    &Settings::SeriesID,   &Settings::IsEpisode,         &Settings::SeriesDesc, &Settings::SeriesType,
    &Settings::StarRating, &Settings::MpaaRating,        &Settings::TvRating,
};

const SettingField& FieldOf(std::string Settings::*member)
{
    for (const SettingField& field : SettingFields()) {
        if (field.member == member)
            return field;
    }
    return SettingFields().front();  // every member of kEnsureOrder is in the table
}

}  // namespace

void SettingsStore::SetDefaultSettings()
{
    settings_.IniFileName = kIniFileName;
    for (const SettingField& field : SettingFields())
        settings_.*field.member = field.defaultValue;

    const std::string path = IniPath();
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return;
    }
    if (!ini_.CreateEmpty(path))
        log_.AddLogEntry("Ini File Create/Open Error", LogSeverity::Error, "Could not access: %s",
                         settings_.IniFileName.c_str());
}

void SettingsStore::EnsureSetting(const std::string& section, const std::string& key,
                                  const std::string& defaultValue)
{
    const std::string path = IniPath();
    if (!ini_.HasSection(section, path))
        ini_.AppendSection(section, path);
    if (!ini_.HasKey(key, section, path))
        ini_.WriteValue(key, defaultValue, section, path);
}

void SettingsStore::LoadSettings()
{
    for (std::string Settings::*member : kEnsureOrder) {
        const SettingField& field = FieldOf(member);
        EnsureSetting(field.section, field.key, settings_.*member);
    }
    for (const SettingField& field : SettingFields())
        settings_.*field.member = ini_.ReadValue(field.key, field.section, IniPath());
}

void SettingsStore::SaveSettings()
{
    for (const SettingField& field : SettingFields())
        ini_.WriteValue(field.key, settings_.*field.member, field.section, IniPath());
}

std::string SettingsStore::IniPath() const
{
    return PathInCurrentDirectory(settings_.IniFileName);
}
