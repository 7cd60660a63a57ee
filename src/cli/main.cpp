#include <windows.h>

#include <shellapi.h>

#include "cli/CliProgram.h"
#include "cli/ConsoleStream.h"
#include "platform/Text.h"

int main()
{
    // The arguments as Unicode: any name a folder may have arrives whole.
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; words && i < count; ++i)
        args.push_back(Narrow(words[i]));
    LocalFree(words);

    ConsoleStream out(STD_OUTPUT_HANDLE);
    ConsoleStream err(STD_ERROR_HANDLE);
    return RunCli(args, out.Stream(), err.Stream());
}
