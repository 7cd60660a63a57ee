#pragma once
// Temporary files of the program. They are made in a small hidden folder of
// the program's own inside the folder where they will land, under short
// names, and move into place with a rename. A fresh name there is cheap to
// find: Windows (and Wine above all) looks a new name up against every entry
// of its folder, and a movie folder may hold thousands of files. The final
// path is what must fit the system's limits; the temporary one is short.
#include <functional>
#include <string>

// The name of the hidden work folder.
extern const char kWorkFolderName[];

class WorkFolder {
public:
    // The work folder inside folder; nothing is made on disk before the
    // first temporary file.
    explicit WorkFolder(const std::string& folder);
    // Removes the work folder once it is empty (another run of the program
    // may still have files in it; the last one out removes it).
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Makes a fresh temporary file: make is called with a new path and
    // answers 0 once it has made the file there, else the system's error
    // code; a name that is taken already is passed over. True with the path
    // in path; false with the error code in error.
    bool MakeTemporary(const std::function<unsigned long(const std::string& path)>& make, std::string& path,
                       unsigned long& error);

    // Removes what runs that were cut short left behind in the folder: the
    // files of the work folder and the temporary files of earlier versions
    // ("<name>.reelmark-new", "~reelmark<n>.tmp"), but only those last
    // written before this object was made that no program holds open.
    void RemoveLeftovers() const;

private:
    std::string folder_;
    std::string work_;
    bool ready_ = false;
    unsigned long long made_;  // when this object was made (FileClockNow units)
};
