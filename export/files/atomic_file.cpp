// Exclusive temporary files, renamed into place.
#include "export/files/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

#include "host/run_errors.h"

namespace qtexport {

using qthost::inQuotes;
using qthost::RunFailure;

namespace {

// Temporary paths that a signal handler may have to remove. Fixed storage: the handler can
// neither allocate nor lock.
constexpr int kSlots = 8;
struct CleanupSlot {
    std::atomic<bool> used{false};
    char path[PATH_MAX + 1] = {};
};
std::array<CleanupSlot, kSlots> gCleanup;

int claimSlot(const std::string& path) {
    if (path.size() > PATH_MAX) return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (gCleanup[i].used.load()) continue;
        std::memcpy(gCleanup[i].path, path.c_str(), path.size() + 1);
        gCleanup[i].used.store(true);
        return i;
    }
    return -1;
}

void releaseSlot(int slot) {
    if (slot < 0) return;
    gCleanup[slot].used.store(false);
    gCleanup[slot].path[0] = 0;
}

extern "C" void removeTemporariesAndDie(int signal) {
    for (CleanupSlot& slot : gCleanup) {
        if (slot.used.load()) unlink(slot.path);
    }
    ::signal(signal, SIG_DFL);
    raise(signal);
}

// SIGINT and SIGTERM held back for a scope: the creation of a temporary file and its entry
// in the cleanup list, or the rename and the entry's release, happen as one step for the
// handler, which so never misses a file of ours nor removes one that is no longer ours. (No
// other thread is alive while a file is created or renamed: the PNG's band threads are joined
// before.)
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t before_;
};

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return path.substr(0, slash + 1);
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    // A short name, so that a target name near the 255-byte limit still has a temporary.
    static std::atomic<unsigned> counter{0};
    const std::string folder = folderOf(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = folder + ".qt" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        int error = 0;
        {
            SignalsHeld held;
            // Claimed only once it is ours: the name may already be someone else's file.
            fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                slot_ = claimSlot(temp_);
                return;
            }
            error = errno;
        }
        if (error != EEXIST) fail("cannot create a temporary file beside", error);
    }
    fail("cannot create a temporary file beside", EEXIST);
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
        unlink(temp_.c_str());
    } else if (committing_) {
        unlink(temp_.c_str());
    }
    committing_ = false;
    releaseSlot(slot_);
    slot_ = -1;
}

void AtomicFile::fail(const char* what, int error) {
    discard();
    throw RunFailure(std::string(what) + " " + inQuotes(target_) + ": " + std::strerror(error));
}

void AtomicFile::write(const unsigned char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("cannot write", errno);
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
}

void AtomicFile::write(std::string_view bytes) {
    write(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

void AtomicFile::commit() {
    if (fsync(fd_) != 0) fail("cannot write", errno);
    int fd = fd_;
    fd_ = -1;
    committing_ = true;  // closed, but still ours to remove until the rename
    if (close(fd) != 0) fail("cannot write", errno);
    SignalsHeld held;
    if (rename(temp_.c_str(), target_.c_str()) != 0) fail("cannot write", errno);
    committing_ = false;
    releaseSlot(slot_);
    slot_ = -1;
}

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

void installSignalCleanup() {
    struct sigaction action {};
    action.sa_handler = removeTemporariesAndDie;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace qtexport
