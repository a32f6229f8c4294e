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
#include <type_traits>
#include <utility>
#include <vector>

#include "host/host.h"
#include "host/resources.h"

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
    bool dragging = false;           // between a mouse-down and its up

    // Redo: the document as the first undo since the last drag found it, and the recording
    // depths of the drags undone since (the last undone at the back). `redoMark` is the
    // document's change-log size and recording depth after the last undo or redo: a document
    // changed since then (by anything but a drag, which forgets them anyway) has nothing to redo.
    std::shared_ptr<const Document::Snapshot> beforeUndo;
    std::vector<size_t> undonePoints;
    std::pair<size_t, size_t> redoMark{0, 0};
    void forgetRedo() {
        beforeUndo.reset();
        undonePoints.clear();
    }
    std::pair<size_t, size_t> documentMark() const {
        return {document.changeLogSize(), document.recordingDepth()};
    }

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

    // Set once a suite function threw or the document reached its size limit. The document may
    // be half changed, so from then on every fallible call fails with the fault's code.
    HostFault fault = HostFault::none;
    ASErr faultCode() const { return fault == HostFault::internal ? kCantHappenErr : kOutOfMemoryErr; }

    // Counts a fallible call; returns the injected code when this is the call chosen to fail.
    ASErr enter(const char* name) {
        if (fault != HostFault::none) return faultCode();
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

// Inline: every suite call reads it. One per thread, so hosts on different threads (each
// with its own copy of the module) serve their plug-ins at the same time.
inline thread_local Host::Impl* gActiveHost = nullptr;
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

// Every call that adds art first asks for room: past HostConfig::maxArt the host answers
// "out of memory" and records the limit as its fault.
inline ASErr hostRoomForArt() {
    Host::Impl* h = activeHost();
    if (!h) return kInvalidStateErr;
    if (h->config.maxArt != 0 && h->document.liveArtCount() >= h->config.maxArt) {
        if (h->fault == HostFault::none) h->fault = HostFault::limit;
        return h->faultCode();
    }
    return kNoErr;
}

// ---- The exception boundary ----
// Suite tables are C: no exception may cross them into the plug-in. Each table entry is the
// suite function wrapped by suiteCall (returns ASErr: the fault's code) or suiteValue (returns
// a value or nothing: a zero value). The fault is recorded on the active host.

// Classifies the exception being handled and records it; the code to answer with.
ASErr recordSuiteFault() noexcept;

// Suite calls in progress on this thread. The plug-in runs between them, except for a
// notification a suite call sends it (ADM SendNotify).
inline thread_local int gSuiteDepth = 0;
inline bool servingPlugin() { return gSuiteDepth > 0; }

template <auto Fn, bool ReturnsErr>
struct SuiteGuard;

template <typename R, typename... Args, R (*Fn)(Args...), bool ReturnsErr>
struct SuiteGuard<Fn, ReturnsErr> {
    static_assert(!ReturnsErr || std::is_same_v<R, ASErr>, "suiteCall wraps functions that return a code");
    static R call(Args... args) noexcept {
        struct Depth {
            Depth() { ++gSuiteDepth; }
            ~Depth() { --gSuiteDepth; }
        } depth;
        try {
            return Fn(args...);
        } catch (...) {
            ASErr code = recordSuiteFault();
            if constexpr (ReturnsErr) {
                return code;
            } else {
                (void)code;
                if constexpr (!std::is_void_v<R>) return R{};
            }
        }
    }
};

// ASErr and ASInt32 are the same type, so the choice between a code and a value is explicit.
template <auto Fn>
inline constexpr auto suiteCall = &SuiteGuard<Fn, true>::call;
template <auto Fn>
inline constexpr auto suiteValue = &SuiteGuard<Fn, false>::call;

}  // namespace qthost

#endif
