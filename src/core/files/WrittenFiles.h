#pragma once
// The metadata files Reelmark wrote, each with a hash of the bytes it wrote,
// kept in a small record file in the home folder ("Reelmark.written") that
// Generate, the window and the watch append to. A file is Reelmark's to
// write again or to remove only while its bytes are still the ones written:
// a person's or another program's change, or a file that merely bears the
// name, makes it theirs. The record grows by a line for each file written
// or forgotten and is compacted when read, once most of its lines are old.
#include <string>
#include <unordered_map>

#include "core/files/LogFileAppender.h"

// The record file's name in the home folder.
extern const char kWrittenFilesName[];

// The hash kept of a file's bytes: their length and a 64-bit FNV-1a, in hex.
std::string WrittenHash(const std::string& bytes);

class WrittenFiles {
public:
    // recordPath: the record file, made when the first file is recorded.
    explicit WrittenFiles(std::string recordPath);

    // The bytes were written at path (a full path).
    void Record(const std::string& path, const std::string& bytes);
    // The file at path is no longer Reelmark's to look after (removed, or
    // renamed to a name recorded anew).
    void Forget(const std::string& path);
    // Whether bytes are what Reelmark last wrote at path, as recorded by
    // this program or any other since.
    bool IsAsWritten(const std::string& path, const std::string& bytes);

private:
    void Append(const std::string& line);
    void Load();

    std::string recordPath_;
    LogFileAppender appender_;
    std::unordered_map<std::string, std::string> hashes_;
    unsigned long long loadedSize_ = ~0ull;
    unsigned long long loadedTime_ = 0;
};
