// Standard output and its guard.
#include "app/standard_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/run_errors.h"

namespace qtapp {

namespace {

bool gStandardOutputClosed = false;

}  // namespace

void guardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
        if (fd == 1) gStandardOutputClosed = true;
        int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

bool standardOutputClosed() { return gStandardOutputClosed; }

void writeStandardOutput(std::string_view bytes) {
    if (gStandardOutputClosed) throw qthost::RunFailure("cannot write to standard output: it is closed");
    const char* data = bytes.data();
    size_t size = bytes.size();
    while (size > 0) {
        ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw qthost::RunFailure(std::string("cannot write to standard output: ") + std::strerror(errno));
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
}

}  // namespace qtapp
