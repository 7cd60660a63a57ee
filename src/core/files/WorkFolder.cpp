#include "core/files/WorkFolder.h"

#include <atomic>
#include <cstdio>
#include <random>
#include <vector>

#include "core/log/ActivityLog.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"

namespace {

const char kPrefix[] = "~reelmark-";
const char kSuffix[] = ".tmp";
// The one work folder of earlier versions: a fixed name that anybody could
// have made, so nothing in it can be proved the program's own.
const char kOldWorkFolderName[] = "~reelmark.tmp";
// The marker's name in a work folder; temporary files have hexadecimal
// names, so it is never one of theirs.
const char kMarkerName[] = "marker";
const char kMarkerStart[] = "Reelmark work folder ";
// A marker holds no more than its line.
const size_t kMarkerMost = 128;

bool IsHex(const std::string& text)
{
    return !text.empty() && text.size() <= 16 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "~reelmark-<hex>-<hex>.tmp": this version's work folders.
bool IsOwnWorkFolderName(const std::string& name)
{
    const size_t start = sizeof(kPrefix) - 1;
    if (name.compare(0, start, kPrefix) != 0 || !EndsWith(name, kSuffix))
        return false;
    const std::string middle = name.substr(start, name.size() - start - (sizeof(kSuffix) - 1));
    const size_t dash = middle.find('-');
    return dash != std::string::npos && IsHex(middle.substr(0, dash)) && IsHex(middle.substr(dash + 1));
}

// "~reelmark<digits>.tmp": the copies of earlier versions.
bool IsOldCopyTemporary(const std::string& name)
{
    const std::string start = "~reelmark";
    if (name.compare(0, start.size(), start) != 0 || !EndsWith(name, kSuffix))
        return false;
    const std::string digits = name.substr(start.size(), name.size() - start.size() - 4);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
}

// A fresh number for each work folder and temporary file of the process.
unsigned NextNumber()
{
    static std::atomic<unsigned> counter{0};
    return ++counter;
}

std::string Hex(unsigned long long value, int width = 0)
{
    char text[24];
    std::snprintf(text, sizeof(text), "%0*llx", width, value);
    return text;
}

// The marker's check of its token and folder (FNV-1a, 64 bits): a marker
// copied into another folder, or typed, does not pass.
std::string CheckOf(const std::string& token, const std::string& folderName)
{
    unsigned long long hash = 14695981039346656037ULL;
    for (const char c : "Reelmark\n" + token + "\n" + folderName) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return Hex(hash, 16);
}

// What one cleaning found: what it removed and what it must leave alone.
class Cleaning {
public:
    Cleaning(const HeldFolder& folder, ActivityLog& log) : folder_(folder), log_(log) {}

    // Bears the program's names but cannot be proved its own.
    void LeaveAlone(const std::string& path)
    {
        if (log_.FirstTime("left alone " + path))
            log_.AddLogEntry("", LogSeverity::Warning, "Left alone, Reelmark did not make it: %s", path.c_str());
    }

    // A work folder of this version that a run which was cut short left.
    void OldWorkFolder(const std::string& name)
    {
        const std::string path = folder_.Path() + kSeparator + name;
        HeldFolder old;
        const SystemError code = old.OpenIn(folder_, name, HeldFolder::Hold::Own);
        if (IsInUse(code) || code == kErrorFileNotFound)
            return;  // a running program works there, or it is gone
        std::string marker;
        if (code != 0 || !old.ReadEntry(kMarkerName, marker, nullptr, kMarkerMost) ||
            !IsWorkFolderMarker(marker, name)) {
            LeaveAlone(path);  // a link, a file of the folder's name, or no marker of the program's
            return;
        }
        bool foreign = false;
        std::vector<std::string> own;
        old.ForEachEntry([&](const FolderEntry& entry) {
            const bool ours = IsHex(entry.name) && !entry.isFolder && !entry.isLink;
            if (ours)
                own.push_back(entry.name);
            else if (entry.name != kMarkerName)
                LeaveAlone(path + kSeparator + entry.name);
            foreign = foreign || (!ours && entry.name != kMarkerName);
        });
        for (const std::string& entry : own)
            Remove(old, path, entry);
        if (!foreign && Remove(old, path, kMarkerName) && old.RemoveIfEmpty())
            Removed(path);
    }

private:
    bool Remove(const HeldFolder& old, const std::string& path, const std::string& name)
    {
        const SystemError code = old.DeleteEntry(name);
        if (code == 0)
            Removed(path + kSeparator + name);
        else if (code == kErrorLink)
            LeaveAlone(path + kSeparator + name);
        else
            log_.AddLogEntry("", LogSeverity::Warning, "Could not remove what a run cut short left: %s: %s",
                             (path + kSeparator + name).c_str(), SystemErrorLine(code).c_str());
        return code == 0;
    }
    void Removed(const std::string& path)
    {
        log_.AddLogEntry("", LogSeverity::Information, "Removed what a run cut short left: %s", path.c_str());
    }

    const HeldFolder& folder_;
    ActivityLog& log_;
};

}  // namespace

bool IsWorkFolderName(const std::string& name)
{
    return name == kOldWorkFolderName || IsOwnWorkFolderName(name);
}

std::string WorkFolderMarker(const std::string& folderName)
{
    // Random from the system, and the moment and process besides, so that
    // two runs never write one token.
    std::random_device random;
    std::mt19937_64 mixed((static_cast<unsigned long long>(random()) << 32) ^ random() ^ FileClockNow() ^
                          (static_cast<unsigned long long>(ProcessNumber()) << 40));
    const std::string token = Hex(mixed(), 16) + Hex(mixed(), 16);
    return kMarkerStart + token + " " + CheckOf(token, folderName) + "\r\n";
}

bool IsWorkFolderMarker(const std::string& bytes, const std::string& folderName)
{
    const size_t start = sizeof(kMarkerStart) - 1;
    // "Reelmark work folder <32 hex> <16 hex>\r\n"
    if (bytes.size() != start + 32 + 1 + 16 + 2 || bytes.compare(0, start, kMarkerStart) != 0 ||
        bytes.compare(bytes.size() - 2, 2, "\r\n") != 0 || bytes[start + 32] != ' ')
        return false;
    const std::string token = bytes.substr(start, 32);
    return token.find_first_not_of("0123456789abcdef") == std::string::npos &&
           bytes.substr(start + 33, 16) == CheckOf(token, folderName);
}

WorkFolder::WorkFolder(const HeldFolder& folder) : folder_(&folder) {}

WorkFolder::WorkFolder(const std::string& folder) : own_(std::make_unique<HeldFolder>()), folder_(own_.get())
{
    folderError_ = own_->OpenChosen(folder);
}

WorkFolder::~WorkFolder()
{
    // The marker goes last, once the temporary files have gone.
    if (work_ && work_->DeleteEntry(kMarkerName) == 0)
        work_->RemoveIfEmpty();
}

SystemError WorkFolder::MakeOwnFolder()
{
    if (folderError_ != 0 || !folder_->IsOpen())
        return folderError_ != 0 ? folderError_ : kErrorFileNotFound;
    auto folder = std::make_unique<HeldFolder>();
    SystemError code = kErrorNameTaken;
    std::string name;
    // Anything that holds a name already, a link above all, makes the run
    // pick the next one: nothing of another's is ever taken over.
    for (int attempt = 0; attempt < 100 && IsNameTaken(code); ++attempt) {
        name = kPrefix + Hex(ProcessNumber()) + "-" + Hex(NextNumber()) + kSuffix;
        code = folder->MakeIn(*folder_, name, true, HeldFolder::Hold::Own);
    }
    if (IsNameTaken(code))
        return kErrorAccessDenied;
    if (code != 0)
        return code;
    // The marker proves the folder the program's own to a later run that
    // finds it left behind.
    NewFile marker;
    code = marker.Create(*folder, kMarkerName, WorkFolderMarker(name), false);
    if (code != 0) {
        folder->RemoveIfEmpty();
        return code;
    }
    marker.Keep();
    work_ = std::move(folder);
    return 0;
}

bool WorkFolder::MakeTemporary(const std::function<SystemError(const HeldFolder& work, const std::string& name)>& make,
                               SystemError& error)
{
    // Taken names are passed over; a work folder that went meanwhile is
    // made afresh.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!work_ && (error = MakeOwnFolder()) != 0)
            return false;
        error = make(*work_, Hex(NextNumber()));
        if (error == 0)
            return true;
        if (IsNotFound(error))
            work_.reset();
        else if (!IsNameTaken(error))
            return false;
    }
    error = kErrorAccessDenied;
    return false;
}

void WorkFolder::RemoveLeftovers(ActivityLog& log) const
{
    if (!folder_->IsOpen())
        return;
    Cleaning cleaning(*folder_, log);
    const std::string own = work_ ? LastPathComponent(work_->Path()) : std::string();
    // Searched by their patterns: the system then compares names only, and
    // does not look into every file of a big folder.
    std::vector<std::string> oldFolders;
    const auto take = [&](const FolderEntry& entry) {
        if (IsOwnWorkFolderName(entry.name)) {
            if (entry.name != own)
                oldFolders.push_back(entry.name);
        } else if (entry.name == kOldWorkFolderName || IsOldCopyTemporary(entry.name) ||
                   EndsWith(entry.name, ".reelmark-new")) {
            cleaning.LeaveAlone(folder_->Path() + kSeparator + entry.name);
        }
    };
    ForEachFolderEntry(folder_->Path(), take, "~reelmark*");
    ForEachFolderEntry(folder_->Path(), take, "*.reelmark-new");
    for (const std::string& name : oldFolders)
        cleaning.OldWorkFolder(name);
}
