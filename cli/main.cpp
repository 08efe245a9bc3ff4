#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunCli(args, std::cin, std::cout, std::cerr);
}
