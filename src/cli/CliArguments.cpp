#include "cli/CliArguments.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

bool IsHelpOption(const std::string& arg)
{
    return arg == "--help" || arg == "-h" || arg == "/?";
}

std::string Lowercase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Commands are matched without regard to case, as Windows users expect.
bool CommandOf(const std::string& word, CliCommand& command)
{
    const std::string lower = Lowercase(word);
    if (lower == "generate")
        command = CliCommand::Generate;
    else if (lower == "list")
        command = CliCommand::List;
    else if (lower == "show")
        command = CliCommand::Show;
    else if (lower == "watch")
        command = CliCommand::Watch;
    else if (lower == "check")
        command = CliCommand::Check;
    else if (lower == "undo")
        command = CliCommand::Undo;
    else if (lower == "settings")
        command = CliCommand::Settings;
    else if (lower == "lookup")
        command = CliCommand::Lookup;
    else
        return false;
    return true;
}

// A flag option and the field it sets.
struct Flag {
    const char* name;
    bool CliArguments::*field;
};
const Flag kFlags[] = {
    {"--replace", &CliArguments::replace},       {"--recursive", &CliArguments::recursive},
    {"--parse-names", &CliArguments::parseNames}, {"--dry-run", &CliArguments::dryRun},
    {"--meta-folder", &CliArguments::metaFolder}, {"--json", &CliArguments::json},
    {"--fill-only", &CliArguments::fillOnly},     {"--whole-template", &CliArguments::wholeTemplate},
    {"--list", &CliArguments::list},
    {"--offline", &CliArguments::offline},       {"--lookup", &CliArguments::lookup},
};

// An option with a value: a text, a whole number up to `most`, or a number
// of seconds up to `most` that may have decimals ("2.5").
struct ValueOption {
    const char* name;
    const char* needs;
    std::string CliArguments::*text;
    int CliArguments::*number;
    double CliArguments::*seconds;
    int most;
};
const ValueOption kValueOptions[] = {
    {"--ini", "the name of a settings file", &CliArguments::iniFile, nullptr, nullptr, 0},
    {"--settle", "a number of seconds from 0 to 86400", nullptr, nullptr, &CliArguments::settleSeconds,
     86400},
    {"--rescan", "a number of minutes from 0 to 10080 (a week)", nullptr, &CliArguments::rescanMinutes,
     nullptr, 10080},
    {"--tmdb-key", "a TMDB key", &CliArguments::tmdbKey, nullptr, nullptr, 0},
    {"--candidates", "a name to look up", &CliArguments::candidates, nullptr, nullptr, 0},
};

// The option that may come several times, each with a "NAME=ID".
const char kMatchOption[] = "--match";

// The options of a lookup that generate and watch take with --lookup.
bool IsLookupOption(const std::string& option)
{
    return option == "--offline" || option == "--tmdb-key" || option == kMatchOption;
}

// The options a command takes.
bool Takes(CliCommand command, const std::string& option)
{
    const bool watching = option == "--settle" || option == "--rescan";
    switch (command) {
        case CliCommand::Generate:
            return !watching && option != "--list" && option != "--candidates";
        case CliCommand::Watch:
            return watching || option == "--recursive" || option == "--parse-names" || option == "--meta-folder" ||
                   option == "--ini" || option == "--fill-only" || option == "--whole-template" ||
                   option == "--lookup" || IsLookupOption(option);
        case CliCommand::Undo:
            return option == "--list" || option == "--dry-run" || option == "--ini";
        case CliCommand::Lookup:
            return option == "--recursive" || option == "--json" || option == "--ini" || option == "--candidates" ||
                   IsLookupOption(option);
        case CliCommand::Settings:
            return option == "--ini";
        default:
            return option == "--recursive" || option == "--json";
    }
}

// Why the options given do not fit the command; empty when they do.
std::string MisfitOption(const CliArguments& parsed, const std::vector<std::string>& valuesGiven)
{
    static const char* const kNames[] = {"",     "",      "generate", "list",    "show",
                                         "watch", "check", "undo",     "settings", "lookup"};
    const std::string command = kNames[static_cast<int>(parsed.command)];
    for (const Flag& flag : kFlags) {
        if (parsed.*flag.field && !Takes(parsed.command, flag.name))
            return std::string(flag.name) + " does not belong to the " + command + " command";
    }
    for (const std::string& option : valuesGiven) {
        if (!Takes(parsed.command, option))
            return option + " does not belong to the " + command + " command";
    }
    // A dry run prints the files' texts, which a JSON answer does not hold.
    if (parsed.json && parsed.dryRun)
        return "--json and --dry-run do not go together";
    if (parsed.fillOnly && parsed.wholeTemplate)
        return "--fill-only and --whole-template do not go together";
    // A list changes nothing and undoes no run.
    if (parsed.list && (parsed.dryRun || !parsed.paths.empty()))
        return parsed.dryRun ? "--list and --dry-run do not go together" : "--list takes no RUN";
    if (parsed.command != CliCommand::Lookup && !parsed.lookup) {
        for (const std::string& option : valuesGiven) {
            if (IsLookupOption(option))
                return option + " goes with --lookup";
        }
        if (parsed.offline)
            return "--offline goes with --lookup";
    }
    // TMDB is asked by the titles, shows and episodes the names give.
    if (parsed.lookup && !parsed.parseNames)
        return "--lookup needs --parse-names";
    return std::string();
}

// The command the arguments name, found before anything else is checked, so
// that wrong use of it can be answered with its usage; Help when none is
// named or the word is no command.
CliCommand GivenCommand(const std::vector<std::string>& args)
{
    CliCommand command = CliCommand::Help;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--")
            return i + 1 < args.size() && CommandOf(args[i + 1], command) ? command : CliCommand::Help;
        if (arg.size() < 2 || arg[0] != '-')
            return CommandOf(arg, command) ? command : CliCommand::Help;
        const bool takesValue = std::any_of(std::begin(kValueOptions), std::end(kValueOptions),
                                            [&arg](const ValueOption& o) { return arg == o.name; });
        i += takesValue ? 1 : 0;
    }
    return command;
}

// Takes the value of an option into its field; false with the reason.
bool TakeValue(const ValueOption& option, const std::string& value, CliArguments& parsed, std::string& error)
{
    if (option.text) {
        parsed.*option.text = value;
        return true;
    }
    // Whole digits, and for seconds a point and up to three decimals.
    const size_t point = option.seconds ? value.find('.') : std::string::npos;
    const std::string whole = value.substr(0, point);
    const std::string decimals = point == std::string::npos ? std::string() : value.substr(point + 1);
    const auto digits = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    const bool number =
        !whole.empty() && whole.size() <= 6 && digits(whole) &&
        (point == std::string::npos || (!decimals.empty() && decimals.size() <= 3 && digits(decimals)));
    const int given = number ? std::stoi(whole) : -1;
    const int thousandths = number ? std::stoi((decimals + "000").substr(0, 3)) : 0;
    if (given < 0 || given > option.most || (given == option.most && thousandths > 0)) {
        error = std::string(option.name) + " needs " + option.needs + ", not \"" + value + "\"";
        return false;
    }
    if (option.seconds)
        parsed.*option.seconds = given + thousandths / 1000.0;
    else
        parsed.*option.number = given;
    return true;
}

}  // namespace

bool ParseCliArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error)
{
    parsed = CliArguments();
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (IsHelpOption(arg))
            return true;
    }
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--version") {
            parsed.command = CliCommand::Version;
            return true;
        }
    }

    parsed.command = GivenCommand(args);
    std::vector<std::string> words;
    std::vector<std::string> valuesGiven;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;  // a folder whose name starts with "-" may follow
        } else if (const Flag* flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                                   [&arg](const Flag& f) { return arg == f.name; });
                   flag != std::end(kFlags)) {
            parsed.*flag->field = true;
        } else if (arg == kMatchOption) {
            if (i + 1 >= args.size() || args[i + 1].find('=') == std::string::npos) {
                error = std::string(kMatchOption) + " needs NAME=ID (a TMDB id, \"tv/ID\" or \"movie/ID\")";
                return false;
            }
            valuesGiven.push_back(arg);
            parsed.matches.push_back(args[++i]);
        } else if (const ValueOption* option =
                       std::find_if(std::begin(kValueOptions), std::end(kValueOptions),
                                    [&arg](const ValueOption& o) { return arg == o.name; });
                   option != std::end(kValueOptions)) {
            if (std::find(valuesGiven.begin(), valuesGiven.end(), arg) != valuesGiven.end()) {
                error = arg + " is given more than once";
                return false;
            }
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = arg + " needs " + option->needs;
                return false;
            }
            valuesGiven.push_back(arg);
            if (!TakeValue(*option, args[++i], parsed, error))
                return false;
        } else {
            error = "unknown option: " + arg;
            return false;
        }
    }

    if (words.empty()) {
        error = "no command given";
        return false;
    }
    if (!CommandOf(words[0], parsed.command)) {
        error = "unknown command: " + words[0];
        return false;
    }
    if (parsed.command == CliCommand::Undo) {
        // The run is named, or the last one is meant.
        if (words.size() > 2) {
            error = "too many arguments from \"" + words[2] + "\" on (undo takes one RUN)";
            return false;
        }
        parsed.paths.assign(words.begin() + 1, words.end());
        error = MisfitOption(parsed, valuesGiven);
        return error.empty();
    }
    const bool takesPaths = parsed.command == CliCommand::Show || parsed.command == CliCommand::Check ||
                            parsed.command == CliCommand::Lookup;
    if (parsed.command == CliCommand::Lookup && !parsed.candidates.empty()) {
        // The candidates of a name: no files to look up.
        if (words.size() > 1) {
            error = "--candidates takes no PATH";
            return false;
        }
        error = MisfitOption(parsed, valuesGiven);
        return error.empty();
    }
    const char* what = takesPaths ? "PATH" : "FOLDER";
    if (parsed.command == CliCommand::Settings && words.size() > 1) {
        error = "settings takes no FOLDER, only --ini FILE: \"" + words[1] + "\" is too many";
        return false;
    }
    if (parsed.command == CliCommand::Settings) {
        error = MisfitOption(parsed, valuesGiven);
        return error.empty();
    }
    if (words.size() < 2 || words[1].empty()) {
        error = std::string(what) + " is missing";
        return false;
    }
    if (words.size() > 2 && !takesPaths) {
        error = "too many arguments from \"" + words[2] + "\" on (put a FOLDER with spaces in double quotes)";
        return false;
    }
    parsed.paths.assign(words.begin() + 1, words.end());
    error = MisfitOption(parsed, valuesGiven);
    return error.empty();
}
