#pragma once
// What pyTivo or the TiVo will get wrong about a library's movies, each rule
// taken from pyTivo's code (metadata.py, the video plugin and the TvBus
// template it fills for the TiVo):
// - keys pyTivo does not use (they are case-sensitive), with the key it
//   was probably meant to be;
// - values pyTivo changes or drops: an episodeNumber that is no whole
//   number (sent as 0), a rating its tables do not know (sent as written),
//   an isEpisode other than "true" or "false", a movie without
//   "isEpisode : false" (the TiVo lists it as an episode), a movieYear
//   beside an air date (the air date is not sent), a seriesId the TiVo
//   does not group by (not SH, EP or MV and digits);
// - metadata files pyTivo never reads: "Movie.txt" beside "Movie.mkv", a
//   name that differs from the movie's in letter case on a file system
//   that tells them apart, a file whose movie has gone, the sources the
//   view could not read (UTF-16, no XML), lines without the separator;
// - episodes of one show with different series IDs or series titles.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/pytivo/PyTivoView.h"

struct TiVoProblem {
    std::string where;  // the movie, or the metadata file, it concerns
    std::string file;   // the file it lies in (the movie's tags, a metadata file); may equal where
    std::string kind;   // a short name: "unusedKey", "episodeNumber", "rating", ...
    std::string text;   // what goes wrong, in words
};

// The check of a run over folders and movies. Each file's problems are told
// once, however many movies read it.
class TiVoCheck {
public:
    // The movies of a folder reading and its metadata files.
    void AddFolder(const PyTivoFolder& folder, PyTivoRunCache& cache);
    // One movie of a folder reading and the folder's files that concern it.
    void AddMovie(const PyTivoFolder& folder, const FolderEntry& movie, PyTivoRunCache& cache);
    // One movie whose view was read already (the shows are not compared).
    void AddView(const std::string& moviePath, const PyTivoView& view);

    // The problems found, the shows' after the others: call once at the end.
    std::vector<TiVoProblem> Finish();
    size_t MoviesChecked() const { return movies_; }

private:
    struct Episode {
        std::string movie;
        std::string seriesTitle;
        std::string seriesId;
    };
    void Add(const std::string& where, const std::string& file, const char* kind, const std::string& text);
    void CheckFiles(const PyTivoFolder& folder, const std::string* onlyMovie);
    void CheckTextLines(const std::string& path);

    std::vector<TiVoProblem> problems_;
    std::set<std::pair<std::string, std::string>> told_;  // (file, text) told already
    std::set<std::string> linesRead_;
    std::vector<Episode> episodes_;
    size_t movies_ = 0;
};

// The key pyTivo uses that a key it does not use was probably meant to be
// (letter case aside, or two letters off); empty when none is near.
std::string MeantPyTivoKey(const std::string& key);
