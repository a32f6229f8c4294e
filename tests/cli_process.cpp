// Running quentarb as a child process.
#include "cli_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace qttest {

std::string quentarbPath() { return std::string(QT_BINARY_DIR) + "/quentarb"; }
std::string buildPath(const std::string& name) { return std::string(QT_BINARY_DIR) + "/" + name; }

int startProcess(const ProcessRun& run, int errFd) {
    std::string program = quentarbPath();
    std::vector<std::string> argStore;
    if (run.limits.empty()) {
        argStore.push_back(program);
    } else {
        argStore = {"/bin/sh", "-c", run.limits + "; exec \"$0\" \"$@\"", program};
    }
    argStore.insert(argStore.end(), run.args.begin(), run.args.end());
    std::vector<char*> argv;
    for (std::string& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The reader goes before the child exists, so that no copy of it lives while the child
    // writes.
    int pipeEnds[2] = {-1, -1};
    if (run.stdoutPath == kPipeWithoutReader) {
        if (pipe(pipeEnds) != 0) return -1;
        close(pipeEnds[0]);
    }
    pid_t pid = fork();
    if (pid == 0) {
        if (errFd >= 0) dup2(errFd, 2);
        if (run.stdoutPath == kClosed) {
            close(1);
        } else if (run.stdoutPath == kPipeWithoutReader) {
            dup2(pipeEnds[1], 1);
            close(pipeEnds[1]);
        } else {
            int out = open(run.stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0) _exit(120);
            dup2(out, 1);
            close(out);
        }
        // As a shell starts a program: every signal at its default, so that the program's own
        // handling is what is seen.
        for (int s : {SIGPIPE, SIGXFSZ, SIGINT, SIGTERM}) signal(s, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        for (const auto& [name, value] : run.env) setenv(name.c_str(), value.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pipeEnds[1] >= 0) close(pipeEnds[1]);
    return pid;
}

ProcessResult runProcess(const ProcessRun& run) {
    ProcessResult result;
    char errTemplate[] = "/tmp/quentarb-stderr-XXXXXX";
    int errFd = mkstemp(errTemplate);
    if (errFd < 0) return result;
    unlink(errTemplate);

    const pid_t pid = startProcess(run, errFd);
    if (pid < 0) {
        close(errFd);
        return result;
    }
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(run.timeoutSeconds);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    lseek(errFd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n;
    while ((n = read(errFd, buffer, sizeof buffer)) > 0) result.err.append(buffer, static_cast<size_t>(n));
    close(errFd);
    return result;
}

}  // namespace qttest
