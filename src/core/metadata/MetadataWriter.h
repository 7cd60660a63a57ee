#pragma once
// Writes a movie's metadata file beside it.
#include <string>

#include "core/files/TextFile.h"

// The metadata file of a movie: its full path with ".txt" appended.
std::string MetadataPathOf(const std::string& moviePath);

// The folder beside the movies where pyTivo reads each movie's metadata
// file last (Sonarr and its kin write there), so that its values win.
constexpr char kMetaFolderName[] = ".meta";
// The movie's metadata file in that folder: "<folder>/.meta/<name>.txt".
std::string MetaFolderPathOf(const std::string& moviePath);

// Writes the text (line feeds in memory) to the movie's metadata file with
// CR LF line ends, no byte-order mark (Windows-1252 when it holds the text,
// else UTF-8). The file is written in one step: a failed write leaves an
// existing file as it was and no partial file behind; a read-only file is
// never replaced. False with the system's error code in *error. (A run
// writes within the folders it holds: WriteTextFileAtomically.)
bool WriteMetadataFile(const std::string& moviePath, const std::string& text, SystemError* error = nullptr);
