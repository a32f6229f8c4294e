// The platform's module loader: mapping the plug-in's code, finding PluginMain, and the
// resources that go with it. POSIX builds read the resource file beside the module; Windows
// builds read the resources compiled into the module itself.
#ifndef QT_HOST_MODULELOADER_H
#define QT_HOST_MODULELOADER_H

#include <string>

#include "sdk/quen_tarb_sdk.h"

namespace qthost {

// dlopen / LoadLibrary, once the file passes the checks of host/module_file.h; null when the
// module cannot be loaded.
void* openModule(const std::string& path);
// A private copy: the file copied under a name never used before in this process and opened
// from there, so that it has its own module-wide variables; the copy is removed once open.
// Null when it cannot be made or loaded (and on Windows, which has no such copies yet).
void* openModuleCopy(const std::string& path);
// The module's PluginMain (dlsym / GetProcAddress); null when it has none.
PluginMainProc findPluginMain(void* module);
// Why the last openModule or findPluginMain of this thread failed, in words; empty after a
// success.
const std::string& moduleLoadError();
void closeModule(void* module);
// The module's file in the running program's folder: ZU41_QuenTarb.aip on Windows,
// ZU41_QuenTarb.so elsewhere.
std::string moduleBesideProgram();

// The resource file the host reads for a loaded module, named after the module with the
// extension ".rsrc". POSIX: the file beside the module. Windows: the module's own resources
// (index strings, PNGI images, cursors, dialogs) copied into a file of that format in a
// private temporary folder, which is removed when this object goes.
class ModuleResourceFile {
  public:
    ModuleResourceFile(void* module, const std::string& modulePath);
    ~ModuleResourceFile();
    ModuleResourceFile(const ModuleResourceFile&) = delete;
    ModuleResourceFile& operator=(const ModuleResourceFile&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::string temporaryFolder_;  // Windows only
};

#if defined(_WIN32)
// The module's resources in the resource-file format (JSON text), read with the Windows
// resource API: FindResource, LoadResource, LockResource.
std::string windowsModuleResources(void* module);
#endif

}  // namespace qthost

#endif
