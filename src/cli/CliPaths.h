#pragma once
// The PATHs of show and check: movie files, and folders whose movies count
// (with --recursive those of every folder below too).
#include <functional>
#include <ostream>

#include "core/pytivo/PyTivoView.h"

class ActivityLog;
struct CliArguments;

// Calls visitFolder with each folder named (one reading of each, and of
// each folder below with --recursive; a folder below that cannot be read
// goes to the log and counts in unread) and visitMovie with each movie file
// named. The exit code of the paths: kExitUsage when one cannot be found,
// else kExitSuccess.
int VisitGivenPaths(const CliArguments& arguments, ActivityLog& log, std::ostream& err, int& unread,
                    const std::function<void(const PyTivoFolder&)>& visitFolder,
                    const std::function<void(const PyTivoFolder&, const FolderEntry&)>& visitMovie);
