// Fuzz target: bytes become a sequence of palette changes (any control, any value within what
// a dialog manager hands over, extremes included), mouse events (any point, pressure and
// modifiers, non-finite coordinates included), undos, host faults and life-cycle messages,
// played through the headless host into the plug-in linked in.
//
// Invariants, checked after every step: no crash and no sanitizer report; every art object in
// the document is live and so are its contents and envelope shapes; the plug-in never uses a
// handle of art that is gone; the host's undo of a drag gives back the document of that
// drag's mouse-down; at the end nothing is held.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "byte_reader.h"
#include "export/json_export.h"
#include "host/host.h"
#include "session/option_catalog.h"

namespace {

using qtfuzz::ByteReader;

constexpr int kMaxSteps = 64;
constexpr ASInt32 kCountCap = 24;  // copies, rows, circles and arms above this only cost time

// Counts whose largest values make one event take seconds; the benchmarks cover those.
using qtsession::optionItem;
constexpr ASInt32 kCountItems[] = {optionItem("horizontalcopiesvalue_0"),
                                   optionItem("verticalcopiesvalue_0"),
                                   optionItem("copiesvalue_1"),
                                   optionItem("copiesvalue_2"),
                                   optionItem("horizontalcopiesvalue_3"),
                                   optionItem("verticalcopiesvalue_3"),
                                   optionItem("copiesvalue_4"),
                                   optionItem("copiesvalue_5"),
                                   optionItem("circlesvalue_5"),
                                   optionItem("copiesvalue_6"),
                                   optionItem("twistvalue_6"),
                                   optionItem("copiesvalue_7"),
                                   optionItem("bouncevalue_7"),
                                   optionItem("copiesvalue_8"),
                                   optionItem("spiralsvalue_8"),
                                   optionItem("horizontalcopiesvalue_9"),
                                   optionItem("verticalcopiesvalue_9"),
                                   optionItem("copiesvalue_12")};

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void checkArt(const qthost::Document& document, AIArtHandle art, int depth) {
    if (depth > 64) broken("art nested deeper than 64");
    if (!document.isLive(art)) broken("a dead art handle is reachable in the document");
    if (AIArtHandle shape = document.envelopeShape(art); shape && !document.isLive(shape)) {
        broken("an envelope's shape is dead");
    }
    for (AIArtHandle child = document.firstChild(art); child; child = document.nextSibling(child)) {
        checkArt(document, child, depth + 1);
    }
}

void checkDocument(const qthost::Document& document) {
    for (size_t layer = 0; layer < document.layerCount(); ++layer) {
        for (AIArtHandle art = document.firstLayerArt(layer); art; art = document.nextSibling(art)) {
            checkArt(document, art, 0);
        }
    }
}

std::string snapshot(const qthost::Document& document) { return qtexport::documentJson(document, {}); }

AIReal special(uint8_t pick) {
    constexpr AIReal kInf = std::numeric_limits<AIReal>::infinity();
    const AIReal values[] = {std::numeric_limits<AIReal>::quiet_NaN(),  kInf, -kInf, 1e30f, -1e30f, 0.0f,
                             std::numeric_limits<AIReal>::denorm_min(), -0.0f};
    return values[pick % (sizeof values / sizeof values[0])];
}

AIRealPoint point(ByteReader& in) {
    switch (in.byte() % 4) {
        case 0: return {in.byte() * 3.0f, in.byte() * 3.0f};
        case 1: return {in.rawFloat(), in.rawFloat()};
        case 2: return {special(in.byte()), in.byte() * 3.0f};
        default: return {in.byte() * 3.0f - 200.0f, special(in.byte())};
    }
}

// A finite number for a spin edit: its ends, just past them, a small value, or any finite bits.
double spinValue(ByteReader& in, const qthost::DialogItem& item) {
    switch (in.byte() % 6) {
        case 0: return item.minimum();
        case 1: return item.maximum();
        case 2: return item.minimum() - 1.0;
        case 3: return item.maximum() + 1.0;
        case 4: return (in.byte() - 128) / 4.0;
        default: {
            const float value = in.rawFloat();
            return std::isfinite(value) ? value : 0.0;
        }
    }
}

void changeControl(ByteReader& in, qthost::Host& host, qthost::Dialog& palette) {
    const auto& items = palette.items();
    if (items.empty()) return;
    qthost::DialogItem* item = items[in.byte() % items.size()].get();
    if (item->isSpinEdit()) {
        qthost::DialogModel::userSetFloat(item, static_cast<AIReal>(spinValue(in, *item)));
        for (ASInt32 id : kCountItems) {
            if (item->id() == id && item->intValue() > kCountCap)
                qthost::DialogModel::userSetInt(item, kCountCap);
        }
    } else if (item->isPopup()) {
        const uint8_t pick = in.byte();
        const int index = pick < 240 ? pick % static_cast<int>(item->entries().size() + 2) - 1 : in.i32();
        qthost::DialogModel::userSelectEntry(item, index);
    } else if (item->isCheckBox()) {
        qthost::DialogModel::userSetBool(item, in.byte() & 1);
    } else if (item->isPushButton()) {
        qthost::DialogModel::userClick(item);
    }
    (void)host;
}

void lifeCycle(ByteReader& in, qthost::Host& host, bool& unloaded) {
    switch (in.byte() % 7) {
        case 0: host.editTool(); break;
        case 1: host.trackCursor(); break;
        case 2:
            host.deselectTool();
            host.selectTool();
            break;
        case 3: host.purge(); break;
        case 4: host.about(); break;
        case 5:
            if (unloaded)
                host.reload();
            else
                host.unload();
            unloaded = !unloaded;
            break;
        default: host.applicationStarted(); break;
    }
}

// The plug-in is linked in, so its module-wide state outlives each input's host. The first
// palette it sees stays its palette for good (as it would for the life of a real host); this
// host keeps that palette alive for the whole run, so later hosts never leave it dangling.
void keepFirstPalette() {
    static qthost::Host* keeper = [] {
        auto* host = new qthost::Host();
        if (host->loadStatic(PluginMain, QT_FUZZ_RESOURCE_FILE) != kNoErr)
            broken("the resource file did not load");
        if (host->startup() != kNoErr) broken("the plug-in did not start");
        host->selectTool();
        return host;
    }();
    (void)keeper;
}

void play(const uint8_t* data, size_t size) {
    keepFirstPalette();
    ByteReader in(data, size);
    qthost::HostConfig config;
    const uint8_t setup = in.byte();
    config.pressureDevice = setup & 1;
    config.colorModel = static_cast<qthost::ColorModel>((setup >> 1) % 3);
    config.seed = in.byte();

    qthost::Host host(config);
    if (host.loadStatic(PluginMain, QT_FUZZ_RESOURCE_FILE) != kNoErr)
        broken("the resource file did not load");
    if (host.startup() != kNoErr) broken("the plug-in did not start");
    host.selectTool();
    qthost::Dialog* palette = host.dialogs().find(kQuenTarbPaletteName);
    if (!palette) broken("no palette");
    // Options live as long as the module; start each input from the defaults and the grid.
    qthost::DialogModel::userClick(palette->item(qtsession::kResetItem));
    qthost::DialogModel::userSelectEntry(palette->item(qtsession::kToolSelectorItem), 0);

    std::vector<std::string> downStates;  // the document at each mouse-down, for the undo check
    bool unloaded = false;
    bool faulted = false;  // a refused release leaves the host counting a suite as held
    for (int step = 0; step < kMaxSteps && !in.done(); ++step) {
        switch (in.byte() % 11) {
            case 0:
            case 1: changeControl(in, host, *palette); break;
            case 2:
                downStates.push_back(snapshot(host.document()));
                host.mouseDown(point(in));
                break;
            case 3:
            case 4:
            case 5: {
                const AIRealPoint at = point(in);
                const auto pressure = static_cast<int16_t>(in.byte() < 250 ? in.byte() : in.i32());
                uint32_t modifiers = 0;
                if (const uint8_t keys = in.byte(); keys < 200) {
                    modifiers = (keys & 1 ? kShiftModifier : 0) | (keys & 2 ? kOptionModifier : 0) |
                                (keys & 4 ? kCommandModifier : 0);
                } else {
                    modifiers = in.u32();
                }
                host.mouseDrag(at, pressure, modifiers);
                break;
            }
            case 6: host.mouseUp(); break;
            case 7:
                if (host.undoLastDrag()) {
                    if (downStates.empty()) broken("undo without a mouse-down");
                    if (snapshot(host.document()) != downStates.back()) {
                        broken("undo did not give back the mouse-down document");
                    }
                    downStates.pop_back();
                }
                break;
            case 8: lifeCycle(in, host, unloaded); break;
            case 9:
                host.failNthCall(1 + in.byte() % 64, in.byte() & 1 ? kOutOfMemoryErr : kBadParameterErr);
                faulted = true;
                break;
            default: host.failNthCall(0, kNoErr); break;
        }
        checkDocument(host.document());
        if (host.document().staleHandleUses() != 0)
            broken("the plug-in used a handle of art that no longer exists");
    }
    host.failNthCall(0, kNoErr);
    host.shutdown();
    if (faulted) return;
    for (const auto& [suite, count] : host.records().suitesHeld) {
        if (count != 0) broken("a suite is still held after shutdown");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    play(data, size);
    return 0;
}
