// The basic suite (acquire, release, memory) and the SP suites: access, plug-in name, blocks.
#include <cstdlib>
#include <cstring>
#include <new>

#include "host/host_impl.h"

namespace qthost {

namespace {

// Every suite; the first entry of a name is its current version.
const std::vector<SuiteEntry>& allSuites() {
    static const std::vector<SuiteEntry> all = [] {
        std::vector<SuiteEntry> list = spSuites();
        for (auto& more : {artSuites(), admSuites()}) list.insert(list.end(), more.begin(), more.end());
        return list;
    }();
    return all;
}

const SuiteEntry* lookUp(const char* name, ASInt32 version) {
    for (const SuiteEntry& entry : allSuites()) {
        if (std::strcmp(entry.name, name) != 0) continue;
        // The Mac build asks for every AI suite at its version plus 1000.
        bool aiSuite = std::strncmp(name, "AI ", 3) == 0;
        if (entry.version == version || (aiSuite && entry.version + kAIMacSuiteVersionOffset == version))
            return &entry;
    }
    return nullptr;
}

ASInt32 currentVersion(const char* name) {
    for (const SuiteEntry& entry : allSuites())
        if (std::strcmp(entry.name, name) == 0) return entry.version;
    return -1;
}

ASErr AcquireSuite(const char* name, ASInt32 version, const void** suite) {
    if (ASErr err = hostEnter("SP Basic Suite.AcquireSuite")) return err;
    if (!name || !suite) return kBadParameterErr;
    *suite = nullptr;
    Host::Impl* host = activeHost();
    const SuiteEntry* entry = lookUp(name, version);
    if (auto failing = host->failingSuites.find(name); failing != host->failingSuites.end()) {
        bool current = entry && entry->version == currentVersion(name);
        if (current) return failing->second;
    }
    if (!entry) return kSuiteNotFoundErr;
    *suite = entry->table;
    ++host->records.suitesHeld[name];
    return kNoErr;
}

ASErr ReleaseSuite(const char* name, ASInt32 version) {
    if (ASErr err = hostEnter("SP Basic Suite.ReleaseSuite")) return err;
    if (!name || !lookUp(name, version)) return kSuiteNotFoundErr;
    auto& held = activeHost()->records.suitesHeld;
    if (auto it = held.find(name); it != held.end() && --it->second <= 0) held.erase(it);
    return kNoErr;
}

ASBoolean IsEqual(const char* token1, const char* token2) {
    hostNote("SP Basic Suite.IsEqual");
    if (!token1 || !token2) return token1 == token2;
    return std::strcmp(token1, token2) == 0;
}

ASErr AllocateBlock(size_t size, void** block) {
    if (ASErr err = hostEnter("SP Basic Suite.AllocateBlock")) return err;
    if (!block) return kBadParameterErr;
    *block = std::malloc(size ? size : 1);
    // The plug-in's heap is the host's to give: the host ran out of memory, and the run ends.
    if (!*block) throw std::bad_alloc();
    return kNoErr;
}

// Giving memory back cannot be refused, so a free is never a place for an injected fault
// (a refused free would only leak the block).
ASErr FreeBlock(void* block) {
    hostNote("SP Basic Suite.FreeBlock");
    std::free(block);
    return kNoErr;
}

ASErr ReallocateBlock(void* block, size_t newSize, void** newBlock) {
    if (ASErr err = hostEnter("SP Basic Suite.ReallocateBlock")) return err;
    if (!newBlock) return kBadParameterErr;
    void* moved = std::realloc(block, newSize ? newSize : 1);
    if (!moved) throw std::bad_alloc();  // the block stays the plug-in's, unchanged
    *newBlock = moved;
    return kNoErr;
}

SPBasicSuite gBasic = {
    suiteCall<AcquireSuite>,  suiteCall<ReleaseSuite>, suiteValue<IsEqual>,
    suiteCall<AllocateBlock>, suiteCall<FreeBlock>,    suiteCall<ReallocateBlock>,
};

// ---- SP Access: the module stays mapped anyway; the host counts the references. ----

ASErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
    if (ASErr err = hostEnter("SP Access Suite.AcquirePlugin")) return err;
    if (!plugin || !access) return kBadParameterErr;
    Host::Impl* host = activeHost();
    *access = reinterpret_cast<SPAccessRef>(&host->plugin);
    ++host->records.accessHeld;
    return kNoErr;
}

ASErr ReleasePlugin(SPAccessRef access) {
    if (ASErr err = hostEnter("SP Access Suite.ReleasePlugin")) return err;
    Host::Impl* host = activeHost();
    if (access != reinterpret_cast<SPAccessRef>(&host->plugin) || host->records.accessHeld == 0)
        return kBadParameterErr;
    --host->records.accessHeld;
    return kNoErr;
}

const SPAccessSuite gAccess = {
    suiteCall<AcquirePlugin>,
    suiteCall<ReleasePlugin>,
};

// ---- SP Plugins ----

ASErr SetPluginName(SPPluginRef plugin, const char* name) {
    if (ASErr err = hostEnter("SP Plug-ins Suite.SetPluginName")) return err;
    if (!plugin || !name) return kBadParameterErr;
    activeHost()->records.pluginName = name;
    return kNoErr;
}

ASErr GetPluginName(SPPluginRef plugin, const char** name) {
    if (ASErr err = hostEnter("SP Plug-ins Suite.GetPluginName")) return err;
    if (!plugin || !name) return kBadParameterErr;
    *name = activeHost()->records.pluginName.c_str();
    return kNoErr;
}

const SPPluginsSuite gPlugins = {
    suiteCall<SetPluginName>,
    suiteCall<GetPluginName>,
};

// ---- SP Blocks ----

ASErr BlocksAllocate(size_t size, const char*, void** block) {
    if (ASErr err = hostEnter("SP Blocks Suite.AllocateBlock")) return err;
    if (!block) return kBadParameterErr;
    *block = std::malloc(size ? size : 1);
    // The plug-in's heap is the host's to give: the host ran out of memory, and the run ends.
    if (!*block) throw std::bad_alloc();
    return kNoErr;
}

ASErr BlocksFree(void* block) {
    if (ASErr err = hostEnter("SP Blocks Suite.FreeBlock")) return err;
    std::free(block);
    return kNoErr;
}

const SPBlocksSuite gBlocks = {
    suiteCall<BlocksAllocate>,
    suiteCall<BlocksFree>,
};

}  // namespace

SPBasicSuite* basicSuite() { return &gBasic; }

// Declared in suites_registration.cpp.
std::vector<SuiteEntry> registrationSuites();

std::vector<SuiteEntry> spSuites() {
    std::vector<SuiteEntry> list = {
        {kSPAccessSuite, kSPAccessSuiteVersion, &gAccess},
        {kSPPluginsSuite, kSPPluginsSuiteVersion, &gPlugins},
        {kSPBlocksSuite, kSPBlocksSuiteVersion, &gBlocks},
    };
    std::vector<SuiteEntry> more = registrationSuites();
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

}  // namespace qthost
