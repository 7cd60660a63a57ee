#pragma once
// The start-up step that writes the help viewer and the help document out of
// the program's resources into its home folder, where the Help command runs
// "hh.exe Reelmark.chm".
#include <string>

class ActivityLog;

struct HelpFilePaths {
    std::string viewer;    // folder + "\hh.exe"
    std::string document;  // folder + "\Reelmark.chm"
};

// Writes both files into the folder and returns their paths. A
// missing resource is reported in a "Resource Error" box; a file that cannot
// be written only in a log line. The start goes on either way.
HelpFilePaths WriteHelpFiles(ActivityLog& log, const std::string& folder);

// Writes the "BIN" resource id to path and reports a failure as above, the
// resource named by resourceName ("IDR_CHM_BIN"); true when written.
bool WriteHelpFile(ActivityLog& log, int id, const char* resourceName, const std::string& path);
