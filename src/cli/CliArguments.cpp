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
};

// The options a command takes, beside --recursive and --json which all take.
bool Takes(CliCommand command, const std::string& option)
{
    return option == "--recursive" || option == "--json" || command == CliCommand::Generate;
}

// Why the options given do not fit the command; empty when they do.
std::string MisfitOption(const CliArguments& parsed, bool iniGiven)
{
    static const char* const kNames[] = {"", "", "generate", "list", "show"};
    for (const Flag& flag : kFlags) {
        if (parsed.*flag.field && !Takes(parsed.command, flag.name))
            return std::string(flag.name) + " does not belong to the " + kNames[static_cast<int>(parsed.command)] +
                   " command";
    }
    if (iniGiven && parsed.command != CliCommand::Generate)
        return "--ini belongs to the generate command";
    // A dry run prints the files' texts, which a JSON answer does not hold.
    if (parsed.json && parsed.dryRun)
        return "--json and --dry-run do not go together";
    return std::string();
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

    std::vector<std::string> words;
    bool iniGiven = false;
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
        } else if (arg == "--ini") {
            if (iniGiven) {
                error = "--ini is given more than once";
                return false;
            }
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--ini needs the name of a settings file";
                return false;
            }
            iniGiven = true;
            parsed.iniFile = args[++i];
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
    const char* what = parsed.command == CliCommand::Show ? "PATH" : "FOLDER";
    if (words.size() < 2 || words[1].empty()) {
        error = std::string(what) + " is missing";
        return false;
    }
    if (words.size() > 2 && parsed.command != CliCommand::Show) {
        error = "too many arguments from \"" + words[2] + "\" on (put a FOLDER with spaces in double quotes)";
        return false;
    }
    parsed.paths.assign(words.begin() + 1, words.end());
    error = MisfitOption(parsed, iniGiven);
    return error.empty();
}
