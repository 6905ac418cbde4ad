// tessark-bench-run RESULT PROGRAM ARGS...: runs PROGRAM and writes to RESULT its exit status,
// wall seconds, processor seconds and peak resident memory in KiB. A process of its own,
// started before the bench has allocated anything big, so that the child's peak memory is the
// child's: a child forked from a large process would count that process's pages as its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tessark-bench-run RESULT PROGRAM ARGS...\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return 126;
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    if (wait4(pid, &status, 0, &usage) != pid) return 126;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 +
                       usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    FILE* result = std::fopen(argv[1], "w");
    if (result == nullptr) return 126;
    std::fprintf(result, "%d %.6f %.6f %ld\n", exitStatus, seconds, cpu, usage.ru_maxrss);
    std::fclose(result);
    return exitStatus < 0 ? 125 : exitStatus;
}
