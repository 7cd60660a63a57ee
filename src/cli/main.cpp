#include <string>
#include <vector>

#include "cli/CliProgram.h"

#ifdef _WIN32
#include <windows.h>

#include "cli/ConsoleStream.h"
#include "platform/Text.h"

// The wide entry point (linked with -municode): the C runtime hands over
// the arguments as Unicode, so any name a folder may have arrives whole, and
// no shell library is loaded to split the command line.
int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Narrow(argv[i]));

    ConsoleStream out(STD_OUTPUT_HANDLE);
    ConsoleStream err(STD_ERROR_HANDLE);
    return RunCli(args, out.Stream(), err.Stream());
}
#else
#include <iostream>

// Arguments and output are UTF-8 bytes as they are.
int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunCli(args, std::cout, std::cerr);
}
#endif
