// What pyTivo makes of a movie's sources on disk: their order and which
// wins, the show of an episode, files shared by many movies read once a
// run, sources that cannot be read, and what the TiVo is sent.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/pytivo/PyTivoView.h"
#include "support/TempFolder.h"

namespace {

std::string Movie(const std::string& inside)
{
    return "<?xml version=\"1.0\"?>\n<movie>" + inside + "</movie>\n";
}

std::string Episode(const std::string& inside)
{
    return "<episodedetails>" + inside + "</episodedetails>\n";
}

class PyTivoViewTest : public ::testing::Test {
protected:
    // The view of a movie in a folder below the temporary one.
    PyTivoView View(const std::string& folder, const std::string& movie)
    {
        const std::string path = folder.empty() ? temp.Path() : temp / folder;
        const FolderIndex index(path);
        const PyTivoFolder reading(path, index);
        const FolderEntry* entry = index.Find(movie);
        EXPECT_NE(nullptr, entry) << movie;
        return entry ? ReadPyTivoView(reading, *entry, cache) : PyTivoView();
    }

    // A path below the temporary folder as the tests write it.
    std::string Relative(const std::string& path) const
    {
        std::string relative = path.substr(temp.Path().size() + 1);
        std::replace(relative.begin(), relative.end(), NativePath("\\")[0], '\\');
        return relative;
    }

    // The files read below the temporary folder, one a line.
    std::string FilesRead(const PyTivoView& view) const
    {
        std::string files;
        for (const std::string& file : view.filesRead) {
            if (file.compare(0, temp.Path().size(), temp.Path()) == 0)
                files += Relative(file) + "\n";
        }
        return files;
    }

    std::string ValueFrom(const PyTivoView& view, const std::string& key) const
    {
        const PyTivoValue* value = view.Find(key);
        if (!value)
            return "(none)";
        if (value->kind != PyTivoValue::Kind::List)
            return value->text + "@" + Relative(value->source);
        std::string items;
        for (const PyTivoItem& item : value->items)
            items += item.text + "@" + Relative(item.source) + "|";
        return items;
    }

    std::string Problems(const PyTivoView& view) const
    {
        std::string problems;
        for (const PyTivoProblem& problem : view.problems) {
            EXPECT_FALSE(problem.why.empty()) << problem.path;
            problems += Relative(problem.path) + "\n";
        }
        return problems;
    }

    TempFolder temp;
    PyTivoRunCache cache;
};

}  // namespace

TEST_F(PyTivoViewTest, TheSourcesInPyTivosOrderLaterOnesWinning)
{
    temp.WriteFile("default.txt", "vActor : Root\ndescription : root\n");
    temp.WriteFile("Movies\\default.txt", "vActor : Folder\nmpaaRating : pg\n");
    temp.WriteFile("Movies\\Movie.properties", "title=From properties\nvActor=Props\n");
    temp.WriteFile("Movies\\Movie.nfo", Movie("<title>From nfo</title><plot>nfo plot</plot><year>1999</year>"
                                              "<rating>10</rating><actor><name>Nfo Actor</name></actor>"
                                              "<genre>Crime</genre>"));
    temp.WriteFile("Movies\\Movie.mkv", "movie");
    temp.WriteFile("Movies\\Movie.mkv.txt", "title : From txt\n");
    temp.WriteFile("Movies\\.meta\\default.txt", "seriesTitle : Meta default\n");
    temp.WriteFile("Movies\\.meta\\Movie.mkv.txt", "description : From meta\nvActor : Meta\n");

    const PyTivoView view = View("Movies", "Movie.mkv");
    EXPECT_EQ("Movies\\Movie.nfo\n"
              "Movies\\Movie.properties\n"
              "default.txt\n"
              "Movies\\default.txt\n"
              "Movies\\Movie.mkv.txt\n"
              "Movies\\.meta\\default.txt\n"
              "Movies\\.meta\\Movie.mkv.txt\n",
              FilesRead(view));
    EXPECT_EQ("From txt@Movies\\Movie.mkv.txt", ValueFrom(view, "title"));
    EXPECT_EQ("From meta@Movies\\.meta\\Movie.mkv.txt", ValueFrom(view, "description"));
    EXPECT_EQ("Props@Movies\\Movie.properties|Root@default.txt|Folder@Movies\\default.txt|"
              "Meta@Movies\\.meta\\Movie.mkv.txt|",
              ValueFrom(view, "vActor"))
        << "the text files' list replaces the .nfo's";
    EXPECT_EQ("Crime@Movies\\Movie.nfo|", ValueFrom(view, "vProgramGenre"));
    EXPECT_EQ("2@Movies\\default.txt", ValueFrom(view, "mpaaRating"));
    EXPECT_EQ(PyTivoValue::Kind::Number, view.Find("mpaaRating")->kind);
    EXPECT_EQ("7@Movies\\Movie.nfo", ValueFrom(view, "starRating"));
    EXPECT_EQ("1999@Movies\\Movie.nfo", ValueFrom(view, "movieYear"));
    EXPECT_EQ("false@Movies\\Movie.nfo", ValueFrom(view, "isEpisode"));
    EXPECT_EQ("Meta default@Movies\\.meta\\default.txt", ValueFrom(view, "seriesTitle"));
    EXPECT_EQ("", Problems(view));
}

TEST_F(PyTivoViewTest, OfDefaultFilesThatSetOneKeyTheNearestToTheMovieWins)
{
    // A library's default.txt, its show's, its season's: each later (nearer)
    // one is read after the ones above it and takes the key over.
    temp.WriteFile("default.txt", "seriesTitle : Library\ndescription : library's\n");
    temp.WriteFile("Show\\default.txt", "seriesTitle : Show\n");
    temp.WriteFile("Show\\Season 1\\default.txt", "seriesTitle : Season\n");
    for (const char* folder : {"", "Show", "Show\\Season 1", "Show\\Season 1\\Extras"})
        temp.WriteFile(std::string(folder) + (*folder ? "\\" : "") + "e.mkv", "movie");
    const struct {
        const char* folder;
        const char* seriesTitle;
    } cases[] = {
        {"", "Library@default.txt"},
        {"Show", "Show@Show\\default.txt"},
        {"Show\\Season 1", "Season@Show\\Season 1\\default.txt"},
        {"Show\\Season 1\\Extras", "Season@Show\\Season 1\\default.txt"},
    };
    for (const auto& c : cases) {
        const PyTivoView view = View(c.folder, "e.mkv");
        EXPECT_EQ(c.seriesTitle, ValueFrom(view, "seriesTitle")) << c.folder;
        EXPECT_EQ("library's@default.txt", ValueFrom(view, "description")) << c.folder;
    }
}

TEST_F(PyTivoViewTest, PyTivosOwnValuesAndTheEpisodeNumberAsSent)
{
    temp.WriteFile("Some.Movie.mkv", "movie");
    SetLastWrite(temp / "Some.Movie.mkv", 1234567890, 5000000);
    temp.WriteFile("Other.mkv", "movie");
    SetLastWrite(temp / "Other.mkv", 1700000000, 0);
    temp.WriteFile("Other.mkv.txt", "episodeNumber : 1x04\n");
    temp.WriteFile("Third.mkv", "movie");
    temp.WriteFile("Third.mkv.txt", "episodeNumber :  0105 \n");

    const PyTivoView view = View("", "Some.Movie.mkv");
    EXPECT_EQ("Some.Movie@Some.Movie.mkv", ValueFrom(view, "title"));
    EXPECT_EQ("2009-02-13T23:31:30.500000@Some.Movie.mkv", ValueFrom(view, "originalAirDate"));
    EXPECT_EQ(2u, view.values.size());
    EXPECT_EQ("", FilesRead(view));

    const PyTivoView other = View("", "Other.mkv");
    EXPECT_EQ("2023-11-14T22:13:20@Other.mkv", ValueFrom(other, "originalAirDate"));
    EXPECT_EQ("0@Other.mkv.txt", ValueFrom(other, "episodeNumber")) << "no whole number is 0";
    EXPECT_EQ("105@Third.mkv.txt", ValueFrom(View("", "Third.mkv"), "episodeNumber"));
#ifndef _WIN32
    // A file name that is no UTF-8 is read as Windows-1252, as pyTivo's output reads it.
    temp.WriteFile("Caf\xE9.mkv", "movie");
    EXPECT_EQ("Caf\xC3\xA9", View("", "Caf\xE9.mkv").Find("title")->text);
#endif
}

TEST_F(PyTivoViewTest, AnEpisodeTakesTheNearestShowAMovieNone)
{
    temp.WriteFile("Show\\tvshow.nfo", "<tvshow><title>Far Show</title><mpaa>TV-14</mpaa></tvshow>");
    temp.WriteFile("Show\\Season 1\\E1.mkv", "movie");
    temp.WriteFile("Show\\Season 1\\E1.nfo", Episode("<title>Pilot</title><season>0</season><episode>3</episode>"));
    temp.WriteFile("Show\\Season 1\\Film.mkv", "movie");
    temp.WriteFile("Show\\Season 1\\Film.nfo", Movie("<title>A Film</title>"));

    const PyTivoView episode = View("Show\\Season 1", "E1.mkv");
    EXPECT_EQ("Show\\tvshow.nfo\nShow\\Season 1\\E1.nfo\n", FilesRead(episode));
    EXPECT_EQ("Far Show@Show\\tvshow.nfo", ValueFrom(episode, "title"));
    EXPECT_EQ("5@Show\\tvshow.nfo", ValueFrom(episode, "tvRating"));
    EXPECT_EQ("Pilot@Show\\Season 1\\E1.nfo", ValueFrom(episode, "episodeTitle"));
    EXPECT_EQ("3@Show\\Season 1\\E1.nfo", ValueFrom(episode, "episodeNumber")) << "\"003\" sent as a whole number";

    EXPECT_EQ("Show\\Season 1\\Film.nfo\n", FilesRead(View("Show\\Season 1", "Film.mkv")));

    temp.WriteFile("Show\\Season 1\\tvshow.nfo", "<tvshow><title>Near Show</title></tvshow>");
    cache = PyTivoRunCache();
    const PyTivoView nearer = View("Show\\Season 1", "E1.mkv");
    EXPECT_EQ("Show\\Season 1\\tvshow.nfo\nShow\\Season 1\\E1.nfo\n", FilesRead(nearer));
    EXPECT_EQ("(none)", ValueFrom(nearer, "tvRating")) << "only the nearest show counts";
}

TEST_F(PyTivoViewTest, SharedFilesAreReadOnceARunAndTheFolderOnce)
{
    temp.WriteFile("default.txt", "description : first\n");
    temp.WriteFile("Shows\\default.txt", "seriesId : SH1\n");
    temp.WriteFile("Shows\\tvshow.nfo", "<tvshow><title>First</title></tvshow>");
    for (const char* name : {"A", "B"}) {
        temp.WriteFile(std::string("Shows\\") + name + ".mkv", "movie");
        temp.WriteFile(std::string("Shows\\") + name + ".nfo", Episode("<title>E</title>"));
    }
    const FolderIndex index(temp / "Shows");
    const PyTivoFolder folder(temp / "Shows", index);
    const PyTivoView a = ReadPyTivoView(folder, *index.Find("A.mkv"), cache);

    temp.WriteFile("default.txt", "description : second\n");
    temp.WriteFile("Shows\\default.txt", "seriesId : SH2\n");
    temp.WriteFile("Shows\\tvshow.nfo", "<tvshow><title>Second</title></tvshow>");
    temp.WriteFile("Shows\\B.mkv.txt", "title : Too late\n");
    const PyTivoView b = ReadPyTivoView(folder, *index.Find("B.mkv"), cache);
    for (const PyTivoView* view : {&a, &b}) {
        EXPECT_EQ("first@default.txt", ValueFrom(*view, "description"));
        EXPECT_EQ("SH1@Shows\\default.txt", ValueFrom(*view, "seriesId"));
        EXPECT_EQ("First@Shows\\tvshow.nfo", ValueFrom(*view, "title"))
            << "a file made after the folder's reading is not seen";
    }

    PyTivoRunCache next;
    const FolderIndex again(temp / "Shows");
    const PyTivoView later = ReadPyTivoView(PyTivoFolder(temp / "Shows", again), *again.Find("B.mkv"), next);
    EXPECT_EQ("second@default.txt", ValueFrom(later, "description"));
    EXPECT_EQ("Too late@Shows\\B.mkv.txt", ValueFrom(later, "title"));
}

TEST_F(PyTivoViewTest, BadSourcesAreNamedAndTheRestIsRead)
{
    temp.WriteFile("Movies\\Movie.mkv", "movie");
    temp.MakeFolder("Movies\\default.txt");
    temp.WriteFile("Movies\\Movie.mkv.txt", "title : huge\n" + std::string(kLargestPyTivoSource, 'x'));
    temp.WriteFile("Movies\\Movie.properties", std::string("title=NUL\0here\n", 15));
    temp.WriteFile("Movies\\.meta\\default.txt", std::string("\xFF\xFEt\0:\0x\0", 8));
    temp.WriteFile("Movies\\Movie.nfo", "Not XML at all, just a URL: http://www.imdb.com/title/tt1/");
    temp.WriteFile("Movies\\.meta\\Movie.mkv.txt", "title : Still read\n");
    temp.WriteFile("Movies\\E.mkv", "movie");
    temp.WriteFile("Movies\\E.nfo", Episode("<title>Own</title>"));
    temp.WriteFile("Movies\\tvshow.nfo", "<tvshow><title>Broken");

    const PyTivoView view = View("Movies", "Movie.mkv");
    EXPECT_EQ("Movies\\Movie.nfo\n"
              "Movies\\Movie.properties\n"
              "Movies\\default.txt\n"
              "Movies\\Movie.mkv.txt\n"
              "Movies\\.meta\\default.txt\n",
              Problems(view));
    EXPECT_EQ("Movies\\.meta\\Movie.mkv.txt\n", FilesRead(view));
    EXPECT_EQ("Still read@Movies\\.meta\\Movie.mkv.txt", ValueFrom(view, "title"));

    const PyTivoView episode = View("Movies", "E.mkv");
    EXPECT_EQ("Movies\\tvshow.nfo\nMovies\\default.txt\nMovies\\.meta\\default.txt\n", Problems(episode));
    EXPECT_EQ("Own@Movies\\E.nfo", ValueFrom(episode, "episodeTitle"));
}

TEST_F(PyTivoViewTest, ASourceOfExactlyTheSizeLimitIsReadOneByteMoreIsNamed)
{
    const struct {
        const char* file;  // beside the movie, in its folder
        std::string start;
        std::string end;
    } sources[] = {
        {"Movie.mkv.txt", "title : Big\n#", "\n"},
        {"default.txt", "title : Big\n#", "\n"},
        {".meta\\Movie.mkv.txt", "title : Big\n#", "\n"},
        // (A plot, not a comment: Wine's XmlLite reads a long comment in
        // time that grows with its square.)
        {"Movie.nfo", "<movie><title>Big</title><plot>", "</plot></movie>"},
    };
    int folder = 0;
    for (const auto& source : sources) {
        for (const unsigned long long size : {kLargestPyTivoSource, kLargestPyTivoSource + 1}) {
            const std::string at = "Case " + std::to_string(++folder);
            const size_t padding = static_cast<size_t>(size) - source.start.size() - source.end.size();
            temp.WriteFile(at + "\\Movie.mkv", "movie");
            temp.WriteFile(at + "\\" + source.file, source.start + std::string(padding, 'x') + source.end);
            const PyTivoView view = View(at, "Movie.mkv");
            const bool read = size <= kLargestPyTivoSource;
            EXPECT_EQ(read ? "Big@" + at + "\\" + source.file : "Movie@" + at + "\\Movie.mkv", ValueFrom(view, "title"))
                << source.file << " of " << size << " bytes";
            EXPECT_EQ(read ? "" : at + "\\" + source.file + "\n", Problems(view)) << source.file << " of " << size;
        }
    }
}

TEST(PyTivoShowing, WhatTheTiVoIsSent)
{
    const auto view = [](std::initializer_list<std::pair<const char*, PyTivoValue>> values) {
        PyTivoView made;
        for (const auto& value : values)
            made.values[value.first] = value.second;
        return made;
    };
    const auto text = [](const char* value) { return TextValue(value, "f"); };

    TiVoShowing shown = ShowingOf(view({{"title", text("Heat")}, {"originalAirDate", text("1995-12-15T00:00:00Z")}}));
    EXPECT_EQ("Heat", shown.title);
    EXPECT_EQ("true", shown.isEpisode) << "pyTivo's default";
    EXPECT_EQ("originalAirDate", shown.dateKey);
    EXPECT_EQ("1995-12-15T00:00:00Z", shown.date);
    EXPECT_FALSE(shown.mpaaRating.sent || shown.tvRating.sent || shown.starRating.sent);

    shown = ShowingOf(view({{"title", text("Rose")},
                            {"seriesTitle", text("Doctor Who")},
                            {"episodeTitle", text("Rose")},
                            {"isEpisode", text("false")},
                            {"movieYear", text("0000")},
                            {"episodeNumber", text("0")},
                            {"mpaaRating", NumberValue(3, "f")},
                            {"tvRating", text("Rated")},
                            {"starRating", NumberValue(0, "f")}}));
    EXPECT_EQ("Doctor Who", shown.title);
    EXPECT_EQ("", shown.episodeTitle) << "no episode title for what is no episode";
    EXPECT_EQ("movieYear", shown.dateKey);
    EXPECT_EQ("0000", shown.date);
    EXPECT_EQ("0", shown.episodeNumber);
    EXPECT_TRUE(shown.mpaaRating.sent);
    EXPECT_EQ("3", shown.mpaaRating.value);
    EXPECT_EQ("PG-13", shown.mpaaRating.name);
    EXPECT_TRUE(shown.tvRating.sent);
    EXPECT_EQ("Rated", shown.tvRating.value);
    EXPECT_EQ("NR", shown.tvRating.name);
    EXPECT_FALSE(shown.starRating.sent) << "a rating of 0 is none";

    shown = ShowingOf(view({{"episodeTitle", text("Rose")}, {"isEpisode", text("False")}}));
    EXPECT_EQ("Rose", shown.episodeTitle) << "only \"false\" itself holds the episode title back";
}

TEST_F(PyTivoViewTest, EachRatingTablesEndsAndValuesPastThemAsTheViewNamesAndSendsThem)
{
    const struct {
        const char* line;  // in the movie's own file
        const char* sent;  // the number (or text) pyTivo sends
        const char* row;   // the row the view shows; empty: none
    } cases[] = {
        // TV: 1 (Y7) to 7 (NR); every other number is sent with NR.
        {"tvRating : TV-Y7", "1", "TV rating: TV-Y7"},
        {"tvRating : x6", "6", "TV rating: TV-MA"},
        {"tvRating : x7", "7", "TV rating: TV-NR"},
        {"tvRating : 8", "8", "TV rating: TV-NR"},
        {"tvRating : -1", "-1", "TV rating: TV-NR"},
        // MPAA: 1 (G) to 8 (NR), with no 7.
        {"mpaaRating : G", "1", "MPAA rating: G"},
        {"mpaaRating : NC-17", "6", "MPAA rating: NC-17"},
        {"mpaaRating : 7", "7", "MPAA rating: NR"},
        {"mpaaRating : NR", "8", "MPAA rating: NR"},
        {"mpaaRating : 9", "9", "MPAA rating: NR"},
        {"mpaaRating : -3", "-3", "MPAA rating: NR"},
        // Stars: 1 (1 star) to 7 (4 stars); past them the number alone.
        {"starRating : 1", "1", "Star rating: 1 star"},
        {"starRating : ****", "7", "Star rating: 4 stars"},
        {"starRating : x7", "7", "Star rating: 4 stars"},
        {"starRating : 8", "8", "Star rating: 8"},
        {"starRating : -1", "-1", "Star rating: -1"},
        // 0 is no rating: nothing is sent.
        {"starRating : 0", "", ""},
    };
    temp.WriteFile("Films\\Movie.mkv", "movie");
    for (const auto& c : cases) {
        temp.WriteFile("Films\\Movie.mkv.txt", std::string(c.line) + "\n");
        const PyTivoView view = View("Films", "Movie.mkv");
        const TiVoShowing showing = ShowingOf(view);
        const TiVoRating& rating = c.line[0] == 't' ? showing.tvRating : c.line[0] == 'm' ? showing.mpaaRating
                                                                                          : showing.starRating;
        EXPECT_EQ(*c.sent != 0, rating.sent) << c.line;
        EXPECT_EQ(c.sent, rating.sent ? rating.value : "") << c.line;
        std::string row;
        for (const TiVoRow& shown : RowsOf(view)) {
            if (shown.field.find("rating") != std::string::npos)
                row = shown.field + ": " + shown.shown;
        }
        EXPECT_EQ(c.row, row) << c.line;
    }
}

TEST_F(PyTivoViewTest, TheRowsTheTiVoShowsAndTheValuesOfTheOwnFileAMetaFileTakesOver)
{
    temp.WriteFile("Show\\e1.mkv");
    temp.WriteFile("Show\\e1.mkv.txt", "title : Mine\r\ndescription : My words\r\nvActor : Ann\r\ntvRating : TV-14\r\n");
    temp.WriteFile("Show\\.meta\\default.txt", "description : Sonarr's words\n");
    temp.WriteFile("Show\\.meta\\e1.mkv.txt", "seriesTitle : The Show\nepisodeTitle : Pilot\nvActor : Bob\n");
    const PyTivoView view = View("Show", "e1.mkv");

    std::string rows;
    for (const TiVoRow& row : RowsOf(view))
        rows += row.field + ": " + row.shown + " [" + Relative(row.source) + "]\n";
    EXPECT_EQ("Title: The Show [Show\\.meta\\e1.mkv.txt]\n"  // the series title is what the TiVo lists
              "Episode title: Pilot [Show\\.meta\\e1.mkv.txt]\n"
              "Air date: " + ValueFrom(view, "originalAirDate").substr(0, ValueFrom(view, "originalAirDate").find('@')) +
                  " [Show\\e1.mkv]\n"
                  "Description: Sonarr's words [Show\\.meta\\default.txt]\n"
                  "TV rating: TV-14 [Show\\e1.mkv.txt]\n"
                  "Actor: Ann [Show\\e1.mkv.txt]\n"
                  "Actor: Bob [Show\\.meta\\e1.mkv.txt]\n",
              rows);

    // The user's title stays theirs (the TiVo lists the series title), but
    // the description they wrote is not what the TiVo shows.
    const FolderIndex index(temp / "Show");
    const std::vector<OverriddenValue> overridden =
        OverriddenOwnValues(PyTivoFolder(temp / "Show", index), *index.Find("e1.mkv"), view);
    ASSERT_EQ(1u, overridden.size());
    EXPECT_EQ("description", overridden[0].key);
    EXPECT_EQ("My words", overridden[0].ownValue);
    EXPECT_EQ("Show\\.meta\\default.txt", Relative(overridden[0].winner));
}
