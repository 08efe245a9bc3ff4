#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command line of solargain-cli: the arguments after the program name,
// standard input, output and error. Returns the exit status: 0 on success,
// 1 when the project file cannot be read, 2 for a refused project or
// calculation (the program's message) and for a wrong command line.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// The text of --help.
std::string CliUsage();
