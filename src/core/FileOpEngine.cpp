#include "core/FileOpEngine.h"

#include <windows.h>

#include <algorithm>

#include "core/CopyName.h"
#include "core/FExeption.h"
#include "core/UserMessage.h"
#include "core/WorkFolder.h"
#include "platform/Text.h"

namespace {

const char kNoError[] = "No error";

std::string WithTrailingBackslash(const std::string& path)
{
    if (path.empty() || path.back() != '\\')
        return path + "\\";
    return path;
}

std::string WithoutTrailingBackslash(std::string path)
{
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// Folder names compare as the file system does: without regard to case
// ("É" matches "é") and to a trailing backslash.
bool SameFolder(const std::string& a, const std::string& b)
{
    return CompareNamesIgnoringCase(WithoutTrailingBackslash(a), WithoutTrailingBackslash(b)) == 0;
}

// CopyFileExW's progress routine: hands the time to the engine's whileCopying.
DWORD CALLBACK CopyProgress(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD, HANDLE,
                            HANDLE, LPVOID whileCopying)
{
    const auto& call = *static_cast<const std::function<void()>*>(whileCopying);
    if (call)
        call();
    return PROGRESS_CONTINUE;
}

int CountBackslashes(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\\'));
}

// Removes a file this engine made, even when the copy gave it the
// read-only attribute of its source.
void DiscardFile(const std::string& path)
{
    SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(FilePath(path).c_str());
}

// The entries of one folder listing ("." and ".." left out), closed when it
// goes out of scope, also when an error is raised in the middle of a walk.
class FolderListing {
public:
    explicit FolderListing(const std::string& mask)
        : folder_(mask.substr(0, FileNameStart(mask))),
          handle_(FindFirstFileW(FilePath(mask).c_str(), &data_))
    {
    }
    ~FolderListing() { Close(); }
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // Moves to the next entry; false when there is none left.
    bool Next()
    {
        while (IsOpen()) {
            if (started_ && !FindNextFileW(handle_, &data_)) {
                Close();
                break;
            }
            started_ = true;
            name_ = Narrow(data_.cFileName);
            if (name_ != "." && name_ != "..")
                return true;
        }
        return false;
    }

    const std::string& Name() const { return name_; }
    std::string FullPath() const { return folder_ + name_; }
    bool IsFolder() const { return (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

    void Close()
    {
        if (IsOpen())
            FindClose(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    std::string folder_;
    WIN32_FIND_DATAW data_;
    std::string name_;
    HANDLE handle_;
    bool started_ = false;
};

// A full path: a drive and its root ("C:\..."), or a network path.
bool IsFullPath(const std::string& path)
{
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.compare(0, 2, "\\\\") == 0;
}

// A whole drive: "C:\", "\\server\share", "\\?\C:", "\\?\UNC\server\share" (a
// trailing backslash or none).
bool IsDriveRoot(const std::string& path)
{
    std::string rest = WithoutTrailingBackslash(path);
    if (rest.compare(0, 8, "\\\\?\\UNC\\") == 0)
        rest = "\\\\" + rest.substr(8);
    else if (rest.compare(0, 4, "\\\\?\\") == 0 || rest.compare(0, 4, "\\\\.\\") == 0)
        rest = rest.substr(4);
    if (rest.size() == 2 && rest[1] == ':')
        return true;
    if (rest.compare(0, 2, "\\\\") != 0)
        return false;
    // One backslash after the server's name, none after the share's.
    const size_t share = rest.find('\\', 2);
    return share != std::string::npos && rest.find('\\', share + 1) == std::string::npos;
}

}  // namespace

PathKind ClassifyPath(const std::string& path, unsigned long* error)
{
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return PathKind::Missing;
        if (error)
            *error = code;
        return PathKind::Unreadable;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

CFileOpEngine::CFileOpEngine()
{
    Reset();
}

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
        throw CFExeption("The path is empty.", ERROR_INVALID_NAME);
    if (!IsFullPath(path))
        throw CFExeption(path + " is not a full path.", ERROR_INVALID_NAME);
    if (IsDriveRoot(path))
        throw CFExeption(path + " is the root of a drive.", ERROR_ACCESS_DENIED);
    if (!keptFolder_.empty() && SameFolder(path, keptFolder_))
        throw CFExeption(path + " is the movie folder itself.", ERROR_ACCESS_DENIED);
}

bool CFileOpEngine::Exists(const std::string& path)
{
    // A name that cannot be examined (too long, no access) is not taken:
    // the copy itself then reports why it cannot be written.
    const PathKind kind = ClassifyPath(path);
    return kind == PathKind::File || kind == PathKind::Folder;
}

bool CFileOpEngine::CopyItem(const std::string& source, const std::string& destination)
{
    try {
        RefuseUnsafePath(source);
    } catch (const CFExeption& error) {
        Record(error);
        return false;
    }
    if (ClassifyPath(source) == PathKind::Folder) {
        // A folder copied into its own parent would only copy onto itself.
        const std::string folder = WithoutTrailingBackslash(source);
        const size_t slash = folder.rfind('\\');
        if (slash != std::string::npos && SameFolder(folder.substr(0, slash), destination))
            return true;
    }

    // A destination inside the source would see the copies being made in
    // the listing; the copy may then enter only as many sub-folders as the
    // destination lies deeper than the source.
    const std::string from = WithoutTrailingBackslash(source);
    const std::string into = WithoutTrailingBackslash(destination);
    if (into.size() >= from.size() && SameFolder(into.substr(0, from.size()), from) &&
        (into.size() == from.size() || into[from.size()] == '\\'))
        descentBudget_ = CountBackslashes(into) - CountBackslashes(from);

    bool result = true;
    try {
        CopyDispatch(source, destination);
    } catch (const CFExeption& error) {
        Record(error);
        result = false;
    }
    descentBudget_ = -1;
    return result;
}

void CFileOpEngine::CopyDispatch(const std::string& source, const std::string& destination)
{
    unsigned long sourceError = 0;
    unsigned long destinationError = 0;
    const PathKind from = ClassifyPath(source, &sourceError);
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
        CopyOneFile(source, WithTrailingBackslash(destination) + source.substr(FileNameStart(source)));
    }
}

void CFileOpEngine::CopyFolder(const std::string& source, const std::string& destination)
{
    const std::string mask = WithTrailingBackslash(source) + "*.*";
    std::string target = WithTrailingBackslash(destination);
    if (!FolderListing(mask).IsOpen())
        throw CFExeption(source + " not found");

    // The copy goes into a folder of the source's own name; a drive root has
    // none, so its contents go straight into the destination.
    const std::string folder = mask.substr(0, mask.rfind('\\'));
    const size_t slash = folder.rfind('\\');
    const std::string name = slash == std::string::npos ? std::string() : folder.substr(slash + 1);
    if (!name.empty()) {
        target += name + "\\";
        if (!CreateDirectoryW(FilePath(target).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            throw CFExeption(GetLastError());
    }
    CopyFolderContents(mask, target);
}

void CFileOpEngine::CopyFolderContents(const std::string& mask, const std::string& destination)
{
    FolderListing listing(mask);
    while (listing.Next()) {
        if (!listing.IsFolder()) {
            CopyOneFile(listing.FullPath(), destination + listing.Name());
            continue;
        }
        if (descentBudget_ == 0)
            continue;
        const std::string subFolder = destination + listing.Name() + "\\";
        if (ClassifyPath(subFolder) == PathKind::Missing &&
            !CreateDirectoryW(FilePath(subFolder).c_str(), nullptr))
            throw CFExeption(GetLastError());
        if (descentBudget_ > 0)
            --descentBudget_;
        CopyFolderContents(listing.FullPath() + "\\*.*", subFolder);
    }
}

void CFileOpEngine::CopyOneFile(const std::string& source, std::string target)
{
    // A folder of the file's name is not the file: nothing is written
    // beside it under another name.
    if (ClassifyPath(target) == PathKind::Folder)
        throw CFExeption(target + " is a folder.", ERROR_ALREADY_EXISTS);
    if (!replaceExisting_) {
        while (Exists(target))
            target = MakeCopyName(target);
    } else {
        // A read-only file is not replaced (as CopyFileA refuses it; a
        // rename over it would not everywhere).
        const DWORD attributes = GetFileAttributesW(FilePath(target).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            throw CFExeption(static_cast<unsigned long>(ERROR_ACCESS_DENIED));
    }

    // The bytes go to a temporary file first: a copy that fails half-way
    // then leaves nothing under the target's name, and a file being replaced
    // stays whole until the new one is complete.
    // (A copy takes long beside the one name lookup its work folder costs.)
    WorkFolder work(WithoutTrailingBackslash(target.substr(0, FileNameStart(target))));
    std::string temporary;
    unsigned long code = 0;
    const bool made = work.MakeTemporary(
        [this, &source](const std::string& path) -> unsigned long {
            BOOL cancel = FALSE;
            if (CopyFileExW(FilePath(source).c_str(), FilePath(path).c_str(), CopyProgress, &whileCopying_,
                            &cancel, COPY_FILE_FAIL_IF_EXISTS))
                return 0;
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS)  // else taken by someone else: not ours
                DiscardFile(path);
            return error;
        },
        temporary, code);
    if (!made)
        throw CFExeption(code);
    if (!MoveFileExW(FilePath(temporary).c_str(), FilePath(target).c_str(),
                     replaceExisting_ ? MOVEFILE_REPLACE_EXISTING : 0)) {
        code = GetLastError();
        DiscardFile(temporary);
        throw CFExeption(code);
    }
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
    if (ClassifyPath(path) == PathKind::File) {
        if (!ConfirmDeletable(path))
            skipped_ = true;
        else if (!DeleteFileW(FilePath(path).c_str()))
            throw CFExeption(GetLastError());
        return;
    }

    {  // the listing is closed before its folder goes
        FolderListing listing(WithTrailingBackslash(path) + "*.*");
        while (listing.Next())
            DeleteTree(listing.FullPath());
    }
    if (!RemoveDirectoryW(FilePath(path).c_str()) && !skipped_)
        throw CFExeption(GetLastError());
}

bool CFileOpEngine::ConfirmDeletable(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!(attributes & FILE_ATTRIBUTE_READONLY))
        return true;
    if (confirmReadOnly_) {
        const std::string name = path.substr(path.rfind('\\') + 1);
        switch (ShowUserMessage(name + " is read olny. Do you want delete it?", "Warning",
                                MessageButtons::YesNoCancel, MessageIcon::Question)) {
            case MessageAnswer::Yes:
                break;
            case MessageAnswer::No:
                return false;
            case MessageAnswer::Cancel:
                // Ends the whole delete: nothing further in the tree goes.
                skipped_ = true;
                throw CFExeption(0UL);
            default:
                return true;
        }
    }
    return SetFileAttributesW(FilePath(path).c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}
