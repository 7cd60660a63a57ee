#include "cli/CliSettings.h"

#include <cstring>

#include "cli/CliArguments.h"
#include "cli/CliCommon.h"
#include "cli/CliTemplate.h"
#include "core/log/ActivityLog.h"
#include "platform/HomeFolder.h"
#include "platform/Text.h"

namespace {

// The settings that only the window uses, and what reelmark-cli takes
// in their place.
const struct {
    std::string Settings::*member;
    const char* instead;
} kWindowOnly[] = {
    {&Settings::PythonLoc, nullptr},          {&Settings::OverwriteMetadata, "--replace"},
    {&Settings::ParseNames, "--parse-names"}, {&Settings::MetaFolder, "--meta-folder"},
    {&Settings::TargetDir, "FOLDER"},         {&Settings::SeriesTitle, "the name of FOLDER"},
    {&Settings::Recursive, "--recursive"},     {&Settings::Lookup, "--lookup"},
    {&Settings::DeleteForGood, nullptr},
};

// What the line of a setting says after its value.
std::string SourceNote(const SettingField& field, const SettingSource& source, const Settings& settings)
{
    std::string note;
    switch (source.from) {
        case SettingSource::From::File: {
            note = "from the file";
            // The item a start of one names ("TV-14").
            const std::vector<std::string>* items = SettingItems(field);
            const int item = items ? FindComboItem(*items, source.fileValue) : -1;
            if (item >= 0 && (*items)[item] != source.fileValue)
                note += ": " + TrimmedOf((*items)[item]);
            if (source.commentedOut)
                note += " (its line begins with a comment mark, which does not leave it out)";
            break;
        }
        case SettingSource::From::Unusable:
            note = "default: the file's \"" + source.fileValue + "\" cannot be used";
            break;
        case SettingSource::From::Default:
            note = field.member == &Settings::SeriesID && settings.SeriesID != field.defaultValue
                       ? "default, with the series type's letters"
                       : "default";
            break;
    }
    for (const auto& only : kWindowOnly) {
        if (only.member == field.member)
            return note + "; the window's only" +
                   (only.instead ? std::string(", reelmark-cli takes ") + only.instead : "");
    }
    return note;
}

}  // namespace

int SettingsCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::string iniPath = SettingsFileOf(arguments, HomeFolder());
    // The warnings stand on the console, before the settings.
    ActivityLog log;
    log.SetListener([&err](const std::string& line) { err << line; });
    Settings settings;
    std::vector<SettingSource> sources;
    if (!ReadCommandSettings(arguments, iniPath, settings, log, err, &sources))
        return kExitUsage;
    out << "# The settings in effect: " << iniPath << ", each with where its value came from\n";
    const char* section = "";
    for (size_t i = 0; i < SettingFields().size(); ++i) {
        const SettingField& field = SettingFields()[i];
        if (std::strcmp(section, field.section) != 0) {
            section = field.section;
            out << "[" << section << "]\n";
        }
        // A yes/no text that is not "true" keeps its text, which counts as false.
        const std::string& value =
            sources[i].from == SettingSource::From::Unusable ? field.defaultValue : settings.*field.member;
        // The TMDB key is the user's own: said to be there, never shown.
        const bool secret = field.member == &Settings::TmdbKey && !value.empty();
        out << field.key << "=" << (secret ? "(not shown)" : value) << "    # "
            << SourceNote(field, sources[i], settings) << (secret ? "; the key itself is never shown" : "") << "\n";
    }
    return kExitSuccess;
}
