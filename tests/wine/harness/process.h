#pragma once
// Running programs: Windows programs under Wine (Run, Process) and host programs such as the
// Linux `tessark` command (RunNative). Standard output and error are captured whole; a
// program that outlives its time-out is killed together with its children.

#include <string>
#include <sys/types.h>
#include <vector>

namespace winetest {

struct RunOptions {
    RunOptions(int timeout = 60000) : timeoutMs(timeout) {}  // RunOptions{5000}: a time-out
    int timeoutMs;
    std::string workDir;           // host folder to start in; empty: the test's own
    std::vector<std::string> env;  // extra "NAME=value" entries for the program
};

struct ProcessResult {
    // The exit code. Wine passes on only its low 8 bits (ExitProcess(300) reads 44).
    // -1 when the program was killed (time-out, Kill()) or could not be started.
    int exitCode = -1;
    bool timedOut = false;
    std::string out;  // standard output, as the program wrote it
    std::string err;  // standard error
};

// Runs `program` (a host path to a .exe, or a Windows path) under Wine and waits for it.
ProcessResult Run(const std::string& program, const std::vector<std::string>& args = {},
                  const RunOptions& options = {});

// Runs a host program and waits for it.
ProcessResult RunNative(const std::string& program, const std::vector<std::string>& args = {},
                        const RunOptions& options = {});

// A Windows program started under Wine in the background, for example the program that the UI
// driver is to drive. Not copyable. Destroying it kills the program if it still runs.
class Process {
  public:
    Process(const std::string& program, const std::vector<std::string>& args = {},
            const RunOptions& options = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Running();
    // Waits up to `timeoutMs` for the program to end; kills it when the time runs out.
    // Returns the same result on every later call.
    ProcessResult Wait(int timeoutMs = 60000);
    // Kills the program (and what it started) now; Wait() then reports exit code -1.
    void Kill();

  private:
    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    bool finished_ = false;
    ProcessResult result_;
};

}  // namespace winetest
