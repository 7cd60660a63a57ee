#pragma once
// What the Library window needs from the window that opens it (the main
// window implements it; the Library window never includes it).
#include <string>
#include <vector>

class ActivityLog;
class FileCommandWindow;
struct GenerateRequest;
struct Settings;

class LibraryHost {
public:
    virtual ActivityLog& Log() = 0;
    // The window whose file commands run one at a time: the Library
    // window's writes and deletes are such commands too.
    virtual FileCommandWindow& FileCommands() = 0;
    // The settings kept in reelmark.ini (the Library window keeps its
    // columns and place there).
    virtual Settings& CurrentSettings() = 0;
    // The movie folder, and whether the folders below it are listed too.
    virtual std::string MovieFolder() const = 0;
    virtual bool Recursive() const = 0;
    // The run Generate would make now (template, replace, .meta), without
    // its folder and entries.
    virtual void DescribeRun(GenerateRequest& request) = 0;
    // Asks before a run that would hide values of other files behind the
    // whole template (it may make the run add only what they lack); false
    // when the user wants nothing written.
    virtual bool AskAboutOtherFiles(GenerateRequest& request) = 0;
    // Delete Selected's path for these movies of the folder (paths below
    // it): its questions, its order (the metadata file first), its log.
    virtual void DeleteMovies(const std::string& folder, const std::vector<std::string>& names) = 0;

protected:
    ~LibraryHost() = default;
};
