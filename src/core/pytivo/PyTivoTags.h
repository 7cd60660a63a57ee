#pragma once
// The tags inside a movie as pyTivo reads them: metadata.py's from_moov for
// .mp4, .m4v and .mov files and from_dvrms for .dvr-ms, .asf and .wmv
// files, through the mutagen pyTivo ships. pyTivo applies them after its
// own title and date and before the .nfo and the text files. What the file
// holds comes from platform/MovieTags.h; the rules are pyTivo's, each one
// kept here even where it looks like a slip:
// - stik decides episode or movie (10 is a TV show), else tvsh being there;
// - tven beginning "SH" makes isEpisode false, "EP" or "MV" true with the
//   programId; its "S1E2" branch tests the item's name, not its value, so
//   it never applies;
// - tvsn with tves (two digits, 00 without one) is the episodeNumber;
// - where two items set one key, the one Python 2 walks later in mutagen's
//   dictionary wins (core/pytivo/PythonDict.h);
// - an MP4 file without a sound track gives no tags at all, nor one whose
//   number items have the wrong size, and Windows Media texts that are not
//   plain ASCII are dropped (pyTivo's str() of them fails).
#include <optional>
#include <string>
#include <vector>

#include "core/pytivo/PyTivoValues.h"
#include "platform/MovieTags.h"

// The container pyTivo reads tags from for a movie of this name, told by its
// last extension in any letter case; nothing for other movies.
std::optional<MovieContainer> TagContainerOf(const std::string& movieName);

// The source the values of a movie's tags carry: "tags in " and the movie's
// path, which no file's path is.
std::string TagSourceOf(const std::string& moviePath);
bool IsTagSource(const std::string& source);

struct PyTivoTagReading {
    PyTivoValues values;
    // Why the tags could not be read, or why pyTivo reads none of them or
    // stops on them (then no value is taken from them).
    std::vector<PyTivoProblem> problems;
};
// What pyTivo makes of the tags read from the movie at moviePath.
PyTivoTagReading PyTivoTagValues(const MovieTags& tags, MovieContainer container, const std::string& moviePath);
