// Runs the `quentarb` program as a separate process, as a user's shell does: arguments,
// extra environment, standard output sent to a file or closed, an optional file-size limit,
// and standard error captured. A run that takes too long is killed and reported.
#ifndef QT_TESTS_CLI_PROCESS_H
#define QT_TESTS_CLI_PROCESS_H

#include <string>
#include <vector>

namespace qttest {

struct ProcessRun {
    std::vector<std::string> args;                            // after the program's name
    std::vector<std::pair<std::string, std::string>> env;     // added to the environment
    std::string stdoutPath = "/dev/null";                     // "" closes standard output
    long fileSizeLimit = -1;                                  // RLIMIT_FSIZE in bytes; -1: none
    int timeoutSeconds = 120;
};

struct ProcessResult {
    int status = -1;        // the exit status; 128 + N when killed by signal N
    bool timedOut = false;
    std::string err;        // standard error
};

// The quentarb program built with the tests.
std::string quentarbPath();

ProcessResult runProcess(const ProcessRun& run);

}  // namespace qttest

#endif
