#include "core/lookup/TmdbCache.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "core/files/TextFile.h"
#include "core/files/WorkFolder.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SystemError.h"

using nlohmann::json;

namespace {

// The most a kept answer may weigh: TMDB's own answers stay far below.
constexpr size_t kMostEntryBytes = 32u << 20;

// FNV-1a: a short name for a request that is the same in every run.
std::string HashName(const std::string& text)
{
    unsigned long long hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char name[24];
    std::snprintf(name, sizeof(name), "%016llx", hash);
    return name;
}

// Makes the folder and those above it that are missing; 0 or the error code.
SystemError MakeFolders(const std::string& folder)
{
    const PathInfo info = InspectPath(folder);
    if (info.exists)
        return info.isFolder ? 0 : kErrorNameTaken;
    const std::string parent = ParentFolderOf(folder);
    if (parent != folder && !parent.empty()) {
        if (const SystemError error = MakeFolders(parent))
            return error;
    }
    return MakeFolder(folder, false);
}

}  // namespace

TmdbCache::TmdbCache(std::string folder)
    : folder_(folder.empty() ? std::string() : AddTrailingSeparator(folder) + "tmdb")
{
}

TmdbCache::~TmdbCache() = default;

std::string TmdbCache::PathOf(const std::string& request) const
{
    return AddTrailingSeparator(folder_) + HashName(request) + ".json";
}

bool TmdbCache::Find(const std::string& request, Entry& entry)
{
    if (folder_.empty())
        return false;
    const std::string path = PathOf(request);
    if (!Holds(FileNameOf(path, true)))
        return false;
    std::string bytes;
    SystemError error = 0;
    if (!ReadWholeFile(path, bytes, &error, kMostEntryBytes + 1)) {
        if (!IsNotFound(error))
            Unreadable(path, SystemErrorLine(error));
        return false;
    }
    std::string why;
    const size_t lineEnd = bytes.find('\n');
    if (bytes.size() > kMostEntryBytes) {
        why = "it is larger than any answer";
    } else {
        // The first line says what was asked and when; the answer follows as
        // it came, read by the one who asked.
        const json header = json::parse(bytes.substr(0, lineEnd), nullptr, false);
        const auto field = [&header](const char* name) -> const json* {
            if (!header.is_object())
                return nullptr;
            const auto found = header.find(name);
            return found == header.end() ? nullptr : &*found;
        };
        const json* saved = field("saved");
        const json* kept = field("request");
        if (lineEnd == std::string::npos || !saved || !saved->is_number_integer() || !kept || !kept->is_string())
            why = "it is no cached answer";
        else if (kept->get<std::string>() != request)
            return false;  // another request of the same short name
        else {
            entry.answer = bytes.substr(lineEnd + 1);
            entry.savedAt = saved->get<long long>();
            return true;
        }
    }
    Unreadable(path, why);
    return false;
}

void TmdbCache::Unreadable(const std::string& path, const std::string& why)
{
    Notice("The cached TMDB answer " + path + " cannot be read (" + why + "); it is asked again.");
}

void TmdbCache::Keep(const std::string& request, const std::string& answer, long long now)
{
    if (folder_.empty())
        return;
    const std::string bytes = json{{"request", request}, {"saved", now}}.dump() + "\n" + answer;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!writable_)
        return;
    SystemError error = MakeFolders(folder_);
    if (!error) {
        if (!work_)
            work_ = std::make_unique<WorkFolder>(folder_);
        unsigned long code = 0;
        const std::string name = FileNameOf(PathOf(request), true);
        if (WriteFileAtomically(work_->Folder(), name, bytes, &code, work_.get(), ExistingFile::Replace)) {
            names_.insert(name);
            return;
        }
        error = code;
    }
    writable_ = false;
    const std::string line = "The TMDB cache folder " + folder_ + " cannot be written (" + SystemErrorLine(error) +
                             "); this run keeps no answers.";
    if (said_.insert(line).second)
        notices_.push_back(line);
}

bool TmdbCache::Holds(const std::string& name)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!listed_) {
        listed_ = true;
        ForEachFolderEntry(
            folder_, [this](const FolderEntry& entry) { names_.insert(entry.name); }, "*.json", nullptr, true);
    }
    return names_.count(name) > 0;
}

void TmdbCache::Notice(const std::string& line)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (said_.insert(line).second)
        notices_.push_back(line);
}

std::vector<std::string> TmdbCache::TakeNotices()
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> notices;
    notices.swap(notices_);
    return notices;
}
