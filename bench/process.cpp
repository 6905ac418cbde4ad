#include "process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <thread>

#ifndef BENCH_RUN_PATH
#error "BENCH_RUN_PATH must name the tessark-bench-run launcher"
#endif

namespace bench {

double Seconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

double CpuSeconds() {
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

RunResult RunProgram(const std::vector<std::string>& args, const RunOptions& options) {
    RunResult result;
    char measurement[] = "/tmp/tessark-bench-XXXXXX";
    const int measurementFd = mkstemp(measurement);
    if (measurementFd < 0) return result;
    close(measurementFd);
    std::vector<std::string> command = {BENCH_RUN_PATH, measurement};
    command.insert(command.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const std::string output = options.outputFile.empty() ? "/dev/null" : options.outputFile;

    const double start = Seconds();
    const pid_t pid = fork();
    if (pid < 0) {
        unlink(measurement);
        return result;
    }
    if (pid == 0) {
        setpgid(0, 0);  // a group of its own, so that a timeout ends what it started too
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0) _exit(126);
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        if (!options.workingFolder.empty() && chdir(options.workingFolder.c_str()) != 0) _exit(126);
        for (const std::string& variable : options.variables) {
            putenv(const_cast<char*>(variable.c_str()));
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    result.started = true;
    int status = 0;
    if (options.timeoutSeconds <= 0) {
        waitpid(pid, &status, 0);
    } else {
        for (;;) {
            const pid_t done = waitpid(pid, &status, WNOHANG);
            if (done == pid || done < 0) break;
            if (Seconds() - start > options.timeoutSeconds) {
                result.timedOut = true;
                kill(-pid, SIGKILL);
                waitpid(pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    result.seconds = Seconds() - start;
    std::ifstream measured(measurement);
    int exitStatus = -1;
    if (!result.timedOut &&
        measured >> exitStatus >> result.seconds >> result.cpuSeconds >> result.peakKiB) {
        result.status = exitStatus;
    }
    unlink(measurement);
    if (!options.outputFile.empty()) {
        std::ifstream in(options.outputFile, std::ios::binary);
        result.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (result.output.size() > 65536) result.output.resize(65536);
    }
    return result;
}

}  // namespace bench
