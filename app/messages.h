// What the command line says when something goes wrong: the exit statuses, the failure that
// means "the run could not finish", and the one line for each. (Escaping is in parse.h.)
#ifndef QT_APP_MESSAGES_H
#define QT_APP_MESSAGES_H

#include <exception>
#include <stdexcept>
#include <string>

namespace qtapp {

// Exit statuses besides 0.
constexpr int kExitPluginError = 1;     // the plug-in reported an error; the document is written
constexpr int kExitBadInput = 2;        // refused before any work; nothing written
constexpr int kExitCouldNotFinish = 3;  // nothing written

// The exit status and the one line for the exception that ended a command: a UsageError
// (parse.h) is 2, anything else 3, with out of memory named as such.
int failureStatus(const std::exception_ptr& failure, std::string& line);

}  // namespace qtapp

#endif
