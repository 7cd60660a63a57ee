#pragma once
// What Reelmark's own sources of values (a plan's layers: TMDB's answer
// from the cache) stand for in "What the TiVo Shows". Before the movie's
// own file is written the TiVo shows none of them: the view names what the
// next Generate adds from each, apart from what the TiVo shows. Once it is
// written, a value of that file equal to a layer's is named as the
// layer's. What the TiVo is sent is not changed by either.
#include <string>
#include <vector>

#include "core/pytivo/PyTivoView.h"

struct PlannedMovie;

struct LayerInView {
    std::string origin;  // "TMDB"
    // What the next Generate writes from it, the movie's keys decided as
    // they stand (PlanAgainst: what the library's own files give stays
    // theirs), as the TiVo would show these values.
    std::vector<TiVoRow> adds;
    // All its values, as the TiVo would show them were they alone.
    std::vector<TiVoRow> values;
};

// One entry for each of the movie's layers that has a value; movie is
// planned with its layers and its keys decided.
std::vector<LayerInView> LayersInView(const PlannedMovie& movie);

// Names the origin of each row whose value the movie's own file gives
// (ownFiles: the paths it may have, beside the movie and in ".meta") where
// a layer shows the same field with the same value.
void NameOrigins(std::vector<TiVoRow>& rows, const std::vector<std::string>& ownFiles,
                 const std::vector<LayerInView>& layers);
