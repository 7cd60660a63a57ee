#include "ui/main/HelpFiles.h"

#include "core/log/ActivityLog.h"
#include "ui/main/ApplicationBinRes.h"

bool WriteHelpFile(ActivityLog& log, int id, const char* resourceName, const std::string& path)
{
    switch (ApplicationBinRes::ExtractBinResource("BIN", id, path)) {
        case ExtractResult::Written:
            return true;
        case ExtractResult::ResourceMissing:
            log.AddLogEntry("Resource Error", LogSeverity::Error, "Resource Load Failure: %s", resourceName);
            return false;
        case ExtractResult::WriteFailed:
            // Only the Help command needs the file; a read-only start folder
            // must not cost the user a box at every start.
            log.AddLogEntry("", LogSeverity::Warning, "Could not write help file: %s", path.c_str());
            return false;
    }
    return false;
}

HelpFilePaths WriteHelpFiles(ActivityLog& log, const std::string& folder)
{
    HelpFilePaths paths{folder + "\\hh.exe", folder + "\\Reelmark.chm"};
    WriteHelpFile(log, kIdrHhfExeBin, "IDR_HHF_EXE_BIN", paths.viewer);
    WriteHelpFile(log, kIdrChmBin, "IDR_CHM_BIN", paths.document);
    return paths;
}
