#pragma once
// For the tests of the library's plan: a template that reads names, and
// the planned movie of an entry.
#include <stdexcept>
#include <string>

#include "core/library/LibraryPlan.h"
#include "core/metadata/MetadataFormat.h"
#include "support/TempFolder.h"

inline const PlannedMovie& Find(const LibraryPlan& plan, const std::string& entry)
{
    for (const PlannedMovie& movie : plan.movies) {
        if (movie.entry == NativePath(entry))
            return movie;
    }
    throw std::runtime_error("not planned: " + entry);
}

inline MetadataTemplate NamesTemplate()
{
    MetadataTemplate metadata;
    metadata.seriesTitle = "TV";
    metadata.seriesId = "SH991234";
    metadata.description = "Recorded";
    metadata.tvRating = 4;
    metadata.mpaaRating = 3;
    metadata.parseNames = true;
    return metadata;
}
