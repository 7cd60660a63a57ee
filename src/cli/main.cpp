#include <windows.h>

#include <iostream>

#include "cli/CliProgram.h"

int main(int argc, char** argv)
{
    // Names are ANSI text: let a console show them as such rather than in
    // its OEM code page ("é" would print as another letter).
    SetConsoleOutputCP(GetACP());
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunCli(args, std::cout, std::cerr);
}
