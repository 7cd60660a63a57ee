#pragma once
// reelmark-cli run in-process in a folder of its own, its two streams
// caught, its boxes scripted.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliProgram.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

// A settings file as the main window leaves it; the description runs over
// two lines.
inline constexpr char kIni[] =
    " [Config]\r\n"
    " OverwriteMetadata=true\r\n"
    " PythonLoc=C:\\pyTivo\\pyTivo.py\r\n"
    " [Settings]\r\n"
    " TvRating=tv-14\r\n"
    " MpaaRating=pg-13\r\n"
    " StarRating=4\r\n"
    " SeriesDesc=First line\r\n"
    "\t|second line\r\n"
    " IsEpisode=false\r\n"
    " SeriesID=SH123456\r\n"
    " SeriesTitle=Ignored\r\n";

class CliFixture : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& args)
    {
        out.str("");
        err.str("");
        return RunCli(args, out, err);
    }

    // The printed log lines without their stamps ("Sun Dec  6,2026 15:12:03: ").
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> messages;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            const bool stamped = line.size() >= 26 && line[10] == ',' && line.compare(24, 2, ": ") == 0;
            messages.push_back(stamped ? line.substr(26) : line);
        }
        return messages;
    }

    TempFolder dir;
    CurrentDirectoryScope cwd{dir.Path()};
    // The journals of the runs the test makes.
    EnvironmentScope runs{"REELMARK_RUNS", dir / "runs"};
    ScriptedMessages prompt;
    std::ostringstream out;
    std::ostringstream err;
};
