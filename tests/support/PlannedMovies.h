#pragma once
// The planned movie of an entry, for the tests of the library's plan.
#include <stdexcept>
#include <string>

#include "core/library/LibraryPlan.h"
#include "support/TempFolder.h"

inline const PlannedMovie& Find(const LibraryPlan& plan, const std::string& entry)
{
    for (const PlannedMovie& movie : plan.movies) {
        if (movie.entry == NativePath(entry))
            return movie;
    }
    throw std::runtime_error("not planned: " + entry);
}
