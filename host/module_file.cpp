// The module file checks: ELF and PE headers read field by field, in the file's byte order.
#include "host/module_file.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace qthost {

namespace {

// Little- or big-endian fields of a header read into memory.
struct Fields {
    const std::vector<unsigned char>& bytes;
    bool little;

    uint64_t get(size_t offset, size_t width) const {
        uint64_t value = 0;
        for (size_t i = 0; i < width; ++i) {
            const uint64_t byte = bytes[offset + i];
            value |= little ? byte << (8 * i) : byte << (8 * (width - 1 - i));
        }
        return value;
    }
};

bool readInto(const ModuleBytes& file, uint64_t offset, size_t count, std::vector<unsigned char>& out) {
    out.assign(count, 0);
    return offset <= file.size && count <= file.size - offset && file.read(offset, count, out.data());
}

// True when [offset, offset + length) lies inside a file of `size` bytes (no overflow).
bool inside(uint64_t offset, uint64_t length, uint64_t size) {
    return offset <= size && length <= size - offset;
}

std::string cutShort(const char* what, uint64_t end, uint64_t size) {
    return std::string("the file is cut short (") + what + " ends at byte " + std::to_string(end) +
           "; the file has " + std::to_string(size) + ")";
}

}  // namespace

uint16_t elfMachineOfThisBuild() {
#if defined(__x86_64__)
    return 62;
#elif defined(__i386__)
    return 3;
#elif defined(__aarch64__)
    return 183;
#elif defined(__arm__)
    return 40;
#elif defined(__riscv)
    return 243;
#elif defined(__powerpc64__)
    return 21;
#elif defined(__s390x__)
    return 22;
#else
    return 0;
#endif
}

uint16_t peMachineOfThisBuild() {
#if defined(__x86_64__) || defined(_M_X64)
    return 0x8664;
#elif defined(__i386__) || defined(_M_IX86)
    return 0x14c;
#elif defined(__aarch64__) || defined(_M_ARM64)
    return 0xAA64;
#else
    return 0;
#endif
}

std::string elfModuleProblem(const ModuleBytes& file, uint16_t machine) {
    constexpr bool k64 = sizeof(void*) == 8;
    constexpr size_t kHeader = k64 ? 64 : 52, kProgramHeader = k64 ? 56 : 32;
    std::vector<unsigned char> head;
    if (!readInto(file, 0, 16, head) || std::memcmp(head.data(),
                                                    "\x7f"
                                                    "ELF",
                                                    4) != 0) {
        return "it is not a shared object (no ELF header)";
    }
    if (head[4] != (k64 ? 2 : 1))
        return std::string("it is a ") + (k64 ? "32" : "64") + "-bit module; this program is " +
               (k64 ? "64" : "32") + "-bit";
    const bool little = std::endian::native == std::endian::little;
    if (head[5] != (little ? 1 : 2)) return "its byte order is not this machine's";
    if (!readInto(file, 0, kHeader, head)) return cutShort("the ELF header", kHeader, file.size);
    const Fields h{head, little};
    if (h.get(16, 2) != 3) return "it is not a shared object (ELF type " + std::to_string(h.get(16, 2)) + ")";
    if (machine != 0 && h.get(18, 2) != machine) {
        return "it is for another machine (ELF machine " + std::to_string(h.get(18, 2)) + "; this one is " +
               std::to_string(machine) + ")";
    }
    const uint64_t phoff = h.get(k64 ? 32 : 28, k64 ? 8 : 4);
    const uint64_t phentsize = h.get(k64 ? 54 : 42, 2), phnum = h.get(k64 ? 56 : 44, 2);
    if (phnum == 0 || phentsize != kProgramHeader)
        return "its program headers are missing or not of this class";
    const uint64_t tableSize = phnum * phentsize;
    if (!inside(phoff, tableSize, file.size))
        return cutShort("the program header table", phoff + tableSize, file.size);
    std::vector<unsigned char> table;
    if (!readInto(file, phoff, static_cast<size_t>(tableSize), table))
        return "its program headers cannot be read";
    const Fields t{table, little};
    for (uint64_t i = 0; i < phnum; ++i) {
        const size_t at = static_cast<size_t>(i * phentsize);
        const uint64_t offset = t.get(at + (k64 ? 8 : 4), k64 ? 8 : 4);
        const uint64_t filesz = t.get(at + (k64 ? 32 : 16), k64 ? 8 : 4);
        if (!inside(offset, filesz, file.size)) {
            return cutShort(("the segment of program header " + std::to_string(i)).c_str(), offset + filesz,
                            file.size);
        }
    }
    return {};
}

std::string peModuleProblem(const ModuleBytes& file, uint16_t machine) {
    // x86 takes a PE32 optional header; x64 and ARM64 a PE32+ one.
    const bool k64 = machine == 0 ? sizeof(void*) == 8 : machine != 0x14c;
    std::vector<unsigned char> dos;
    if (!readInto(file, 0, 64, dos) || dos[0] != 'M' || dos[1] != 'Z')
        return "it is not a DLL (no DOS header)";
    const Fields d{dos, true};
    const uint64_t pe = d.get(0x3C, 4);
    std::vector<unsigned char> header;
    if (!inside(pe, 24, file.size) || !readInto(file, pe, 24, header))
        return cutShort("the PE header", pe + 24, file.size);
    if (std::memcmp(header.data(), "PE\0\0", 4) != 0) return "it is not a DLL (no PE signature)";
    const Fields f{header, true};
    if (machine != 0 && f.get(4, 2) != machine) {
        return "it is for another machine (PE machine 0x" +
               [](uint64_t m) {
                   char text[8];
                   std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(m));
                   return std::string(text);
               }(f.get(4, 2)) +
               ")";
    }
    if ((f.get(22, 2) & 0x2000) == 0) return "it is not a DLL (an executable)";
    const uint64_t sections = f.get(6, 2), optionalSize = f.get(20, 2);
    const uint64_t optional = pe + 24;
    std::vector<unsigned char> magic;
    if (optionalSize < 2 || !inside(optional, optionalSize, file.size) ||
        !readInto(file, optional, 2, magic)) {
        return cutShort("the optional header", optional + optionalSize, file.size);
    }
    if (Fields{magic, true}.get(0, 2) != (k64 ? 0x20b : 0x10b))
        return std::string("it is not a ") + (k64 ? "64" : "32") + "-bit DLL";
    const uint64_t table = optional + optionalSize, tableSize = sections * 40;
    if (!inside(table, tableSize, file.size))
        return cutShort("the section table", table + tableSize, file.size);
    std::vector<unsigned char> rows;
    if (!readInto(file, table, static_cast<size_t>(tableSize), rows))
        return "its section table cannot be read";
    const Fields s{rows, true};
    for (uint64_t i = 0; i < sections; ++i) {
        const size_t at = static_cast<size_t>(i * 40);
        const uint64_t rawSize = s.get(at + 16, 4), rawOffset = s.get(at + 20, 4);
        if (rawSize != 0 && !inside(rawOffset, rawSize, file.size)) {
            return cutShort(("the data of section " + std::to_string(i)).c_str(), rawOffset + rawSize,
                            file.size);
        }
    }
    return {};
}

std::string moduleFileProblem(const std::string& path) {
#if defined(__APPLE__)
    (void)path;
    return {};
#else
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::path(path), ec);
    if (ec) return "it cannot be read (" + ec.message() + ")";
    auto in = std::make_shared<std::ifstream>(std::filesystem::path(path), std::ios::binary);
    if (!*in) return std::string("it cannot be read (") + std::strerror(errno) + ")";
    ModuleBytes bytes{size, [in](uint64_t offset, size_t count, unsigned char* out) {
                          in->clear();
                          in->seekg(static_cast<std::streamoff>(offset));
                          return static_cast<bool>(
                              in->read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count)));
                      }};
#if defined(_WIN32)
    return peModuleProblem(bytes, peMachineOfThisBuild());
#else
    return elfModuleProblem(bytes, elfMachineOfThisBuild());
#endif
#endif
}

}  // namespace qthost
