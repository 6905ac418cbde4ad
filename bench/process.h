#pragma once
// Running a program of the benchmark as a child process, through the launcher
// tessark-bench-run: its wall time, processor time and peak resident memory.

#include <string>
#include <vector>

namespace bench {

struct RunOptions {
    std::string workingFolder;           // empty: the bench's own
    std::vector<std::string> variables;  // "NAME=value" added to the environment
    double timeoutSeconds = 0;           // 0: no limit; else the child's process group is ended
    std::string outputFile;              // standard output and error go here (default /dev/null)
};

struct RunResult {
    bool started = false;
    bool timedOut = false;
    int status = -1;        // exit status, -1 when the program did not exit normally
    double seconds = 0;     // wall time
    double cpuSeconds = 0;  // user and system time of the program
    long peakKiB = 0;
    std::string output;  // what it printed, when outputFile was given (its first 64 KiB)

    bool Succeeded() const { return started && !timedOut && status == 0; }
};

RunResult RunProgram(const std::vector<std::string>& args, const RunOptions& options = {});

// A steady clock in seconds, and this process's own processor time.
double Seconds();
double CpuSeconds();

}  // namespace bench
