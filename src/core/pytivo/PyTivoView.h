#pragma once
// What pyTivo makes of a movie's metadata sources, as its video plugin
// makes it for the TiVo: its own values first (the title from the file
// name, the date from the file's time), then a Kodi .nfo beside the movie
// (for an episode over the nearest tvshow.nfo), then the text files, later
// ones winning: "Movie.properties", each folder's "default.txt" from the
// disk's root down to the movie's folder, "Movie.mkv.txt", ".meta/
// default.txt" and ".meta/Movie.mkv.txt". Tags inside .mp4, .m4v, .mov,
// .dvr-ms, .asf and .wmv movies come after pyTivo's own values and before
// the .nfo (core/pytivo/PyTivoTags.h). The details inside .TiVo and .wtv
// files, which pyTivo applies last, are not read: a note says so. A source
// that cannot be read is named with why, and the rest is read all the same.
#include <memory>
#include <string>
#include <vector>

#include "core/folders/FolderIndex.h"
#include "core/pytivo/PyTivoSources.h"
#include "core/pytivo/PyTivoValues.h"

// A folder of movies as pyTivo's sources need it: the caller's one reading
// of it, and one reading of its ".meta" folder when the folder has one.
class PyTivoFolder {
public:
    // index is the reading of the folder at path; it must outlive this.
    PyTivoFolder(std::string path, const FolderIndex& index);
    // With the caller's reading of the ".meta" folder too (nullptr: none);
    // it must outlive this.
    PyTivoFolder(std::string path, const FolderIndex& index, const FolderIndex* meta);

    const std::string& Path() const { return path_; }
    const FolderIndex& Index() const { return index_; }
    // The reading of the ".meta" folder; nullptr when there is none.
    const FolderIndex* Meta() const { return meta_; }

private:
    std::string path_;
    const FolderIndex& index_;
    std::unique_ptr<FolderIndex> ownMeta_;
    const FolderIndex* meta_ = nullptr;
};

// Which metadata file of a movie is Reelmark's own: the one Generate
// writes, "<movie>.txt" beside it or in its folder's ".meta".
enum class OwnFile { Beside, InMeta };

// What pyTivo makes of one movie's sources.
struct PyTivoView {
    PyTivoValues values;
    // The files read, in the order their values apply (a later one's win):
    // the movie's tags (TagSourceOf), the tvshow.nfo, the movie's .nfo,
    // then the text files.
    std::vector<std::string> filesRead;
    // Where in filesRead the text files begin: a list value of a text file
    // grows with the later text files' items, while one of a file before
    // them is replaced by theirs.
    size_t textsFrom = 0;
    // In a view without Reelmark's own file (ReadOtherSources): how many of
    // filesRead pyTivo reads before it; those after it win over it.
    size_t ownAt = static_cast<size_t>(-1);
    // What could not be read, or what pyTivo itself would stop on, and why.
    std::vector<PyTivoProblem> problems;
    // What pyTivo reads that the view leaves out.
    std::vector<std::string> notes;
    // An episodeNumber as written where it is no whole number: pyTivo
    // sends 0 for it.
    std::string episodeNumberWritten;

    const PyTivoValue* Find(const std::string& key) const;
    // Whether the file (one of filesRead) is read after Reelmark's own.
    bool ReadAfterOwn(const std::string& source) const;
    // Whether the file (one of filesRead) is one of the text files.
    bool IsTextSource(const std::string& source) const;
};

// Whether pyTivo finds metadata for the movie in a file other than
// Reelmark's own (own): a .nfo or .properties file of its name, a
// default.txt in its folder or any folder above, a file of its ".meta"
// folder that holds something, with own InMeta the "<movie>.txt" beside
// it, or tags inside it that give pyTivo a value. Told from the readings
// of the folders (those above through the cache, once a run); a movie is
// opened, once a run, only when these say nothing, pyTivo reads tags from
// a movie of its extension and tags is true.
bool HasOtherPyTivoSources(const PyTivoFolder& folder, const std::string& movieName, PyTivoRunCache& cache,
                           OwnFile own = OwnFile::Beside, bool tags = true);

// The movies of a folder reading with the state of their metadata. A movie
// with its own file is not opened for its tags: its own file colours it.

std::vector<MovieListing> MoviesWithSources(const PyTivoFolder& folder, PyTivoRunCache& cache);

// The view of a movie, an entry of the folder's reading. Files that other
// movies share come from the cache, read once for the run.
PyTivoView ReadPyTivoView(const PyTivoFolder& folder, const FolderEntry& movie, PyTivoRunCache& cache);
// The same without Reelmark's own file: what the other files give the
// movie, which the file Generate writes adds to.
PyTivoView ReadOtherSources(const PyTivoFolder& folder, const FolderEntry& movie, PyTivoRunCache& cache,
                            OwnFile own);

// A rating as pyTivo sends it.
struct TiVoRating {
    bool sent = false;
    std::string value;  // the number, or a text no table knew as written
    std::string name;   // the words sent with it ("PG-13")
};

// What pyTivo's details for the TiVo carry of the values, with pyTivo's
// defaults for what no source gave.
struct TiVoShowing {
    // The title the TiVo lists: seriesTitle when there is one, else title.
    std::string title;
    std::string seriesTitle;
    // Sent only while isEpisode is not "false"; empty when not sent.
    std::string episodeTitle;
    std::string isEpisode;      // "true" when no source says
    std::string episodeNumber;  // empty when not sent
    // "movieYear" when one is set (it replaces the date), else "originalAirDate".
    std::string dateKey;
    std::string date;
    std::string description;
    std::string seriesId;
    TiVoRating tvRating;
    TiVoRating mpaaRating;
    TiVoRating starRating;
    // The channel the recording came from; empty when no source sets it
    // (pyTivo then sends no call sign and 0 for the numbers).
    std::string callsign;
    std::string displayMajorNumber;
    std::string displayMinorNumber;
};
TiVoShowing ShowingOf(const PyTivoView& view);

// A source file as a person reads it beside the movie: its path from the
// movie's folder when it lies there or below, else its whole path.
std::string SourceNameFor(const std::string& source, const std::string& moviePath);

// One line of what the TiVo shows, for a person to read: the field, what is
// shown, and the file it came from; origin names where Reelmark took a
// value of its own file from ("TMDB"), empty when it does not know.
struct TiVoRow {
    std::string field;
    std::string shown;
    std::string source;
    std::string origin;
};
// The fields the TiVo shows, in the order its screens show them; fields
// that are not sent are left out, each list value is a row of its own.
std::vector<TiVoRow> RowsOf(const PyTivoView& view);

// What pyTivo makes of a metadata file's text were it the only file read
// (its ratings found in pyTivo's tables), every value from source.
PyTivoView ViewOfText(const std::string& text, const std::string& source);

// A value the user wrote in the movie's own "<movie>.txt" that the TiVo does
// not show, because a file pyTivo reads after it (in ".meta") sets it too.
struct OverriddenValue {
    std::string key;
    std::string ownValue;
    std::string winner;  // the file whose value is shown
};
std::vector<OverriddenValue> OverriddenOwnValues(const PyTivoFolder& folder, const FolderEntry& movie,
                                                 const PyTivoView& view);
