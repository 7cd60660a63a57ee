#include "ui/controls/MetadataSave.h"

#include <windows.h>

#include <memory>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "core/folders/FolderWalk.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "ui/framework/Prompt.h"

namespace {

const char kNotSaved[] = "Metadata File Not Saved";

}  // namespace

bool MaySaveOver(ActivityLog& log, const std::string& moviePath, const std::string& path, const FileSnapshot& read,
                 const std::string& readBy, const std::string& choice)
{
    if (ClassifyPath(moviePath) != PathKind::File) {
        log.AddLogEntry(kNotSaved, LogSeverity::Warning,
                        "The movie is not there any more: %s\nNo metadata file is written for it.",
                        moviePath.c_str());
        return false;
    }
    FileSnapshot now;
    SystemError error = 0;
    ReadSnapshot(path, now, nullptr, error);
    if (now == read)
        return true;
    const std::string what = !now.exists ? "has been deleted" : read.exists ? "has been changed" : "has been made";
    // Keeping what is on the disk is the default answer, and Escape's.
    return ThePrompt().ShowMessage(WindowInUse(),
                                   path + "\n" + what + " by another program since " + readBy +
                                       ".\n\nClick OK to " + choice + ", or Cancel to keep the file as it is now.",
                                   "Metadata File Changed", MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

SystemError HoldMovieFolder(HeldFolderChain& chain, const std::string& movieFolder, const std::string& entry)
{
    const SystemError code = chain.OpenChosen(movieFolder);
    return code != 0 ? code : chain.Reach(RelativeFolderOf(entry));
}

bool SaveMetadataBytes(ActivityLog& log, const std::string& movieFolder, const std::string& entry,
                       const std::string& path, const std::string& bytes, bool inMeta)
{
    HeldFolderChain chain;
    HeldFolder meta;
    SystemError code = HoldMovieFolder(chain, movieFolder, entry);
    RunJournal* const journal = JournalInForce();
    if (code == 0 && inMeta) {
        const bool there = chain.Last().InspectEntry(kMetaFolderName).exists;
        code = meta.OpenOrMakeIn(chain.Last(), kMetaFolderName);
        if (code == 0 && !there && journal)
            journal->MadeFolder(ParentFolderOf(path));
    }
    const HeldFolder& folder = inMeta ? meta : chain.Last();
    const std::string name = FileNameOf(path, true);
    // What saves that were cut short left in the folder goes first, as a
    // Generate there would remove it.
    std::unique_ptr<WorkFolder> work;
    if (code == 0) {
        work = std::make_unique<WorkFolder>(chain.Last());
        work->RemoveLeftovers(log);
    }
    // A file that appears meanwhile is not written over.
    if (code != 0 ||
        !WriteFileAtomically(folder, name, bytes, &code, work.get(),
                             folder.InspectEntry(name).exists ? ExistingFile::Replace : ExistingFile::Keep)) {
        log.AddLogEntry(kNotSaved, LogSeverity::Error, "Could not write metadata file: %s\n%s", path.c_str(),
                        journal && journal->Broken() ? journal->Reason().c_str() : WriteErrorText(path, code).c_str());
        return false;
    }
    log.AddLogEntry("", LogSeverity::Information, "Metadata file saved: %s", path.c_str());
    return true;
}
