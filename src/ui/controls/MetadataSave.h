#pragma once
// Saving a metadata file that was read earlier: the metadata editor's Save
// and the Library window's write of a movie's own file. Nothing is written
// for a movie that has gone, and a file another program changed, made or
// deleted since it was read is written over only when the user says so.
#include <string>

#include "core/files/FileSnapshot.h"
#include "platform/HeldFolder.h"

class ActivityLog;

// Whether the save may write: the movie is still there (else a log line
// with a box), and the file is as it was read (read), or the user says to
// write over the change. readBy ends "... since <readBy>"; choice is what
// OK does ("write your version over it").
bool MaySaveOver(ActivityLog& log, const std::string& moviePath, const std::string& path, const FileSnapshot& read,
                 const std::string& readBy, const std::string& choice);

// Holds the folders from the movie folder down to the entry's (a path
// from it); a folder on the way that is a link is not entered.
SystemError HoldMovieFolder(HeldFolderChain& chain, const std::string& movieFolder, const std::string& entry);

// Writes the bytes (a MetadataDocument's, line ends and code page as they
// are) as the file at path, the metadata file of the entry of movieFolder,
// within the folders held from movieFolder down: a folder on the way, or a
// ".meta", that is a link gets nothing. What saves that were cut short
// left in the movie's folder goes first, a ".meta" folder is made when
// inMeta, and a file that appears meanwhile is not written over. False
// with a log line and a box on failure; a saved file is logged.
bool SaveMetadataBytes(ActivityLog& log, const std::string& movieFolder, const std::string& entry,
                       const std::string& path, const std::string& bytes, bool inMeta);
