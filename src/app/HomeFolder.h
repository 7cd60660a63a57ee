#pragma once
// Where the program keeps its settings file, its log and its help files.
#include <string>

// The folder the program keeps reelmark.ini, Reelmark.log and the help files
// in: the folder it is started in. Asked once at start; every path made from
// it is absolute, so that nothing later depends on the current directory
// (which pickers and started programs must never move our files with).
std::string HomeFolder();
