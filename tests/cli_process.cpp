// Running quentarb as a child process.
#include "cli_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace qttest {

std::string quentarbPath() { return std::string(QT_BINARY_DIR) + "/quentarb"; }

ProcessResult runProcess(const ProcessRun& run) {
    ProcessResult result;
    char errTemplate[] = "/tmp/quentarb-stderr-XXXXXX";
    int errFd = mkstemp(errTemplate);
    if (errFd < 0) return result;
    unlink(errTemplate);

    std::string program = quentarbPath();
    std::vector<std::string> argStore{program};
    argStore.insert(argStore.end(), run.args.begin(), run.args.end());
    std::vector<char*> argv;
    for (std::string& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = fork();
    if (pid == 0) {
        dup2(errFd, 2);
        if (run.stdoutPath.empty()) {
            close(1);
        } else {
            int out = open(run.stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0) _exit(120);
            dup2(out, 1);
            close(out);
        }
        if (run.fileSizeLimit >= 0) {
            rlimit limit{static_cast<rlim_t>(run.fileSizeLimit), static_cast<rlim_t>(run.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
            signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        }
        for (const auto& [name, value] : run.env) setenv(name.c_str(), value.c_str(), 1);
        execv(program.c_str(), argv.data());
        _exit(127);
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
