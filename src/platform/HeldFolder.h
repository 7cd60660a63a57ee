#pragma once
// Folders held open while the program writes in them, and the files it
// makes there. The program writes only inside the folder it was given:
// every file it makes or replaces is made within a folder it holds, and
// each folder below the chosen one is opened within the one above it,
// never through a link. Whatever is renamed, or swapped for a link,
// meanwhile, a file lands in the folder that was opened, or nowhere.
//
// Natively each name is opened with openat (O_NOFOLLOW | O_DIRECTORY) in
// its parent's descriptor, and files are made and named with openat,
// renameat and linkat in the descriptors. On Windows each folder is opened
// within the handle of the one above it (NtCreateFile with a root
// directory) as itself, a reparse point (link, junction) refused, and a
// file is made within its folder's handle and takes its name with a rename
// or a hard link within the handle of its folder. Wine opens within a
// handle's own folder but renames and links by the folders' names, and
// opens a link to a folder as that folder: there the name the system gives
// what was opened tells a link, and a file that took its name is looked up
// within its folder's handle and must be the one written, else the write
// fails.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// What the system gives for an open file or folder: a handle on Windows, a
// descriptor elsewhere.
#ifdef _WIN32
using SystemHandle = void*;
constexpr SystemHandle kNoSystemHandle = nullptr;
#else
using SystemHandle = int;
constexpr SystemHandle kNoSystemHandle = -1;
#endif

// A folder held open while the program works in it.
class HeldFolder {
public:
    // How a folder is held.
    enum class Hold {
        // Others may hold it and work in it too: a folder of movies. On
        // Windows nobody can rename it meanwhile.
        Shared,
        // The program's own work folder: one program at a time holds it
        // (another one finds it in use, IsInUse), and nobody can rename it
        // or put anything else in its place meanwhile.
        Own,
    };

    HeldFolder() = default;
    // Lets go of the folder; it stays on the disk.
    ~HeldFolder();
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

    // Holds the folder the user chose, shared: the links of its path are
    // the user's and are followed.
    SystemError OpenChosen(const std::string& path);
    // Holds the folder of that name in the parent, opened within it:
    // kErrorLink for a link or junction (a dangling one too), the system's
    // code for a file or nothing, IsInUse for an own hold that another
    // program has.
    SystemError OpenIn(const HeldFolder& parent, const std::string& name, Hold hold = Hold::Shared);
    // Makes a new folder of that name in the parent (hidden where the
    // system has the notion) and holds it; IsNameTaken when anything at all
    // holds the name, a link included.
    SystemError MakeIn(const HeldFolder& parent, const std::string& name, bool hidden, Hold hold = Hold::Own);
    // Holds the folder of that name, made when missing (shared, not
    // hidden); kErrorLink also for a name that can be neither opened nor
    // made (a dangling link).
    SystemError OpenOrMakeIn(const HeldFolder& parent, const std::string& name);
    bool IsOpen() const;
    const std::string& Path() const { return path_; }

    // Every entry of the folder, as ForEachFolderEntry gives them.
    bool ForEachEntry(const std::function<void(const FolderEntry&)>& visit) const;
    // The entry of that name itself, a link not followed (exists, isFolder,
    // readOnly, size and time as InspectPath tells them).
    PathInfo InspectEntry(const std::string& name) const;
    // The bytes of a file of the folder, or its first `most`: only of a
    // regular file, not through a link, and never waiting (a pipe is
    // kErrorNotAFile).
    bool ReadEntry(const std::string& name, std::string& bytes, SystemError* error = nullptr,
                   size_t most = SIZE_MAX) const;
    // Deletes a file of the folder, a read-only one too; a link goes itself
    // or stays (never what it leads to). 0 or the error code.
    SystemError DeleteEntry(const std::string& name) const;
    // Removes the folder when it is empty, and lets go of it either way;
    // true when it went.
    bool RemoveIfEmpty();

    SystemHandle Handle() const { return handle_; }

private:
    void Close();
    // Takes the folder just opened (parentName: its name in the parent, or
    // empty); 0 or why it cannot be held so.
    SystemError Take(const HeldFolder* parent, const std::string& name, Hold hold);

    std::string path_;
    std::string name_;  // its name in the parent; empty when opened by its path
    SystemHandle handle_ = kNoSystemHandle;
#ifndef _WIN32
    int parent_ = -1;  // the parent's descriptor, duplicated (for RemoveIfEmpty)
#endif
};

// The folders from a chosen folder down to one below it, each held within
// the one above (HeldFolder::OpenIn). A run that goes from folder to folder
// keeps held the folders on the way that it still needs.
class HeldFolderChain {
public:
    HeldFolderChain() { held_.push_back(std::make_unique<HeldFolder>()); }
    // Holds the chosen folder (HeldFolder::OpenChosen); 0 or the error code.
    SystemError OpenChosen(const std::string& folder);
    // Holds the folders down to `relative` below the chosen one (names
    // joined by the system's separator; "" is the chosen folder itself).
    // 0, or the code of the first name on the way that could not be held
    // (kErrorLink for a link or junction); FailedAt() names it then.
    SystemError Reach(const std::string& relative);
    // The folder reached last (not open when the chosen one could not be).
    const HeldFolder& Last() const { return *held_.back(); }
    const std::string& FailedAt() const { return failedAt_; }

private:
    std::vector<std::unique_ptr<HeldFolder>> held_;  // the chosen folder first
    std::vector<std::string> names_;                // the names below it
    std::string failedAt_;
};

// A file made new in a held folder, written, and then given its final name
// in one step. The folders given must outlive the file.
class NewFile {
public:
    NewFile() = default;
    // Closes the file; one that never took its final name is deleted.
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Makes the file, empty and open for writing; 0 or the error code
    // (IsNameTaken when the name is taken, by a link too).
    SystemError Make(const HeldFolder& folder, const std::string& name);
    // Makes the file with the bytes in it, forced to the disk when asked.
    // Nothing is left on failure.
    SystemError Create(const HeldFolder& folder, const std::string& name, const std::string& bytes, bool flush);
    // Gives the file its final name in the folder (on the same volume); a
    // file there is replaced only when asked, and a name that anything else
    // holds (a link, a dangling one too) is never taken: IsNameTaken. 0 or
    // the error code; on failure the file keeps the name it was made under.
    SystemError MoveTo(const HeldFolder& folder, const std::string& name, bool replace);
    // The file keeps the name it was made under.
    void Keep() { named_ = true; }
    // Deletes a file that has not taken its final name.
    void Discard();

    SystemHandle Handle() const { return handle_; }

private:
    // Writes the bytes into the file made, forced to the disk when asked.
    SystemError Write(const std::string& bytes, bool flush);

    const HeldFolder* folder_ = nullptr;
    std::string name_;
    bool named_ = false;
    SystemHandle handle_ = kNoSystemHandle;
};
