// The Library window's rows without the window: what each row shows (the
// plan, or a movie's own file), sorting, filtering, edits of many rows and
// their undo, and the columns that read the files of the rows on screen.
#include <gtest/gtest.h>

#include "core/library/GridPlanColumns.h"
#include "core/library/LibraryGrid.h"
#include "core/library/MovieList.h"
#include "core/log/ActivityLog.h"
#include "platform/Text.h"
#include "support/PlannedMovies.h"
#include "support/TempFolder.h"

namespace {

// The plan tests' template with a genre, which the grid shows.
MetadataTemplate GridTemplate()
{
    MetadataTemplate metadata = NamesTemplate();
    metadata.genres = "Drama";
    return metadata;
}

class LibraryGridTest : public ::testing::Test {
protected:
    LibraryGridTest()
    {
        dir.WriteFile("Shows\\Doctor.Who.S01E01.Rose.mkv");
        dir.WriteFile("Shows\\Doctor.Who.S01E02.mkv");
        dir.WriteFile("Shows\\Doctor.Who.S01E02.mkv.txt",
                      "title : Doctor Who\r\nseriesTitle : Doctor Who\r\nepisodeNumber : 102\r\nisEpisode : true\r\n"
                      "episodeTitle : The End\r\nmovieYear : 2005\r\nmpaaRating : P2\r\nvProgramGenre : SF\r\n");
        dir.WriteFile("Films\\Heat (1995).mkv");
        dir.WriteFile("Films\\Heat (1995).nfo", "<movie><title>Heat</title></movie>");
        dir.WriteFile("Films\\Alien (1979).avi");
    }

    void Load(const MetadataTemplate& metadata = GridTemplate())
    {
        grid.Load(dir.Path(), ListMoviesBelow(dir.Path(), log), metadata, false);
    }
    RowId Row(const std::string& entry) const
    {
        for (RowId row = 0; row < grid.RowCount(); ++row) {
            if (grid.Entry(row) == NativePath(entry))
                return row;
        }
        throw std::runtime_error("no row: " + entry);
    }
    std::string Cell(const std::string& entry, GridColumn column) const { return grid.CellText(Row(entry), column); }
    // The shown rows' texts of one column.
    std::vector<std::string> Column(GridColumn column) const
    {
        std::vector<std::string> texts;
        for (RowId row : grid.Shown())
            texts.push_back(grid.CellText(row, column));
        return texts;
    }

    TempFolder dir;
    ActivityLog log;
    LibraryGrid grid;
};

const char kRose[] = "Shows\\Doctor.Who.S01E01.Rose.mkv";
const char kEnd[] = "Shows\\Doctor.Who.S01E02.mkv";
const char kHeat[] = "Films\\Heat (1995).mkv";
const char kAlien[] = "Films\\Alien (1979).avi";

}  // namespace

TEST_F(LibraryGridTest, EachRowShowsThePlanOrItsOwnFile)
{
    Load();
    ASSERT_EQ(4u, grid.RowCount());
    EXPECT_EQ("none", Cell(kRose, GridColumn::State));
    EXPECT_EQ("own file", Cell(kEnd, GridColumn::State));
    EXPECT_EQ("other files", Cell(kHeat, GridColumn::State));
    EXPECT_EQ("Doctor.Who.S01E01.Rose.mkv", Cell(kRose, GridColumn::Name));
    EXPECT_EQ("Shows", Cell(kRose, GridColumn::Folder));
    const std::vector<std::pair<GridColumn, const char*>> rose = {
        {GridColumn::Kind, "episode"},     {GridColumn::Show, "Doctor Who"}, {GridColumn::Season, "1"},
        {GridColumn::Episode, "1"},        {GridColumn::EpisodeTitle, "Rose"}, {GridColumn::Description, "Recorded"},
        {GridColumn::Rating, "TV-PG"},     {GridColumn::Genres, "Drama"},
    };
    for (const auto& [column, text] : rose)
        EXPECT_EQ(text, Cell(kRose, column)) << ColumnInfo(column).heading;
    EXPECT_EQ("movie", Cell(kHeat, GridColumn::Kind));
    EXPECT_EQ("1995", Cell(kHeat, GridColumn::Date));
    EXPECT_EQ("R", Cell(kHeat, GridColumn::Rating));
    EXPECT_EQ(8u, Cell(kHeat, GridColumn::SeriesId).size());

    grid.ReadOwnFiles({Row(kEnd)});
    const std::vector<std::pair<GridColumn, const char*>> end = {
        {GridColumn::Kind, "episode"}, {GridColumn::Season, "1"},  {GridColumn::Episode, "2"},
        {GridColumn::EpisodeTitle, "The End"}, {GridColumn::Date, "2005"}, {GridColumn::Genres, "SF"},
        {GridColumn::Description, ""},
    };
    for (const auto& [column, text] : end)
        EXPECT_EQ(text, Cell(kEnd, column)) << ColumnInfo(column).heading << " from the file itself";
}

TEST_F(LibraryGridTest, SortsByAnyColumnAndFiltersByNameShowOrFolder)
{
    Load();
    grid.Sort(GridColumn::Show, true);
    EXPECT_EQ((std::vector<std::string>{"Alien", "Doctor Who", "Doctor Who", "Heat"}), Column(GridColumn::Show));
    grid.Sort(GridColumn::Show, false);
    EXPECT_EQ((std::vector<std::string>{"Heat", "Doctor Who", "Doctor Who", "Alien"}), Column(GridColumn::Show));
    EXPECT_EQ("Doctor.Who.S01E01.Rose.mkv", grid.CellText(grid.Shown()[1], GridColumn::Name)) << "ties keep the listing's order";
    grid.Sort(GridColumn::Episode, true);
    EXPECT_EQ((std::vector<std::string>{"", "", "1", "2"}), Column(GridColumn::Episode)) << "numbers, unknown first";

    grid.Filter("WHO");
    EXPECT_EQ(2u, grid.Shown().size());
    grid.Filter("films");
    EXPECT_EQ((std::vector<std::string>{"Alien (1979).avi", "Heat (1995).mkv"}), Column(GridColumn::Name));
    grid.Filter("doctor who");  // the show, not the file name
    EXPECT_EQ(2u, grid.Shown().size());
    grid.Filter("nothing like it");
    EXPECT_TRUE(grid.Shown().empty());
    grid.Filter("");
    EXPECT_EQ(4u, grid.Shown().size());
}

TEST_F(LibraryGridTest, AValueSetForManyRowsIsMarkedUntilWrittenAndUndoneAsOneAction)
{
    for (int i = 1; i <= 50; ++i)
        dir.WriteFile(FormatText("Cartoons\\Clip %02d.mkv", i));
    Load();
    std::vector<RowId> clips;
    for (RowId row = 0; row < grid.RowCount(); ++row) {
        if (grid.Entry(row).find("Clip") != std::string::npos)
            clips.push_back(row);
    }
    ASSERT_EQ(50u, clips.size());
    std::string problem;
    ASSERT_TRUE(grid.SetValue(clips, EditField::Show, "Looney Tunes", problem)) << problem;
    ASSERT_TRUE(grid.SetValue(clips, EditField::Kind, "episode", problem)) << problem;
    ASSERT_TRUE(grid.SetValue(clips, EditField::Season, "3", problem)) << problem;
    std::vector<RowId> three(clips.begin() + 10, clips.begin() + 13);
    std::reverse(three.begin(), three.end());
    ASSERT_TRUE(grid.NumberEpisodes(three, 7, problem)) << problem;

    EXPECT_EQ("Looney Tunes", grid.CellText(clips[0], GridColumn::Show));
    EXPECT_TRUE(grid.IsEdited(clips[49], GridColumn::Show));
    EXPECT_FALSE(grid.IsEdited(clips[49], GridColumn::Episode));
    EXPECT_EQ("9", grid.CellText(clips[10], GridColumn::Episode)) << "numbered in the order given";
    EXPECT_EQ("7", grid.CellText(clips[12], GridColumn::Episode));
    EXPECT_EQ(grid.CellText(clips[0], GridColumn::SeriesId), grid.CellText(clips[49], GridColumn::SeriesId))
        << "one show now, one series ID";
    EXPECT_EQ(50u, grid.EditedRows().size());

    EXPECT_FALSE(grid.SetValue(clips, EditField::Season, "100", problem));
    EXPECT_EQ("The season is a number from 0 to 99, or nothing.", problem);
    EXPECT_FALSE(grid.NumberEpisodes(three, 9998, problem)) << "9998, 9999 and one past the limit";
    EXPECT_TRUE(grid.NumberEpisodes(std::vector<RowId>(three.begin(), three.begin() + 2), 9998, problem));
    EXPECT_EQ(std::vector<RowId>(three.begin(), three.begin() + 2), [&] {
        auto undone = grid.Undo();
        std::sort(undone.begin(), undone.end(), std::greater<RowId>());
        return undone;
    }());

    EXPECT_EQ(3u, grid.Undo().size());  // the numbering
    EXPECT_FALSE(grid.IsEdited(clips[10], GridColumn::Episode));
    grid.Undo();  // the season
    EXPECT_EQ("", grid.CellText(clips[0], GridColumn::Season));
    grid.Undo();  // the kind
    grid.Undo();  // the show
    EXPECT_EQ("Clip 01", grid.CellText(clips[0], GridColumn::Show));
    EXPECT_FALSE(grid.CanUndo());
    EXPECT_TRUE(grid.Edits().Empty());

    ASSERT_TRUE(grid.SetValue({clips[0], clips[1]}, EditField::Genres, "Comedy", problem));
    grid.Written({clips[0]});
    EXPECT_FALSE(grid.HasEdits(clips[0]));
    EXPECT_TRUE(grid.HasEdits(clips[1]));
    EXPECT_TRUE(grid.HasOwnFile(clips[0]));
    EXPECT_EQ(1u, grid.Undo().size()) << "what was written is no more in the action";
    EXPECT_FALSE(grid.CanUndo());
}

TEST_F(LibraryGridTest, AnOwnFileThatCannotBeChangedTakesNoEdit)
{
    dir.WriteFile("Shows\\Doctor.Who.S01E02.mkv.txt", std::string("title : x\0y\r\n", 13));
    Load();
    std::string problem;
    EXPECT_FALSE(grid.SetValue({Row(kRose), Row(kEnd)}, EditField::Season, "2", problem));
    EXPECT_NE(std::string::npos, problem.find("Doctor.Who.S01E02.mkv cannot be changed here: It holds NUL bytes."));
    EXPECT_TRUE(grid.Edits().Empty()) << "nothing of the action";
}

TEST_F(LibraryGridTest, TheLastColumnsSayWhereValuesComeFromAndWhatGenerateWillDo)
{
    dir.WriteFile("Films\\.meta\\Alien (1979).avi.txt", "title : Alien\r\n");
    Load();
    GridPlanColumns columns(grid);
    EXPECT_EQ("name, template", columns.Of(Row(kRose)).sources);
    EXPECT_EQ("create", columns.Of(Row(kRose)).generate);
    EXPECT_EQ("Doctor.Who.S01E02.mkv.txt", columns.Of(Row(kEnd)).sources);
    EXPECT_EQ("skip: its file is there", columns.Of(Row(kEnd)).generate);
    EXPECT_EQ("name, template, Heat (1995).nfo", columns.Of(Row(kHeat)).sources);
    EXPECT_EQ(NativePath(".meta\\Alien (1979).avi.txt"), columns.Of(Row(kAlien)).sources)
        << "the file the editor edits is its own";
    EXPECT_EQ(NativePath("create: adds 6 values, 1 value shown from .meta\\Alien (1979).avi.txt"),
              columns.Of(Row(kAlien)).generate)
        << "Generate writes beside it what the file in .meta lacks";
    EXPECT_EQ("create: adds 4 values", columns.Of(Row(kHeat)).generate) << "the .nfo's title stays the .nfo's";

    std::string problem;
    ASSERT_TRUE(grid.SetValue({Row(kEnd), Row(kRose)}, EditField::Season, "4", problem));
    columns.Forget(Row(kEnd));
    columns.Forget(Row(kRose));
    EXPECT_EQ("save your edits", columns.Of(Row(kEnd)).generate);
    EXPECT_EQ("your edits, name, template", columns.Of(Row(kRose)).sources);
    columns.SetRunOptions(true, OtherFiles::AddWhatTheyLack);
    columns.ForgetAll();
    EXPECT_EQ("create with your edits", columns.Of(Row(kRose)).generate);
    EXPECT_EQ("save your edits", columns.Of(Row(kEnd)).generate);
}
