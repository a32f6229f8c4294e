// The plug-in object's life: start-up, shutdown, unload and reload, the about box of the
// plug-in listing, code locking and the name.
#include "frame/plugin.h"

#include <cstdio>
#include <cstring>

#include "frame/error.h"
#include "frame/host_memory.h"
#include "frame/suite_pointers.h"
#include "frame/suites.h"

namespace {

constexpr ASInt32 kAboutStringsList = 16600;

}  // namespace

Plugin::Plugin(SPPluginRef ref) : pluginRef(ref) {
    std::strncpy(pluginName, "Plugin", kTextBufferSize);
    pluginName[kTextBufferSize - 1] = '\0';
}

// A start-up that fails after the suites were acquired destroys the object with the suites
// still held; release them here so that the host's suite references do not leak.
Plugin::~Plugin() {
    hostDelete(suites);
    suites = nullptr;
}

bool Plugin::IsReloadMsg(const char* caller, const char* selector) {
    return std::strcmp(caller, kSPAccessCaller) == 0 && std::strcmp(selector, kSPAccessReloadSelector) == 0;
}

ASErr Plugin::StartupPlugin(SPInterfaceMessage*) {
    SetGlobal(this);

    suites = hostNew<Suites>();
    if (suites == nullptr) return makeError(kOutOfMemoryErr);
    if (ASErr error = suites->Error(); error != kNoErr) {
        hostDelete(suites);
        suites = nullptr;
        return error;
    }
    suites->InitializeRefCount();

    QT_PROPAGATE(sSPPlugins->SetPluginName(pluginRef, pluginName));

    char notifierName[kTextBufferSize + 32];
    std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", pluginName);
    AINotifierHandle notifier = nullptr;  // not kept: the notifier lives as long as the plug-in
    QT_PROPAGATE(sAINotifier->AddNotifier(pluginRef, notifierName, kAIApplicationStartedNotifier, &notifier));

    QT_PROPAGATE(AllocateSuiteTables());
    return FillSuiteTables();
}

ASErr Plugin::ShutdownPlugin(SPInterfaceMessage*) {
    hostDelete(suites);
    suites = nullptr;
    SetGlobal(nullptr);
    return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPAccessMessage*) {
    EmptySuiteTables();
    SetGlobal(nullptr);
    hostDelete(suites);
    suites = nullptr;
    return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPAccessMessage*) {
    SetGlobal(this);
    if (suites == nullptr) {
        suites = hostNew<Suites>();
        if (suites == nullptr) return makeError(kOutOfMemoryErr);
    }
    suites->InitializeRefCount();
    ASErr error = suites->Error();
    if (error == kNoErr) {
        FillSuiteTables();
        return kNoErr;
    }
    hostDelete(suites);
    suites = nullptr;
    return error;
}

ASErr Plugin::About(SPInterfaceMessage*) {
    char line1[kTextBufferSize] = "";
    char line2[kTextBufferSize] = "";
    sADMBasic->GetIndexString(pluginRef, kAboutStringsList, 1, line1, kTextBufferSize);
    sADMBasic->GetIndexString(pluginRef, kAboutStringsList, 2, line2, kTextBufferSize);
    sADMBasic->AboutBox(pluginRef, line1, line2);
    return kNoErr;
}

ASErr Plugin::LockPlugin(ASBoolean lock) {
    if (lock) {
        if (++lockCount == 1) sSPAccess->AcquirePlugin(pluginRef, &accessRef);
    } else {
        if (--lockCount == 0) {
            sSPAccess->ReleasePlugin(accessRef);
            accessRef = nullptr;
        }
        if (lockCount < 0) lockCount = 0;
    }
    return kNoErr;
}

ASInt32 Plugin::GetPluginName(char* buffer, ASInt32 length) {
    const auto fullLength = static_cast<ASInt32>(std::strlen(pluginName));
    if (buffer != nullptr && length > 0) {
        std::strncpy(buffer, pluginName, static_cast<size_t>(length));
        buffer[length - 1] = '\0';
    }
    return fullLength;
}
