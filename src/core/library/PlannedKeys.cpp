#include "core/library/PlannedKeys.h"

#include <algorithm>

#include "core/pytivo/PyTivoView.h"
#include "platform/Text.h"

namespace {

// The composed lines grouped by key, with the layers laid over them.
struct KeyLines {
    std::string key;
    std::vector<std::string> values;
    std::string origin;
    bool overOtherFiles = false;
};

std::vector<KeyLines> Group(const std::vector<MetadataKeyLine>& lines, const std::vector<PlanValueLayer>& layers)
{
    std::vector<KeyLines> keys;
    const auto find = [&keys](const std::string& key) {
        return std::find_if(keys.begin(), keys.end(), [&key](const KeyLines& at) { return at.key == key; });
    };
    for (const MetadataKeyLine& line : lines) {
        auto at = find(line.key);
        if (at == keys.end())
            at = keys.insert(keys.end(), KeyLines{line.key, {}, {}, false});
        at->values.push_back(line.value);
    }
    for (const PlanValueLayer& layer : layers) {
        std::vector<std::string> taken;  // the keys this layer has given so far
        for (const MetadataKeyLine& line : layer.lines) {
            auto at = find(line.key);
            if (at == keys.end())
                at = keys.insert(keys.end(), KeyLines{line.key, {}, {}, false});
            if (std::find(taken.begin(), taken.end(), line.key) == taken.end()) {
                taken.push_back(line.key);
                at->values.clear();
            }
            at->values.push_back(line.value);
            at->origin = layer.origin;
            at->overOtherFiles = layer.overOtherFiles;
        }
    }
    return keys;
}

// What the other files give of a key.
struct Given {
    PlannedKey::Other other = PlannedKey::Other::None;
    std::string file;
    // A "v" key of text files only: pyTivo adds the file's lines to their
    // items instead of replacing them.
    bool joined = false;
};

Given GivenBy(const PyTivoView& others, const std::string& key, const std::string& moviePath)
{
    const PyTivoValue* value = others.Find(key);
    if (!IsSet(value))
        return {};
    if (value->kind == PyTivoValue::Kind::List) {
        // The text files' items replace those of the files before them.
        for (const PyTivoItem& item : value->items) {
            if (!others.IsTextSource(item.source))
                return {PlannedKey::Other::Before, item.source, false};
        }
        return {PlannedKey::Other::Before, value->items.front().source, true};
    }
    if (value->source == moviePath)
        return {};  // pyTivo's own title and date are what a file is for
    return {others.ReadAfterOwn(value->source) ? PlannedKey::Other::After : PlannedKey::Other::Before, value->source,
            false};
}

PlannedKey* Find(std::vector<PlannedKey>& keys, const char* key)
{
    const auto at = std::find_if(keys.begin(), keys.end(), [key](const PlannedKey& k) { return k.key == key; });
    return at == keys.end() ? nullptr : &*at;
}

// The isEpisode the TiVo gets: the file's when it is written, else the
// other files', else pyTivo's "true".
std::string EffectiveIsEpisode(std::vector<PlannedKey>& keys, const PyTivoView* others)
{
    const PlannedKey* own = Find(keys, "isEpisode");
    if (own && own->written && own->HasValue())
        return own->values.front();
    const PyTivoValue* value = others ? others->Find("isEpisode") : nullptr;
    return value && value->kind == PyTivoValue::Kind::Text ? value->text : "true";
}

// An episode with an air date from any file gets no movieYear line.
void DropYearOfDatedEpisodes(std::vector<PlannedKey>& keys, bool movieLayout, const PyTivoView* others,
                             const std::string& moviePath)
{
    PlannedKey* year = Find(keys, "movieYear");
    if (!year)
        return;
    const PlannedKey* date = Find(keys, "originalAirDate");
    if (date && date->written && date->HasValue()) {
        keys.erase(keys.begin() + (year - keys.data()));
        return;
    }
    if (!others || (movieLayout && EffectiveIsEpisode(keys, others) == "false"))
        return;
    const Given given = GivenBy(*others, "originalAirDate", moviePath);
    if (given.other == PlannedKey::Other::None)
        return;
    year->written = false;
    year->other = given.other;
    year->file = given.file;
}

void Decide(PlannedKey& key, const Given& given, bool overOtherFiles, OtherFiles mode)
{
    const bool whole = mode == OtherFiles::WholeTemplate || overOtherFiles;
    if (given.other == PlannedKey::Other::After) {
        key.other = given.other;
        key.file = given.file;
        key.written = whole;
    } else if (given.other == PlannedKey::Other::Before) {
        key.written = whole;
        // Written beside the items of text files, the lines join them.
        key.other = key.written && given.joined ? PlannedKey::Other::None : given.other;
        key.file = key.other == PlannedKey::Other::None ? std::string() : given.file;
    }
    // Beside other files an empty line adds nothing.
    if (mode == OtherFiles::AddWhatTheyLack && key.other == PlannedKey::Other::None && !key.HasValue())
        key.written = false;
}

std::string Values(int count)
{
    return std::to_string(count) + (count == 1 ? " value" : " values");
}

std::string Names(const std::vector<std::string>& files, const std::string& moviePath)
{
    std::string names;
    for (const std::string& file : files)
        names += (names.empty() ? "" : ", ") + SourceNameFor(file, moviePath);
    return names;
}

void AddOnce(std::vector<std::string>& files, const std::string& file)
{
    if (std::find(files.begin(), files.end(), file) == files.end())
        files.push_back(file);
}

}  // namespace

bool PlannedKey::HasValue() const
{
    return std::any_of(values.begin(), values.end(), [](const std::string& value) {
        return !TrimmedOf(value).empty();
    });
}

std::vector<PlannedKey> PlanKeys(const std::vector<MetadataKeyLine>& lines, const std::vector<PlanValueLayer>& layers,
                                 bool movieLayout, const PyTivoView* others, const std::string& moviePath,
                                 OtherFiles mode)
{
    std::vector<PlannedKey> keys;
    const std::vector<KeyLines> grouped = Group(lines, layers);
    for (const KeyLines& group : grouped) {
        PlannedKey key;
        key.key = group.key;
        key.values = group.values;
        key.origin = group.origin;
        keys.push_back(std::move(key));
    }
    if (others) {
        // A seriesTitle is listed before a title, so it covers one too.
        const Given title = GivenBy(*others, "title", moviePath);
        for (size_t i = 0; i < keys.size(); ++i) {
            Given given = GivenBy(*others, keys[i].key, moviePath);
            if (keys[i].key == "seriesTitle" && given.other == PlannedKey::Other::None &&
                title.other != PlannedKey::Other::None)
                given = {PlannedKey::Other::Before, title.file, false};
            Decide(keys[i], given, grouped[i].overOtherFiles, mode);
        }
    }
    DropYearOfDatedEpisodes(keys, movieLayout, others, moviePath);
    return keys;
}

std::string WrittenText(const std::vector<PlannedKey>& keys)
{
    std::vector<MetadataKeyLine> lines;
    for (const PlannedKey& key : keys) {
        if (key.written) {
            for (const std::string& value : key.values)
                lines.push_back({key.key, value});
        }
    }
    return MetadataText(lines);
}

bool AddsNothing(const std::vector<PlannedKey>& keys)
{
    return std::none_of(keys.begin(), keys.end(), [](const PlannedKey& key) { return key.written && key.HasValue(); });
}

KeyCounts CountKeys(const std::vector<PlannedKey>& keys)
{
    KeyCounts counts;
    for (const PlannedKey& key : keys) {
        if (!key.HasValue())
            continue;
        if (key.other == PlannedKey::Other::After) {
            ++counts.shownLater;
            AddOnce(counts.laterFiles, key.file);
        } else if (key.written && key.other == PlannedKey::Other::Before) {
            ++counts.hides;
            AddOnce(counts.hiddenFiles, key.file);
        } else if (key.written) {
            ++counts.adds;
        }
    }
    return counts;
}

// The written keys that a layer gave, by its origin in the order they come.
std::vector<std::pair<std::string, int>> CountByOrigin(const std::vector<PlannedKey>& keys)
{
    std::vector<std::pair<std::string, int>> origins;
    for (const PlannedKey& key : keys) {
        if (key.origin.empty() || !key.written || !key.HasValue() || key.other != PlannedKey::Other::None)
            continue;
        const auto at = std::find_if(origins.begin(), origins.end(), [&key](const auto& o) { return o.first == key.origin; });
        if (at == origins.end())
            origins.emplace_back(key.origin, 1);
        else
            ++at->second;
    }
    return origins;
}

std::string OriginsText(const std::vector<std::pair<std::string, int>>& origins, bool withValues)
{
    std::string text;
    for (const auto& [origin, count] : origins)
        text += (text.empty() ? "" : ", ") + (withValues ? Values(count) : std::to_string(count)) + " from " + origin;
    return text;
}

std::string LayersLine(const std::vector<PlannedKey>& keys)
{
    return OriginsText(CountByOrigin(keys), true);
}

std::string KeysLine(const std::vector<PlannedKey>& keys, const std::string& moviePath)
{
    const KeyCounts counts = CountKeys(keys);
    std::vector<std::string> parts;
    const std::string origins = OriginsText(CountByOrigin(keys), false);
    if (counts.adds > 0)
        parts.push_back("adds " + Values(counts.adds) + (origins.empty() ? "" : " (" + origins + ")"));
    if (counts.hides > 0)
        parts.push_back("hides " + Values(counts.hides) + " from " + Names(counts.hiddenFiles, moviePath));
    if (parts.empty())
        parts.push_back("nothing to add");
    if (counts.shownLater > 0)
        parts.push_back(Values(counts.shownLater) + " shown from " + Names(counts.laterFiles, moviePath));
    std::string line;
    for (const std::string& part : parts)
        line += (line.empty() ? "" : ", ") + part;
    return line;
}
