#pragma once
// The command line of reelmark-cli: a command, its paths and options, the
// options before or after the paths.
#include <string>
#include <vector>

enum class CliCommand { Help, Version, Generate, List, Show, Watch, Check, Undo, Settings, Lookup };

struct CliArguments {
    CliCommand command = CliCommand::Help;
    // generate, list and watch take one FOLDER; show, check and lookup take
    // one or more PATHs (lookup none with --candidates); undo takes its RUN
    // or none; settings takes none.
    std::vector<std::string> paths;
    bool replace = false;     // generate: replace existing metadata files
    bool recursive = false;   // every command: the folders below too
    bool parseNames = false;  // generate, watch: titles, years and episode numbers from file names
    bool dryRun = false;      // generate, undo: print what would be done, change nothing
    bool list = false;        // undo: print the runs that can be undone
    bool metaFolder = false;  // generate, watch: write into the folder's ".meta" folder
    bool json = false;        // generate, list, show, check: one JSON document on standard output
    // generate, watch: where other files describe a movie, add only what
    // they lack, or write the whole template over them (neither: the
    // settings file's choice).
    bool fillOnly = false;
    bool wholeTemplate = false;
    // generate, watch, undo, settings, lookup: the settings file; empty for
    // reelmark.ini in the home folder.
    std::string iniFile;
    double settleSeconds = 30;  // watch: how long a new movie must stay unchanged (decimals too)
    int rescanMinutes = 60;     // watch: between full passes over FOLDER; 0 only at start
    bool lookup = false;        // generate, watch: titles and descriptions from TMDB (with --parse-names)
    // The lookup's (lookup, and generate and watch with --lookup):
    bool offline = false;       // only TMDB answers kept in the cache
    std::string tmdbKey;        // the TMDB key, over REELMARK_TMDB_KEY and the settings
    std::vector<std::string> matches;  // "NAME=ID" choices, over the settings' [Matches]
    std::string candidates;     // lookup: the NAME whose candidates are listed

    const std::string& Folder() const { return paths.front(); }
};

// Reads the arguments (without the program name). "--help" or "--version"
// anywhere wins over everything else. False with a one-line reason in
// error when the command line cannot be run; parsed.command is then the
// command it names (Help when it names none).
bool ParseCliArguments(const std::vector<std::string>& args, CliArguments& parsed, std::string& error);
