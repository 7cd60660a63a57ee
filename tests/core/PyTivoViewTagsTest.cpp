// The tags inside movies in the view of what pyTivo reads: after pyTivo's
// own values and before the .nfo and the text files, named as a source of
// their own, counted as metadata in other files for the list, read once a
// run; and the details inside .TiVo and .wtv files, which are not read.
#include <gtest/gtest.h>

#include "core/pytivo/PyTivoTags.h"
#include "core/pytivo/PyTivoView.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace {

class PyTivoViewTags : public ::testing::Test {
protected:
    PyTivoView View(const std::string& movie)
    {
        const FolderIndex index(temp.Path());
        const FolderEntry* entry = index.Find(movie);
        EXPECT_NE(nullptr, entry) << movie;
        return entry ? ReadPyTivoView(PyTivoFolder(temp.Path(), index), *entry, cache) : PyTivoView();
    }
    bool OtherSources(const std::string& movie)
    {
        const FolderIndex index(temp.Path());
        return HasOtherPyTivoSources(PyTivoFolder(temp.Path(), index), movie, cache);
    }
    std::string Text(const PyTivoView& view, const std::string& key) const
    {
        const PyTivoValue* value = view.Find(key);
        return value ? value->text : "(none)";
    }
    std::string SourceOf(const PyTivoView& view, const std::string& key) const
    {
        const PyTivoValue* value = view.Find(key);
        return value ? SourceNameFor(value->source, temp / "Episode.m4v") : "(none)";
    }

    TempFolder temp;
    PyTivoRunCache cache;
};

}  // namespace

TEST_F(PyTivoViewTags, TagsComeAfterPyTivosOwnValuesAndBeforeTheNfoAndTheTextFiles)
{
    temp.WriteFile("Episode.m4v", TestFileBytes("Episode.m4v"));
    PyTivoView view = View("Episode.m4v");
    EXPECT_EQ("Episode", Text(view, "title"));  // the file name: the tags give an episode title
    EXPECT_EQ("2009-09-15T00:00:00Z", Text(view, "originalAirDate"));
    EXPECT_EQ("tags in Episode.m4v", SourceOf(view, "originalAirDate"));
    EXPECT_EQ("205", Text(view, "episodeNumber"));
    ASSERT_EQ(1u, view.filesRead.size());
    EXPECT_EQ(TagSourceOf(temp / "Episode.m4v"), view.filesRead[0]);

    temp.WriteFile("Episode.nfo", "<episodedetails><title>From the nfo</title></episodedetails>");
    temp.WriteFile("Episode.m4v.txt", "callsign : KTXT\r\n");
    PyTivoRunCache fresh;
    cache = std::move(fresh);
    view = View("Episode.m4v");
    EXPECT_EQ("From the nfo", Text(view, "episodeTitle"));
    EXPECT_EQ("Episode.nfo", SourceOf(view, "episodeTitle"));
    EXPECT_EQ("KTXT", Text(view, "callsign"));
    EXPECT_EQ("Tagged Show", Text(view, "seriesTitle"));
    EXPECT_EQ("tags in Episode.m4v", SourceOf(view, "seriesTitle"));
    EXPECT_EQ(3u, view.filesRead.size());
}

TEST_F(PyTivoViewTags, ATaggedMovieHasMetadataInOtherFilesAndIsOpenedOnceARun)
{
    temp.WriteFile("Episode.m4v", TestFileBytes("Episode.m4v"));
    temp.WriteFile("Silent.mp4", TestFileBytes("Silent.mp4"));
    temp.WriteFile("Plain.m4v", "not a movie");
    temp.WriteFile("Tagged.mkv", TestFileBytes("Episode.m4v"));  // pyTivo reads no tags from a .mkv
    EXPECT_TRUE(OtherSources("Episode.m4v"));
    EXPECT_FALSE(OtherSources("Silent.mp4"));
    EXPECT_FALSE(OtherSources("Plain.m4v"));
    EXPECT_FALSE(OtherSources("Tagged.mkv"));
    // The view of the same run takes the tags read for the list.
    temp.WriteFile("Episode.m4v", "gone meanwhile");
    EXPECT_EQ("Tagged Show", Text(View("Episode.m4v"), "seriesTitle"));
}

TEST_F(PyTivoViewTags, TheListOpensNoMovieThatHasItsOwnFile)
{
    temp.WriteFile("Own.m4v", TestFileBytes("Episode.m4v"));
    temp.WriteFile("Own.m4v.txt", "title : Own\r\n");
    temp.WriteFile("Bare.m4v", TestFileBytes("Episode.m4v"));
    const FolderIndex index(temp.Path());
    const std::vector<MovieListing> movies = MoviesWithSources(PyTivoFolder(temp.Path(), index), cache);
    ASSERT_EQ(2u, movies.size());
    EXPECT_TRUE(movies[0].otherSources);   // Bare.m4v
    EXPECT_FALSE(movies[1].otherSources);  // Own.m4v: yellow whatever its tags say
    // Had the list opened it, the view would take what it read then.
    temp.WriteFile("Own.m4v", "rewritten since");
    EXPECT_EQ("(none)", Text(View("Own.m4v"), "seriesTitle"));
}

TEST_F(PyTivoViewTags, TagsThatCannotBeReadAreNamedAndTheRestIsRead)
{
    temp.WriteFile("Copying.m4v", TestFileBytes("Episode.m4v").substr(0, 100));
    temp.WriteFile("Copying.m4v.txt", "title : From the text\r\n");
    const PyTivoView view = View("Copying.m4v");
    EXPECT_EQ("From the text", Text(view, "title"));
    ASSERT_EQ(1u, view.problems.size());
    EXPECT_EQ(TagSourceOf(temp / "Copying.m4v"), view.problems[0].path);
    EXPECT_NE(std::string::npos, view.problems[0].why.find("still being copied"));
}

TEST_F(PyTivoViewTags, TheDetailsInsideTiVoAndWtvFilesAreNoted)
{
    temp.WriteFile("Show.TiVo", "x");
    temp.WriteFile("Show.wtv", "x");
    temp.WriteFile("Show.mpg", "x");
    ASSERT_EQ(1u, View("Show.TiVo").notes.size());
    EXPECT_NE(std::string::npos, View("Show.TiVo").notes[0].find("override"));
    EXPECT_EQ(1u, View("Show.wtv").notes.size());
    EXPECT_TRUE(View("Show.mpg").notes.empty());
}
