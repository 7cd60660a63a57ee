#pragma once
// Copies a file or a folder tree to a destination and deletes a file or a
// folder tree, one path per call. It never overwrites an existing file
// unless told to ("Copy of " names instead) and asks before it deletes a
// read-only file. Failures end up in the error state, which the caller
// reads after each call: a call succeeded exactly when ErrorText() is
// "No error". Nothing is thrown out of the public operations.
#include <functional>
#include <string>

class CFExeption;

// What a path names; for Unreadable the system's error code in *error.
enum class PathKind { Missing, File, Folder, Unreadable };
PathKind ClassifyPath(const std::string& path, unsigned long* error = nullptr);

class CFileOpEngine {
public:
    CFileOpEngine();

    // Copies a file or folder into a folder, or a file onto a file. True
    // when nothing failed (also when a folder is copied into its own parent,
    // which does nothing). A name in the destination that a folder holds is
    // an error, never a reason to write "Copy of" beside it.
    bool CopyItem(const std::string& source, const std::string& destination);
    // Deletes a file or a whole folder tree. True when nothing failed, and
    // also when the user cancelled at the read-only question (the error
    // state then still holds an error).
    //
    // Both refuse, as an error, to delete or to copy from an empty path, a
    // path that is not a full one (it would depend on the current directory),
    // a drive root and the kept folder.
    bool DeleteItem(const std::string& path);

    std::string ErrorText() const { return errorText_; }
    unsigned long ErrorCode() const { return errorCode_; }
    // Back to "No error", the default options and no descent limit.
    void Reset();

    // A delete left a file in place: the user said No or Cancel at the
    // read-only question, or the attribute could not be cleared.
    bool Skipped() const { return skipped_; }

    void SetConfirmReadOnly(bool confirm) { confirmReadOnly_ = confirm; }
    void SetReplaceExisting(bool replace) { replaceExisting_ = replace; }
    // The folder the caller works in (the movie folder): never deleted or
    // copied whole. Kept through Reset.
    void SetKeptFolder(const std::string& folder) { keptFolder_ = folder; }
    // Called now and then while a file's bytes are copied (the caller lets
    // its windows answer there). Kept through Reset.
    void SetWhileCopying(std::function<void()> whileCopying) { whileCopying_ = std::move(whileCopying); }

private:
    // Takes the error into the error state.
    void Record(const CFExeption& error);
    // Raises the refusal for a path the engine must not act on.
    void RefuseUnsafePath(const std::string& path) const;
    // The name is taken by a file or folder.
    static bool Exists(const std::string& path);

    void CopyDispatch(const std::string& source, const std::string& destination);
    void CopyFolder(const std::string& source, const std::string& destination);
    void CopyFolderContents(const std::string& mask, const std::string& destination);
    void CopyOneFile(const std::string& source, std::string target);
    void DeleteTree(const std::string& path);
    bool ConfirmDeletable(const std::string& path);

    std::string errorText_;
    unsigned long errorCode_;
    bool confirmReadOnly_;
    bool replaceExisting_;
    bool skipped_;
    // How many more sub-folders a folder copy may enter; -1: no limit.
    int descentBudget_;
    std::string keptFolder_;
    std::function<void()> whileCopying_;
};
