// The exit status of a failed command.
#include "app/messages.h"

#include <unistd.h>

#include <new>

#include "host/run_errors.h"
#include "session/parse.h"

namespace qtapp {

using namespace qtsession;

using qthost::UsageError;

int failureStatus(const std::exception_ptr& failure, std::string& line) {
    try {
        std::rethrow_exception(failure);
    } catch (const UsageError& e) {
        line = e.what();
        return kExitBadInput;
    } catch (const std::bad_alloc&) {
        line = "out of memory";
    } catch (const std::length_error&) {  // a container asked to grow past what it can hold
        line = "out of memory";
    } catch (const std::exception& e) {
        line = e.what();
    } catch (...) {
        line = "stopped by an unknown failure";
    }
    return kExitCouldNotFinish;
}

int reportFailure(std::string_view command, const std::exception_ptr& failure, std::ostream& err) noexcept {
    try {
        std::string line;
        const int status = failureStatus(failure, line);
        err << command << ": " << qthost::printable(line) << "\n";
        return status;
    } catch (...) {
        // Nothing here allocates.
        static constexpr std::string_view kOutOfMemory = ": out of memory\n";
        if (write(STDERR_FILENO, command.data(), command.size()) >= 0) {
            (void)!write(STDERR_FILENO, kOutOfMemory.data(), kOutOfMemory.size());
        }
        return kExitCouldNotFinish;
    }
}

}  // namespace qtapp
