#include "core/settings/Settings.h"

#include "core/files/TextFile.h"
#include "core/folders/MovieScanner.h"
#include "core/metadata/MetadataFormat.h"
#include "platform/Text.h"

const std::vector<SettingField>& SettingFields()
{
    static const std::vector<SettingField> fields = {
        {"Config", "PythonLoc", "C:\\Program Files (x86)\\pyTivo\\pyTivo.py", &Settings::PythonLoc},
        {"Config", "OverwriteMetadata", "false", &Settings::OverwriteMetadata},
        {"Config", "ParseNames", "false", &Settings::ParseNames, true},
        {"Config", "MetaFolder", "false", &Settings::MetaFolder, true},
        {"Config", "WholeTemplate", "false", &Settings::WholeTemplate, true},
        {"Config", "DeleteForGood", "false", &Settings::DeleteForGood, true},
        {"Config", "UndoDays", "30", &Settings::UndoDays, true},
        {"Config", "UndoMegabytes", "500", &Settings::UndoMegabytes, true},
        {"Config", "Lookup", "false", &Settings::Lookup, true},
        {"Config", "TmdbKey", "", &Settings::TmdbKey, true},
        {"Config", "TmdbUrl", "", &Settings::TmdbUrl, true},
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
        {"Settings", "Genre", "", &Settings::Genre, true},
        {"Settings", "OriginalAirDate", "", &Settings::OriginalAirDate, true},
        {"Settings", "Recursive", "false", &Settings::Recursive, true},
        {"Library", "Columns", "", &Settings::LibraryColumns, true},
        {"Library", "Placement", "", &Settings::LibraryPlacement, true},
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

// The items a combo box setting must name one of; nullptr for a free text.
const std::vector<std::string>* ComboItemsOf(std::string Settings::*member)
{
    if (member == &Settings::SeriesType)
        return &SeriesTypeItems();
    if (member == &Settings::StarRating)
        return &StarRatings().items;
    if (member == &Settings::MpaaRating)
        return &MpaaRatings().items;
    if (member == &Settings::TvRating)
        return &TvRatings().items;
    return nullptr;
}

// The most a number setting may say; 0 for a text.
int MostOf(std::string Settings::*member)
{
    return member == &Settings::UndoDays ? kMostUndoDays : member == &Settings::UndoMegabytes ? kMostUndoMegabytes : 0;
}

bool IsNumberUpTo(const std::string& text, int most)
{
    return IsAllDigits(text) && text.size() <= 7 && std::stoi(text) <= most;
}

// The yes/no settings: exactly "true" or "false" (the window ticks its
// box for "true" alone; every other text counts as false).
bool IsYesNo(std::string Settings::*member)
{
    return member == &Settings::OverwriteMetadata || member == &Settings::ParseNames ||
           member == &Settings::MetaFolder || member == &Settings::WholeTemplate ||
           member == &Settings::IsEpisode || member == &Settings::Recursive || member == &Settings::DeleteForGood;
}

const SettingField& FieldOf(std::string Settings::*member)
{
    for (const SettingField& field : SettingFields()) {
        if (field.member == member)
            return field;
    }
    return SettingFields().front();  // every member of kEnsureOrder is in the table
}

// Why the file's value of the setting cannot be used; nullptr when it can.
// An empty yes/no value has always meant false.
const char* ProblemOf(const SettingField& field, const std::string& value)
{
    if (value.find('\0') != std::string::npos)
        return "holds a NUL byte";
    const std::vector<std::string>* items = ComboItemsOf(field.member);
    if ((items && FindComboItem(*items, value) < 0) ||
        (IsYesNo(field.member) && !value.empty() && value != "true" && value != "false"))
        return "is none of its values";
    const int most = MostOf(field.member);
    if (most > 0 && !IsNumberUpTo(value, most))
        return "is no whole number in its range";
    return nullptr;
}

}  // namespace

const std::vector<std::string>* SettingItems(const SettingField& field)
{
    return ComboItemsOf(field.member);
}

std::string AcceptedSettingValues(const SettingField& field)
{
    if (IsYesNo(field.member))
        return "true or false";
    if (MostOf(field.member) > 0)
        return "a whole number from 0 to " + std::to_string(MostOf(field.member));
    const std::vector<std::string>* items = ComboItemsOf(field.member);
    if (!items)
        return "any text";
    std::string text;
    for (const std::string& item : *items)
        text += (text.empty() ? "\"" : ", \"") + TrimmedOf(item) + "\"";
    // Its first word names an item too ("TV-G", "3", "MV").
    const std::string example =
        std::string(field.defaultValue).substr(0, std::string(field.defaultValue).find(' '));
    return text + " (or the start of one, such as \"" + example + "\")";
}

void TakeSettingRecords(const std::vector<IniRecord>& records, Settings& settings, ActivityLog& log,
                        const std::string& iniPath, std::vector<SettingSource>* sources)
{
    if (sources)
        sources->assign(SettingFields().size(), SettingSource());
    for (size_t i = 0; i < SettingFields().size(); ++i) {
        const SettingField& field = SettingFields()[i];
        const IniRecord* entry = FindIniEntry(records, field.section, field.key);
        if (!entry)
            continue;
        const char* problem = ProblemOf(field, entry->value);
        if (sources)
            (*sources)[i] = {problem ? SettingSource::From::Unusable : SettingSource::From::File,
                             entry->value, entry->marker != ' '};
        if (!problem || IsYesNo(field.member)) {
            // A yes/no text other than "true" counts as false and stays as
            // the user wrote it.
            settings.*field.member = entry->value;
            if (problem)
                log.AddLogEntry("", LogSeverity::Warning,
                                "The setting %s=%s in %s %s: %s; it counts as \"false\".", field.key,
                                entry->value.c_str(), iniPath.c_str(), problem,
                                AcceptedSettingValues(field).c_str());
        } else if (entry->value.find('\0') != std::string::npos) {
            log.AddLogEntry("", LogSeverity::Warning, "The setting %s in %s %s; it takes its default \"%s\".",
                            field.key, iniPath.c_str(), problem, field.defaultValue);
            settings.*field.member = field.defaultValue;
        } else {
            log.AddLogEntry("", LogSeverity::Warning,
                            "The setting %s=%s in %s %s: %s; it takes its default \"%s\".", field.key,
                            entry->value.c_str(), iniPath.c_str(), problem,
                            AcceptedSettingValues(field).c_str(), field.defaultValue);
            settings.*field.member = field.defaultValue;
        }
    }
    settings.Matches.clear();
    for (const IniRecord& record : records) {
        if (record.marker == ' ' && record.section == kMatchesSection && !record.key.empty())
            settings.Matches.push_back({record.key, record.value});
    }
    const SettingField& id = FieldOf(&Settings::SeriesID);
    if (!FindIniEntry(records, id.section, id.key))
        settings.SeriesID = settings.SeriesType.substr(0, 2) + std::string(id.defaultValue).substr(2);
}

JournalLimits UndoJournalLimits(const Settings& settings)
{
    JournalLimits limits;
    // The values were checked as they were read; a value set otherwise that
    // is no number keeps the default.
    if (IsNumberUpTo(settings.UndoDays, kMostUndoDays))
        limits.days = std::stoi(settings.UndoDays);
    if (IsNumberUpTo(settings.UndoMegabytes, kMostUndoMegabytes))
        limits.bytes = static_cast<unsigned long long>(std::stoi(settings.UndoMegabytes)) << 20;
    return limits;
}

std::vector<const IniRecord*> UnknownSettingKeys(const std::vector<IniRecord>& records)
{
    std::vector<const IniRecord*> unknown;
    for (const IniRecord& record : records) {
        if (record.key.empty() || record.marker == kIniTrailerMarker)
            continue;
        bool known = false;
        bool ours = false;
        for (const SettingField& field : SettingFields()) {
            ours = ours || record.section == field.section;
            known = known || (record.section == field.section && record.key == field.key);
        }
        if (ours && !known)
            unknown.push_back(&record);
    }
    return unknown;
}

void SettingsStore::ReportUnreadable()
{
    unreadable_ = true;
    log_.AddLogEntry("Ini File Create/Open Error", LogSeverity::Error, "Could not access: %s",
                     settings_.IniFileName.c_str());
}

void SettingsStore::SetDefaultSettings()
{
    settings_.IniFileName = kIniFileName;
    for (const SettingField& field : SettingFields())
        settings_.*field.member = field.defaultValue;

    const PathInfo ini = InspectPath(iniPath_);
    if (!ini.exists) {
        if (IsNotFound(ini.error) && ini_.CreateEmpty(iniPath_))
            return;
        ReportUnreadable();
        return;
    }
    // Whether it can be read; it is read (once) when the settings load.
    if (!FileExists(iniPath_))
        ReportUnreadable();
}

void SettingsStore::LoadSettings()
{
    std::vector<IniRecord> records;
    if (unreadable_ || !ini_.ReadRecords(iniPath_, records)) {
        unreadable_ = true;
        return;
    }
    TakeSettingRecords(records, settings_, log_, iniPath_);
    bool added = false;
    for (std::string Settings::*member : kEnsureOrder) {
        const SettingField& field = FieldOf(member);
        if (!FindIniEntry(records, field.section, field.key)) {
            SetIniValue(records, field.key, settings_.*member, field.section);
            added = true;
        }
    }
    if (added)
        ini_.WriteRecords(iniPath_, records);
}

void SettingsStore::SaveSettings()
{
    if (unreadable_) {
        log_.AddLogEntry("", LogSeverity::Error,
                         "Settings file could not be read at start; it was not overwritten: %s",
                         iniPath_.c_str());
        return;
    }
    // What else the file holds (comments, keys of its own) stays; a file
    // that went missing meanwhile is made again.
    std::vector<IniRecord> records;
    unsigned long error = 0;
    bool ok = ini_.ReadRecords(iniPath_, records, &error);
    if (!ok && IsNotFound(error)) {
        records.clear();
        ok = true;
    }
    if (ok) {
        for (const SettingField& field : SettingFields()) {
            const std::string& value = settings_.*field.member;
            if (!field.optional || value != field.defaultValue ||
                FindIniEntry(records, field.section, field.key))
                SetIniValue(records, field.key, value, field.section);
        }
        // A new key goes right after its section's header: the last first
        // keeps the file in the list's order.
        for (auto match = settings_.Matches.rbegin(); match != settings_.Matches.rend(); ++match)
            SetIniValue(records, match->first, match->second, kMatchesSection);
        ok = ini_.WriteRecords(iniPath_, records, &error);
    }
    if (!ok)
        log_.AddLogEntry("Settings Not Saved", LogSeverity::Error, "Could not save settings: %s\n%s",
                         iniPath_.c_str(), SystemErrorText(error).c_str());
}
