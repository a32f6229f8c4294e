// The basic suite that arrives with every message, the message records and the entry point.
#ifndef QT_SDK_SPBASIC_H
#define QT_SDK_SPBASIC_H

#include "ai_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _SPPlugin* SPPluginRef;

// Acquire and release suites by name and version; memory blocks for the plug-in's heap.
typedef struct SPBasicSuite {
    ASErr (*AcquireSuite)(const char* name, ASInt32 version, const void** suite);
    ASErr (*ReleaseSuite)(const char* name, ASInt32 version);
    ASBoolean (*IsEqual)(const char* token1, const char* token2);
    ASErr (*AllocateBlock)(size_t size, void** block);
    ASErr (*FreeBlock)(void* block);
    ASErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
} SPBasicSuite;

// Header of every message.
typedef struct SPMessageData {
    ASInt32 SPCheck;      // kSPValidSPMessageData
    SPPluginRef self;     // this plug-in
    void* globals;        // the plug-in's globals slot, kept by the host between messages
    SPBasicSuite* basic;  // the basic suite
} SPMessageData;

enum { kSPValidSPMessageData = QT_FOURCC('S', 'P', 'C', 'K') };

// "SP Interface" ("Startup", "Shutdown", "About"), "SP Access" ("Unload", "Reload"),
// "SP Cache" ("Plug-in Purge") and "SP Properties" ("Acquire", "Release").
typedef struct SPInterfaceMessage {
    SPMessageData d;
} SPInterfaceMessage;
typedef struct SPAccessMessage {
    SPMessageData d;
} SPAccessMessage;
typedef struct SPPurgeCachesMessage {
    SPMessageData d;
} SPPurgeCachesMessage;
typedef struct SPPropertiesMessage {
    SPMessageData d;
    ASInt32 vendorID;
    ASInt32 propertyKey;
    ASInt32 propertyID;
    void* property;
} SPPropertiesMessage;

// "AI Tool" messages.
typedef struct AIToolMessage {
    SPMessageData d;
    AIToolHandle tool;
    AIRealPoint cursor;  // document coordinates
    ASInt16 pressure;    // 0..255
} AIToolMessage;

// "AI Menu" messages.
typedef struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem;
} AIMenuMessage;

// "AI Notifier" messages.
typedef struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier;
    const char* type;
    void* notifyData;
} AINotifierMessage;

// Any other caller gets a bare header.
typedef struct SPGenericMessage {
    SPMessageData d;
} SPGenericMessage;

typedef ASErr (*PluginMainProc)(const char* caller, const char* selector, void* message);

#if defined(_WIN32)
#define QT_PLUGIN_EXPORT __declspec(dllexport)
#else
#define QT_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

// C++ sees that no exception leaves the entry point.
#ifdef __cplusplus
#define QT_NOEXCEPT noexcept
#else
#define QT_NOEXCEPT
#endif

// The module's only export.
QT_PLUGIN_EXPORT ASErr PluginMain(const char* caller, const char* selector, void* message) QT_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif
