#include "core/library/GridPlanColumns.h"

#include "core/folders/FolderWalk.h"
#include "core/metadata/MetadataWriter.h"
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

// A file pyTivo reads after the one Generate writes beside the movie: one
// of its folder's ".meta".
std::string ReadAfterBeside(const std::string& moviePath, const PyTivoView& view)
{
    const std::string meta = ParentFolderOf(moviePath) + kSeparator + kMetaFolderName + kSeparator;
    std::string last;
    for (const std::string& file : view.filesRead) {
        if (file.compare(0, meta.size(), meta) == 0)
            last = file;
    }
    return last;
}

}  // namespace

RowPlanColumns PlanColumnsOf(const RowFacts& row, const PyTivoView* view)
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
    std::string wins;
    if (view) {
        for (const std::string& file : view->filesRead) {
            if (file != row.ownPath)
                sources.push_back(IsTagSource(file) ? "tags" : SourceNameFor(file, row.moviePath));
        }
        wins = row.metaFolder ? std::string() : ReadAfterBeside(row.moviePath, *view);
    }
    RowPlanColumns columns;
    columns.sources = Joined(sources, ", ");
    if (row.edited && row.hasOwn) {
        columns.generate = "save your edits";
        return columns;
    }
    if (row.generateFileExists && !row.replaceExisting) {
        columns.generate = "skip: its file is there";
        return columns;
    }
    columns.generate = row.generateFileExists ? "replace" : "create";
    if (row.edited)
        columns.generate += " with your edits";
    if (!wins.empty())
        columns.generate += "; " + SourceNameFor(wins, row.moviePath) + " wins";
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
    facts.metaFolder = grid_.MetaFolder();
    const ReadFolder& folder = FolderOf(ParentFolderOf(facts.moviePath));
    const FolderEntry* movie = folder.index.Find(FileNameOf(facts.moviePath, true));
    std::unique_ptr<PyTivoView> view;
    if (movie && !movie->isFolder)
        view = std::make_unique<PyTivoView>(ReadPyTivoView(folder.folder, *movie, *cache_));
    return made_[row] = PlanColumnsOf(facts, view.get());
}
