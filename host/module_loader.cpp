// Loading the module's code: dlopen on POSIX systems, LoadLibrary on Windows.
#include "host/module_loader.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "host/module_file.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#endif

namespace qthost {

namespace fs = std::filesystem;

namespace {

thread_local std::string gLoadError;

// The file is checked first: a file cut short would be mapped past its end.
bool loadable(const std::string& path) {
    gLoadError = moduleFileProblem(path);
    return gLoadError.empty();
}

}  // namespace

const std::string& moduleLoadError() { return gLoadError; }

#if defined(_WIN32)

// Windows knows a loaded module by its file: a copy would need a file that outlives it.
void* openModuleCopy(const std::string&) { return nullptr; }

void* openModule(const std::string& path) {
    // Wide API: the path may hold any character the file system allows.
    if (!loadable(path)) return nullptr;
    std::wstring wide = fs::path(path).wstring();
    HMODULE module = LoadLibraryW(wide.c_str());
    if (!module) gLoadError = "LoadLibrary failed with error " + std::to_string(GetLastError());
    return static_cast<void*>(module);
}

PluginMainProc findPluginMain(void* module) {
    FARPROC proc = GetProcAddress(static_cast<HMODULE>(module), "PluginMain");
    gLoadError = proc ? "" : "it has no PluginMain";
    return reinterpret_cast<PluginMainProc>(reinterpret_cast<void*>(proc));
}

void closeModule(void* module) {
    if (module) FreeLibrary(static_cast<HMODULE>(module));
}

std::string moduleBesideProgram() {
    wchar_t program[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, program, MAX_PATH);
    fs::path folder = n > 0 && n < MAX_PATH ? fs::path(program).parent_path() : fs::path(".");
    return (folder / "ZU41_QuenTarb.aip").string();
}

ModuleResourceFile::ModuleResourceFile(void* module, const std::string& modulePath) {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) return;
    // A folder of our own, so that two hosts in one process or two processes never share it.
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path folder =
            base / ("quentarb-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++));
        if (fs::create_directory(folder, ec)) {
            temporaryFolder_ = folder.string();
            break;
        }
    }
    if (temporaryFolder_.empty()) return;
    path_ =
        (fs::path(temporaryFolder_) / fs::path(modulePath).filename().replace_extension(".rsrc")).string();
    std::ofstream out(path_, std::ios::binary);
    out << windowsModuleResources(module);
}

ModuleResourceFile::~ModuleResourceFile() {
    if (temporaryFolder_.empty()) return;
    std::error_code ec;
    fs::remove_all(temporaryFolder_, ec);
}

#else

void* openModule(const std::string& path) {
    if (!loadable(path)) return nullptr;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* why = dlerror();
        gLoadError = why ? why : "dlopen failed";
    }
    return module;
}

// The loader also knows an object by the name it was opened with, so each copy's name holds
// the process and a serial: no name comes twice while an earlier copy may still be loaded.
void* openModuleCopy(const std::string& path) {
    static std::atomic<unsigned long> serial{0};
    // The original is checked as openModule checks it, so a bad module is refused for what it is.
    if (!loadable(path)) return nullptr;
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) {
        gLoadError = "no folder for a private copy: " + ec.message();
        return nullptr;
    }
    std::string folder = (base / "quentarb-module-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        gLoadError = std::string("no folder for a private copy: ") + std::strerror(errno);
        return nullptr;
    }
    const fs::path original(path);
    const fs::path copy = fs::path(folder) / (original.stem().string() + "-" + std::to_string(getpid()) +
                                              "-" + std::to_string(++serial) + original.extension().string());
    void* module = nullptr;
    if (fs::copy_file(original, copy, ec) && !ec) {
        module = openModule(copy.string());
    } else {
        gLoadError = "cannot make a private copy: " + ec.message();
    }
    fs::remove_all(folder, ec);  // the loaded copy stays mapped
    return module;
}

PluginMainProc findPluginMain(void* module) {
    dlerror();
    auto proc = reinterpret_cast<PluginMainProc>(dlsym(module, "PluginMain"));
    gLoadError = proc ? "" : "it has no PluginMain";
    return proc;
}

void closeModule(void* module) {
    if (module) dlclose(module);
}

std::string moduleBesideProgram() {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ((ec ? fs::path(".") : program.parent_path()) / "ZU41_QuenTarb.so").string();
}

// Beside the module; in a Mac bundle (.../Contents/MacOS/NAME) in .../Contents/Resources.
ModuleResourceFile::ModuleResourceFile(void*, const std::string& modulePath) {
    fs::path module(modulePath);
    fs::path folder = module.parent_path();
    if (folder.filename() == "MacOS") folder = folder.parent_path() / "Resources";
    path_ = (folder / module.filename().replace_extension(".rsrc")).string();
}

ModuleResourceFile::~ModuleResourceFile() = default;

#endif

}  // namespace qthost
