#pragma once
// The command line of reelmark-cli: a command, a folder and options, the
// options before or after the folder.
#include <string>
#include <vector>

enum class CliCommand { Help, Version, Generate, List };

struct CliArguments {
    CliCommand command = CliCommand::Help;
    std::string folder;
    bool replace = false;     // generate: replace existing metadata files
    bool recursive = false;   // generate, list: the folders below FOLDER too
    bool parseNames = false;  // generate: titles, years and episode numbers from file names
    std::string iniFile;      // generate: the settings file; empty for reelmark.ini in the current directory
};

// Reads the arguments (without the program name). "--help" or "--version"
// anywhere wins over everything else. False with a one-line reason in
// error when the command line cannot be run.
bool ParseCliArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error);
