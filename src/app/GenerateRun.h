#pragma once
// The Generate command without its window: writes one metadata file for
// every entry of the movie list, skipping existing ones unless told to
// replace them, logs each file and ends with a summary box.
#include <functional>
#include <string>
#include <vector>

#include "app/MetadataFormat.h"

class ActivityLog;

struct GenerateRequest {
    std::string folder;                // the movie folder (a trailing backslash is ignored)
    std::vector<std::string> entries;  // file names in the folder, in list order
    bool replaceExisting = false;      // the Replace Existing Metadata box
    bool isEpisodeTicked = false;      // the Is Episode box
    std::string seriesTitleText;       // the Series Title field
    MetadataTemplate metadata;         // used for every file unless templateForNextFile is set
    // Called before each file is composed; its answer is that file's
    // template (the main window brings its settings up to date here).
    std::function<MetadataTemplate()> templateForNextFile;
};

struct GenerateResult {
    bool refused = false;  // episode run without a series title: nothing was touched
    int created = 0;
    int skipped = 0;
    int failed = 0;
};

// Runs the whole command and reports through the log; the caller refreshes
// its view afterwards unless the run was refused.
GenerateResult RunGenerate(const GenerateRequest& request, ActivityLog& log);
