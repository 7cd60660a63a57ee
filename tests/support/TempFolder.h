#pragma once
// A fresh folder for one test, removed with everything in it at the end.
#include <gtest/gtest.h>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Windows path without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const;

    // Writes a file (binary, bytes as given), making its folders.
    void WriteFile(const std::string& relative, const std::string& bytes = std::string()) const;
    void MakeFolder(const std::string& relative) const;

private:
    std::string path_;
};

// Whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool PathExists(const std::string& path);
// Names in a folder (no "." or ".."), sorted.
std::vector<std::string> NamesInFolder(const std::string& folder);
// The bytes of a resource of this program (tests carry the program's resources).
std::string ProgramResource(int id, const char* type = "BIN");
// The file holds exactly the BIN resource; compared without printing the
// bytes, which are binary and large.
::testing::AssertionResult FileHoldsResource(const std::string& path, int id);

// Makes the current directory the given one for a scope.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder);
    ~CurrentDirectoryScope();

private:
    std::string previous_;
};
