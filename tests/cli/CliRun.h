#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace pelinor::test {

struct CliRun
{
    int status = -1; // the exit status; -1 when the program could not be run or did not exit
    std::string output;
};

// Runs pelinor-cli with `arguments` through the shell and collects what it writes on standard
// output. `errors` is the shell redirection of its standard error: by default it joins the output;
// "2>/dev/null" drops it, "2>'FILE'" keeps it apart for the test to read.
inline CliRun runCli(const std::string& arguments, const std::string& errors = "2>&1")
{
    const std::string command = std::string(PELINOR_CLI_PATH) + " " + arguments + " " + errors;
    CliRun run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer {};
        while (fgets(buffer.data(), buffer.size(), pipe)) {
            run.output += buffer.data();
        }
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

} // namespace pelinor::test
