// The copy work of a copy run through the file-operation engine, for
// scripts/benchmark.sh to time beside bare copies.
//   reelmark-copy-bench files SOURCE_FOLDER TARGET_FOLDER
//       every file of SOURCE_FOLDER into TARGET_FOLDER as the copy run does
//       it per row: the taken-name test, CopyItem, the error text, Reset
//   reelmark-copy-bench file SOURCE_FILE TARGET_FOLDER
#include <cstdio>
#include <string>
#include <vector>

#include "core/copy/FileOpEngine.h"
#include "core/folders/MovieScanner.h"
#include "platform/Text.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return 2;
    const std::string mode = Narrow(argv[1]);
    const std::string source = Narrow(argv[2]);
    const std::string target = AddTrailingSeparator(Narrow(argv[3]));
    std::vector<std::string> sources;
    if (mode == "file") {
        sources.push_back(source);
    } else {
        ForEachFolderEntry(source, [&](const FolderEntry& entry) {
            if (!entry.isFolder)
                sources.push_back(AddTrailingSeparator(source) + entry.name);
        });
    }
    CFileOpEngine engine;
    int failed = 0;
    for (const std::string& path : sources) {
        if (engine.HoldsFile(target + FileNameOf(path, true)))
            continue;
        engine.CopyItem(path, target);
        if (engine.ErrorText() != "No error") {
            std::fprintf(stderr, "%s: %s", path.c_str(), engine.ErrorText().c_str());
            ++failed;
        }
        engine.Reset();
    }
    std::fprintf(stderr, "%zu files, %d failed\n", sources.size(), failed);
    return failed ? 1 : 0;
}
