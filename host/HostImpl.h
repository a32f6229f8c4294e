// The host's state behind Host, shared by the suite implementations. Suite tables are plain C
// function pointers without a context argument, so they reach the host that is active (the
// one whose message or user action is in progress) through activeHost().
#ifndef QT_HOST_HOSTIMPL_H
#define QT_HOST_HOSTIMPL_H

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "host/Host.h"
#include "host/Resources.h"

namespace qthost {

// What an SPPluginRef points at.
struct PluginRecord {
    std::string name;
};

struct MenuGroupRecord {
    std::string name;
};

struct MenuItemRecord {
    std::string group;
    std::string text;
};

struct IconRecord {
    int resourceID = 0;
    int type = kADMUnknownIconType;
    int width = 0;
    int height = 0;
};

struct Host::Impl {
    explicit Impl(const HostConfig& config);

    HostConfig config;
    Document document;
    DialogModel dialogs;
    HostRecords records;
    ResultLog results;
    Resources resources;

    // The module and its globals slot.
    void* module = nullptr;
    PluginMainProc entry = nullptr;
    PluginRecord plugin;
    void* globals = nullptr;

    // Input of the event in progress.
    uint32_t modifiers = 0;
    AIRealPoint lastPoint{0.0f, 0.0f};
    std::vector<size_t> dragPoints;  // recording depth at each finished drag's mouse-down

    std::mt19937 random;

    // Registrations.
    std::vector<std::unique_ptr<MenuGroupRecord>> menuGroups;
    std::vector<std::unique_ptr<MenuItemRecord>> menuItems;
    std::vector<std::pair<std::string, std::string>> notifiers;  // name, type
    std::vector<std::unique_ptr<IconRecord>> icons;
    int contextDepth = 0;

    // Faults and tracing.
    uint64_t calls = 0;
    uint64_t failAt = 0;  // 0: none pending
    ASErr failCode = kNoErr;
    std::map<std::string, ASErr> failingSuites;
    bool tracing = false;
    std::vector<std::string> trace;

    // Counts a fallible call; returns the injected code when this is the call chosen to fail.
    ASErr enter(const char* name) {
        if (tracing) trace.emplace_back(name);
        ++calls;
        if (failAt != 0 && calls == failAt) {
            failAt = 0;
            return failCode;
        }
        return kNoErr;
    }
    void note(const char* name) {
        if (tracing) trace.emplace_back(name);
    }

    ASErr dispatch(const char* caller, const char* selector, void* message);
};

// Inline: every suite call reads it.
inline Host::Impl* gActiveHost = nullptr;
inline Host::Impl* activeHost() { return gActiveHost; }
inline void setActiveHost(Host::Impl* host) { gActiveHost = host; }

// The suite tables by name and version.
struct SuiteEntry {
    const char* name;
    ASInt32 version;
    const void* table;
};
std::vector<SuiteEntry> spSuites();   // SP suites and the host's registration suites
std::vector<SuiteEntry> artSuites();  // the drawing suites over the document
std::vector<SuiteEntry> admSuites();  // the dialog manager
SPBasicSuite* basicSuite();
const AIRealMathSuite* realMathSuite();

// Every call into the host reaches it through these: fallible operations count towards
// failNthCall, every operation is traced when tracing is on.
inline ASErr hostEnter(const char* name) {
    Host::Impl* h = activeHost();
    return h ? h->enter(name) : kInvalidStateErr;
}
inline Host::Impl* hostNote(const char* name) {
    Host::Impl* h = activeHost();
    if (h) h->note(name);
    return h;
}

}  // namespace qthost

#endif
