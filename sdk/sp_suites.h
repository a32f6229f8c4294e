// The SP suites: module access, plug-in name, memory blocks.
#ifndef QT_SDK_SPSUITES_H
#define QT_SDK_SPSUITES_H

#include "sp_basic.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _SPAccess* SPAccessRef;

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3
typedef struct SPAccessSuite {
    // Keeps the plug-in's code loaded while the access is held.
    ASErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
    ASErr (*ReleasePlugin)(SPAccessRef access);
} SPAccessSuite;

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4
typedef struct SPPluginsSuite {
    ASErr (*SetPluginName)(SPPluginRef plugin, const char* name);
    ASErr (*GetPluginName)(SPPluginRef plugin, const char** name);
} SPPluginsSuite;

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2
typedef struct SPBlocksSuite {
    ASErr (*AllocateBlock)(size_t size, const char* debugInfo, void** block);
    ASErr (*FreeBlock)(void* block);
} SPBlocksSuite;

#ifdef __cplusplus
}
#endif

#endif
