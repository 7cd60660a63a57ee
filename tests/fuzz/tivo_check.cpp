// A folder's metadata files of any bytes, checked for what pyTivo or the
// TiVo will get wrong: nothing fails, every problem is UTF-8 and names a
// file or movie of the folder, and checking twice tells the same.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/pytivo/TiVoProblems.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

const std::string& Folder()
{
    static const std::string folder = [] {
        const std::string top = FullPathOf("fuzz-check-" + std::to_string(getpid()));
        MakeFolder(top, false);
        MakeFolder(top + "/.meta", false);
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(FullPathOf("fuzz-check-" + std::to_string(getpid())), error);
        });
        return top;
    }();
    return folder;
}

std::vector<TiVoProblem> CheckFolder()
{
    const FolderIndex index(Folder());
    PyTivoRunCache cache;
    TiVoCheck check;
    check.AddFolder(PyTivoFolder(Folder(), index), cache);
    return check.Finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string names[] = {"A.mkv.txt", "B.mkv.txt", "default.txt", "A.nfo", "A.txt",
                                 "a.MKV.txt", ".meta/B.mkv.txt", ".meta/Gone.avi.txt", "A.properties"};
    FuzzedDataProvider data(bytes, size);
    for (const char* movie : {"A.mkv", "B.mkv"})
        std::ofstream(Folder() + "/" + movie) << "movie";
    for (const std::string& name : names) {
        const std::string path = Folder() + "/" + name;
        if (data.ConsumeBool())
            std::ofstream(path, std::ios::binary | std::ios::trunc) << data.ConsumeRandomLengthString(400);
        else
            DeleteFileItself(path, false);
    }
    const std::vector<TiVoProblem> problems = CheckFolder();
    for (const TiVoProblem& problem : problems) {
        Check(IsUtf8(problem.text) && IsUtf8(problem.kind) && !problem.kind.empty());
        Check(problem.where.compare(0, Folder().size(), Folder()) == 0);
    }
    Check(CheckFolder().size() == problems.size());
    return 0;
}
