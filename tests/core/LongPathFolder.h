#pragma once
// A chain of folders below a base folder whose path is longer than
// MAX_PATH, with files in its deepest folder.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/Text.h"

class LongPathFolder {
public:
    LongPathFolder(const std::string& base, size_t minLength) : path_(base)
    {
        while (path_.size() < minLength) {
            path_ += "\\" + std::string(40, 'd');
            levels_.push_back(path_);
            if (!CreateDirectoryW(FilePath(path_).c_str(), nullptr))
                ADD_FAILURE() << "cannot create " << path_;
        }
    }
    ~LongPathFolder()
    {
        for (const std::string& name : files_)
            DeleteFileW(FilePath(path_ + "\\" + name).c_str());
        for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
            RemoveDirectoryW(FilePath(*level).c_str());
    }
    LongPathFolder(const LongPathFolder&) = delete;
    LongPathFolder& operator=(const LongPathFolder&) = delete;

    const std::string& Path() const { return path_; }

    // Creates an empty file (ASCII name) in the deepest folder.
    void AddFile(const std::string& name)
    {
        files_.push_back(name);
        HANDLE file = CreateFileW(FilePath(path_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        CloseHandle(file);
    }
    // Remembers a file that the code under test may have made, for removal.
    void ExpectFile(const std::string& name) { files_.push_back(name); }

private:
    std::string path_;
    std::vector<std::string> levels_;
    std::vector<std::string> files_;
};
