#pragma once
// The settings the program remembers between runs, and their trip to and
// from the INI file "reelmark.ini" in the current directory.
#include <string>
#include <vector>

#include "browse/ActivityLog.h"
#include "browse/IniFile.h"

// The settings file, in the current directory.
constexpr const char* kIniFileName = "reelmark.ini";

// Every setting is a text; yes/no settings hold exactly "true" or "false".
struct Settings {
    std::string IniFileName = kIniFileName;  // resolved against the current directory at each access

    // Section "Config".
    std::string PythonLoc;
    std::string OverwriteMetadata;
    // Section "Settings".
    std::string TargetDir;
    std::string SeriesTitle;
    std::string SeriesID;
    std::string IsEpisode;
    std::string SeriesType;
    std::string StarRating;
    std::string MpaaRating;
    std::string TvRating;
    std::string SeriesDesc;
};

// One stored setting: where it lives in the INI file and its default.
struct SettingField {
    const char* section;
    const char* key;
    const char* defaultValue;
    std::string Settings::*member;
};

// Every stored setting, in the order in which settings are read from and
// written to the file.
const std::vector<SettingField>& SettingFields();

// The settings record with the INI store it is kept in; errors go to the log.
class SettingsStore {
public:
    explicit SettingsStore(ActivityLog& log) : log_(log) {}

    Settings& Values() { return settings_; }
    const Settings& Values() const { return settings_; }

    // Every setting takes its default, and the INI file is made to exist
    // (created empty when it cannot be opened; logged with a box when that
    // fails too).
    void SetDefaultSettings();
    // Adds the key with defaultValue unless the file has it already.
    void EnsureSetting(const std::string& section, const std::string& key, const std::string& defaultValue);
    // Adds missing keys with the current values, then every setting takes
    // the value stored in the file (an empty one included).
    void LoadSettings();
    // Writes every setting into the file; failures are silent.
    void SaveSettings();

private:
    std::string IniPath() const;

    ActivityLog& log_;
    CIniFile ini_;
    Settings settings_;
};
