#include "cli/CliProgram.h"

int RunCli(const std::vector<std::string>&, std::ostream&, std::ostream&)
{
    return 0;
}
