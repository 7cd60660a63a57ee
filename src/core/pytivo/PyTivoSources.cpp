#include "core/pytivo/PyTivoSources.h"

#include "core/pytivo/PyTivoNfo.h"
#include "platform/Paths.h"
#include "platform/Text.h"

SourceRead ReadPyTivoSource(const std::string& path, const FolderEntry& entry, std::string& bytes,
                            std::string& why)
{
    bytes.clear();
    if (entry.isFolder) {
        why = "a folder, not a file";
        return SourceRead::Refused;
    }
    // One byte more than allowed tells a file that grew since it was listed.
    SystemError error = 0;
    const bool read = entry.size <= kLargestPyTivoSource &&
                      ReadWholeFile(path, bytes, &error, static_cast<size_t>(kLargestPyTivoSource) + 1);
    if (read && bytes.size() <= kLargestPyTivoSource)
        return SourceRead::Read;
    bytes.clear();
    if (!read && error != 0 && IsNotFound(error))
        return SourceRead::Gone;
    why = !read && error != 0 ? SystemErrorLine(error)
                              : FormatText("over %llu bytes: too large for a metadata file", kLargestPyTivoSource);
    return SourceRead::Refused;
}

PyTivoTextSource ReadPyTivoTextSource(const std::string& path, const FolderEntry& entry, char separator)
{
    PyTivoTextSource source;
    std::string bytes;
    source.state = ReadPyTivoSource(path, entry, bytes, source.why);
    if (source.state == SourceRead::Read && !ReadPyTivoTextLines(bytes, separator, source.lines, source.why))
        source.state = SourceRead::Refused;
    return source;
}

std::string NotXmlText(const XmlFault& fault)
{
    return FormatText("not XML: %s (line %lu)", fault.text.c_str(), fault.line);
}

const FolderEntry* PyTivoRunCache::EntryAbove(const std::string& folder, const std::string& name)
{
    std::unique_ptr<FolderIndex>& index = folders_[folder];
    if (!index)
        index = std::make_unique<FolderIndex>(folder);
    if (index->ReadError() == 0)
        return index->FindDetailed(name);
    const std::string path = AddTrailingSeparator(folder) + name;
    const auto known = lookedUp_.find(path);
    if (known != lookedUp_.end())
        return known->second ? &*known->second : nullptr;
    std::optional<FolderEntry>& entry = lookedUp_[path];
    const PathInfo info = InspectPath(path);
    if (info.exists) {
        entry = FolderEntry{name, info.isFolder};
        CanReadFile(path, &entry->size);
    }
    return entry ? &*entry : nullptr;
}

const PyTivoTextSource& PyTivoRunCache::SharedText(const std::string& path, const FolderEntry& entry)
{
    const auto known = texts_.find(path);
    if (known != texts_.end())
        return known->second;
    return texts_[path] = ReadPyTivoTextSource(path, entry, ':');
}

const PyTivoShowSource& PyTivoRunCache::Show(const std::string& path, const FolderEntry& entry)
{
    const auto known = shows_.find(path);
    if (known != shows_.end())
        return known->second;
    PyTivoShowSource& show = shows_[path];
    std::string bytes;
    std::string why;
    const SourceRead state = ReadPyTivoSource(path, entry, bytes, why);
    if (state == SourceRead::Refused)
        show.problems.push_back({path, why});
    if (state != SourceRead::Read)
        return show;
    const NfoDocument document(bytes);
    if (!document.IsXml()) {
        show.problems.push_back({path, NotXmlText(document.Fault())});
        return show;
    }
    show.read = true;
    show.values = ShowNfoValues(document, path, show.problems);
    return show;
}

const PyTivoTagReading* PyTivoRunCache::Tags(const std::string& moviePath, const std::string& movieName)
{
    const std::optional<MovieContainer> container = TagContainerOf(movieName);
    if (!container)
        return nullptr;
    auto found = tags_.find(moviePath);
    if (found == tags_.end())
        found = tags_.emplace(moviePath, PyTivoTagValues(ReadMovieTags(moviePath, *container), *container, moviePath))
                    .first;
    return &found->second;
}
