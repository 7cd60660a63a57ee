// A movie's sources, whatever bytes they hold: the view of what pyTivo
// reads never fails; every value and problem names a file that was there,
// each file read once, text is UTF-8, list keys are lists and the TiVo is
// always sent a title.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "core/pytivo/PyTivoView.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

// Written plainly: the run needs no file forced to the disk.
void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A folder of this process's own, with a season folder and a .meta folder;
// removed when the run ends.
const std::string& Folder()
{
    static const std::string top = FullPathOf("fuzz-merge-" + std::to_string(getpid()));
    static const std::string folder = [] {
        MakeFolder(top, false);
        MakeFolder(top + "/Season 1", false);
        MakeFolder(top + "/Season 1/.meta", false);
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(top, error);
        });
        return top + "/Season 1";
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string names[] = {"../tvshow.nfo",    "../default.txt",     "default.txt",
                                 "Movie.properties", "Movie.nfo",          "Movie.mkv.txt",
                                 ".meta/default.txt", ".meta/Movie.mkv.txt"};
    FuzzedDataProvider data(bytes, size);
    std::set<std::string> written = {Folder() + "/Movie.mkv"};
    Write(Folder() + "/Movie.mkv", "movie");
    for (const std::string& name : names) {
        const std::string path = Folder() + "/" + name;
        if (data.ConsumeBool()) {
            Write(path, data.ConsumeRandomLengthString(600));
            written.insert(FullPathOf(path));
        } else {
            DeleteFileItself(path, true);
        }
    }

    const FolderIndex index(Folder());
    PyTivoRunCache cache;
    const PyTivoView view = ReadPyTivoView(PyTivoFolder(Folder(), index), *index.Find("Movie.mkv"), cache);
    std::set<std::string> read;
    for (const std::string& file : view.filesRead)
        Check(written.count(file) == 1 && read.insert(file).second);
    for (const PyTivoProblem& problem : view.problems)
        Check(written.count(problem.path) == 1 && !problem.why.empty());
    for (const auto& value : view.values) {
        Check(IsUtf8(value.first) && IsUtf8(value.second.text));
        Check((value.first[0] == 'v') == (value.second.kind == PyTivoValue::Kind::List));
        if (value.second.kind != PyTivoValue::Kind::List)
            Check(written.count(value.second.source) == 1);
        for (const PyTivoItem& item : value.second.items)
            Check(IsUtf8(item.text) && read.count(item.source) == 1);
    }
    Check(view.Find("originalAirDate") && !view.Find("originalAirDate")->text.empty());
    Check(!ShowingOf(view).title.empty());
    return 0;
}
