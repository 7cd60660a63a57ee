#include "core/library/GridPlanColumns.h"

#include "core/folders/FolderWalk.h"
#include "core/pytivo/PyTivoTags.h"
#include "platform/Paths.h"

namespace {

// The rows whose columns are kept; past it they are made anew.
constexpr size_t kKeptRows = 4096;
// Folders kept read: the rows on screen lie in one or two.
constexpr size_t kKeptFolders = 4;

std::string Joined(const std::vector<std::string>& parts, const char* between)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

}  // namespace

RowPlanColumns PlanColumnsOf(const RowFacts& row, PlannedMovie& movie, const PyTivoView* others, OtherFiles mode)
{
    std::vector<std::string> sources;
    if (row.edited)
        sources.push_back("your edits");
    if (row.hasOwn) {
        sources.push_back(SourceNameFor(row.ownPath, row.moviePath));
    } else {
        if (row.parseNames && row.kindFrom == KindSource::Name)
            sources.push_back("name");
        else if (row.parseNames && row.kindFrom == KindSource::SeasonFolder)
            sources.push_back("folders");
        sources.push_back("template");
    }
    for (const std::string& file : others ? others->filesRead : std::vector<std::string>()) {
        if (file != row.ownPath)  // its own file in ".meta" is named first
            sources.push_back(IsTagSource(file) ? "tags" : SourceNameFor(file, row.moviePath));
    }
    RowPlanColumns columns;
    columns.sources = Joined(sources, ", ");
    if (row.edited && row.hasOwn) {
        columns.generate = "save your edits";
    } else if (row.generateFileExists && !row.replaceExisting) {
        columns.generate = "skip: its file is there";
    } else {
        PlanAgainst(movie, others, mode);
        const std::string verb = row.generateFileExists ? "replace" : "create";
        if (others && AddsNothing(movie.keys))
            columns.generate = "skip: nothing to add";
        else if (others)
            columns.generate = verb + ": " + PlanKeysLine(movie);
        else
            columns.generate = verb + (row.edited ? " with your edits" : "");
    }
    return columns;
}

struct GridPlanColumns::ReadFolder {
    ReadFolder(const std::string& folderPath) : path(folderPath), index(folderPath), folder(folderPath, index) {}
    std::string path;
    FolderIndex index;
    PyTivoFolder folder;
};

GridPlanColumns::GridPlanColumns(const LibraryGrid& grid) : grid_(grid) {}

GridPlanColumns::~GridPlanColumns() = default;

void GridPlanColumns::SetRunOptions(bool replaceExisting, OtherFiles mode)
{
    replaceExisting_ = replaceExisting;
    mode_ = mode;
}

const GridPlanColumns::ReadFolder& GridPlanColumns::FolderOf(const std::string& path)
{
    for (auto at = folders_.begin(); at != folders_.end(); ++at) {
        if ((*at)->path == path) {
            folders_.splice(folders_.begin(), folders_, at);
            return *folders_.front();
        }
    }
    folders_.push_front(std::make_unique<ReadFolder>(path));
    if (folders_.size() > kKeptFolders)
        folders_.pop_back();
    return *folders_.front();
}

void GridPlanColumns::ForgetAll()
{
    made_.clear();
    folders_.clear();
    cache_.reset();
}

const RowPlanColumns& GridPlanColumns::Of(RowId row)
{
    auto made = made_.find(row);
    if (made != made_.end())
        return made->second;
    if (made_.size() >= kKeptRows)
        made_.clear();
    if (!cache_)
        cache_ = std::make_unique<PyTivoRunCache>();
    RowFacts facts;
    facts.moviePath = grid_.MoviePath(row);
    facts.kindFrom = grid_.KindFrom(row);
    facts.parseNames = grid_.Template().parseNames;
    facts.hasOwn = grid_.HasOwnFile(row);
    facts.ownPath = grid_.OwnFilePath(row);
    facts.generateFileExists = grid_.MetaFolder() ? facts.hasOwn : grid_.State(row) == RowState::Own;
    facts.edited = grid_.HasEdits(row);
    facts.replaceExisting = replaceExisting_;
    // What the other files give it, read as Generate reads them: only for
    // a movie the folder's reading shows other files for.
    const ReadFolder& folder = FolderOf(ParentFolderOf(facts.moviePath));
    const FolderEntry* entry = folder.index.Find(FileNameOf(facts.moviePath, true));
    const OwnFile own = grid_.MetaFolder() ? OwnFile::InMeta : OwnFile::Beside;
    std::unique_ptr<PyTivoView> others;
    if (entry && !entry->isFolder && HasOtherPyTivoSources(folder.folder, entry->name, *cache_, own))
        others = std::make_unique<PyTivoView>(ReadOtherSources(folder.folder, *entry, *cache_, own));
    PlannedMovie movie = grid_.PlannedMovieOf(row);
    return made_[row] = PlanColumnsOf(facts, movie, others.get(), mode_);
}
