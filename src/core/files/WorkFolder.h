#pragma once
// Temporary files of the program. They are made in a small hidden folder of
// the program's own inside the folder where they will land, under short
// names, and move into place with a rename. A fresh name there is cheap to
// find: Windows (and Wine above all) looks a new name up against every entry
// of its folder, and a movie folder may hold thousands of files. The final
// path is what must fit the system's limits; the temporary one is short.
//
// Each run makes a work folder of its own under a name nobody else uses
// ("~reelmark-<process>-<number>.tmp") within the held folder it works in
// (platform/HeldFolder.h), made so that anything already of that name makes
// it pick another, holds it while it works, so that no link or other folder
// can take its place, and writes its marker into it: a small file with a
// random token and a check of it that a person would not write by accident.
// The program removes only what it can prove it made: in a work folder that
// a run cut short left, only when the marker is there, and only the entries
// the program writes there; never anything by its name alone, never through
// a link. Every removal is a line in the log.
#include <functional>
#include <memory>
#include <string>

#include "platform/SystemError.h"

class ActivityLog;
class HeldFolder;

// Whether the name is one of the program's work folders: this version's
// pattern, or the one fixed name earlier versions used ("~reelmark.tmp").
// Walks over the movie folders never enter one.
bool IsWorkFolderName(const std::string& name);

// The marker of a work folder of that name: what the program writes into it.
std::string WorkFolderMarker(const std::string& folderName);
// Whether the bytes are the marker the program wrote into a work folder of
// that name.
bool IsWorkFolderMarker(const std::string& bytes, const std::string& folderName);

class WorkFolder {
public:
    // The work folder inside the held folder, which must outlive this;
    // nothing is made on disk before the first temporary file.
    explicit WorkFolder(const HeldFolder& folder);
    // The same inside the folder at the path, held as the user's (the
    // links of its path followed): the home folder, a copy's target.
    explicit WorkFolder(const std::string& folder);
    // Removes the work folder once it is empty.
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // The folder the temporary files are meant for.
    const HeldFolder& Folder() const { return *folder_; }

    // Makes a fresh temporary file: make is called with the work folder and
    // a new name in it and answers 0 once it has made the file there, else
    // the system's error code; a name that is taken already is passed over.
    // True once made; false with the error code in error (never a code that
    // says a name is taken: the name the caller needs is not the one that
    // failed).
    bool MakeTemporary(const std::function<SystemError(const HeldFolder& work, const std::string& name)>& make,
                       SystemError& error);

    // Removes what runs that were cut short left behind in the folder: in
    // work folders of this version's pattern that no running program holds
    // and that hold the program's marker, the temporary files and the
    // marker, then the folder when nothing else is in it; each removal is a
    // line in the log. A link is never followed. Whatever else bears the
    // program's names (a work folder without its marker, a file of another
    // in one, a link, the fixed work folder and the temporary files of
    // earlier versions beside the movies, "<name>.reelmark-new",
    // "~reelmark<n>.tmp") is left alone and named in the log, once while
    // the program runs.
    void RemoveLeftovers(ActivityLog& log) const;

private:
    // Makes this run's work folder, with its marker; 0 or the error code.
    SystemError MakeOwnFolder();

    std::unique_ptr<HeldFolder> own_;  // the folder given by its path
    const HeldFolder* folder_;
    SystemError folderError_ = 0;  // why the folder given by its path could not be held
    std::unique_ptr<HeldFolder> work_;
};
