#pragma once
#include <ostream>
#include <string>
#include <vector>

// reelmark-cli: arguments without the program name; returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
