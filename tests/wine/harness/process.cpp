#include "tests/wine/harness/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "tests/wine/harness/session.h"

namespace winetest {

namespace {

// An unnamed temporary file: the program writes its output there, so a chatty program can
// never block on a full pipe.
int TemporaryFile() {
    char name[] = "/tmp/tessark-wine-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0)
        throw std::runtime_error(std::string("cannot create a temporary file: ") +
                                 std::strerror(errno));
    unlink(name);
    return fd;
}

std::string ReadAllAndClose(int fd) {
    std::string content;
    if (fd < 0) return content;
    lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof(buffer))) > 0) content.append(buffer, n);
    close(fd);
    return content;
}

// Starts argv[0] in a process group of its own (so that a kill reaches what it starts).
pid_t Start(const std::vector<std::string>& argv, const RunOptions& options, int* outFd,
            int* errFd) {
    *outFd = TemporaryFile();
    *errFd = TemporaryFile();
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
    if (pid == 0) {
        setpgid(0, 0);
        int null = open("/dev/null", O_RDONLY);
        if (null >= 0) dup2(null, 0);
        dup2(*outFd, 1);
        dup2(*errFd, 2);
        if (!options.workDir.empty() && chdir(options.workDir.c_str()) != 0) {
            std::fprintf(stderr, "cannot enter %s: %s\n", options.workDir.c_str(),
                         std::strerror(errno));
            _exit(127);
        }
        for (const std::string& entry : options.env) putenv(const_cast<char*>(entry.c_str()));
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        std::fprintf(stderr, "cannot start %s: %s\n", args[0], std::strerror(errno));
        _exit(127);
    }
    setpgid(pid, pid);
    return pid;
}

void KillGroup(pid_t pid) {
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
}

// Waits for `pid` up to `timeoutMs`, killing it when the time runs out, and collects its
// output.
ProcessResult Finish(pid_t pid, int outFd, int errFd, int timeoutMs) {
    ProcessResult result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0) {
            status = -1;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            result.timedOut = true;
            KillGroup(pid);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!result.timedOut && status != -1 && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    // Programs the child started and left behind go with it.
    kill(-pid, SIGKILL);
    result.out = ReadAllAndClose(outFd);
    result.err = ReadAllAndClose(errFd);
    return result;
}

std::vector<std::string> WineCommand(const std::string& program,
                                     const std::vector<std::string>& args) {
    // Also puts DISPLAY and WINEPREFIX into the environment.
    std::vector<std::string> argv = {CurrentSession().wine, program};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

}  // namespace

ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                  const RunOptions& options) {
    Process process(program, args, options);
    return process.Wait(options.timeoutMs);
}

ProcessResult RunNative(const std::string& program, const std::vector<std::string>& args,
                        const RunOptions& options) {
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    int outFd, errFd;
    pid_t pid = Start(argv, options, &outFd, &errFd);
    return Finish(pid, outFd, errFd, options.timeoutMs);
}

Process::Process(const std::string& program, const std::vector<std::string>& args,
                 const RunOptions& options) {
    pid_ = Start(WineCommand(program, args), options, &outFd_, &errFd_);
}

Process::~Process() {
    Kill();
}

bool Process::Running() {
    if (finished_) return false;
    int status = 0;
    pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == 0) return true;
    finished_ = true;
    result_.exitCode = (done == pid_ && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    kill(-pid_, SIGKILL);
    result_.out = ReadAllAndClose(outFd_);
    result_.err = ReadAllAndClose(errFd_);
    outFd_ = errFd_ = -1;
    return false;
}

ProcessResult Process::Wait(int timeoutMs) {
    if (!finished_) {
        if (Running()) {
            result_ = Finish(pid_, outFd_, errFd_, timeoutMs);
            outFd_ = errFd_ = -1;
            finished_ = true;
        }
    }
    return result_;
}

void Process::Kill() {
    if (finished_) return;
    KillGroup(pid_);
    waitpid(pid_, nullptr, 0);
    finished_ = true;
    result_ = ProcessResult();
    result_.out = ReadAllAndClose(outFd_);
    result_.err = ReadAllAndClose(errFd_);
    outFd_ = errFd_ = -1;
}

}  // namespace winetest
