#pragma once
// What the watch does when a download manager (Radarr, Sonarr) imports: the
// movie comes first and its .nfo or .meta file a moment later, and an
// upgrade replaces "Show.S01E02.720p.mkv" by "Show.S01E02.1080p.mkv". A
// metadata file Reelmark wrote and nobody changed since (WrittenFiles) is
// Reelmark's to redo when a source pyTivo reads comes or changes beside its
// movie, and goes with its movie on an upgrade; any other file is the
// user's or another program's and keeps every byte, under the new movie's
// name on an upgrade.
#include <string>
#include <vector>

class ActivityLog;
class FolderIndex;
class WrittenFiles;

// The movies of a folder (their names in index, the folder's reading) that
// a file which came or changed there describes as a source pyTivo reads,
// other than Reelmark's own file: "<stem>.nfo" and "<stem>.properties" of a
// movie, the folder's default.txt or tvshow.nfo (every movie), or, name
// being a file of its ".meta" folder (inMeta), its default.txt or a movie's
// "<movie>.txt". Which "<movie>.txt" is Reelmark's own follows metaFolder.
std::vector<std::string> MoviesDescribedBy(const std::string& name, bool inMeta, const FolderIndex& index,
                                           bool metaFolder);

// Whether a file of that name can be such a source at all, told from the
// name alone: a change to any other (a movie, Reelmark's own file) needs no
// reading of its folder.
bool MayDescribeMovies(const std::string& name, bool inMeta, bool metaFolder);

// Whether the two movie names are one episode of one show: the same show
// (its name read as ShowKey reads it), season and episode, or the same day
// of a daily show. Movies and names of no kind are never.
bool SameEpisode(const std::string& a, const std::string& b);

// The movies whose metadata file lies in the target folder (index: the
// movie folder's reading; meta: its ".meta" folder's, with metaFolder)
// while the movie itself is gone.
std::vector<std::string> MoviesGoneFromTheirFiles(const FolderIndex& index, const FolderIndex* meta, bool metaFolder);

// The bytes of the file at path when Reelmark wrote it and nobody changed
// it since (as written records it); false for any other file, a link, a
// file too large to be metadata, or none.
bool ReadUnchangedOwnFile(const std::string& path, WrittenFiles* written, std::string& bytes);

// An upgrade in the folder at relative below the watched one (root):
// newMovie took the place of oldMovie, which is gone. oldMovie's metadata
// file is removed when Reelmark wrote it and nobody changed it (the new
// movie then gets a file of its own), else it takes newMovie's name, over a
// file Reelmark wrote there but never over any other, written within the
// folders held from root down (a folder or .meta that is a link gets
// nothing). Each step is logged; a file that leads elsewhere (a link) is
// left alone.
void FollowUpgrade(const std::string& root, const std::string& relative, const std::string& oldMovie,
                   const std::string& newMovie, bool metaFolder, WrittenFiles* written, ActivityLog& log);
