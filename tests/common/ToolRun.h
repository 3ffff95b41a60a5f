#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace orbilunex::test {

struct ToolRun {
    int exitCode;
    std::string output;
};

// Runs program with a shell-quoted argument text, standard error dropped;
// returns its exit code (-1 when it did not exit normally) and everything
// it wrote to standard output.
inline ToolRun runProgram(const std::string& program, const std::string& arguments)
{
    const std::string command = program + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun result{-1, ""};
    if (pipe == nullptr) return result;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace orbilunex::test
