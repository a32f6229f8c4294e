// The playground's binding: the page's mouse, key and palette events go to the headless host
// with the plug-in linked in; the document comes back as JSON or SVG and the palette as its
// live dialog model, and the art for the page's canvas as flat arrays. All behaviour stays in
// the host and the plug-in: nothing here decides anything a drawing depends on.
//
// One module instance holds one host at a time (the plug-in keeps module-wide state, so a new
// document is a new module instance, as a new process is for the command line).
#include <emscripten/bind.h>

#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "app/colors.h"
#include "app/finite.h"
#include "app/json_export.h"
#include "app/option_catalog.h"
#include "app/parse.h"
#include "app/scene.h"
#include "app/svg_export.h"
#include "host/host.h"
#include "sdk/quen_tarb_names.h"
#include "web/draw_list.h"
#include "web/redraw_plan.h"
#include "web/renderer.h"
#include "web/window_painter.h"

namespace {

constexpr const char* kResourceFile = "/ZU41_QuenTarb.rsrc";  // embedded at link time

std::unique_ptr<qthost::Host> gHost;
qtweb::WindowPainter gWindow;  // the document's draw list and the window's picture
qtweb::Renderer gExport;        // the PNG export's bands
std::vector<uint8_t> gExportRgba;

qthost::HostConfig configFrom(const nlohmann::json& j) {
    qthost::HostConfig config;
    if (j.contains("seed")) config.seed = qtapp::checkedSeed(j.at("seed").get<long long>(), "seed");
    if (j.contains("page")) {
        const AIRealPoint page{j.at("page").at(0).get<AIReal>(), j.at("page").at(1).get<AIReal>()};
        const AIRealPoint checked = qtapp::checkedPageSize(page, "page");
        config.pageWidth = checked.h;
        config.pageHeight = checked.v;
    }
    if (j.contains("colorModel")) config.colorModel = qtapp::parseColorModel(j.at("colorModel").get<std::string>());
    if (j.contains("fill")) config.fill = qtapp::parsePaint(j.at("fill").get<std::string>(), "fill");
    if (j.contains("stroke")) config.stroke = qtapp::parsePaint(j.at("stroke").get<std::string>(), "stroke");
    if (j.contains("strokeWidth")) config.strokeWidth = qtapp::checkedStrokeWidth(j.at("strokeWidth").get<double>(), "stroke width");
    if (j.contains("pressureDevice")) config.pressureDevice = j.at("pressureDevice").get<bool>();
    return config;
}

qthost::Dialog* palette() { return gHost ? gHost->dialogs().find(kQuenTarbPaletteName) : nullptr; }

qthost::DialogItem* control(int id) {
    qthost::Dialog* dialog = palette();
    return dialog ? dialog->item(id) : nullptr;
}

// Starts a host with the plug-in: start-up, then the tool selection that builds the palette.
// Returns "" or what went wrong.
std::string start(const std::string& configJson) {
    if (gHost) return "a host is already running in this module instance";
    try {
        qthost::HostConfig config = configFrom(nlohmann::json::parse(configJson));
        gHost = std::make_unique<qthost::Host>(config);
        if (ASErr err = gHost->loadStatic(PluginMain, kResourceFile))
            return "the plug-in could not be registered: error " + std::to_string(err);
        if (ASErr err = gHost->startup()) return "the plug-in did not start: error " + std::to_string(err);
        gHost->selectTool();
        if (!palette()) return "the plug-in built no options palette";
        return "";
    } catch (const std::exception& e) {
        gHost.reset();
        return e.what();
    }
}

void stop() {
    if (gHost) gHost->shutdown();
    gHost.reset();
    gWindow = {};
    gExport = {};
    gExportRgba = {};
}

int mouseDown(float h, float v) { return gHost ? gHost->mouseDown({h, v}) : kInvalidStateErr; }
int mouseDrag(float h, float v, int pressure, unsigned modifiers) {
    return gHost ? gHost->mouseDrag({h, v}, static_cast<int16_t>(pressure), modifiers) : kInvalidStateErr;
}
int mouseUp() { return gHost ? gHost->mouseUp() : kInvalidStateErr; }
bool undoLastDrag() { return gHost && gHost->undoLastDrag(); }

// The palette as a user changes it; each returns whether the change took.
bool setInt(int item, int value) { return qthost::DialogModel::userSetInt(control(item), value); }
bool setFloat(int item, float value) { return qthost::DialogModel::userSetFloat(control(item), value); }
bool setBool(int item, bool value) { return qthost::DialogModel::userSetBool(control(item), value); }
bool selectEntry(int item, int index) { return qthost::DialogModel::userSelectEntry(control(item), index); }
bool click(int item) { return qthost::DialogModel::userClick(control(item)); }

const char* kindOf(const qthost::DialogItem& item) {
    if (item.isSpinEdit()) return "spin";
    if (item.isPopup()) return "popup";
    if (item.isCheckBox()) return "check";
    if (item.isPushButton()) return "button";
    if (item.type() == kADMTextStaticType) return "text";
    return "other";
}

// The live dialog model: title, size, and every item with its bounds, caption, state and
// value; popup entries only when asked (they do not change after the palette is built).
std::string paletteJson(bool withEntries) {
    qthost::Dialog* dialog = palette();
    if (!dialog) return "null";
    nlohmann::json items = nlohmann::json::array();
    for (const auto& owned : dialog->items()) {
        const qthost::DialogItem& item = *owned;
        ADMRect b = item.bounds();
        nlohmann::json j = {{"id", item.id()},
                            {"kind", kindOf(item)},
                            {"bounds", {b.left, b.top, b.right, b.bottom}},
                            {"text", item.text()},
                            {"visible", item.visible()},
                            {"enabled", item.enabled()}};
        if (item.isSpinEdit()) {
            j["min"] = item.minimum();
            j["max"] = item.maximum();
            j["precision"] = item.precision();
            if (item.precision() == 0) {
                j["value"] = item.intValue();
            } else {
                j["value"] = item.floatValue();
            }
        } else if (item.isCheckBox()) {
            j["value"] = item.boolValue();
        } else if (item.isPopup()) {
            j["value"] = item.activeIndex();
            if (withEntries) {
                nlohmann::json entries = nlohmann::json::array();
                for (const auto& entry : item.entries()) entries.push_back(entry->text);
                j["entries"] = std::move(entries);
            }
        }
        items.push_back(std::move(j));
    }
    nlohmann::json out = {{"title", dialog->title()},
                          {"width", dialog->width()},
                          {"height", dialog->height()},
                          {"items", std::move(items)}};
    return out.dump();
}

std::string documentJson() {
    if (!gHost) return "null";
    qtapp::RunInfo run{gHost->config().seed, gHost->results().all(), gHost->records().alerts};
    return qtapp::documentJson(gHost->document(), run);
}

std::string documentSvg() { return gHost ? qtapp::sceneSvg(qtapp::buildScene(gHost->document())) : ""; }

// Brings the document's draw list up to date (see RedrawPlan): 0 nothing changed, 1 new art
// above the rest, 2 new art beneath it, 3 everything; -1 without a host. The arrays below
// hold the whole list, as views into the module's memory that the next call may move.
int drawUpdate(bool everything) {
    return gHost ? static_cast<int>(gWindow.update(gHost->document(), everything)) : -1;
}
emscripten::val drawInts() {
    const auto& list = gWindow.list();
    return emscripten::val(emscripten::typed_memory_view(list.ints.size(), list.ints.data()));
}
emscripten::val drawFloats() {
    const auto& list = gWindow.list();
    return emscripten::val(emscripten::typed_memory_view(list.floats.size(), list.floats.data()));
}
emscripten::val drawSegments() {
    const auto& list = gWindow.list();
    return emscripten::val(emscripten::typed_memory_view(list.segments.size(), list.segments.data()));
}
unsigned documentPathCount() { return gWindow.plan().pathCount(); }

// ---- The window's picture and the PNG export, drawn here (web/renderer.h) ----

// One animation frame of drawing the window's picture of `width` × `height` device pixels,
// the page's top-left corner at device pixel (x, y), `scale` device pixels per point: 0 the
// picture is up to date, 1 more frames are needed, 2 a job finished (present it); -1 without
// a host.
int paintFrame(int width, int height, double scale, double x, double y, double budgetMs) {
    if (!gHost) return -1;
    const qtweb::View view{scale, x, y, gHost->document().pageHeight()};
    return static_cast<int>(gWindow.frame(gHost->document(), width, height, view, budgetMs));
}
// What the last job drew: 1 new art above, 2 new art beneath, 3 everything.
int paintedJob() { return static_cast<int>(gWindow.lastJob()); }
// Makes the picture as unpremultiplied RGBA (pictureRgba) up to date in the rectangle it
// returns, [x, y, width, height].
emscripten::val presentPicture() {
    gWindow.present();
    const qtweb::PixelRect r = gWindow.presented();
    emscripten::val out = emscripten::val::array();
    for (int v : {r.x0, r.y0, r.width(), r.height()}) out.call<void>("push", v);
    return out;
}
emscripten::val pictureRgba() {
    const std::vector<uint8_t>& rgba = gWindow.rgba();
    return emscripten::val(emscripten::typed_memory_view(rgba.size(), rgba.data()));
}
// Paths the picture shows, those of them a few pixels across or less, the pixels their
// coverage touched (once per path) and the area the art spans.
emscripten::val pictureCounts() {
    emscripten::val out = emscripten::val::object();
    out.set("paths", gWindow.renderer().pathsDrawn());
    out.set("tiny", gWindow.renderer().tinyPaths());
    out.set("ink", gWindow.renderer().inkPixels());
    out.set("area", gWindow.renderer().artPixels());
    return out;
}
// Rows [top, top + rows) of the page at `scale` pixels per point, `width` pixels wide, over
// white, as RGBA.
emscripten::val exportBand(double scale, int width, int top, int rows) {
    if (!gHost) return emscripten::val::null();
    gWindow.update(gHost->document(), false);
    const qtweb::View view{scale, 0, -static_cast<double>(top), gHost->document().pageHeight()};
    const qtweb::DrawList& list = gWindow.list();
    gExport.begin(list, 0, list.records(), view, width, rows, qtweb::Job::everything);
    gExport.step(std::numeric_limits<double>::infinity());
    qtweb::unpremultiply(gExport.picture(), gExport.picture().rect, true, gExportRgba);
    return emscripten::val(emscripten::typed_memory_view(gExportRgba.size(), gExportRgba.data()));
}

// The blend modes by number, as canvas composite operations ("normal" is "source-over").
std::string blendModeNames() {
    nlohmann::json names = nlohmann::json::array();
    for (int mode = 0; mode <= 15; ++mode) {
        std::string css = qtapp::blendModeCss(mode);
        names.push_back(css == "normal" ? "source-over" : css);
    }
    return names.dump();
}

// What the last events left that the page reports: alerts from index `from` on, the number
// of results, and the objects the exporters leave out.
std::string statusJson(int from) {
    if (!gHost) return "null";
    const auto& alerts = gHost->records().alerts;
    nlohmann::json newAlerts = nlohmann::json::array();
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i < alerts.size(); ++i) newAlerts.push_back(alerts[i]);
    nlohmann::json out = {{"alerts", std::move(newAlerts)},
                          {"alertCount", alerts.size()},
                          {"nonFinite", qtapp::countNonFinite(gHost->document())}};
    return out.dump();
}

// Every option the palette edits, for the page's gesture log (store names by item).
std::string optionCatalogJson() {
    nlohmann::json out = nlohmann::json::array();
    for (const qtapp::OptionInfo& o : qtapp::optionCatalog()) {
        const char* type = o.type == qtapp::OptionType::boolean ? "bool"
                           : o.type == qtapp::OptionType::real  ? "float"
                                                                : "int32";
        out.push_back({{"name", std::string(o.name)},
                       {"type", type},
                       {"item", o.item},
                       {"tool", o.tool},
                       {"default", o.defaultValue}});
    }
    return out.dump();
}

}  // namespace

EMSCRIPTEN_BINDINGS(quentarb_playground) {
    emscripten::function("start", &start);
    emscripten::function("stop", &stop);
    emscripten::function("mouseDown", &mouseDown);
    emscripten::function("mouseDrag", &mouseDrag);
    emscripten::function("mouseUp", &mouseUp);
    emscripten::function("undoLastDrag", &undoLastDrag);
    emscripten::function("setInt", &setInt);
    emscripten::function("setFloat", &setFloat);
    emscripten::function("setBool", &setBool);
    emscripten::function("selectEntry", &selectEntry);
    emscripten::function("click", &click);
    emscripten::function("paletteJson", &paletteJson);
    emscripten::function("documentJson", &documentJson);
    emscripten::function("documentSvg", &documentSvg);
    emscripten::function("statusJson", &statusJson);
    emscripten::function("drawUpdate", &drawUpdate);
    emscripten::function("drawInts", &drawInts);
    emscripten::function("drawFloats", &drawFloats);
    emscripten::function("drawSegments", &drawSegments);
    emscripten::function("documentPathCount", &documentPathCount);
    emscripten::function("paintFrame", &paintFrame);
    emscripten::function("paintedJob", &paintedJob);
    emscripten::function("presentPicture", &presentPicture);
    emscripten::function("pictureRgba", &pictureRgba);
    emscripten::function("pictureCounts", &pictureCounts);
    emscripten::function("exportBand", &exportBand);
    emscripten::function("blendModeNames", &blendModeNames);
    emscripten::function("optionCatalogJson", &optionCatalogJson);
}
