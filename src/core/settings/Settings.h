#pragma once
// The settings the program remembers between runs, and their trip to and
// from the INI file "reelmark.ini" in the program's home folder.
#include <string>
#include <utility>
#include <vector>

#include "core/files/RunManifest.h"
#include "core/log/ActivityLog.h"
#include "core/settings/IniFile.h"

// The settings file's name.
constexpr const char* kIniFileName = "reelmark.ini";

// Every setting is a text; yes/no settings hold exactly "true" or "false".
struct Settings {
    std::string IniFileName = kIniFileName;

    // Section "Config".
    std::string PythonLoc;
    std::string OverwriteMetadata;
    std::string ParseNames;
    // Generate writes into each folder's ".meta" folder ("true"/"false").
    std::string MetaFolder;
    // Where other files describe a movie, Generate writes the whole
    // template over them ("true"), or adds only what they lack ("false").
    std::string WholeTemplate;
    // Delete Selected deletes for good instead of to the Recycle Bin.
    std::string DeleteForGood;
    // How long (days) and how much (MB) of the journals that undo runs are
    // kept (whole numbers; 0 MB keeps none: runs cannot be undone).
    std::string UndoDays;
    std::string UndoMegabytes;
    // Generate looks titles and descriptions up on TMDB ("true"/"false").
    std::string Lookup;
    // The TMDB key (a v3 API key or a v4 read access token); never logged.
    std::string TmdbKey;
    // TMDB's address for a mirror or a test server; empty for TMDB's own.
    std::string TmdbUrl;
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
    // The movie list shows the sub-folders' movies too ("true"/"false").
    std::string Recursive;
    std::string Genre;
    std::string OriginalAirDate;
    // Section "Library": the Library window's columns (each one's width in
    // the grid's order, 0 for a hidden one) and where it was ("x,y,w,h",
    // with ",max" when maximized); empty until the window was used.
    std::string LibraryColumns;
    std::string LibraryPlacement;

    // Section "Matches": the TMDB id the user chose for a show or a movie
    // ("Doctor Who (2005)" = "tv/57243"), in the file's order.
    std::vector<std::pair<std::string, std::string>> Matches;
};

// The section of the TMDB ids the user chose.
constexpr const char* kMatchesSection = "Matches";

// One stored setting: where it lives in the INI file and its default.
struct SettingField {
    const char* section;
    const char* key;
    const char* defaultValue;
    std::string Settings::*member;
    // Written only once it differs from its default or the file has it, so
    // a file of a user who never turned it on stays as it was.
    bool optional = false;
};

// Every stored setting, in the order in which settings are read from and
// written to the file.
const std::vector<SettingField>& SettingFields();

// The limits of the runs' journals as the settings give them; none (0
// bytes) when UndoMegabytes is 0.
JournalLimits UndoJournalLimits(const Settings& settings);
// The most the undo settings may say.
constexpr int kMostUndoDays = 3650;
constexpr int kMostUndoMegabytes = 1000000;

// The items of a setting that names one of a list (a combo box's);
// nullptr for the others.
const std::vector<std::string>* SettingItems(const SettingField& field);
// The values a setting takes, as a person reads them: the items of its
// list (each also by its start, "TV-14"), true or false, or any text.
std::string AcceptedSettingValues(const SettingField& field);

// Where the value in effect of a setting came from.
struct SettingSource {
    enum class From {
        Default,   // the file lacks the key (or there is no file)
        File,      // the file's value
        Unusable,  // the file's value cannot be used: the default stands
    };
    From from = From::Default;
    std::string fileValue;  // what the file holds (File, Unusable)
    // Its line starts with "#" or ";": read all the same, as the window
    // always has.
    bool commentedOut = false;
};

// Every setting the file's records hold replaces the value it has. A value
// the program cannot use keeps the default, with a warning in the log that
// names the file (iniPath) and the values the setting takes: a NUL byte (it
// would end up inside metadata files), a combo box text that names none of
// its items (it would write an empty rating and be saved empty), a number
// of the undo settings that is no whole number in its range; a yes/no
// setting that is neither "true" nor "false" keeps its text, which counts
// as false, with a warning all the same (an empty one without). Every
// active entry of [Matches] is a choice. A
// file without a series ID gives the series type's prefix to the default
// one, so that a file of shows never gets a movie's ID. sources, when
// given, gets where each value came from, in the order of SettingFields().
void TakeSettingRecords(const std::vector<IniRecord>& records, Settings& settings, ActivityLog& log,
                        const std::string& iniPath, std::vector<SettingSource>* sources = nullptr);
// The entries of the file's [Config] and [Settings] sections whose keys
// name no setting ("TvRating " with a space before "=", "tvrating").
std::vector<const IniRecord*> UnknownSettingKeys(const std::vector<IniRecord>& records);

// The settings record with the INI file it is kept in; errors go to the log.
// The file is read once at start and written once at close. A file that
// exists but cannot be read at start is never written over: the run goes
// on with the defaults and the user's file stays as it is.
class SettingsStore {
public:
    // iniPath: the settings file, an absolute path fixed for the whole run.
    SettingsStore(ActivityLog& log, std::string iniPath) : log_(log), iniPath_(std::move(iniPath)) {}

    Settings& Values() { return settings_; }
    const Settings& Values() const { return settings_; }

    // Every setting takes its default; a missing file is created empty. A
    // file that cannot be created, or that exists but cannot be read, is
    // reported with a box.
    void SetDefaultSettings();
    // Adds missing keys with the current values (one write, only when keys
    // were missing), then every setting takes the value stored in the file
    // (an empty one included). An unreadable file keeps the defaults.
    void LoadSettings();
    // Writes every setting into the file in one step (a missing file is
    // created); a failure is reported with a box and a log line. A file that
    // could not be read at start is left alone, with a log line.
    void SaveSettings();

private:
    void ReportUnreadable();

    ActivityLog& log_;
    std::string iniPath_;
    CIniFile ini_;
    Settings settings_;
    bool unreadable_ = false;  // the file existed but could not be read at start
};
