// The host's front: loading the module, sending messages, drags and the user-level undo.
#include "host/host.h"

#include <cstdlib>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "host/allocation_watch.h"
#include "host/host_impl.h"
#include "host/module_loader.h"

namespace qthost {

namespace {

DocumentSetup documentSetup(const HostConfig& config) {
    DocumentSetup setup;
    setup.pageWidth = config.pageWidth;
    setup.pageHeight = config.pageHeight;
    setup.view = config.view.value_or(AIRealRect{0.0f, config.pageHeight, config.pageWidth, 0.0f});
    setup.colorModel = config.colorModel;
    setup.fill = config.fill;
    setup.stroke = config.stroke;
    setup.strokeWidth = config.strokeWidth;
    return setup;
}

}  // namespace

Host::Impl::Impl(const HostConfig& cfg) : config(cfg), document(documentSetup(cfg)), random(cfg.seed) {
    menuGroups.push_back(std::make_unique<MenuGroupRecord>(MenuGroupRecord{kAboutMenuGroup}));
    // A user at this host's palette runs the plug-in's procedures here.
    dialogs.setUserChangeHook([](void* host) { setActiveHost(static_cast<Host::Impl*>(host)); }, this);
}

// Fills the header the plug-in reads, calls PluginMain and keeps the globals it returns.
ASErr Host::Impl::dispatch(const char* caller, const char* selector, void* message) {
    setActiveHost(this);
    if (!entry) return kInvalidStateErr;
    if (message) {
        auto* header = static_cast<SPMessageData*>(message);
        header->SPCheck = kSPValidSPMessageData;
        header->self = reinterpret_cast<SPPluginRef>(&plugin);
        header->globals = globals;
        header->basic = basicSuite();
    }
    const uint64_t failedBefore = allocationFailures();
    ASErr result = entry(caller, selector, message);
    if (message) globals = static_cast<SPMessageData*>(message)->globals;
    // An error after an allocation failed in the plug-in's heap is the plug-in out of memory,
    // whatever code it answered ("CANT" for the std::bad_alloc): the run cannot go on.
    if (result != kNoErr && allocationFailures() != failedBefore && fault == HostFault::none) {
        fault = HostFault::outOfMemory;
    }
    results.push(result);
    return result;
}

Host::Host(HostConfig config) : impl_(std::make_unique<Impl>(config)) {
    watchAllocationFailures();
    setActiveHost(impl_.get());
}

Host::~Host() {
    // A host that goes away with the plug-in still running ends it, as quitting the
    // application does, so the plug-in gives back its object and its suites.
    if (impl_->globals && impl_->entry) shutdown();
    closeModule(impl_->module);
    if (activeHost() == impl_.get()) setActiveHost(nullptr);
}

ASErr Host::loadModule(const std::string& modulePath) {
    if (impl_->module || impl_->entry) return kInvalidStateErr;
    void* module = impl_->config.privateModule ? openModuleCopy(modulePath) : openModule(modulePath);
    if (!module) return kBadParameterErr;
    PluginMainProc entry = findPluginMain(module);
    if (!entry) {
        closeModule(module);
        return kBadParameterErr;
    }
    impl_->module = module;
    ModuleResourceFile resources(module, modulePath);
    return loadStatic(entry, resources.path());
}

ASErr Host::loadStatic(PluginMainProc entry, const std::string& resourcePath) {
    if (!entry || impl_->entry) return kInvalidStateErr;
    impl_->entry = entry;
    impl_->plugin.name = std::filesystem::path(resourcePath).stem().string();
    return impl_->resources.load(resourcePath);
}

std::string Host::defaultModulePath() {
    if (const char* env = std::getenv("QT_MODULE_PATH"); env && *env) return env;
#ifdef QT_MODULE_PATH
    return QT_MODULE_PATH;
#else
    // Beside the running program: the build puts the module at the top of the build tree.
    return moduleBesideProgram();
#endif
}

// ---- Messages ----

ASErr Host::send(const char* caller, const char* selector, void* message) {
    return impl_->dispatch(caller, selector, message);
}

namespace {

template <typename Message>
ASErr sendBare(Host::Impl& impl, const char* caller, const char* selector) {
    Message message{};
    return impl.dispatch(caller, selector, &message);
}

}  // namespace

ASErr Host::startup() {
    return sendBare<SPInterfaceMessage>(*impl_, kSPInterfaceCaller, kSPInterfaceStartupSelector);
}
ASErr Host::shutdown() {
    return sendBare<SPInterfaceMessage>(*impl_, kSPInterfaceCaller, kSPInterfaceShutdownSelector);
}
ASErr Host::about() {
    return sendBare<SPInterfaceMessage>(*impl_, kSPInterfaceCaller, kSPInterfaceAboutSelector);
}
ASErr Host::unload() { return sendBare<SPAccessMessage>(*impl_, kSPAccessCaller, kSPAccessUnloadSelector); }
ASErr Host::reload() { return sendBare<SPAccessMessage>(*impl_, kSPAccessCaller, kSPAccessReloadSelector); }
ASErr Host::purge() {
    return sendBare<SPPurgeCachesMessage>(*impl_, kSPCacheCaller, kSPPluginPurgeCachesSelector);
}

ASErr Host::applicationStarted() {
    AINotifierMessage message{};
    message.type = kAIApplicationStartedNotifier;
    const auto& notifiers = impl_->notifiers;
    for (size_t i = 0; i < notifiers.size(); ++i)
        if (notifiers[i].second == kAIApplicationStartedNotifier)
            message.notifier = reinterpret_cast<AINotifierHandle>(uintptr_t(i) + 1);
    return impl_->dispatch(kCallerAINotify, kSelectorAINotify, &message);
}

namespace {

ASErr sendTool(Host::Impl& impl, const char* selector, AIRealPoint at, int16_t pressure) {
    AIToolMessage message{};
    message.tool = impl.records.toolDetails.empty() ? nullptr : reinterpret_cast<AIToolHandle>(uintptr_t(1));
    message.cursor = at;
    message.pressure = pressure;
    return impl.dispatch(kCallerAITool, selector, &message);
}

}  // namespace

ASErr Host::selectTool() { return sendTool(*impl_, kSelectorAISelectTool, impl_->lastPoint, 255); }
ASErr Host::deselectTool() { return sendTool(*impl_, kSelectorAIDeselectTool, impl_->lastPoint, 255); }
ASErr Host::editTool() { return sendTool(*impl_, kSelectorAIEditToolOptions, impl_->lastPoint, 255); }
ASErr Host::trackCursor() { return sendTool(*impl_, kSelectorAITrackToolCursor, impl_->lastPoint, 255); }

ASErr Host::goMenuItem(AIMenuItemHandle item) {
    AIMenuMessage message{};
    message.menuItem = item;
    return impl_->dispatch(kCallerAIMenu, kSelectorAIGoMenuItem, &message);
}

AIMenuItemHandle Host::aboutMenuItem() const {
    size_t n = impl_->menuItems.size();
    return n ? reinterpret_cast<AIMenuItemHandle>(impl_->menuItems.back().get()) : nullptr;
}

// ---- Drags ----

ASErr Host::mouseDown(AIRealPoint at) {
    impl_->forgetRedo();  // a new drag: what was undone is gone for good
    impl_->dragging = true;
    impl_->dragPoints.push_back(impl_->document.placeRecordingPoint());
    impl_->modifiers = 0;
    impl_->lastPoint = at;
    return sendTool(*impl_, kSelectorAIToolMouseDown, at, 255);
}

ASErr Host::mouseDrag(AIRealPoint at, int16_t pressure, uint32_t modifiers) {
    impl_->modifiers = modifiers;
    impl_->lastPoint = at;
    return sendTool(*impl_, kSelectorAIToolMouseDrag, at, pressure);
}

ASErr Host::mouseUp() {
    impl_->dragging = false;
    impl_->document.placeRecordingPoint();
    return sendTool(*impl_, kSelectorAIToolMouseUp, impl_->lastPoint, 255);
}

bool Host::undoLastDrag() {
    Impl& h = *impl_;
    if (h.dragging || h.dragPoints.empty()) return false;
    if (!h.undonePoints.empty() && h.documentMark() != h.redoMark) h.forgetRedo();
    if (h.undonePoints.empty()) h.beforeUndo = h.document.snapshot();
    size_t depth = h.dragPoints.back();
    h.dragPoints.pop_back();
    h.undonePoints.push_back(depth);
    h.document.revertTo(depth);
    h.redoMark = h.documentMark();
    return true;
}

bool Host::redoLastDrag() {
    Impl& h = *impl_;
    if (h.dragging || h.undonePoints.empty()) return false;
    if (h.documentMark() != h.redoMark) {
        h.forgetRedo();
        return false;
    }
    size_t depth = h.undonePoints.back();
    h.undonePoints.pop_back();
    // The document before the first undo, less the drags still undone.
    h.document.restore(*h.beforeUndo);
    if (h.undonePoints.empty()) {
        h.beforeUndo.reset();
    } else {
        h.document.revertTo(h.undonePoints.back());
    }
    h.dragPoints.push_back(depth);
    h.redoMark = h.documentMark();
    return true;
}

size_t Host::undoableDrags() const { return impl_->dragging ? 0 : impl_->dragPoints.size(); }

size_t Host::redoableDrags() const {
    const Impl& h = *impl_;
    return h.dragging || h.documentMark() != h.redoMark ? 0 : h.undonePoints.size();
}

ASErr Host::cancelDrag() {
    Impl& h = *impl_;
    if (!h.dragging) return kInvalidStateErr;
    ASErr result = mouseUp();
    size_t depth = h.dragPoints.back();
    h.dragPoints.pop_back();
    h.document.revertTo(depth);
    return result;
}

// ---- Access ----

DialogModel& Host::dialogs() { return impl_->dialogs; }
Document& Host::document() { return impl_->document; }
const Document& Host::document() const { return impl_->document; }
const HostConfig& Host::config() const { return impl_->config; }
const HostRecords& Host::records() const { return impl_->records; }
const ResultLog& Host::results() const { return impl_->results; }

void Host::failNthCall(uint64_t n, ASErr code) {
    impl_->failAt = n == 0 ? 0 : impl_->calls + n;
    impl_->failCode = code;
}
uint64_t Host::fallibleCallCount() const { return impl_->calls; }
HostFault Host::fault() const { return impl_->fault; }

ASErr recordSuiteFault() noexcept {
    HostFault kind = HostFault::internal;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        kind = HostFault::outOfMemory;
    } catch (const std::length_error&) {  // a container asked to grow past what it can hold
        kind = HostFault::outOfMemory;
    } catch (...) {
    }
    Host::Impl* h = activeHost();
    if (!h) return kind == HostFault::internal ? kCantHappenErr : kOutOfMemoryErr;
    if (h->fault == HostFault::none) h->fault = kind;
    return h->faultCode();
}

void Host::failSuite(const std::string& name, ASErr code) {
    if (code == kNoErr)
        impl_->failingSuites.erase(name);
    else
        impl_->failingSuites[name] = code;
}

void Host::addMenuGroup(const std::string& name) {
    impl_->menuGroups.push_back(std::make_unique<MenuGroupRecord>(MenuGroupRecord{name}));
}

void Host::setTracing(bool on) { impl_->tracing = on; }
const std::vector<std::string>& Host::trace() const { return impl_->trace; }
void Host::clearTrace() { impl_->trace.clear(); }

}  // namespace qthost
