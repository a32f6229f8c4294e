// How a run of the host ends early, in every front end: bad input refused before any work
// (UsageError), or a run that could not finish (RunFailure: out of memory, a limit reached
// mid-run, a write error). Each carries one line that names what went wrong.
#ifndef QT_HOST_RUN_ERRORS_H
#define QT_HOST_RUN_ERRORS_H

#include <stdexcept>
#include <string>
#include <string_view>

namespace qthost {

// Bad input: the command line's exit status 2, nothing written.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The run could not finish: exit status 3, nothing written.
struct RunFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// `text` with every control character (NUL, newline, escape, DEL, ...) written as \n, \t, \r
// or \xNN, so a message stays one line and shows what was given. Escaping twice changes
// nothing more, so a message built from escaped parts can be escaped again as it is printed.
std::string printable(std::string_view text);

// 'text', printable: how a message quotes what the user gave.
std::string inQuotes(std::string_view text);

}  // namespace qthost

#endif
