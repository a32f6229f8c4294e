// Finding the package's module and loading private copies of it.
#include "python/package.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

namespace qtpython {

std::string packageModule() {
    if (const char* chosen = std::getenv("QUENTARB_MODULE")) return chosen;
    Dl_info self{};
    if (!dladdr(reinterpret_cast<void*>(&packageModule), &self) || !self.dli_fname) return "ZU41_QuenTarb.so";
    return (std::filesystem::path(self.dli_fname).parent_path() / "ZU41_QuenTarb.so").string();
}

std::unique_ptr<qtsession::Session> privateSession(qthost::HostConfig config) {
    config.privateModule = true;
    return std::make_unique<qtsession::Session>(config, packageModule());
}

}  // namespace qtpython
