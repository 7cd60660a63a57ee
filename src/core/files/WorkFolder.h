#pragma once
// Temporary files of the program. They are made in a small hidden folder of
// the program's own inside the folder where they will land, under short
// names, and move into place with a rename. A fresh name there is cheap to
// find: Windows (and Wine above all) looks a new name up against every entry
// of its folder, and a movie folder may hold thousands of files. The final
// path is what must fit the system's limits; the temporary one is short.
//
// Each run makes a work folder of its own under a name nobody else uses
// ("~reelmark-<process>-<number>.tmp"), made so that anything already of
// that name makes it pick another, and holds it while it works, so that no
// link or other folder can take its place. The program removes only what it
// can prove it made: its own folders' temporary files, never through a link.
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

class WorkFolder {
public:
    // The work folder inside folder; nothing is made on disk before the
    // first temporary file.
    explicit WorkFolder(const std::string& folder);
    // Removes the work folder once it is empty.
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Makes a fresh temporary file: make is called with a new path and
    // answers 0 once it has made the file there, else the system's error
    // code; a name that is taken already is passed over. True once made;
    // false with the error code in error (never a code that says a name is
    // taken: the name the caller needs is not the one that failed).
    bool MakeTemporary(const std::function<SystemError(const std::string& path)>& make, SystemError& error);

    // Removes what runs that were cut short left behind in the folder: the
    // temporary files in work folders of this version's pattern that no
    // running program holds, and the temporary files of earlier versions
    // beside the movies ("<name>.reelmark-new", "~reelmark<n>.tmp"), but
    // only those last written before this object was made. A link is never
    // followed; an entry that bears the program's names but cannot be proved
    // its own (a link, a file where a folder should be, a foreign file in a
    // work folder, the fixed work folder of earlier versions) is left alone
    // and named in the log, one warning line each.
    void RemoveLeftovers(ActivityLog& log) const;

private:
    // Makes this run's work folder; 0 or the error code.
    SystemError MakeOwnFolder();

    std::string folder_;
    std::unique_ptr<HeldFolder> work_;
    unsigned long long made_;  // when this object was made (FileClockNow units)
};
