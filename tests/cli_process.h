// Runs the `quentarb` program as a separate process, as a user's shell does: arguments,
// extra environment, standard output sent to a file, closed, or a pipe whose reader is gone,
// limits set by the shell (`ulimit`), and standard error captured. A run that takes too long
// is killed and reported.
#ifndef QT_TESTS_CLI_PROCESS_H
#define QT_TESTS_CLI_PROCESS_H

#include <string>
#include <vector>

namespace qttest {

// Standard output "closed", and a pipe with no reader.
inline const std::string kClosed = "";
inline const std::string kPipeWithoutReader = "|";

struct ProcessRun {
    std::vector<std::string> args;                         // after the program's name
    std::vector<std::pair<std::string, std::string>> env;  // added to the environment
    std::string stdoutPath = "/dev/null";                  // a file, kClosed or kPipeWithoutReader
    // Shell commands run before the program in the same process ("ulimit -f 4"): the program
    // is then started by `sh -c 'LIMITS; exec PROGRAM ARGS'`.
    std::string limits;
    // A safety net only: far above any run's time under the sanitizers on a loaded machine
    // (the whole gallery, the longest, took 13 s), and below the test's own limit.
    int timeoutSeconds = 600;
};

struct ProcessResult {
    int status = -1;  // the exit status; 128 + N when killed by signal N
    bool timedOut = false;
    std::string err;  // standard error
};

// The quentarb program built with the tests, and the build's folder.
std::string quentarbPath();
std::string buildPath(const std::string& name);

// True in a build with AddressSanitizer, which reserves more address space than `ulimit -v`
// leaves and must be the first library loaded.
constexpr bool kAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

// Starts the run with standard error on `errFd` (-1: as it is) and returns its process id
// (-1 when it cannot); the caller waits for it.
int startProcess(const ProcessRun& run, int errFd);
ProcessResult runProcess(const ProcessRun& run);

}  // namespace qttest

#endif
