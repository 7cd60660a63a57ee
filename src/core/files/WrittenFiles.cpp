#include "core/files/WrittenFiles.h"

#include <cstdint>
#include <vector>

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

const char kWrittenFilesName[] = "Reelmark.written";

namespace {

// A record line: "<hash> <path>" for a file written, "- <path>" for one forgotten.
constexpr char kForgotten[] = "-";
// The record is written anew without its old lines once they are this many
// and more than the files it still holds.
constexpr size_t kCompactAfter = 1000;

}  // namespace

std::string WrittenHash(const std::string& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return FormatText("%zx:%016llx", bytes.size(), static_cast<unsigned long long>(hash));
}

WrittenFiles::WrittenFiles(std::string recordPath) : recordPath_(recordPath), appender_(std::move(recordPath)) {}

void WrittenFiles::Append(const std::string& line)
{
    SystemError error = 0;
    // A record that cannot be kept leaves the files to their owners: a file
    // that is not recorded is never taken for Reelmark's. The record is let
    // go at once, so that another program may compact it.
    appender_.Append(line + "\n", error);
    appender_.Close();
}

void WrittenFiles::Record(const std::string& path, const std::string& bytes)
{
    const std::string hash = WrittenHash(bytes);
    hashes_[path] = hash;
    Append(hash + " " + path);
}

void WrittenFiles::Forget(const std::string& path)
{
    hashes_.erase(path);
    Append(std::string(kForgotten) + " " + path);
}

void WrittenFiles::Load()
{
    const PathInfo info = InspectPath(recordPath_);
    if (!info.exists || (info.size == loadedSize_ && info.lastWrite == loadedTime_))
        return;
    std::vector<std::string> lines;
    if (!ReadTextLines(recordPath_, lines))
        return;
    hashes_.clear();
    for (const std::string& line : lines) {
        const size_t space = line.find(' ');
        if (space == std::string::npos || space + 1 >= line.size())
            continue;  // a line cut short
        const std::string hash = line.substr(0, space);
        const std::string path = line.substr(space + 1);
        if (hash == kForgotten)
            hashes_.erase(path);
        else
            hashes_[path] = hash;
    }
    loadedSize_ = info.size;
    loadedTime_ = info.lastWrite;
    if (lines.size() < kCompactAfter || lines.size() < 2 * hashes_.size())
        return;
    std::string text;
    for (const auto& [path, hash] : hashes_)
        text += hash + " " + path + "\n";
    // The record is the program's own, no metadata file: never a step of
    // the run in whose time it is compacted.
    const RunJournalScope noJournal(nullptr);
    if (WriteTextFileAtomically(recordPath_, text)) {
        const PathInfo written = InspectPath(recordPath_);
        loadedSize_ = written.size;
        loadedTime_ = written.lastWrite;
    }
}

bool WrittenFiles::IsAsWritten(const std::string& path, const std::string& bytes)
{
    Load();
    const auto known = hashes_.find(path);
    return known != hashes_.end() && known->second == WrittenHash(bytes);
}
