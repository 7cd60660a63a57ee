#include "cli/CliUsage.h"

namespace {

const char kSeeHelp[] = "see reelmark-cli --help\n";

// Each command's own usage, as wrong use of it prints it.
const char kGenerateUsage[] =
    "usage: reelmark-cli generate FOLDER [--replace] [--parse-names] [--recursive] [--meta-folder]\n"
    "                             [--fill-only | --whole-template] [--dry-run | --json] [--ini FILE]\n";
const char kListUsage[] = "usage: reelmark-cli list FOLDER [--recursive] [--json]\n";
const char kShowUsage[] = "usage: reelmark-cli show [--json] [--recursive] PATH...\n";
const char kCheckUsage[] = "usage: reelmark-cli check [--json] [--recursive] PATH...\n";
const char kWatchUsage[] =
    "usage: reelmark-cli watch FOLDER [--recursive] [--parse-names] [--meta-folder] [--ini FILE]\n"
    "                          [--fill-only | --whole-template] [--settle SECONDS] [--rescan MINUTES]\n";
const char kSettingsUsage[] = "usage: reelmark-cli settings [--ini FILE]\n";
// Without a command (or with one it does not know): the commands.
const char kCommandsUsage[] =
    "usage: reelmark-cli COMMAND ... | --help | --version\n"
    "  generate  writes the metadata files of a folder's movies\n"
    "  list      lists a folder's movies and which have a metadata file\n"
    "  show      shows what pyTivo sends the TiVo for movies\n"
    "  check     finds what pyTivo or the TiVo will get wrong in metadata\n"
    "  watch     keeps a folder's movies supplied with metadata files\n"
    "  settings  shows the settings in effect and where each came from\n";

}  // namespace

std::string ShortUsage(CliCommand command)
{
    switch (command) {
        case CliCommand::Generate:
            return std::string(kGenerateUsage) + kSeeHelp;
        case CliCommand::List:
            return std::string(kListUsage) + kSeeHelp;
        case CliCommand::Show:
            return std::string(kShowUsage) + kSeeHelp;
        case CliCommand::Check:
            return std::string(kCheckUsage) + kSeeHelp;
        case CliCommand::Watch:
            return std::string(kWatchUsage) + kSeeHelp;
        case CliCommand::Settings:
            return std::string(kSettingsUsage) + kSeeHelp;
        case CliCommand::Help:
        case CliCommand::Version:
            break;
    }
    return std::string(kCommandsUsage) + kSeeHelp;
}

const char kUsage[] =
    "Usage:\n"
    "  reelmark-cli generate FOLDER [--replace] [--parse-names] [--recursive]\n"
    "                        [--meta-folder] [--fill-only | --whole-template]\n"
    "                        [--dry-run | --json] [--ini FILE]\n"
    "  reelmark-cli list FOLDER [--recursive] [--json]\n"
    "  reelmark-cli show [--json] [--recursive] PATH...\n"
    "  reelmark-cli check [--json] [--recursive] PATH...\n"
    "  reelmark-cli watch FOLDER [--recursive] [--parse-names] [--meta-folder]\n"
    "                     [--fill-only | --whole-template] [--settle SECONDS]\n"
    "                     [--rescan MINUTES] [--ini FILE]\n"
    "  reelmark-cli settings [--ini FILE]\n"
    "  reelmark-cli --help | --version\n"
    "\n"
    "generate  Writes a metadata file (the movie file's name plus \".txt\") for\n"
    "          every movie file that lies directly in FOLDER, from the template\n"
    "          Reelmark saved in its settings file. The series title is the\n"
    "          name of FOLDER (for a season folder such as \"Season 1\" the name\n"
    "          of the folder above). Movies that have a metadata file are\n"
    "          skipped. Where other files pyTivo reads describe a movie (a\n"
    "          .nfo, a default.txt, .meta files, tags inside the movie), its\n"
    "          file adds only the values they lack, and none when they give\n"
    "          them all; the log line of its file says what it adds. An\n"
    "          episode with an air date (from its name, the template or another\n"
    "          file) gets no movieYear, which pyTivo would send instead of the\n"
    "          date. Every log line is shown and added to Reelmark.log in the\n"
    "          current folder, and each file written to Reelmark.written\n"
    "          there (with a hash of its bytes: see watch).\n"
    "  --replace   Replaces existing metadata files. (Reelmark's own \"Replace\n"
    "              Existing Metadata\" setting is not used here.)\n"
    "  --parse-names  Judges each file by its name: \"Movie Name (2012).mkv\"\n"
    "              and \"Movie.Name.2012.1080p.mkv\" are movies (title \"Movie\n"
    "              Name\", year 2012); \"Show.Name.S01E02.Episode.Title.mkv\",\n"
    "              \"Show Name - 1x02 - Episode Title.mkv\" and daily shows\n"
    "              (\"Show.2012.03.04.mkv\") are episodes of \"Show Name\" with\n"
    "              their title, number (102) and date; a file in a season\n"
    "              folder is an episode of the show above it. Each show gets a\n"
    "              series ID of its own that every run gives it again, from\n"
    "              the whole library or one season folder (SH for shows, MV\n"
    "              for movies); a year in a show's name parts two shows only\n"
    "              where the library holds that name with two years, which\n"
    "              then keep their years in their titles. Release\n"
    "              tags (720p, x264, HDTV, WEB-DL, ...) are dropped. Other names\n"
    "              keep the template's kind. (Reelmark's own setting is not used\n"
    "              here.)\n"
    "  --recursive Also every folder below FOLDER (links to folders are not\n"
    "              followed). Each metadata file goes beside its movie; an\n"
    "              episode's series title is the name of its own folder, and\n"
    "              for a season folder (\"Season N\", \"Series N\", \"SN\",\n"
    "              \"Specials\", ...) the name of the folder above it.\n"
    "  --meta-folder  Writes each metadata file into the \".meta\" folder beside\n"
    "              the movie (\".meta/Movie.mkv.txt\"), which pyTivo reads after\n"
    "              the file beside the movie, and which Sonarr-style libraries\n"
    "              use; the folder is made when it is missing.\n"
    "  --fill-only  Where other files describe a movie, adds only what they\n"
    "              lack (the default, unless the settings file's WholeTemplate\n"
    "              is true).\n"
    "  --whole-template  Writes the whole template over them, as earlier\n"
    "              versions did: the values it covers are said as hidden.\n"
    "  --dry-run   Writes nothing: prints, for each movie, the metadata file it\n"
    "              would write (or skip) and its text, and where other files\n"
    "              describe the movie what it adds (\"adds 3 values\"), hides\n"
    "              (\"hides 2 values from Movie.nfo\") or leaves to a .meta file\n"
    "              read after it (\"1 value shown from .meta/default.txt\").\n"
    "  --json      Prints one JSON document for scripts, and the log lines only\n"
    "              on standard error and in Reelmark.log: {\"folder\": FOLDER,\n"
    "              \"movies\": [{\"movie\": path, \"metadataFile\": path, \"result\":\n"
    "              \"created\" | \"replaced\" | \"skipped\" | \"failed\", \"reason\": why\n"
    "              (failed, or nothing to add), \"plan\": what it adds (other\n"
    "              files describe the movie)}], \"refused\": why (a refused run\n"
    "              only),\n"
    "              \"totals\": {\"created\": n, \"replaced\": n, \"skipped\": n,\n"
    "              \"failed\": n, \"unreadFolders\": n}}.\n"
    "  --ini FILE  Reads the template from FILE instead of reelmark.ini in the\n"
    "              current folder. The file is only read, never changed.\n"
    "              Without reelmark.ini every setting has its default; a FILE\n"
    "              that does not exist stops the run.\n"
    "list      Shows the movie files in FOLDER in name order, \"[meta]\" before\n"
    "          those that have a metadata file, \"[other]\" before those whose\n"
    "          metadata pyTivo finds only in other files (a .nfo, a default.txt,\n"
    "          .meta, tags inside the movie). With --recursive also those of\n"
    "          every folder below, each as its path from FOLDER.\n"
    "  --json      One JSON document: {\"folder\": FOLDER, \"movies\": [{\"movie\":\n"
    "              path, \"hasMetadata\": true | false, \"otherSources\": true |\n"
    "              false, \"state\": \"own\" | \"other\" | \"none\"}], \"totals\":\n"
    "              {\"movies\": n, \"withMetadata\": n, \"unreadFolders\": n}}.\n"
    "show      Shows what pyTivo makes of each movie's metadata: every value\n"
    "          it sends and the file it came from, merged from the movie's own\n"
    "          title and date, the tags inside .mp4, .m4v, .mov, .dvr-ms, .asf\n"
    "          and .wmv movies (\"tags in Movie.m4v\"), a Kodi .nfo (and the\n"
    "          show's tvshow.nfo), a .properties file, each folder's\n"
    "          default.txt, the movie's .txt and the .meta folder's files, later\n"
    "          ones winning. PATH is a movie file or a folder (its movies; with\n"
    "          --recursive those of the folders below too); a file that cannot\n"
    "          be read is named. Tags are read as pyTivo reads them, slips\n"
    "          included: its tven test looks at the tag's name, not its value,\n"
    "          so an \"S2E5\" there never gives an episode number; an MP4 file\n"
    "          without sound gives no tags. The details inside .TiVo and .wtv\n"
    "          files, which pyTivo applies last, are not read: a note says so.\n"
    "  --json      One JSON array, an object per movie: {\"movie\": path,\n"
    "              \"metadata\": {key: value}, \"sources\": [files read, in order]}\n"
    "              (and \"problems\" when a file could not be read, \"notes\"\n"
    "              when the view leaves something out). A value is a string, a\n"
    "              number for a rating pyTivo turns into one, or an array of\n"
    "              strings for a key that starts with \"v\".\n"
    "check     Tells what pyTivo or the TiVo will get wrong about each movie\n"
    "          of the PATHs (as for show) and each metadata file of their\n"
    "          folders: keys pyTivo does not use (\"episodetitle\" for\n"
    "          \"episodeTitle\"), values it changes or drops (an episodeNumber\n"
    "          that is no whole number, a rating no table knows, an isEpisode\n"
    "          other than true or false, a movie without \"isEpisode : false\",\n"
    "          a movieYear beside an air date, a seriesId not SH, EP or MV and\n"
    "          digits), files it never reads (\"Movie.txt\" beside \"Movie.mkv\",\n"
    "          a name in other letter cases, a file whose movie has gone,\n"
    "          UTF-16, a .nfo that is no XML, lines without the separator,\n"
    "          tags it cannot read) and episodes of one show with different\n"
    "          series IDs or series titles.\n"
    "  --json      One JSON document: {\"problems\": [{\"where\": movie or file,\n"
    "              \"file\": the file it lies in, \"kind\": name, \"text\": words}],\n"
    "              \"totals\": {\"movies\": n, \"problems\": n, \"unreadFolders\": n}}.\n"
    "watch     Keeps FOLDER supplied with metadata files until it is stopped\n"
    "          (Ctrl+C or SIGTERM; on Windows also Ctrl+Break or closing the\n"
    "          console): first one pass as generate makes it, then every movie\n"
    "          that comes (copied, moved or renamed in) gets its metadata file\n"
    "          once it has settled. A metadata file that is there is replaced\n"
    "          only while it is byte for byte what Reelmark wrote (its hash in\n"
    "          Reelmark.written): it is redone when a .nfo, a .properties, a\n"
    "          default.txt or a .meta file comes or changes beside its movie (a\n"
    "          download manager writes them after the movie), and removed when\n"
    "          they then give every value. When an episode's movie is replaced\n"
    "          by another of the same show, season and episode in its folder\n"
    "          (Show.S01E02.720p.mkv by Show.S01E02.1080p.mkv), its file is\n"
    "          removed when nobody changed it, else renamed to the new movie's\n"
    "          name. The system tells of new files (inotify; on Windows\n"
    "          ReadDirectoryChangesW); a full pass now and then finds what it\n"
    "          did not tell (network shares). A folder that goes or cannot be\n"
    "          read is logged and tried again every 30 seconds. Every file\n"
    "          written, redone, removed or renamed and every problem is a log\n"
    "          line, as generate logs it. --recursive, --parse-names,\n"
    "          --meta-folder, --fill-only, --whole-template and --ini work as\n"
    "          for generate; the settings are read once, at start.\n"
    "  --settle SECONDS  A new movie gets its file once its size and time\n"
    "              have not changed for SECONDS (default 30) and it can be\n"
    "              opened for reading: a movie still being copied gets none.\n"
    "  --rescan MINUTES  The full pass over FOLDER comes every MINUTES\n"
    "              (default 60); 0: only the one at start.\n"
    "\n"
    "Options may stand before or after FOLDER. Put a FOLDER with spaces in\n"
    "double quotes.\n"
    "\n"
    "A movie file is one whose extension is .mpg, .mpeg, .wmv, .avi, .mov,\n"
    ".flv, .swf, .rmvb, .mkv, .m4v, .mp4 or .ts, whole and in any letter case\n"
    "(.MPG counts; .mpg2, .tsv and .mp4a do not).\n"
    "\n"
    "Exit codes:\n"
    "  0  Every metadata file was written or skipped (also when FOLDER holds\n"
    "     no movie files: nothing to do), the list was shown, the watch\n"
    "     was stopped, or check found no problem.\n"
    "  1  At least one metadata file could not be written, or the run was\n"
    "     refused (an episode template needs a series title, so FOLDER\n"
    "     cannot be a drive root).\n"
    "  2  Wrong use of the command line, or FOLDER, a PATH or the settings\n"
    "     file cannot be found or read.\n"
    "  3  The run finished, but not everything was done: a folder below\n"
    "     FOLDER could not be read (--recursive) and was left out. (When a\n"
    "     file could not be written too, the code is 1.)\n"
    "  4  check found problems (the list says which).\n";
