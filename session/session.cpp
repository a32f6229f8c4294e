// A plug-in session: the host with the module loaded and started, driven as a person drives it.
#include "session/session.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "host/run_errors.h"
#include "session/option_catalog.h"
#include "session/parse.h"
#include "sdk/error_code_text.h"
#include "sdk/quen_tarb_names.h"

namespace qtsession {

using qthost::RunFailure;
using qthost::UsageError;
using qthost::inQuotes;
using qthost::printable;

std::string errorCodeText(ASErr code) {
    std::string text = std::to_string(code);
    if (isFourCharCode(code)) text += std::string(" ('") + fourChars(code).text + "')";
    return text;
}

std::string Session::defaultModule() {
    if (const char* path = std::getenv("QUENTARB_MODULE")) return path;
    return qthost::Host::defaultModulePath();
}

Session::Session(const qthost::HostConfig& config, const std::string& modulePath)
    : host_(std::make_unique<qthost::Host>(config)) {
    if (ASErr err = host_->loadModule(modulePath)) {
        // A module named by the user is a bad input; the built-in one failing is a broken install.
        const char* chosen = std::getenv("QUENTARB_MODULE");
        std::string what =
            "cannot load the plug-in " + inQuotes(modulePath) + ": error " + errorCodeText(err);
        if (chosen && modulePath == chosen) throw UsageError("QUENTARB_MODULE: " + what);
        throw RunFailure(what);
    }
    if (ASErr err = host_->startup())
        throw std::runtime_error("the plug-in did not start: error " + errorCodeText(err));
    host_->selectTool();
    if (!host_->dialogs().find(kQuenTarbPaletteName)) throw std::runtime_error("the plug-in built no options palette");
}

Session::~Session() {
    if (host_) host_->shutdown();
}

qthost::Dialog& Session::palette() { return *host_->dialogs().find(kQuenTarbPaletteName); }

qthost::DialogItem& Session::control(int item, const std::string& what) {
    qthost::DialogItem* control = palette().item(item);
    if (!control) throw UsageError(what + ": the palette has no control " + std::to_string(item));
    return *control;
}

void Session::selectTool(int tool) {
    qthost::DialogModel::userSelectEntry(&control(kToolSelectorItem, "--tool"), tool);
}

void Session::selectShape(int shape) {
    qthost::DialogItem& popup = control(kLineTypeItem, "--shape");
    if (shape < 0 || shape >= static_cast<int>(popup.entries().size())) {
        throw UsageError("--shape: " + std::to_string(shape) + " is not a line type (0 to " +
                         std::to_string(popup.entries().size() - 1) + ")");
    }
    qthost::DialogModel::userSelectEntry(&popup, shape);
}

void Session::setOption(const std::string& name, const std::string& value) {
    const OptionInfo* option = findOption(name);
    std::string what = "--set " + printable(name);
    if (!option) throw UsageError("--set: unknown option " + inQuotes(name) + " (see `quentarb options`)");
    if (option->item < 0) throw UsageError(what + ": this option has no control in the palette");
    qthost::DialogItem& item = control(option->item, what);
    switch (option->type) {
        case OptionType::Bool:
            qthost::DialogModel::userSetBool(&item, parseBool(value, what));
            break;
        case OptionType::Real: {
            // Beyond single precision the field holds its largest value; the control clamps it.
            const double limit = std::numeric_limits<AIReal>::max();
            const double number = std::clamp(parseNumber(value, what), -limit, limit);
            qthost::DialogModel::userSetFloat(&item, static_cast<AIReal>(number));
            break;
        }
        case OptionType::Int: {
            long long n = parseInteger(value, what);
            if (item.isPopup()) {
                long long count = static_cast<long long>(item.entries().size());
                if (n < 0 || n >= count) {
                    throw UsageError(what + ": " + printable(value) + " is not an entry of the popup (0 to " +
                                     std::to_string(count - 1) + ")");
                }
                qthost::DialogModel::userSelectEntry(&item, static_cast<int>(n));
            } else {
                // The spin edit clamps, as it does for a person typing a large number.
                long long clamped = std::clamp<long long>(n, INT32_MIN, INT32_MAX);
                qthost::DialogModel::userSetInt(&item, static_cast<ASInt32>(clamped));
            }
            break;
        }
    }
}

void Session::reset() { qthost::DialogModel::userClick(&control(kResetItem, "reset")); }

void Session::play(const std::vector<GestureEvent>& events, const EventsDone& afterEach) {
    using Type = GestureEvent::Type;
    size_t done = 0;
    for (const GestureEvent& e : events) {
        switch (e.type) {
            case Type::down: host_->mouseDown(e.at); break;
            case Type::drag: host_->mouseDrag(e.at, static_cast<int16_t>(e.pressure), e.modifiers); break;
            case Type::up: host_->mouseUp(); break;
            case Type::set: setOption(e.option, e.value); break;
            case Type::tool: selectTool(e.number); break;
            case Type::shape: selectShape(e.number); break;
            case Type::reset: reset(); break;
            case Type::undo:
                // The gesture reader lets an undo through only after a finished drag.
                if (!host_->undoLastDrag()) throw UsageError("undo: the host has no drag to undo");
                break;
            case Type::redo:
                // Let through only after an undo with no down since, as for undo.
                if (!host_->redoLastDrag()) throw UsageError("redo: the host has no undone drag to redo");
                break;
            case Type::cancel: host_->cancelDrag(); break;
        }
        checkHost();
        if (afterEach) afterEach(++done, events.size(), host_->document().liveArtCount());
    }
}

void Session::checkHost() const {
    switch (host_->fault()) {
        case qthost::HostFault::none: return;
        case qthost::HostFault::outOfMemory: throw RunFailure("out of memory");
        case qthost::HostFault::limit:
            throw RunFailure("the document reached " + std::to_string(host_->config().maxArt) +
                             " art objects, its limit; raise it with --max-art");
        case qthost::HostFault::internal: throw RunFailure("the host failed inside a call from the plug-in");
    }
}

bool Session::pluginFailed() const {
    for (ASErr r : host_->results()) {
        if (r != kNoErr) return true;
    }
    return false;
}

}  // namespace qtsession
