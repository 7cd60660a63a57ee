#pragma once
// Copies a file or a folder tree to a destination and deletes a file or a
// folder tree, one path per call. It never overwrites an existing file
// unless told to ("Copy of " names instead) and asks before it deletes a
// read-only file. Failures end up in the error state, which the caller
// reads after each call: a call succeeded exactly when ErrorText() is
// "No error". Nothing is thrown out of the public operations.
//
// A copy reads its target folder once and decides from that listing which
// names are taken; the bytes go to a temporary file that then takes the
// name with a rename that never replaces unless told to (a name that
// appears after the listing is found there). Under Wine every test of a
// name that does not exist reads the whole folder, so a copy run into a big
// folder costs one such lookup per file: the rename's. The copies are made
// within the held target folder (platform/HeldFolder.h): a folder below the
// destination is opened within the one above, never through a link, so a
// folder swapped for a link meanwhile gets nothing.
#include <map>
#include <memory>
#include <string>

#include "platform/FileCopy.h"

class CFExeption;
class WorkFolder;

class CFileOpEngine {
public:
    CFileOpEngine();
    ~CFileOpEngine();

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

    // Asks the read-only question for a file that is about to go, before
    // anything that belongs with it goes: true when it may go now (the mark
    // is taken off after Yes); false after No or Cancel (Skipped(), and after
    // Cancel an error). A link is never asked about: it goes itself.
    bool ConfirmDelete(const std::string& path);

    // Whether a file holds the path's name, as the engine's listing of the
    // folder tells: read at the first question or copy into a folder, kept
    // for the engine's life (through Reset) and added to by every copy the
    // engine makes. The work folder of the copies stays there as long.
    bool HoldsFile(const std::string& path);

    std::string ErrorText() const { return errorText_; }
    SystemError ErrorCode() const { return errorCode_; }
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
    // Called after every piece of a file's bytes (the caller shows the
    // progress and lets its windows answer there). Kept through Reset.
    void SetWhileCopying(CopyProgressCall whileCopying) { whileCopying_ = std::move(whileCopying); }

private:
    // Takes the error into the error state.
    void Record(const CFExeption& error);
    // Raises the refusal for a path the engine must not act on.
    void RefuseUnsafePath(const std::string& path) const;
    // Each name of a folder, and whether a folder holds it.
    using Names = std::map<std::string, bool, NameLess>;
    // The names in the folder (ending in a separator), read once; the
    // folder is held for the copies into it.
    Names& NamesIn(const std::string& folder);
    // Holds the folder: below the destination the user chose, each folder
    // within the one above and never through a link; else as named.
    SystemError HoldFolder(HeldFolderChain& chain, const std::string& folder) const;
    // Makes a folder of the copy (0 also when it is there), not through a link.
    void MakeTargetFolder(const std::string& folder) const;
    // Moves target to the first name of the copy-name rule that is free, or
    // keeps it when an existing file is to be replaced (true then). Raises
    // when a folder holds the name or a read-only file would be replaced.
    bool SettleTarget(std::string& target, const Names& names) const;

    void CopyDispatch(const std::string& source, PathKind from, const std::string& destination);
    void CopyFolder(const std::string& source, const std::string& destination);
    void CopyFolderContents(const std::string& folder, const std::string& destination);
    void CopyOneFile(const std::string& source, std::string target);
    void DeleteTree(const std::string& path);
    bool ConfirmDeletable(const std::string& path);

    std::string errorText_;
    SystemError errorCode_;
    bool confirmReadOnly_;
    bool replaceExisting_;
    bool skipped_;
    // How many more sub-folders a folder copy may enter; -1: no limit.
    int descentBudget_;
    std::string keptFolder_;
    CopyProgressCall whileCopying_;
    // The destination of the copy under way.
    std::string copyRoot_;
    // The folder last copied into, its names, the folders held down to it
    // (or why it could not be held) and its work folder.
    std::string listedFolder_;
    Names names_;
    std::unique_ptr<HeldFolderChain> held_;
    SystemError heldError_ = 0;
    std::unique_ptr<WorkFolder> work_;
};
