// A plug-in session: the host with the module loaded and started, driven as a person drives it.
#include "session/session.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "host/module_loader.h"
#include "host/run_errors.h"
#include "sdk/error_code_text.h"
#include "sdk/quen_tarb_names.h"
#include "session/option_change.h"
#include "session/parse.h"

namespace qtsession {

using qthost::inQuotes;
using qthost::printable;
using qthost::RunFailure;
using qthost::UsageError;

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
    // A module the user named is a bad input; the built-in one failing is a broken install.
    const char* chosen = std::getenv("QUENTARB_MODULE");
    const bool named = chosen && modulePath == chosen;
    auto refuse = [&](const std::string& what) {
        if (named) throw UsageError("QUENTARB_MODULE: " + what);
        throw RunFailure(what);
    };
    if (ASErr err = host_->loadModule(modulePath)) {
        const std::string& why = qthost::moduleLoadError();
        refuse("cannot load the plug-in " + inQuotes(modulePath) + ": " +
               (why.empty() ? "error " + errorCodeText(err) : why));
    }
    // Out of memory while it starts ends the run whichever module it is.
    if (ASErr err = host_->startup()) {
        checkHost();
        refuse("the plug-in " + inQuotes(modulePath) + " did not start: error " + errorCodeText(err));
    }
    host_->selectTool();
    checkHost();
    if (!host_->dialogs().find(kQuenTarbPaletteName))
        refuse("the plug-in " + inQuotes(modulePath) + " built no options palette");
}

Session::~Session() {
    // Ending the plug-in may meet the fault that ended the run; nothing may escape here.
    try {
        if (host_) host_->shutdown();
    } catch (...) {
    }
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
    const OptionChange change = checkedOptionChange(name, value, "--set");
    qthost::DialogItem& item = control(change.option->item, "--set " + printable(name));
    switch (change.option->type) {
        case OptionType::Bool: qthost::DialogModel::userSetBool(&item, change.boolean); break;
        case OptionType::Real: {
            // Beyond single precision the field holds its largest value; the control clamps it.
            const double limit = std::numeric_limits<AIReal>::max();
            qthost::DialogModel::userSetFloat(&item,
                                              static_cast<AIReal>(std::clamp(change.real, -limit, limit)));
            break;
        }
        case OptionType::Int:
            if (item.isPopup()) {
                qthost::DialogModel::userSelectEntry(&item, static_cast<int>(change.whole));
            } else {
                // The spin edit clamps, as it does for a person typing a large number.
                const long long clamped = std::clamp<long long>(change.whole, INT32_MIN, INT32_MAX);
                qthost::DialogModel::userSetInt(&item, static_cast<ASInt32>(clamped));
            }
            break;
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
