#pragma once
// The metadata template of reelmark-cli: the one the main window would use,
// taken from its settings file, which is only ever read here.
#include <ostream>
#include <string>
#include <vector>

#include "core/metadata/MetadataFormat.h"
#include "core/settings/Settings.h"
#include "platform/SystemError.h"

struct CliArguments;

enum class SettingsFileState {
    Read,       // the file was read; keys it lacks keep their defaults
    Missing,    // there is no such file: every setting has its default
    Unreadable  // the file exists but cannot be read (locked, a folder, no access, a pipe or
                // device, too large)
};

// Every setting from the file, a missing key taking its default as the
// main window's start would add it, but without writing anything; a value
// that cannot be used is logged with the values it takes and takes its
// default, and a key of Reelmark's sections that names no setting is
// logged. sources: where each value came from (TakeSettingRecords). Why
// the file could not be read in *error, when given.
SettingsFileState ReadSettingsFile(const std::string& iniPath, Settings& settings, ActivityLog& log,
                                   std::vector<SettingSource>* sources = nullptr, SystemError* error = nullptr);

// The settings file of a command: --ini FILE, else reelmark.ini in the home
// folder.
std::string SettingsFileOf(const CliArguments& arguments, const std::string& home);

// Reads the command's settings file (SettingsFileOf): false, having said
// why on err, when the command cannot go on (exit code 2): the file cannot
// be read, or the one --ini names is not there. Without reelmark.ini every
// setting has its default, which err says.
bool ReadCommandSettings(const CliArguments& arguments, const std::string& iniPath, Settings& settings,
                         ActivityLog& log, std::ostream& err, std::vector<SettingSource>* sources = nullptr);

// The template as the main window's controls would show it after a start
// with these settings in the given folder: the series title is the folder's
// own name, the layout follows the Is Episode box (ticked only by "true"),
// and each rating selects the item its stored text names (FindComboItem).
MetadataTemplate TemplateFromSettings(const Settings& settings, const std::string& seriesTitle);
