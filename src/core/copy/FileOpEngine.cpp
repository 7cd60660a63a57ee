#include "core/copy/FileOpEngine.h"

#include <algorithm>
#include <vector>

#include "core/copy/CopyName.h"
#include "core/copy/FExeption.h"
#include "core/files/WorkFolder.h"
#include "core/folders/MovieScanner.h"
#include "core/log/UserMessage.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

const char kNoError[] = "No error";

std::string WithoutTrailingSeparators(std::string path)
{
    while (!path.empty() && path.back() == kSeparator)
        path.pop_back();
    return path;
}

// Folder names compare as the file system does (on Windows "É" matches "é")
// and without regard to a trailing separator.
bool SameFolder(const std::string& a, const std::string& b)
{
    const std::string x = WithoutTrailingSeparators(a);
    const std::string y = WithoutTrailingSeparators(b);
    return CompareFileNames(x, y) == 0;
}

int CountSeparators(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), kSeparator));
}

std::vector<FolderEntry> EntriesOf(const std::string& folder)
{
    std::vector<FolderEntry> entries;
    ForEachFolderEntry(folder, [&entries](const FolderEntry& entry) { entries.push_back(entry); });
    return entries;
}

}  // namespace

CFileOpEngine::CFileOpEngine()
{
    Reset();
}

CFileOpEngine::~CFileOpEngine() = default;

void CFileOpEngine::Reset()
{
    errorText_ = kNoError;
    errorCode_ = 0;
    confirmReadOnly_ = true;
    replaceExisting_ = false;
    skipped_ = false;
    descentBudget_ = -1;
}

void CFileOpEngine::Record(const CFExeption& error)
{
    errorText_ = error.Text();
    errorCode_ = error.Code();
}

void CFileOpEngine::RefuseUnsafePath(const std::string& path) const
{
    if (path.empty())
        throw CFExeption("The path is empty.", kErrorInvalidName);
    if (!IsFullPath(path))
        throw CFExeption(path + " is not a full path.", kErrorInvalidName);
    if (IsVolumeRoot(path))
        throw CFExeption(path + " is the root of a drive.", kErrorAccessDenied);
    if (!keptFolder_.empty() && SameFolder(path, keptFolder_))
        throw CFExeption(path + " is the movie folder itself.", kErrorAccessDenied);
}

CFileOpEngine::Names& CFileOpEngine::NamesIn(const std::string& folder)
{
    if (work_ && folder == listedFolder_)
        return names_;
    work_.reset();  // the last folder's goes first
    names_.clear();
    for (const FolderEntry& entry : EntriesOf(folder))
        names_.emplace(entry.name, entry.isFolder);
    listedFolder_ = folder;
    held_ = std::make_unique<HeldFolderChain>();
    heldError_ = HoldFolder(*held_, folder);
    work_ = std::make_unique<WorkFolder>(held_->Last());
    return names_;
}

SystemError CFileOpEngine::HoldFolder(HeldFolderChain& chain, const std::string& folder) const
{
    const std::string root = WithoutTrailingSeparators(copyRoot_);
    const std::string path = WithoutTrailingSeparators(folder);
    if (!root.empty() && path.size() > root.size() + 1 && path[root.size()] == kSeparator &&
        SameFolder(path.substr(0, root.size()), root)) {
        const SystemError code = chain.OpenChosen(root);
        return code != 0 ? code : chain.Reach(path.substr(root.size() + 1));
    }
    return chain.OpenChosen(path);
}

void CFileOpEngine::MakeTargetFolder(const std::string& folder) const
{
    const std::string path = WithoutTrailingSeparators(folder);
    HeldFolderChain chain;
    HeldFolder made;
    SystemError code = HoldFolder(chain, ParentFolderOf(path));
    if (code == 0)
        code = made.OpenOrMakeIn(chain.Last(), LastPathComponent(path));
    if (code != 0)
        throw CFExeption(code);
}

bool CFileOpEngine::HoldsFile(const std::string& path)
{
    const size_t nameStart = FileNameStart(path);
    const Names& names = NamesIn(path.substr(0, nameStart));
    const auto found = names.find(path.substr(nameStart));
    return found != names.end() && !found->second;
}

bool CFileOpEngine::CopyItem(const std::string& source, const std::string& destination)
{
    PathKind from = PathKind::Missing;
    try {
        RefuseUnsafePath(source);
        from = ClassifyPath(source);
    } catch (const CFExeption& error) {
        Record(error);
        return false;
    }
    if (from == PathKind::Folder) {
        // A folder copied into its own parent would only copy onto itself.
        const std::string folder = WithoutTrailingSeparators(source);
        if (SameFolder(ParentFolderOf(folder), destination))
            return true;
    }

    // A destination inside the source would see the copies being made in
    // the listing; the copy may then enter only as many sub-folders as the
    // destination lies deeper than the source.
    const std::string outer = WithoutTrailingSeparators(source);
    const std::string into = WithoutTrailingSeparators(destination);
    if (into.size() >= outer.size() && SameFolder(into.substr(0, outer.size()), outer) &&
        (into.size() == outer.size() || into[outer.size()] == kSeparator))
        descentBudget_ = CountSeparators(into) - CountSeparators(outer);

    bool result = true;
    copyRoot_ = destination;
    try {
        CopyDispatch(source, from, destination);
    } catch (const CFExeption& error) {
        Record(error);
        result = false;
    }
    descentBudget_ = -1;
    copyRoot_.clear();
    return result;
}

void CFileOpEngine::CopyDispatch(const std::string& source, PathKind from, const std::string& destination)
{
    SystemError sourceError = 0;
    SystemError destinationError = 0;
    if (from == PathKind::Unreadable)
        ClassifyPath(source, &sourceError);
    if (from == PathKind::Missing)
        throw CFExeption(source + " not found");
    const PathKind to = ClassifyPath(destination, &destinationError);
    if (to == PathKind::Missing)
        throw CFExeption(destination + " not found");
    // A path that cannot be examined is a failure, not a copy that did
    // nothing.
    if (from == PathKind::Unreadable)
        throw CFExeption(sourceError);
    if (to == PathKind::Unreadable)
        throw CFExeption(destinationError);

    if (from == PathKind::Folder) {
        if (to == PathKind::File)
            throw CFExeption(std::string("Wrong operation"));
        CopyFolder(source, destination);
    } else if (to == PathKind::File) {
        CopyOneFile(source, destination);
    } else {
        CopyOneFile(source, AddTrailingSeparator(destination) + source.substr(FileNameStart(source)));
    }
}

void CFileOpEngine::CopyFolder(const std::string& source, const std::string& destination)
{
    const std::string folder = WithoutTrailingSeparators(source);
    // A folder the system lets one examine may still refuse its listing.
    if (CheckFolderReadable(folder) != 0)
        throw CFExeption(source + " not found");
    // The copy goes into a folder of the source's own name.
    const std::string target = AddTrailingSeparator(destination) + LastPathComponent(folder) + kSeparator;
    MakeTargetFolder(target);
    CopyFolderContents(folder, target);
}

void CFileOpEngine::CopyFolderContents(const std::string& folder, const std::string& destination)
{
    // The whole listing first: the copies made meanwhile do not show in it.
    for (const FolderEntry& entry : EntriesOf(folder)) {
        const std::string path = folder + kSeparator + entry.name;
        if (!entry.isFolder) {
            CopyOneFile(path, destination + entry.name);
            continue;
        }
        // A linked folder is not entered: it may lead back up the tree.
        if (descentBudget_ == 0 || entry.isLink || IsWorkFolderName(entry.name))
            continue;
        const std::string subFolder = destination + entry.name + kSeparator;
        MakeTargetFolder(subFolder);
        if (descentBudget_ > 0)
            --descentBudget_;
        CopyFolderContents(path, subFolder);
    }
}

bool CFileOpEngine::SettleTarget(std::string& target, const Names& names) const
{
    const size_t nameStart = FileNameStart(target);
    for (bool first = true; names.count(target.substr(nameStart)) > 0; first = false) {
        // Taken as the listing tells: asked afresh, which costs little for
        // a name that exists.
        bool readOnly = false;
        const PathKind kind = ClassifyPath(target, nullptr, &readOnly);
        // A folder of the file's name is not the file: nothing is written
        // beside it under another name.
        if (kind == PathKind::Folder && first)
            throw CFExeption(target + " is a folder.", kErrorNameTaken);
        if (kind != PathKind::File && kind != PathKind::Folder)
            return false;  // gone since, or not to be examined: tried as a new name
        if (kind == PathKind::File && replaceExisting_) {
            // A read-only file is not replaced (a rename over it would be
            // allowed on some systems).
            if (readOnly)
                throw CFExeption(kErrorAccessDenied);
            return true;
        }
        target = MakeCopyName(target);
    }
    return false;
}

void CFileOpEngine::CopyOneFile(const std::string& source, std::string target)
{
    // The bytes go to a temporary file first: a copy that fails half-way
    // then leaves nothing under the target's name, and a file being replaced
    // stays whole until the new one is complete.
    const size_t nameStart = FileNameStart(target);
    Names& names = NamesIn(target.substr(0, nameStart));
    bool replace = SettleTarget(target, names);
    if (heldError_ != 0)
        throw CFExeption(heldError_);
    FileCopy copy;
    SystemError code = 0;
    if (!work_->MakeTemporary(
            [this, &source, &copy](const HeldFolder& work, const std::string& name) -> SystemError {
                SystemError error = 0;
                return copy.Make(source, work, name, whileCopying_, error) ? 0 : error;
            },
            code))
        throw CFExeption(code);
    while (!copy.Rename(work_->Folder(), target.substr(nameStart), replace, code)) {
        // A name taken after the folder was read: settled again, once.
        if (replace || !IsNameTaken(code) || !names.emplace(target.substr(nameStart), false).second)
            throw CFExeption(code);
        replace = SettleTarget(target, names);
    }
    names[target.substr(nameStart)] = false;
}

bool CFileOpEngine::DeleteItem(const std::string& path)
{
    try {
        RefuseUnsafePath(path);
        DeleteTree(path);
    } catch (const CFExeption& error) {
        Record(error);
        return error.Code() == 0;
    }
    return true;
}

void CFileOpEngine::DeleteTree(const std::string& path)
{
    SystemError code = 0;
    // A link goes itself, never what it leads to: a tree is deleted down its
    // own folders only, and a file through a link is never touched.
    const bool link = LeadsElsewhere(WithoutTrailingSeparators(path));
    if (link || ClassifyPath(path) == PathKind::File) {
        if (!link && !ConfirmDeletable(path))
            skipped_ = true;
        else if ((code = DeleteFileItself(WithoutTrailingSeparators(path), false)) != 0)
            throw CFExeption(code);
        return;
    }
    const std::string folder = WithoutTrailingSeparators(path);
    for (const FolderEntry& entry : EntriesOf(folder))
        DeleteTree(folder + kSeparator + entry.name);
    if ((code = RemoveFolderItself(folder)) != 0 && !skipped_)
        throw CFExeption(code);
}

bool CFileOpEngine::ConfirmDelete(const std::string& path)
{
    try {
        if (LeadsElsewhere(path) || ConfirmDeletable(path))
            return true;
        skipped_ = true;
    } catch (const CFExeption& error) {
        Record(error);
    }
    return false;
}

bool CFileOpEngine::ConfirmDeletable(const std::string& path)
{
    bool readOnly = false;
    const PathKind kind = ClassifyPath(path, nullptr, &readOnly);
    if (kind != PathKind::File && kind != PathKind::Folder)
        return false;
    if (!readOnly)
        return true;
    if (confirmReadOnly_) {
        const std::string name = path.substr(path.rfind(kSeparator) + 1);
        switch (ShowUserMessage(name + " is read olny. Do you want delete it?", "Warning",
                                MessageButtons::YesNoCancel, MessageIcon::Question)) {
            case MessageAnswer::Yes:
                break;
            case MessageAnswer::No:
                return false;
            case MessageAnswer::Cancel:
                // Ends the whole delete: nothing further in the tree goes.
                skipped_ = true;
                throw CFExeption(static_cast<SystemError>(0));
            default:
                return true;
        }
    }
    return MakeWritable(path);
}
