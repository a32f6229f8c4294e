// The exit status of a failed command.
#include "app/messages.h"

#include <new>

#include "session/parse.h"
#include "host/run_errors.h"

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

}  // namespace qtapp
