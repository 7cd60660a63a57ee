#include "cli/CliProgram.h"

#include "cli/CliArguments.h"
#include "cli/CliLogSink.h"
#include "cli/CliTemplate.h"
#include "core/ActivityLog.h"
#include "core/FolderIndex.h"
#include "core/FolderWalk.h"
#include "core/GenerateRun.h"
#include "core/MovieScanner.h"
#include "core/TextFile.h"
#include "core/UserMessage.h"
#include "core/Version.h"
#include "platform/HomeFolder.h"
#include "platform/Text.h"

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// The run finished, but part of it could not be done: a folder below could
// not be read. A scheduled task must learn that part of the library was
// left out.
constexpr int kExitIncomplete = 3;

// What wrong use prints: the short form, as git and cp do; --help has the rest.
const char kShortUsage[] =
    "usage: reelmark-cli generate FOLDER [--replace] [--parse-names] [--recursive] [--ini FILE]\n"
    "       reelmark-cli list FOLDER [--recursive]\n"
    "see reelmark-cli --help\n";

const char kUsage[] =
    "Usage:\n"
    "  reelmark-cli generate FOLDER [--replace] [--parse-names] [--recursive] [--ini FILE]\n"
    "  reelmark-cli list FOLDER [--recursive]\n"
    "  reelmark-cli --help | --version\n"
    "\n"
    "generate  Writes a metadata file (the movie file's name plus \".txt\") for\n"
    "          every movie file that lies directly in FOLDER, from the template\n"
    "          Reelmark saved in its settings file. The series title is the\n"
    "          name of FOLDER. Movies that have a metadata file are skipped.\n"
    "          Every log line is shown and added to Reelmark.log in the current\n"
    "          folder.\n"
    "  --replace   Replaces existing metadata files. (Reelmark's own \"Replace\n"
    "              Existing Metadata\" setting is not used here.)\n"
    "  --parse-names  Reads titles, years and episode numbers from file names:\n"
    "              \"Movie Name (2012).mkv\" and \"Movie.Name.2012.1080p.mkv\" give\n"
    "              the title \"Movie Name\" and the year 2012;\n"
    "              \"Show.Name.S01E02.Episode.Title.mkv\" and\n"
    "              \"Show Name - 1x02 - Episode Title.mkv\" give the episode title\n"
    "              \"Episode Title\" and the episode number 102 (the series title\n"
    "              stays the name of FOLDER). Dots and underscores between words\n"
    "              become spaces; quality and release tags (720p, 1080p, x264,\n"
    "              HDTV, WEB-DL, ...) are dropped. Other names keep their title.\n"
    "              (Reelmark's own setting is not used here.)\n"
    "  --ini FILE  Reads the template from FILE instead of reelmark.ini in the\n"
    "              current folder. The file is only read, never changed.\n"
    "              Without reelmark.ini every setting has its default; a FILE\n"
    "              that does not exist stops the run.\n"
    "  --recursive Also every folder below FOLDER (links to folders are not\n"
    "              followed). Each metadata file goes beside its movie; an\n"
    "              episode's series title is the name of its own folder, and\n"
    "              for a folder named \"Season N\", \"Series N\", \"SN\" or\n"
    "              \"Specials\" the name of the folder above it.\n"
    "list      Shows the movie files in FOLDER, \"[meta]\" before those that\n"
    "          have a metadata file. With --recursive also those of every\n"
    "          folder below, each as its path from FOLDER.\n"
    "\n"
    "Options may stand before or after FOLDER. Put a FOLDER with spaces in\n"
    "double quotes.\n"
    "\n"
    "Exit codes:\n"
    "  0  Every metadata file was written or skipped (also when FOLDER holds\n"
    "     no movie files: nothing to do), or the list was shown.\n"
    "  1  At least one metadata file could not be written, or the run was\n"
    "     refused (an episode template needs a series title, so FOLDER\n"
    "     cannot be a drive root).\n"
    "  2  Wrong use of the command line, or FOLDER or the settings file\n"
    "     cannot be read.\n"
    "  3  The run finished, but not everything was done: a folder below\n"
    "     FOLDER could not be read (--recursive) and was left out. (When a\n"
    "     file could not be written too, the code is 1.)\n";

// The folder as an absolute path (the scanner and the log want one, and a
// relative "." has no name to take the series title from); false with a
// message on err when it is missing, not a folder or cannot be read.
bool ResolveFolder(const std::string& given, std::string& folder, std::ostream& err)
{
    folder = FullPathOf(given);
    // A root is only a folder with its separator ("C:" alone is the volume).
    const std::string stripped = StripTrailingSeparator(folder);
    const bool root = stripped.empty() || (stripped.size() == 2 && stripped.back() == ':');
    const PathInfo info = InspectPath(root ? stripped + kSeparator : stripped);
    if (!info.exists) {
        err << "reelmark-cli: cannot find the folder " << given << ": " << SystemErrorLine(info.error)
            << "\n";
        return false;
    }
    if (!info.isFolder) {
        err << "reelmark-cli: " << given << " is not a folder\n";
        return false;
    }
    const SystemError code = CheckFolderReadable(root ? stripped + kSeparator : stripped);
    if (code != 0) {
        err << "reelmark-cli: cannot read the folder " << given << ": " << SystemErrorLine(code) << "\n";
        return false;
    }
    return true;
}

int ListCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    std::string folder;
    if (!ResolveFolder(arguments.folder, folder, err))
        return kExitUsage;
    // Folders below that cannot be read are reported on the error stream.
    ActivityLog log;
    log.SetListener([&err](const std::string& line) { err << line; });
    int unread = 0;
    const std::vector<MovieListing> movies =
        arguments.recursive ? ListMoviesBelow(folder, log, nullptr, nullptr, &unread) : ListMoviesWithMetadata(folder);
    int withMetadata = 0;
    for (const MovieListing& movie : movies) {
        withMetadata += movie.hasMetadata ? 1 : 0;
        out << (movie.hasMetadata ? "[meta] " : "[    ] ") << movie.name << "\n";
    }
    out << movies.size() << (movies.size() == 1 ? " movie file, " : " movie files, ") << withMetadata
        << " with metadata\n";
    return unread > 0 ? kExitIncomplete : kExitSuccess;
}

int GenerateCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err)
{
    std::string folder;
    if (!ResolveFolder(arguments.folder, folder, err))
        return kExitUsage;

    const std::string home = HomeFolder();
    const std::string iniPath =
        arguments.iniFile.empty() ? home + kSeparator + kIniFileName : arguments.iniFile;
    ActivityLog log;
    CliLogSink sink(out, err, home + kSeparator + kLogFileName);
    log.SetListener([&sink](const std::string& line) { sink.OnLogLine(line); });
    // The summary a window shows in a box is only a log line here: a run by
    // a scheduled task must never wait for a click.
    MessageShowerScope quiet(nullptr);

    Settings settings;
    switch (ReadSettingsFile(iniPath, settings, log)) {
        case SettingsFileState::Unreadable:
            err << "reelmark-cli: cannot read the settings file " << iniPath << "\n";
            return kExitUsage;
        case SettingsFileState::Missing:
            // A file named on the command line is meant to be there: a typing
            // error must not write every file from the default template.
            if (!arguments.iniFile.empty()) {
                err << "reelmark-cli: cannot find the settings file " << iniPath << "\n";
                return kExitUsage;
            }
            err << "reelmark-cli: no settings file " << iniPath << "; every setting has its default\n";
            break;
        case SettingsFileState::Read:
            break;
    }

    // One reading of the folder serves the list of movies and the run.
    const FolderIndex listing(folder);
    GenerateRequest request;
    request.folder = folder;
    request.listing = &listing;
    int unread = 0;
    for (const MovieListing& movie :
         arguments.recursive ? ListMoviesBelow(folder, log, nullptr, nullptr, &unread) : MoviesIn(listing))
        request.entries.push_back(movie.name);
    request.replaceExisting = arguments.replace;
    // A drive root has no name of its own: the series title stays empty,
    // and an episode run is refused as the main window refuses it.
    request.seriesTitleText = LastPathComponent(folder);
    request.metadata = TemplateFromSettings(settings, request.seriesTitleText);
    request.metadata.parseNames = arguments.parseNames;
    request.isEpisodeTicked = !request.metadata.movieMode;
    const GenerateResult result = RunGenerate(request, log);
    if (result.refused || result.failed > 0)
        return kExitFailed;
    return unread > 0 ? kExitIncomplete : kExitSuccess;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CliArguments arguments;
    std::string error;
    if (!ParseCliArguments(args, arguments, error)) {
        err << "reelmark-cli: " << error << "\n" << kShortUsage;
        return kExitUsage;
    }
    switch (arguments.command) {
        case CliCommand::Version:
            out << kReelmarkVersion << "\n";
            return kExitSuccess;
        case CliCommand::List:
            return ListCommand(arguments, out, err);
        case CliCommand::Generate:
            return GenerateCommand(arguments, out, err);
        case CliCommand::Help:
            break;
    }
    out << kUsage;
    return kExitSuccess;
}
