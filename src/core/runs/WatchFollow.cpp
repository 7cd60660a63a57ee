#include "core/runs/WatchFollow.h"

#include "core/files/RunJournal.h"
#include "core/files/TextFile.h"
#include "core/files/WrittenFiles.h"
#include "core/folders/FolderIndex.h"
#include "core/library/NameParser.h"
#include "core/log/ActivityLog.h"
#include "core/metadata/MetadataWriter.h"
#include "core/metadata/SeriesId.h"
#include "core/pytivo/PyTivoSources.h"
#include "core/pytivo/PythonRules.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolder.h"
#include "platform/Paths.h"

namespace {

const char kDefault[] = "default.txt";
const char kText[] = ".txt";

// The movie of a "<movie>.txt" name; empty when the name is none.
std::string MovieOfTextName(const std::string& name)
{
    const size_t length = sizeof(kText) - 1;
    if (name.size() <= length || name.compare(name.size() - length, length, kText) != 0)
        return std::string();
    const std::string movie = name.substr(0, name.size() - length);
    return IsMovieFile(movie) ? movie : std::string();
}

bool Named(const FolderIndex& index, const std::string& name, const std::string& wanted)
{
    const FolderEntry* entry = index.Find(wanted);
    return entry && entry->name == name;
}

// The file's bytes when it is a file of its own that can be read, as a
// metadata file may be; false otherwise.
bool ReadOwnFile(const std::string& path, std::string& bytes)
{
    return !LeadsElsewhere(path) && ReadWholeFile(path, bytes, nullptr, kLargestPyTivoSource + 1) &&
           bytes.size() <= kLargestPyTivoSource;
}

}  // namespace

bool ReadUnchangedOwnFile(const std::string& path, WrittenFiles* written, std::string& bytes)
{
    return written && ReadOwnFile(path, bytes) && written->IsAsWritten(path, bytes);
}

bool MayDescribeMovies(const std::string& name, bool inMeta, bool metaFolder)
{
    // Compared without regard to case: Windows finds "Movie.NFO" too.
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const auto endsWith = [&lower](const std::string& end) {
        return lower.size() >= end.size() && lower.compare(lower.size() - end.size(), end.size(), end) == 0;
    };
    if (inMeta)
        return lower == kDefault || (!metaFolder && endsWith(kText));
    return endsWith(".nfo") || endsWith(".properties") || lower == kDefault || (metaFolder && endsWith(kText));
}

std::vector<std::string> MoviesDescribedBy(const std::string& name, bool inMeta, const FolderIndex& index,
                                           bool metaFolder)
{
    std::vector<std::string> movies;
    const std::string textMovie = MovieOfTextName(name);
    for (const MovieListing& movie : MoviesIn(index)) {
        bool described;
        if (inMeta) {
            described = name == kDefault || (!metaFolder && textMovie == movie.name);
        } else {
            const std::string stem = PythonStem(movie.name);
            described = Named(index, name, kDefault) || Named(index, name, "tvshow.nfo") ||
                        Named(index, name, stem + ".nfo") || Named(index, name, stem + ".properties") ||
                        (metaFolder && Named(index, name, movie.name + kText));
        }
        if (described)
            movies.push_back(movie.name);
    }
    return movies;
}

bool SameEpisode(const std::string& a, const std::string& b)
{
    const ParsedName one = ParseMovieName(a);
    const ParsedName two = ParseMovieName(b);
    if (one.kind != ParsedName::Kind::Episode || two.kind != ParsedName::Kind::Episode ||
        ShowKey(one.title, 0) != ShowKey(two.title, 0))
        return false;
    if (one.airDate.IsSet() || two.airDate.IsSet())
        return one.airDate.IsSet() && two.airDate.IsSet() && one.airDate.Text() == two.airDate.Text();
    return one.episode != kNoNumber && one.season == two.season && one.episode == two.episode &&
           one.lastEpisode == two.lastEpisode;
}

std::vector<std::string> MoviesGoneFromTheirFiles(const FolderIndex& index, const FolderIndex* meta, bool metaFolder)
{
    std::vector<std::string> gone;
    const FolderIndex* target = metaFolder ? meta : &index;
    if (!target)
        return gone;
    for (const FolderEntry& entry : target->Entries()) {
        const std::string movie = entry.isFolder ? std::string() : MovieOfTextName(entry.name);
        if (!movie.empty() && !index.Find(movie))
            gone.push_back(movie);
    }
    return gone;
}

void FollowUpgrade(const std::string& root, const std::string& relative, const std::string& oldMovie,
                   const std::string& newMovie, bool metaFolder, WrittenFiles* written, ActivityLog& log)
{
    const std::string folder = relative.empty() ? StripTrailingSeparator(root) : AddTrailingSeparator(root) + relative;
    const auto fileOf = [&](const std::string& movie) {
        const std::string path = folder + kSeparator + movie;
        return metaFolder ? MetaFolderPathOf(path) : MetadataPathOf(path);
    };
    const std::string oldFile = fileOf(oldMovie);
    const std::string newFile = fileOf(newMovie);
    std::string bytes;
    if (!ReadOwnFile(oldFile, bytes))
        return;
    if (written && written->IsAsWritten(oldFile, bytes)) {
        if (RemoveFileOfRun(oldFile) != 0)
            return;
        written->Forget(oldFile);
        log.AddLogEntry("", LogSeverity::Information,
                        "Removed %s: its movie was replaced by %s, and nobody changed the file since Reelmark "
                        "wrote it.",
                        oldFile.c_str(), newMovie.c_str());
        return;
    }
    // A file Reelmark wrote for the new movie gives way to the one somebody changed.
    const PathInfo there = InspectPath(newFile);
    std::string newBytes;
    if (there.exists && !(ReadUnchangedOwnFile(newFile, written, newBytes) && RemoveFileOfRun(newFile) == 0)) {
        log.AddLogEntry("", LogSeverity::Warning,
                        "Kept %s: its movie was replaced by %s, which has a metadata file of its own.",
                        oldFile.c_str(), newMovie.c_str());
        return;
    }
    if (there.exists)
        written->Forget(newFile);
    // Its bytes under the new name first: a run cut short leaves two, never
    // none; within the folders held from the watched one down.
    HeldFolderChain chain;
    HeldFolder meta;
    SystemError error = chain.OpenChosen(root);
    if (error == 0)
        error = chain.Reach(relative);
    if (error == 0 && metaFolder)
        error = meta.OpenIn(chain.Last(), kMetaFolderName);
    if (error != 0 || !WriteFileAtomically(metaFolder ? meta : chain.Last(), FileNameOf(newFile, true), bytes, &error,
                                           nullptr, ExistingFile::Keep)) {
        log.AddLogEntry("", LogSeverity::Error, "Could not rename %s to %s: %s", oldFile.c_str(), newFile.c_str(),
                        SystemErrorLine(error).c_str());
        return;
    }
    error = RemoveFileOfRun(oldFile);
    if (error != 0)
        log.AddLogEntry("", LogSeverity::Warning, "Copied %s to %s, but could not remove it: %s", oldFile.c_str(),
                        newFile.c_str(), SystemErrorLine(error).c_str());
    else
        log.AddLogEntry("", LogSeverity::Information,
                        "Renamed %s to %s: its movie was replaced by %s; the file keeps what was changed in it.",
                        oldFile.c_str(), newFile.c_str(), newMovie.c_str());
}
