#include <iostream>
#include <string>
#include <vector>

#include "publish/commandline.h"

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto exitCode = sw::RunCommandLine(args, std::cout, std::cerr))
        return *exitCode;
    // The editor starts here once it exists.
    std::cerr << "shotweave: no editor in this build; see --help\n";
    return 2;
}
