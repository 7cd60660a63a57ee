#pragma once
// Saving a metadata file that was read earlier: the metadata editor's Save
// and the Library window's write of a movie's own file. Nothing is written
// for a movie that has gone, and a file another program changed, made or
// deleted since it was read is written over only when the user says so.
#include <string>

#include "core/files/FileSnapshot.h"

class ActivityLog;

// Whether the save may write: the movie is still there (else a log line
// with a box), and the file is as it was read (read), or the user says to
// write over the change. readBy ends "... since <readBy>"; choice is what
// OK does ("write your version over it").
bool MaySaveOver(ActivityLog& log, const std::string& moviePath, const std::string& path, const FileSnapshot& read,
                 const std::string& readBy, const std::string& choice);

// Writes the bytes (a MetadataDocument's, line ends and code page as they
// are) as the file at path: what saves that were cut short left in its
// folder goes first, a ".meta" folder is made when inMeta, and a file that
// appears meanwhile is not written over. False with a log line and a box
// on failure; a saved file is logged.
bool SaveMetadataBytes(ActivityLog& log, const std::string& path, const std::string& bytes, bool inMeta);
