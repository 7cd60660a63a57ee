#pragma once
// A chain of folders below a base folder whose path is longer than Windows'
// old limit of 260 characters, with files in its deepest folder.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/files/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

class LongPathFolder {
public:
    LongPathFolder(const std::string& base, size_t minLength) : path_(base)
    {
        while (path_.size() < minLength) {
            path_ += kSeparator + std::string(40, 'd');
            levels_.push_back(path_);
            if (MakeFolder(path_, false) != 0)
                ADD_FAILURE() << "cannot create " << path_;
        }
    }
    ~LongPathFolder()
    {
        for (const std::string& name : files_)
            DeleteFileItself(path_ + kSeparator + name, true);
        for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
            RemoveFolderItself(*level);
    }
    LongPathFolder(const LongPathFolder&) = delete;
    LongPathFolder& operator=(const LongPathFolder&) = delete;

    const std::string& Path() const { return path_; }

    // Creates an empty file (ASCII name) in the deepest folder.
    void AddFile(const std::string& name)
    {
        files_.push_back(name);
        ASSERT_TRUE(WriteFileAtomically(path_ + kSeparator + name, std::string()));
    }
    // Remembers a file that the code under test may have made, for removal.
    void ExpectFile(const std::string& name) { files_.push_back(name); }

private:
    std::string path_;
    std::vector<std::string> levels_;
    std::vector<std::string> files_;
};
