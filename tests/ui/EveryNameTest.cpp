// Every name Windows allows works in every command: names in other scripts,
// full-width letters beside their plain twins, DOS device names and paths
// longer than 260 characters, on the real file system.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "cli/CliProgram.h"
#include "core/folders/MovieScanner.h"
#include "platform/Text.h"
#include "resource.h"
#include "support/ControlTexts.h"
#include "support/MainWindowHarness.h"
#include "ui/copy/CopyMoviesToFolderDlg.h"

namespace {

// The values pyTivo reads from a metadata file: lines of "key : value",
// split at the first colon and trimmed, the text decoded as UTF-8 (with
// replacement characters where it is not).
std::map<std::string, std::string> PyTivoValues(const std::string& bytes)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        auto trim = [](std::string text) {
            text.erase(0, text.find_first_not_of(" \t\r"));
            text.erase(text.find_last_not_of(" \t\r") + 1);
            return text;
        };
        values[trim(line.substr(0, colon))] = Narrow(Widen(trim(line.substr(colon + 1))));
    }
    return values;
}

struct NameCase {
    const char* label;
    std::string folder;  // below the test's movie folder
    std::string movie;
    std::string titleBytes;  // the title as the metadata file holds it
};

void PrintTo(const NameCase& name, std::ostream* out)
{
    *out << name.label;
}

std::vector<NameCase> Cases()
{
    return {
        {"Greek", "Ταινίες", "Ωmega.mpg", "Ωmega"},
        {"Polish", "Filmy", "Zażółć gęślą.avi", "Zażółć gęślą"},
        {"Cyrillic", "Фильмы", "Фильм.mkv", "Фильм"},
        {"Japanese", "映画", "夏の夜.mp4", "夏の夜"},
        {"emoji", "Clips", "🎬 Clip.mpg", "🎬 Clip"},
        {"Windows-1252", "Café", "Crème brûlée.mpg",
         "Cr\xE8me br\xFBl\xE9"
         "e"},
        {"device name", "Devices", "con.mpg", "con"},
        {"long path", std::string(120, 'f') + "\\" + std::string(120, 'g'), std::string(80, 'm') + ".mpg",
         std::string(80, 'm')},
    };
}

class EveryName : public ::testing::TestWithParam<NameCase> {
protected:
    std::string Folder() const { return w.movies / GetParam().folder; }
    std::string Movie() const { return Folder() + "\\" + GetParam().movie; }

    int Cli(const std::vector<std::string>& args)
    {
        out.str("");
        std::ostringstream err;
        return RunCli(args, out, err);
    }

    MainWindowHarness w;
    std::ostringstream out;
};

}  // namespace

TEST_P(EveryName, WorksInEveryCommand)
{
    const NameCase& name = GetParam();
    w.movies.WriteFile(name.folder + "\\" + name.movie, "movie");
    w.movies.MakeFolder("Copies");
    ASSERT_GT(Movie().size(), name.label == std::string("long path") ? 300u : 0u);
    w.WriteIniForFolder(Folder());
    w.Start();

    // The list and the tree show the name; the tree counts the movie.
    EXPECT_EQ(std::vector<std::string>{name.movie}, ListBoxTexts(w.Item(1001)));
    EXPECT_EQ(LastPathComponent(Folder()) + " - [1]", SelectedTreeText(w.Item(1025)));

    // Generate writes the metadata file under its exact name, and pyTivo
    // reads the title back as it was written.
    w.Click(1008);
    EXPECT_EQ((std::vector<std::string>{name.movie, name.movie + ".txt"}), NamesInFolder(Folder()));
    const std::string bytes = ReadFileBytes(Movie() + ".txt");
    EXPECT_EQ(0u, bytes.find("title : " + name.titleBytes + "\r\n")) << bytes;
    if (name.titleBytes == FileNameOf(name.movie, false)) {
        EXPECT_EQ(FileNameOf(name.movie, false), PyTivoValues(bytes)["title"]);
    }

    // reelmark-cli lists and writes the same.
    EXPECT_EQ(0, Cli({"list", Folder()}));
    EXPECT_EQ("[meta] " + name.movie + "\n1 movie file, 1 with metadata\n", out.str());
    EXPECT_EQ(0, Cli({"generate", Folder(), "--replace"}));
    EXPECT_EQ(0u, ReadFileBytes(Movie() + ".txt").find("title : " + name.titleBytes + "\r\n"));

    // Play Movie opens the file itself, and the copy run copies it whole.
    w.prompt.folders.push_back(w.movies / "Copies");
    w.Click(1004);
    CCopyMoviesToFolderDlg copy(w.Dialog());
    copy.Create(IDD_COPY_MOVIES, &w.Dialog());
    w.prompt.fileSelections.push_back({Movie()});
    copy.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_ADD, BN_CLICKED), 0);
    copy.CopyListControl().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    copy.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_PLAY, BN_CLICKED), 0);
    ASSERT_EQ(1u, w.prompt.launches.size());
    EXPECT_EQ(Movie(), w.prompt.launches[0].file);
    copy.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COPY_START, BN_CLICKED), 0);
    copy.DestroyWindow();
    EXPECT_EQ("movie", ReadFileBytes(w.movies / ("Copies\\" + name.movie)));

    // Delete Selected deletes exactly the movie and its metadata file.
    w.prompt.folders.push_back(Folder());
    w.Click(1004);
    w.Click(1018);
    w.Click(1027);
    EXPECT_TRUE(NamesInFolder(Folder()).empty());
    EXPECT_EQ(std::vector<std::string>{name.movie}, NamesInFolder(w.movies / "Copies"));
}

INSTANTIATE_TEST_SUITE_P(Names, EveryName, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             std::string label = info.param.label;
                             for (char& c : label)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return label;
                         });

TEST(FullWidthTwins, KeepApartInEveryCommand)
{
    MainWindowHarness w;
    const std::string wide = "ｆｉｌｍ.mpg";
    w.movies.WriteFile("Films\\" + wide, "wide");
    w.movies.WriteFile("Films\\film.mpg", "plain");
    w.WriteIniForFolder(w.movies / "Films");
    w.Start();
    w.Click(1008);
    EXPECT_EQ((std::vector<std::string>{"film.mpg", "film.mpg.txt", wide, wide + ".txt"}),
              NamesInFolder(w.movies / "Films"));
    EXPECT_EQ(0u, ReadFileBytes(w.movies / ("Films\\" + wide + ".txt")).find("title : ｆｉｌｍ\r\n"));

    // Deleting the full-width one leaves its plain twin alone.
    const std::vector<std::string> entries = ListBoxTexts(w.Item(1001));
    const int index = entries[0] == wide ? 0 : 1;
    w.SelectListEntries({index});
    w.Click(1027);
    EXPECT_EQ((std::vector<std::string>{"film.mpg", "film.mpg.txt"}), NamesInFolder(w.movies / "Films"));
    EXPECT_EQ("plain", ReadFileBytes(w.movies / "Films\\film.mpg"));
}

TEST(DeviceNames, AreOrdinaryMovieFiles)
{
    TempFolder folder;
    CurrentDirectoryScope home(folder.Path());  // where reelmark-cli keeps its log
    const std::vector<std::string> movies = {"aux.mpg",  "com1.mpg", "con.mpg",
                                             "lpt1.mpg", "nul.mpg",  "prn.mpg"};
    for (const std::string& movie : movies)
        folder.WriteFile("Films\\" + movie, "movie");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(0, RunCli({"list", folder / "Films"}, out, err));
    EXPECT_NE(std::string::npos, out.str().find("6 movie files, 0 with metadata")) << out.str();
    EXPECT_EQ(0, RunCli({"generate", folder / "Films"}, out, err)) << err.str();
    for (const std::string& movie : movies)
        EXPECT_EQ(0u,
                  ReadFileBytes(folder / ("Films\\" + movie + ".txt")).find("title : " + movie.substr(0, 3)))
            << movie;
}
