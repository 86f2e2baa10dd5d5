// The start-up of the real program: process start to the login shown, and login accepted to the
// main window shown with every page built, on the demo folder and on the large one. Each
// iteration starts `pelinor` without a display (offscreen), lets the start-up trace log in as the
// administrator and close the main window, and reads the trace from its standard error.
#include "BenchData.h"

#include <benchmark/benchmark.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct StartupRun
{
    double loginShownMs = 0.0; // from just before the process was started
    double mainShownMs = 0.0; // from the login accepted
    double loginCpuMs = 0.0; // processor time of the process in each interval
    double mainCpuMs = 0.0;
    std::string error;
};

long long bootClockNs()
{
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Reads the child's standard error until it closes it; false after `timeoutMs` without news.
bool readAll(int fd, std::string& text, int timeoutMs)
{
    char buffer[4096];
    for (;;) {
        pollfd waiting { fd, POLLIN, 0 };
        const int ready = poll(&waiting, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return true;
        }
        text.append(buffer, static_cast<size_t>(got));
    }
}

StartupRun startOnce(const std::string& folder)
{
    StartupRun run;
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        if (!variable.starts_with("QT_QPA_PLATFORM=") && !variable.starts_with("PELINOR_")) {
            variables.push_back(variable);
        }
    }
    variables.push_back("QT_QPA_PLATFORM=offscreen");
    variables.push_back("PELINOR_DATA_DIR=" + folder);
    variables.push_back("PELINOR_TRACE_STARTUP=1");
    variables.push_back("PELINOR_TRACE_STARTUP_LOGIN=admin:vanto");
    variables.push_back("PELINOR_TRACE_STARTUP_EXIT=1");
    std::vector<char*> environment;
    for (std::string& variable : variables) {
        environment.push_back(variable.data());
    }
    environment.push_back(nullptr);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        run.error = "pipe failed";
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = PELINOR_APP_PATH;
    char* arguments[] = { program.data(), nullptr };

    // On a machine busy with other work, PELINOR_BENCH_REALTIME=1 runs the program ahead of
    // everything else (first-in-first-out scheduling), which is how it starts on an idle machine.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (const char* realtime = std::getenv("PELINOR_BENCH_REALTIME"); realtime && std::string(realtime) == "1") {
        sched_param priority {};
        priority.sched_priority = 10;
        posix_spawnattr_setschedpolicy(&attributes, SCHED_FIFO);
        posix_spawnattr_setschedparam(&attributes, &priority);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSCHEDULER);
    }

    const long long started = bootClockNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, &attributes, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        run.error = "cannot start " + program + ": " + std::strerror(spawned);
        return run;
    }
    std::string trace;
    const bool finished = readAll(pipeEnds[0], trace, 60000);
    close(pipeEnds[0]);
    if (!finished) {
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!finished) {
        run.error = "pelinor did not finish its start-up within a minute: " + trace;
        return run;
    }

    double ownLoginMs = 0.0;
    long long loginShownAt = 0;
    bool login = false;
    bool main = false;
    size_t from = 0;
    while (from < trace.size()) {
        const size_t end = trace.find('\n', from);
        const std::string line = trace.substr(from, end == std::string::npos ? std::string::npos : end - from);
        from = end == std::string::npos ? trace.size() : end + 1;
        login = login
            || std::sscanf(line.c_str(), "pelinor startup: start to login shown %lf ms (cpu %lf ms) [boottime %lld ns]",
                   &ownLoginMs, &run.loginCpuMs, &loginShownAt)
                == 3;
        main = main
            || std::sscanf(line.c_str(), "pelinor startup: login accepted to main window shown %lf ms (cpu %lf ms)",
                   &run.mainShownMs, &run.mainCpuMs)
                == 2;
    }
    if (!login || !main || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        run.error = "pelinor's start-up trace is incomplete: " + trace;
        return run;
    }
    // The program's own figure counts from the process start in 10 ms steps; the boot-clock
    // stamp measures from the moment just before the start exactly.
    run.loginShownMs = static_cast<double>(loginShownAt - started) / 1e6;
    return run;
}

void BM_StartUp(benchmark::State& state, const std::string& (*folderOf)())
{
    const std::string& folder = folderOf();
    // One run first, so every timed run finds the program and the data in the file cache.
    if (const StartupRun warm = startOnce(folder); !warm.error.empty()) {
        state.SkipWithError(warm.error.c_str());
        return;
    }
    double loginShown = 0.0;
    double mainShown = 0.0;
    double loginCpu = 0.0;
    double mainCpu = 0.0;
    for (auto _ : state) {
        const StartupRun run = startOnce(folder);
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            return;
        }
        loginShown += run.loginShownMs;
        mainShown += run.mainShownMs;
        loginCpu += run.loginCpuMs;
        mainCpu += run.mainCpuMs;
        state.SetIterationTime((run.loginShownMs + run.mainShownMs) / 1000.0);
    }
    state.counters["start_to_login_ms"] = benchmark::Counter(loginShown, benchmark::Counter::kAvgIterations);
    state.counters["login_to_main_ms"] = benchmark::Counter(mainShown, benchmark::Counter::kAvgIterations);
    // The same intervals in processor time: what they take on a machine with nothing else to do.
    state.counters["start_to_login_cpu_ms"] = benchmark::Counter(loginCpu, benchmark::Counter::kAvgIterations);
    state.counters["login_to_main_cpu_ms"] = benchmark::Counter(mainCpu, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BM_StartUp, demo, &pelinor::bench::demoFolder)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, large, &pelinor::bench::largeDemoFolder)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
