// reelmark-cli where other files describe a movie: --fill-only,
// --whole-template and the settings file's choice, what --json says of
// each movie's file, and the record of the files written.
#include <gtest/gtest.h>

#include "cli/CliArguments.h"
#include "cli/CliFixture.h"
#include "cli/JsonText.h"
#include "core/files/TextFile.h"
#include "core/files/WrittenFiles.h"

namespace {

class CliOtherFiles : public CliFixture {
protected:
    CliOtherFiles()
    {
        dir.WriteFile("Films\\Heat.mkv");
        dir.WriteFile("Films\\Heat.nfo", "<movie><title>Heat</title><plot>A heist.</plot><year>1995</year></movie>");
    }
    std::string Heat() const { return ReadFileBytes(dir / "Films\\Heat.mkv.txt"); }
};

}  // namespace

TEST_F(CliOtherFiles, TheCommandLineChoosesOverTheSettingsFile)
{
    const struct {
        const char* setting;  // [Config] WholeTemplate
        const char* option;
        bool whole;
    } cases[] = {
        {"", "", false},
        {"WholeTemplate=true\r\n", "", true},
        {"WholeTemplate=true\r\n", "--fill-only", false},
        {"WholeTemplate=false\r\n", "--whole-template", true},
        {"", "--whole-template", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.setting) + c.option);
        dir.WriteFile("reelmark.ini", std::string(" [Config]\r\n ") + c.setting);
        std::vector<std::string> args = {"generate", dir / "Films", "--replace"};
        if (*c.option)
            args.push_back(c.option);
        EXPECT_EQ(0, Run(args));
        EXPECT_EQ(c.whole, Heat().find("description : (2012)") != std::string::npos) << Heat();
        EXPECT_EQ(c.whole, Heat().find("title : Heat\r\n") != std::string::npos);
        EXPECT_NE(std::string::npos, Heat().find("seriesId : MV99"));
    }
    CliArguments parsed;
    std::string error;
    EXPECT_FALSE(ParseCliArguments({"generate", "x", "--fill-only", "--whole-template"}, parsed, error));
    EXPECT_EQ("--fill-only and --whole-template do not go together", error);
    EXPECT_TRUE(ParseCliArguments({"watch", "x", "--whole-template"}, parsed, error)) << error;
    EXPECT_FALSE(ParseCliArguments({"list", "x", "--fill-only"}, parsed, error));
}

TEST_F(CliOtherFiles, JsonSaysWhatEachFileAddsAndWhyOneIsNotWritten)
{
    dir.WriteFile("Films\\Ronin.mkv");
    dir.WriteFile("Films\\Ronin.nfo",
                  "<movie><title>Ronin</title><plot>A chase.</plot><year>1998</year><mpaa>R</mpaa>"
                  "<rating>7</rating></movie>");
    dir.WriteFile("Films\\default.txt", "seriesId : MV000001\r\nvProgramGenre : Action\r\n");
    // Heat's .nfo lacks its ratings (the template's), the folder's default.txt gives the rest.
    EXPECT_EQ(0, Run({"generate", dir / "Films", "--json"}));
    EXPECT_NE(std::string::npos, out.str().find("{\"movie\": " + JsonString(dir / "Films\\Heat.mkv") + ", \"metadataFile\": " +
                                                JsonString(dir / "Films\\Heat.mkv.txt") +
                                                ", \"result\": \"created\", \"plan\": \"adds 2 values\"}"))
        << out.str();
    EXPECT_NE(std::string::npos,
              out.str().find("\"result\": \"skipped\", \"reason\": \"nothing to add: other files give every value\", "
                             "\"plan\": \"nothing to add\"}"))
        << out.str();
    EXPECT_FALSE(PathExists(dir / "Films\\Ronin.mkv.txt"));

    // The file written is recorded beside the log, with the hash of its bytes.
    EXPECT_TRUE(WrittenFiles(dir / "Reelmark.written").IsAsWritten(dir / "Films\\Heat.mkv.txt", Heat()));
}
