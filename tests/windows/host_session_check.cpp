// The module loaded by the headless host on Windows: the host finds its names, icons, cursor
// and palette frame in the module's own resources, and the plug-in draws through PluginMain.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "checks.h"
#include "host/host.h"
#include "host/host_impl.h"
#include "host/module_loader.h"
#include "session/option_catalog.h"

namespace wintest {

namespace {

using Strings = std::vector<std::string>;

using qtsession::kToolSelectorItem;  // the palette's tool popup

std::string joined(const Strings& list) {
    std::string out;
    for (const std::string& s : list) out += (out.empty() ? "" : " | ") + s;
    return out;
}

bool allZero(const qthost::ResultLog& results) {
    return std::all_of(results.begin(), results.end(), [](ASErr r) { return r == kNoErr; });
}

ASErr drag(qthost::Host& host, AIRealPoint from, AIRealPoint to, int steps = 6) {
    ASErr result = host.mouseDown(from);
    for (int i = 1; i <= steps; ++i) {
        AIReal t = static_cast<AIReal>(i) / static_cast<AIReal>(steps);
        ASErr r = host.mouseDrag({from.h + (to.h - from.h) * t, from.v + (to.v - from.v) * t});
        if (result == kNoErr) result = r;
    }
    ASErr up = host.mouseUp();
    return result != kNoErr ? result : up;
}

qthost::DialogItem* paletteItem(qthost::Host& host, int id) {
    qthost::Dialog* palette = host.dialogs().find(kQuenTarbPaletteName);
    return palette ? palette->item(id) : nullptr;
}

void setOption(qthost::Host& host, const char* name, ASInt32 value) {
    const qtsession::OptionInfo* option = qtsession::findOption(name);
    if (option) qthost::DialogModel::userSetInt(paletteItem(host, option->item), value);
}

void checkRegistration(Checks& checks, qthost::Host& host) {
    const qthost::HostRecords& records = host.records();
    checks.equal(records.pluginName, std::string("ZU41_QuenTarb"), "the plug-in names itself");
    if (checks.equal(records.toolDetails.size(), size_t(1), "one tool")) {
        const qthost::ToolRecord& tool = records.toolDetails[0];
        checks.expect(tool.name == "QuenTarb" && tool.title == "QuenTarb" && tool.tooltip == "QuenTarb",
                      "tool name, title and tip from index string 16100 entry 1 (string 16101)", tool.title);
        for (ADMIconRef icon : {tool.icon, tool.rolloverIcon}) {
            auto* record = reinterpret_cast<const qthost::IconRecord*>(icon);
            checks.expect(
                record && record->width == 24 && record->height == 24 && record->type != kADMUnknownIconType,
                "tool icon " + std::to_string(record ? record->resourceID : 0) + " is a 24 x 24 PNG");
        }
    }
    checks.equal(joined(records.menuGroups), std::string("MorveshSoftwareLtd"),
                 "the Windows family menu group");
    checks.equal(joined(records.menuItems),
                 std::string("About/About Morvesh Software Plug-ins | MorveshSoftwareLtd/ZU41_QuenTarb..."),
                 "the Windows About menu texts");
    const auto& held = records.suitesHeld;
    checks.expect(held.count(kAICropAreaSuite) && held.count(kAICropAreaRangeSuite),
                  "the Crop Area suites are held");
    checks.expect(!held.count(kAISymbolSuite) && !held.count(kAIHitTestSuite), "no Mac-only suite is held");
}

void checkPaletteAndCursor(Checks& checks, qthost::Host& host) {
    checks.equal(host.selectTool(), kNoErr, "selecting the tool");
    qthost::Dialog* palette = host.dialogs().find(kQuenTarbPaletteName);
    if (checks.expect(palette != nullptr, "the options palette exists")) {
        checks.equal(palette->resourceID(), 16201, "palette frame: dialog 16201");
        checks.equal(palette->title(), std::string("QUENTARB "), "palette caption from dialog 16201");
        checks.equal(palette->style(), ASInt32(kADMTabbedFloatingDialogStyle), "palette style");
    }
    checks.equal(host.trackCursor(), kNoErr, "tracking the cursor");
    checks.equal(host.records().cursorID, 16001, "cursor 16001 found in the module");
}

void checkDrawing(Checks& checks, qthost::Host& host) {
    const char* const modes[] = {"grid", "zoom", "windmill", "spiral", "checkerboard", "background"};
    AIReal offset = 0.0f;
    for (const char* mode : modes) {
        qthost::DialogModel::userSelectEntry(paletteItem(host, kToolSelectorItem), qttable::toolNumber(mode));
        size_t before = host.document().liveArtCount();
        ASErr result = drag(host, {100.0f + offset, 120.0f}, {260.0f + offset, 300.0f});
        offset += 20.0f;
        checks.equal(result, kNoErr, std::string("a drag in ") + mode + " mode");
        checks.expect(host.document().liveArtCount() > before, std::string(mode) + " mode draws art");
    }
    checks.expect(allZero(host.results()), "every message so far returned 0");
}

// Unload keeps the option store; messages other than Reload do nothing until Reload.
void checkUnloadReload(Checks& checks, qthost::Host& host) {
    qthost::DialogModel::userSelectEntry(paletteItem(host, kToolSelectorItem), 0);
    setOption(host, "horizontalcopiesvalue_0", 3);
    setOption(host, "verticalcopiesvalue_0", 2);
    size_t start = host.document().liveArtCount();
    drag(host, {50.0f, 50.0f}, {200.0f, 150.0f});
    size_t drawn = host.document().liveArtCount() - start;

    checks.equal(host.unload(), kNoErr, "unload");
    size_t unloaded = host.document().liveArtCount();
    checks.equal(drag(host, {300.0f, 300.0f}, {400.0f, 400.0f}), kNoErr, "a drag while unloaded returns 0");
    checks.equal(host.document().liveArtCount(), unloaded, "and draws nothing");
    checks.equal(host.reload(), kNoErr, "reload");
    drag(host, {300.0f, 300.0f}, {450.0f, 400.0f});
    checks.equal(host.document().liveArtCount() - unloaded, drawn,
                 "after reload the 3 x 2 grid options still hold");
    checks.expect(allZero(host.results()), "every message returned 0");
}

// A copy of the module cut short is refused before LoadLibrary maps it, with the reason.
void checkCutModule(Checks& checks, const std::string& modulePath) {
    std::ifstream in(modulePath, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string cut = (std::filesystem::temp_directory_path() / "quentarb-cut-module.aip").string();
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, std::min<size_t>(bytes.size(), 20000));
    qthost::Host host;
    checks.equal(host.loadModule(cut), kBadParameterErr, "a module cut at 20000 bytes is refused");
    checks.expect(qthost::moduleLoadError().find("cut short") != std::string::npos, "and the reason says so",
                  qthost::moduleLoadError());
    std::error_code ec;
    std::filesystem::remove(cut, ec);
}

}  // namespace

void checkHostSession(Checks& checks, const std::string& modulePath) {
    {
        qthost::Host host;
        if (!checks.equal(host.loadModule(modulePath), kNoErr, "the host loads the module")) return;
        if (!checks.equal(host.startup(), kNoErr, "start-up")) return;
        checkRegistration(checks, host);
        checkPaletteAndCursor(checks, host);
        checkDrawing(checks, host);
        checkUnloadReload(checks, host);
        checks.equal(host.shutdown(), kNoErr, "shutdown");
        checks.expect(host.records().suitesHeld.empty(), "shutdown releases every suite");
    }
    // The first host freed the library; a new load starts the module afresh.
    qthost::Host again;
    checks.equal(again.loadModule(modulePath), kNoErr, "the module loads again after FreeLibrary");
    checks.equal(again.startup(), kNoErr, "and starts again");
    checks.equal(again.shutdown(), kNoErr, "and shuts down");
    checkCutModule(checks, modulePath);
}

}  // namespace wintest
