// reelmark-cli settings: the settings in effect and where each came from;
// and what generate says of a settings file it cannot wholly use.
#include <gtest/gtest.h>

#include "cli/CliArguments.h"
#include "cli/CliFixture.h"

namespace {

using CliSettings = CliFixture;

// The line of a key in the settings command's answer.
std::string LineOf(const std::string& text, const std::string& key)
{
    const size_t at = text.find("\n" + key + "=");
    return at == std::string::npos ? std::string() : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

}  // namespace

TEST_F(CliSettings, EachSettingInEffectIsShownWithWhereItCameFrom)
{
    dir.WriteFile("reelmark.ini",
                  " [Settings]\r\n TvRating=TV14\r\n StarRating=4\r\n SeriesType=SH general TV shows\r\n"
                  "#SeriesDesc=Our own shows\r\n TvRating =TV-MA\r\n [Config]\r\n WholeTemplate=true\r\n");
    EXPECT_EQ(0, Run({"settings"}));
    const std::string text = out.str();
    EXPECT_EQ("# The settings in effect: " + (dir / "reelmark.ini") + ", each with where its value came from",
              text.substr(0, text.find('\n')));
    const struct {
        const char* key;
        const char* line;
    } lines[] = {
        {"StarRating", "StarRating=4    # from the file: 4 (****) stars"},
        {"TvRating", "TvRating=TV-G - General Audiences    # default: the file's \"TV14\" cannot be used"},
        {"SeriesID", "SeriesID=SH994401    # default, with the series type's letters"},
        {"SeriesType", "SeriesType=SH general TV shows    # from the file"},
        {"SeriesDesc",
         "SeriesDesc=Our own shows    # from the file (its line begins with a comment mark, which does not "
         "leave it "
         "out)"},
        {"MpaaRating", "MpaaRating=R - Restricted, < 17 Req Parent    # default"},
        {"WholeTemplate", "WholeTemplate=true    # from the file"},
        {"OverwriteMetadata",
         "OverwriteMetadata=false    # default; the window's only, reelmark-cli takes --replace"},
        {"SeriesTitle",
         "SeriesTitle=Personal Movies    # default; the window's only, reelmark-cli takes the name of "
         "FOLDER"},
    };
    for (const auto& line : lines)
        EXPECT_EQ(line.line, LineOf(text, line.key)) << text;
    EXPECT_NE(std::string::npos, text.find("\n[Config]\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\n[Settings]\n")) << text;
    // On the console: the value it cannot use with the values it takes, and
    // the key that names no setting.
    EXPECT_NE(std::string::npos, err.str().find("The setting TvRating=TV14 in " + (dir / "reelmark.ini") +
                                                " is none of its values: \"No Rating - Not Rated\""))
        << err.str();
    EXPECT_NE(std::string::npos, err.str().find("The key \"TvRating \" in [Settings] of " +
                                                (dir / "reelmark.ini") + " names no setting"))
        << err.str();
    EXPECT_FALSE(PathExists(dir / "Reelmark.log")) << "settings writes nothing";
}

TEST_F(CliSettings, WithoutAFileEveryDefaultAndAFileNamedThatIsMissingStops)
{
    EXPECT_EQ(0, Run({"settings"}));
    EXPECT_EQ("TvRating=TV-G - General Audiences    # default", LineOf(out.str(), "TvRating"));
    EXPECT_EQ(
        "reelmark-cli: no settings file " + (dir / "reelmark.ini") + "; every setting has its default\n",
        err.str());
    dir.WriteFile("other.ini", " [Settings]\r\n MpaaRating=PG\r\n");
    EXPECT_EQ(0, Run({"settings", "--ini", dir / "other.ini"}));
    EXPECT_EQ("MpaaRating=PG    # from the file: PG - Parental Guidance", LineOf(out.str(), "MpaaRating"));
    EXPECT_EQ(2, Run({"settings", "--ini", dir / "none.ini"}));
    EXPECT_EQ("reelmark-cli: cannot find the settings file " + (dir / "none.ini") + "\n",
              err.str().substr(0, err.str().find('\n') + 1));
    EXPECT_EQ("", out.str());
}

TEST(CliSettingsArguments, SettingsTakesOnlyIniAndSettleTakesDecimalsUpToItsMaximum)
{
    CliArguments parsed;
    std::string error;
    ASSERT_TRUE(ParseCliArguments({"SETTINGS", "--ini", "/etc/reelmark.ini"}, parsed, error)) << error;
    EXPECT_EQ(CliCommand::Settings, parsed.command);
    EXPECT_EQ("/etc/reelmark.ini", parsed.iniFile);
    EXPECT_FALSE(ParseCliArguments({"settings", "/srv/movies"}, parsed, error));
    EXPECT_EQ("settings takes no FOLDER, only --ini FILE: \"/srv/movies\" is too many", error);
    EXPECT_FALSE(ParseCliArguments({"settings", "--recursive"}, parsed, error));
    EXPECT_EQ("--recursive does not belong to the settings command", error);

    const struct {
        const char* given;
        double seconds;  // -1: refused
    } settles[] = {
        {"0", 0},         {"0.5", 0.5},       {"2.25", 2.25},    {"86399.999", 86399.999},
        {"86400", 86400}, {"86400.0", 86400}, {"86400.001", -1}, {"86401", -1},
        {"1.2345", -1},   {".5", -1},         {"5.", -1},        {"1,5", -1},
        {"-1", -1},       {"1e3", -1},
    };
    for (const auto& settle : settles) {
        const bool taken = ParseCliArguments({"watch", "/srv", "--settle", settle.given}, parsed, error);
        EXPECT_EQ(settle.seconds >= 0, taken) << settle.given << ": " << error;
        if (taken)
            EXPECT_DOUBLE_EQ(settle.seconds, parsed.settleSeconds) << settle.given;
        else
            EXPECT_EQ("--settle needs a number of seconds from 0 to 86400, not \"" +
                          std::string(settle.given) + "\"",
                      error);
    }
}

TEST_F(CliSettings, GenerateSaysOnTheConsoleWhichValueItCannotUseAndWhatItTakes)
{
    dir.WriteFile("reelmark.ini", " [Settings]\r\n TvRating=TV14\r\n IsEpisode=True\r\n");
    dir.WriteFile("Films\\Heat.mkv");
    EXPECT_EQ(0, Run({"generate", dir / "Films", "--json"}));
    // With --json the log lines stand on the error stream.
    EXPECT_NE(std::string::npos, err.str().find("The setting TvRating=TV14 in " + (dir / "reelmark.ini") +
                                                " is none of its values:"))
        << err.str();
    EXPECT_NE(std::string::npos,
              err.str().find("The setting IsEpisode=True in " + (dir / "reelmark.ini") +
                             " is none of its values: true or false; it counts as \"false\"."))
        << err.str();
}
