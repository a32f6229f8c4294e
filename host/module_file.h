// What the loader checks before it maps a module. A file cut short is mapped past its end,
// and the first touch of a page that is not there kills the program with SIGBUS; a file for
// another machine fails with a message that does not say so. So the file must be a whole
// shared object for this machine: an ELF header (a PE header on Windows) of this machine's
// class, byte order and architecture, and every program header (every section) inside the file.
#ifndef QT_HOST_MODULE_FILE_H
#define QT_HOST_MODULE_FILE_H

#include <cstdint>
#include <functional>
#include <string>

namespace qthost {

// A file's bytes as the checks read them: its size, and `read` that fills `out` with `count`
// bytes from `offset` (false when it cannot).
struct ModuleBytes {
    uint64_t size = 0;
    std::function<bool(uint64_t offset, size_t count, unsigned char* out)> read;
};

// The machine numbers of this build: ELF's e_machine and PE's Machine (0 where unknown).
uint16_t elfMachineOfThisBuild();
uint16_t peMachineOfThisBuild();

// Empty when `bytes` hold a whole ELF shared object for `machine` (of this build's class and
// byte order); otherwise what is wrong, in words.
std::string elfModuleProblem(const ModuleBytes& bytes, uint16_t machine);
// The same for a PE DLL: DOS header, PE signature, `machine`, the DLL flag, the optional header
// of the machine (PE32 for x86, PE32+ otherwise), and the section table and every section's
// data inside the file.
std::string peModuleProblem(const ModuleBytes& bytes, uint16_t machine);

// The check of this platform for the file at `path` (ELF on POSIX systems but the Mac, PE on
// Windows); empty when it passes or the platform has none.
std::string moduleFileProblem(const std::string& path);

}  // namespace qthost

#endif
