#pragma once
// The values of a movie's own metadata file as the Library window shows
// them. A file the window cannot change (unreadable, read-only, too big,
// NUL bytes, UTF-16) is named with why, its values shown where they can be
// read; the window then takes no edit for its movie.
#include <string>

#include "core/library/GridColumns.h"
#include "core/metadata/MetadataDocument.h"

// The file at path read now (each time: a file read is a look at the disk).
OwnValues ReadOwnValues(const std::string& path);

// The values of a file's fields.
void TakeOwnValues(const MetadataDocument& document, OwnValues& own);
