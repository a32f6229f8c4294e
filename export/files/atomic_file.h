// Output files written whole or not at all: the bytes go to a temporary file created
// exclusively beside the target (never through a link), are synced, and the file is renamed
// over the target. A target that is a symbolic link is replaced by the new file; the file it
// pointed to is left alone. Until the rename the temporary file is removed on every failure,
// and on SIGINT and SIGTERM once installSignalCleanup() has run.
#ifndef QT_EXPORT_ATOMIC_FILE_H
#define QT_EXPORT_ATOMIC_FILE_H

#include <string>
#include <string_view>

namespace qtexport {

class AtomicFile {
  public:
    // Creates the temporary file; RunFailure naming the target when it cannot.
    explicit AtomicFile(std::string target);
    ~AtomicFile();  // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // RunFailure naming the target (and the system's reason) on a write error.
    void write(std::string_view bytes);
    void write(const unsigned char* data, size_t size);
    // Syncs, closes and renames over the target.
    void commit();

    const std::string& temporaryPath() const { return temp_; }

  private:
    [[noreturn]] void fail(const char* what, int error);
    void discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool committing_ = false;
    int slot_ = -1;  // in the signal cleanup list
};

// A whole file, atomically.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes every temporary file still open when SIGINT or SIGTERM arrives, then dies of the
// signal as it would have.
void installSignalCleanup();

}  // namespace qtexport

#endif
