// The headless host: loads the plug-in, sends it the host's messages one at a time and
// lends it every suite over an in-memory document. Tests, the command line and the
// playground all drive the plug-in through this class, as the real host would.
#ifndef QT_HOST_HOST_H
#define QT_HOST_HOST_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/dialog_model.h"
#include "host/document.h"
#include "host/result_log.h"
#include "sdk/quen_tarb_sdk.h"

namespace qthost {

struct HostConfig {
    AIReal pageWidth = 612.0f;
    AIReal pageHeight = 792.0f;
    std::optional<AIRealRect> view;  // default: the page
    ColorModel colorModel = ColorModel::rgb;
    // Style of new path art; unset: white and black in the document's colour model.
    std::optional<Paint> fill;
    std::optional<Paint> stroke;
    AIReal strokeWidth = 1.0f;
    uint32_t seed = 1;
    bool pressureDevice = false;
    size_t maxArt = 0;  // live art objects the document may hold; 0: no limit
    // Load a private copy of the module, so that its module-wide variables are this host's
    // alone while other hosts in the process run the same module.
    bool privateModule = false;
};

// Why the host stopped serving the plug-in: it ran out of memory inside a suite call (or the
// plug-in did in its own heap and answered with an error: host/allocation_watch.h), the
// document reached HostConfig::maxArt, or a suite call failed in a way it cannot name.
enum class HostFault { none, outOfMemory, limit, internal };

// A tool as the plug-in added it.
struct ToolRecord {
    std::string name;
    std::string title;
    std::string tooltip;
    int32_t options = 0;
    int32_t sameGroupAs = 0;
    int32_t sameToolsetAs = 0;
    ADMIconRef icon = nullptr;
    ADMIconRef rolloverIcon = nullptr;
};

// A record of what the plug-in asked the host to show.
struct HostRecords {
    std::vector<std::string> alerts;        // MessageAlert texts
    std::vector<std::string> aboutBoxes;    // about box and modal message texts
    std::vector<std::string> menuItems;     // "group/text" of every menu item added
    std::vector<std::string> menuGroups;    // names of menu groups
    std::vector<std::string> tools;         // names of tools added
    std::vector<std::string> notifiers;     // "name|type" of every notifier added
    int32_t cursorID = 0;                   // last cursor set
    std::string pluginName;                 // name given through SP Plugins
    int32_t pluginOptions = 0;              // AI Plugin options
    int accessHeld = 0;                     // SP Access references held
    std::vector<ToolRecord> toolDetails;    // every tool added, in order
    std::vector<int32_t> cursors;           // every cursor set, in order
    std::map<std::string, int> suitesHeld;  // acquisitions not yet released, by suite name
    int contextPushes = 0;                  // AI Context pushes
    int contextDepth = 0;                   // pushes not yet popped
};

class Host {
  public:
    explicit Host(HostConfig config = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Loading. The resource file is the one beside the module (same name, ".rsrc").
    ASErr loadModule(const std::string& modulePath);
    ASErr loadStatic(PluginMainProc entry, const std::string& resourcePath);
    static std::string defaultModulePath();  // the module built with this host

    // Messages. Each returns what PluginMain returned; every result is also kept in results().
    ASErr send(const char* caller, const char* selector, void* message);
    ASErr startup();
    ASErr applicationStarted();  // the "AI Application Started Notifier"
    ASErr shutdown();
    ASErr unload();
    ASErr reload();
    ASErr purge();
    ASErr about();
    ASErr selectTool();
    ASErr deselectTool();
    ASErr editTool();
    ASErr trackCursor();
    ASErr goMenuItem(AIMenuItemHandle item);
    AIMenuItemHandle aboutMenuItem() const;  // the item the plug-in added last, if any

    // One drag as a person makes it: a recording point before the down and another after
    // the last drag event, before the up.
    ASErr mouseDown(AIRealPoint at);
    ASErr mouseDrag(AIRealPoint at, int16_t pressure = 255, uint32_t modifiers = 0);
    ASErr mouseUp();
    // The host's user-level undo of the last finished drag; false when nothing is left or a
    // drag is in progress.
    bool undoLastDrag();
    // The redo of the drag undone last: the document comes back as it was before that undo.
    // False when nothing was undone since the last drag, during a drag, or when the document
    // changed since the undo.
    bool redoLastDrag();
    size_t undoableDrags() const;
    size_t redoableDrags() const;
    // Escape during a drag: the plug-in hears the mouse-up, then the host reverts to the
    // drag's recording point, so the document is as before the drag, with nothing of it to
    // undo or redo. Returns the mouse-up's result; kInvalidStateErr when no drag is in progress.
    ASErr cancelDrag();

    // The options palette, changed as a user changes it.
    DialogModel& dialogs();
    Document& document();
    const Document& document() const;
    const HostConfig& config() const;
    const HostRecords& records() const;
    const ResultLog& results() const;

    // The first fault the host met (none while all is well); after one, every fallible suite
    // call fails with out of memory (or "can't happen" for an internal fault).
    HostFault fault() const;

    // Faults: make the nth fallible host call from now (1 = the next) return `code`.
    void failNthCall(uint64_t n, ASErr code);
    uint64_t fallibleCallCount() const;
    // Make every acquisition of the named suite at its current version (and the Mac build's
    // version + 1000) fail with `code`; kNoErr clears it. Older versions kept for compatibility
    // (ADM Basic Suite 2) still succeed.
    void failSuite(const std::string& name, ASErr code);
    // A menu group the host already has when the plug-in starts (another plug-in's).
    void addMenuGroup(const std::string& name);
    // Optional trace of host calls by operation name ("AI Art Suite.DuplicateArt").
    void setTracing(bool on);
    const std::vector<std::string>& trace() const;
    void clearTrace();

    // The host's state, shared with the suite implementations (host/host_impl.h).
    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace qthost

#endif
