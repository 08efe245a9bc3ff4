#pragma once

// The built program run through the shell, in a folder of its own.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace cli_test {

// What a run of the program gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class CliProgram : public ::testing::Test {
protected:
    std::string dir_;

    void SetUp() override {
        char pattern[] = "/tmp/solargain-cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Runs the program with a shell command line after its name.
    Outcome Exec(const std::string& arguments) { return Shell(std::string("'") + SOLARGAIN_CLI + "' " + arguments); }
    // A shell command line, its standard output and error kept.
    Outcome Shell(const std::string& line) {
        const std::string command = "{ " + line + "; } >'" + dir_ + "/out' 2>'" + dir_ + "/err'";
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return {status, Slurp(dir_ + "/out"), Slurp(dir_ + "/err")};
    }
};

}  // namespace cli_test
