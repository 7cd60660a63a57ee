// Prints how long the core takes over a large movie folder: the walk, the
// folder counts, the Generate run (create, then skip), the settings file and
// the log. Figures only; nothing here passes or fails.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/files/LogFile.h"
#include "core/files/TextFile.h"
#include "core/folders/FolderIndex.h"
#include "core/folders/MovieScanner.h"
#include "core/library/FolderNode.h"
#include "core/library/LibraryPlan.h"
#include "core/library/MovieList.h"
#include "core/library/NameParser.h"
#include "core/log/ActivityLog.h"
#include "core/pytivo/PyTivoView.h"
#include "core/runs/GenerateRun.h"
#include "core/settings/Settings.h"
#include "platform/Text.h"
#include "SilentPrompt.h"
#include "ui/framework/Prompt.h"

namespace {

template <class Work>
void Measure(const char* what, int items, Work work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-34s %7d items %9.1f ms %8.3f ms/item\n", what, items, ms, items ? ms / items : 0.0);
}

}  // namespace

int main(int argc, char** argv)
{
    const int movies = argc > 2 ? std::atoi(argv[2]) : 2000;
    if (argc < 2) {
        std::fprintf(stderr, "usage: reelmark-bench EMPTY_FOLDER [MOVIES]\n");
        return 2;
    }
    SilentPrompt prompt;
    SetPrompt(&prompt);
    const std::string folder = argv[1];
    std::vector<std::string> names;
    for (int i = 0; i < movies; ++i) {
        names.push_back("Movie " + std::to_string(i) + ".mpg");
        HANDLE file = CreateFileW(FilePath((folder + "\\" + names.back())).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }

    Measure("list movie files with their metadata", movies, [&] { ListMoviesWithMetadata(folder); });
    int movieCount = 0;
    int metadataCount = 0;

    ActivityLog log;
    GenerateRequest request;
    request.folder = folder;
    request.entries = names;
    request.metadata.seriesTitle = "Bench";
    request.metadata.seriesId = "MV991234";
    request.metadata.description = "A benchmark";
    request.metadata.mpaaRating = 3;
    request.metadata.starRating = 2;
    Measure("generate (create every file)", movies, [&] { RunGenerate(request, log); });
    Measure("generate (skip every file)", movies, [&] { RunGenerate(request, log); });
    request.replaceExisting = true;
    Measure("generate (replace every file)", movies, [&] { RunGenerate(request, log); });
    // Titles from file names: the parse alone, the plan of every file with
    // names read, and every file composed from the template alone (the bare
    // figure beside it).
    std::vector<std::string> sceneNames;
    for (int i = 0; i < movies; ++i)
        sceneNames.push_back(i % 2 ? "Show.Name.S01E" + std::to_string(i % 100) +
                                         ".Episode.Title.720p.HDTV.x264-GRP.mkv"
                                   : "Movie Name " + std::to_string(i) + " (2012).mkv");
    size_t parsedLength = 0;
    Measure("parse movie names", movies, [&] {
        for (const std::string& name : sceneNames)
            parsedLength += ParseMovieName(name).title.size();
    });
    Measure("compose (names as they are)", movies, [&] {
        for (const std::string& name : sceneNames)
            parsedLength += ComposeMetadata(request.metadata, folder + "\\" + name, "").size();
    });
    request.metadata.parseNames = true;
    Measure("plan (names read)", movies,
            [&] { parsedLength += PlanLibrary(folder, sceneNames, request.metadata).movies.size(); });
    request.metadata.parseNames = false;
    Measure("count the folder for the tree", 2 * movies, [&] {
        FolderNode node;
        PyTivoRunCache cache;
        const FolderIndex index(folder);
        CountFolder(PyTivoFolder(folder, index), cache, node);
        movieCount = node.movieCount;
        metadataCount = node.metadataCount;
    });

    Measure("save log", 1, [&] { SaveLogFile(log, folder + "\\Reelmark.log"); });
    Measure("load log (last 256 lines)", 1, [&] {
        ActivityLog loaded;
        LoadLogFile(loaded, folder + "\\Reelmark.log");
    });
    Measure("settings: defaults, load, save", 1, [&] {
        SettingsStore settings(log, folder + "\\reelmark.ini");
        settings.SetDefaultSettings();
        settings.LoadSettings();
        settings.SaveSettings();
    });
    // A settings file grown to 50 MB (comment lines a tool left there):
    // read once per load and once per save.
    {
        std::string big = " [Settings]\r\n SeriesTitle=Big\r\n";
        const std::string comment = "; a comment line that some other tool wrote into the settings file\r\n";
        while (big.size() < 50u * 1024 * 1024)
            big += comment;
        HANDLE file = CreateFileW(FilePath(folder + "\\big.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, big.data(), static_cast<DWORD>(big.size()), &written, nullptr);
        CloseHandle(file);
    }
    Measure("settings: load a 50 MB file", 1, [&] {
        SettingsStore settings(log, folder + "\\big.ini");
        settings.SetDefaultSettings();
        settings.LoadSettings();
    });
    std::printf("log text: %zu bytes for %d runs of %d files (%zu characters composed)\n", log.Text().size(),
                3, movies, parsedLength);
    SetPrompt(nullptr);
    return movieCount == movies && metadataCount == movies ? 0 : 1;
}
