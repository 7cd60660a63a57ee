#pragma once
// The files pyTivo reads for movies, read as pyTivo reads them, but each
// file that many movies share (a default.txt, a tvshow.nfo) once a run and
// each folder above the movies' folders from one reading of it: a lookup
// of a name that is not there costs a search of the whole folder under
// Wine, and a run may look at thousands of movies.
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/folders/FolderIndex.h"
#include "core/pytivo/PyTivoTags.h"
#include "core/pytivo/PyTivoTextFile.h"
#include "core/pytivo/PyTivoValues.h"
#include "platform/Xml.h"

// The largest source file read. pyTivo's metadata files are a few
// kilobytes; one far larger is no metadata file, and reading it whole for
// every movie would cost more than the view is worth.
constexpr unsigned long long kLargestPyTivoSource = 1 << 20;

// What came of reading a source file that a folder reading showed.
enum class SourceRead {
    Read,
    Gone,     // not there any more: pyTivo, which asks whether it exists, finds nothing either
    Refused,  // a folder, too large, or unreadable: why tells
};
SourceRead ReadPyTivoSource(const std::string& path, const FolderEntry& entry, std::string& bytes,
                            std::string& why);

// A text file as read: its lines, or the problem it had.
struct PyTivoTextSource {
    SourceRead state = SourceRead::Gone;
    std::vector<PyTivoTextLine> lines;
    std::string why;
};
// Reads a text file of "key" + separator + "value" lines.
PyTivoTextSource ReadPyTivoTextSource(const std::string& path, const FolderEntry& entry, char separator);

// A tvshow.nfo as read: the show's values, and what went wrong on the way.
struct PyTivoShowSource {
    bool read = false;
    PyTivoValues values;
    std::vector<PyTivoProblem> problems;
};

// Why a .nfo's bytes gave no XML, for a problem's text.
std::string NotXmlText(const XmlFault& fault);

// What one run reads for all its movies, each once.
class PyTivoRunCache {
public:
    // The entry of that name in a folder above the movies' folders: from
    // one reading of the folder, or, where the folder cannot be listed (a
    // folder one may pass but not read), from a lookup of the name, as
    // pyTivo finds it; nullptr when there is none.
    const FolderEntry* EntryAbove(const std::string& folder, const std::string& name);
    // A text file many movies read (each folder's default.txt).
    const PyTivoTextSource& SharedText(const std::string& path, const FolderEntry& entry);
    // A tvshow.nfo.
    const PyTivoShowSource& Show(const std::string& path, const FolderEntry& entry);
    // What pyTivo makes of the tags inside the movie at the path, named
    // movieName in its folder: the movie is opened once a run, and only
    // when pyTivo reads tags from a movie of its extension (nullptr for
    // the others).
    const PyTivoTagReading* Tags(const std::string& moviePath, const std::string& movieName);

private:
    std::unordered_map<std::string, std::unique_ptr<FolderIndex>> folders_;
    std::unordered_map<std::string, std::optional<FolderEntry>> lookedUp_;
    std::unordered_map<std::string, PyTivoTextSource> texts_;
    std::unordered_map<std::string, PyTivoShowSource> shows_;
    std::unordered_map<std::string, PyTivoTagReading> tags_;
};
