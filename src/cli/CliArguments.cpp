#include "cli/CliArguments.h"

#include <cctype>

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
    else
        return false;
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

    std::vector<std::string> words;
    bool iniGiven = false;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;  // a folder whose name starts with "-" may follow
        } else if (arg == "--replace") {
            parsed.replace = true;
        } else if (arg == "--recursive") {
            parsed.recursive = true;
        } else if (arg == "--parse-names") {
            parsed.parseNames = true;
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
    if (words.size() < 2 || words[1].empty()) {
        error = "FOLDER is missing";
        return false;
    }
    if (words.size() > 2) {
        error = "too many arguments from \"" + words[2] + "\" on (put a FOLDER with spaces in double quotes)";
        return false;
    }
    parsed.folder = words[1];
    if (parsed.command == CliCommand::List && (parsed.replace || parsed.parseNames || iniGiven)) {
        error = "--replace, --parse-names and --ini belong to the generate command";
        return false;
    }
    return true;
}
