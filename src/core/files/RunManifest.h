#pragma once
// Where the journals of runs lie and how a run's manifest is written: what
// the journal writes (RunJournal.h) and the history reads (RunHistory.h).
//
// A manifest is UTF-8 text, one line for each step, each line words
// separated by spaces (a word's "%", spaces and control characters written
// as "%" and two hexadecimal digits, an empty word as "-"), ended by a
// check of the line: the first eight digits of its hash. A line that fails
// its check, and every line after it, is read as absent.
#include <string>
#include <vector>

// How much the journals of past runs may hold: older runs and, oldest
// first, runs beyond the size go when a new run starts.
struct JournalLimits {
    int days = 30;
    // All runs' journals together; 0 keeps no journal at all (runs then
    // cannot be undone).
    unsigned long long bytes = 500ULL << 20;
};

// The folder of the runs' journals: $REELMARK_RUNS when it is set (tests
// point it elsewhere), else "runs" in the per-user state folder; empty when
// neither is known.
std::string RunsFolder();

// A file bigger than this is no metadata file: its old bytes are never
// kept (movies never enter the journal), and a run may not replace it.
constexpr unsigned long long kMostKeptBytes = 4ULL << 20;

// What a run is, as the first line of its manifest says.
struct RunHeader {
    std::string what;                // "Generate", "Editor", "Library", "Watch", "Undo"
    std::string folder;              // the movie folder it worked in
    std::string undoes;              // an undo: the run it undid
    unsigned long long started = 0;  // FileClockNow() units
};

// The files of a run's folder.
constexpr char kManifestName[] = "manifest";
constexpr char kOldBytesName[] = "old-bytes";
// The first word of a manifest and the version of its lines.
constexpr char kManifestMark[] = "reelmark-run";
constexpr char kManifestVersion[] = "1";

// The line (with its line feed) that holds the words.
std::string ManifestLine(const std::vector<std::string>& words);
// The words of a line (without its line feed); false when its check fails.
bool ReadManifestLine(const std::string& line, std::vector<std::string>& words);

// Whether the name is one the journal gives a run's folder
// ("20240131-235959-1234", "...-2" for a second one in the same second).
bool IsRunName(const std::string& name);
