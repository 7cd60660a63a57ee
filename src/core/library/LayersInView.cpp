#include "core/library/LayersInView.h"

#include <algorithm>

#include "core/library/LibraryPlan.h"

std::vector<LayerInView> LayersInView(const PlannedMovie& movie)
{
    std::vector<LayerInView> layers;
    for (const PlanValueLayer& layer : movie.layers) {
        if (layer.lines.empty())
            continue;
        // A key a file read later sets is not what the TiVo will show.
        std::vector<PlannedKey> adds;
        for (const PlannedKey& key : movie.keys) {
            if (key.written && key.origin == layer.origin && key.other != PlannedKey::Other::After && key.HasValue())
                adds.push_back(key);
        }
        layers.push_back({layer.origin, RowsOf(ViewOfText(WrittenText(adds), layer.origin)),
                          RowsOf(ViewOfText(MetadataText(layer.lines), layer.origin))});
    }
    return layers;
}

void NameOrigins(std::vector<TiVoRow>& rows, const std::vector<std::string>& ownFiles,
                 const std::vector<LayerInView>& layers)
{
    for (TiVoRow& row : rows) {
        if (std::find(ownFiles.begin(), ownFiles.end(), row.source) == ownFiles.end())
            continue;
        for (const LayerInView& layer : layers) {
            const bool same = std::any_of(layer.values.begin(), layer.values.end(), [&row](const TiVoRow& value) {
                return value.field == row.field && value.shown == row.shown;
            });
            if (same) {
                row.origin = layer.origin;
                break;
            }
        }
    }
}
