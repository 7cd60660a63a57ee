#pragma once
// The metadata template of reelmark-cli: the one the main window would use,
// taken from its settings file, which is only ever read here.
#include <string>

#include "core/metadata/MetadataFormat.h"
#include "core/settings/Settings.h"
#include "platform/SystemError.h"

enum class SettingsFileState {
    Read,       // the file was read; keys it lacks keep their defaults
    Missing,    // there is no such file: every setting has its default
    Unreadable  // the file exists but cannot be read (locked, a folder, no access, a pipe or
                // device, too large)
};

// Every setting from the file, a missing key taking its default as the
// main window's start would add it, but without writing anything; a value
// that cannot be used is logged and takes its default. Why the file could
// not be read in *error, when given.
SettingsFileState ReadSettingsFile(const std::string& iniPath, Settings& settings, ActivityLog& log,
                                   SystemError* error = nullptr);

// The template as the main window's controls would show it after a start
// with these settings in the given folder: the series title is the folder's
// own name, the layout follows the Is Episode box (ticked only by "true"),
// and each rating selects the first item that begins with its stored text.
MetadataTemplate TemplateFromSettings(const Settings& settings, const std::string& seriesTitle);
