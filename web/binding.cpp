// The playground's binding: the page's mouse, key and palette events go to the headless host
// with the plug-in linked in; the document comes back as JSON or SVG and the palette as its
// live dialog model, and the art for the page's canvas as flat arrays. All behaviour stays in
// the host and the plug-in: nothing here decides anything a drawing depends on.
//
// One module instance holds one host at a time (the plug-in keeps module-wide state, so a new
// document is a new module instance, as a new process is for the command line).
#include <emscripten/bind.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "export/finite.h"
#include "export/json_export.h"
#include "export/scene.h"
#include "export/srgb.h"
#include "export/svg_export.h"
#include "host/host.h"
#include "host/run_errors.h"
#include "sdk/quen_tarb_names.h"
#include "session/document_settings.h"
#include "session/gesture.h"
#include "session/option_catalog.h"
#include "session/parse.h"
#include "session/session.h"
#include "web/draw_list.h"
#include "web/redraw_plan.h"
#include "web/renderer.h"
#include "web/window_painter.h"

namespace {

constexpr const char* kResourceFile = "/ZU41_QuenTarb.rsrc";  // embedded at link time

std::unique_ptr<qthost::Host> gHost;
qtweb::WindowPainter gWindow;  // the document's draw list and the window's picture
qtweb::Renderer gExport;       // the PNG export's bands
std::vector<uint8_t> gExportRgba;

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
        qthost::HostConfig config = qtsession::documentConfig(nlohmann::json::parse(configJson));
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

// Redo and Escape, through the host.
bool redoLastDrag() { return gHost && gHost->redoLastDrag(); }
int cancelDrag() { return gHost ? gHost->cancelDrag() : kInvalidStateErr; }
unsigned undoableDrags() { return gHost ? static_cast<unsigned>(gHost->undoableDrags()) : 0; }
unsigned redoableDrags() { return gHost ? static_cast<unsigned>(gHost->redoableDrags()) : 0; }

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
    qtexport::RunInfo run{gHost->config().seed, gHost->results().all(), gHost->records().alerts};
    return qtexport::documentJson(gHost->document(), run);
}

std::string documentSvg() { return gHost ? qtexport::sceneSvg(qtexport::buildScene(gHost->document())) : ""; }

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
// `rows` rows, `width` pixels wide, of the document at `scale` pixels per point with the page's
// top-left corner at pixel (x, y), over white, as RGBA: one band of the PNG export.
emscripten::val exportBand(double scale, int width, int rows, double x, double y) {
    if (!gHost) return emscripten::val::null();
    gWindow.update(gHost->document(), false);
    const qtweb::View view{scale, x, y, gHost->document().pageHeight()};
    const qtweb::DrawList& list = gWindow.list();
    gExport.begin(list, 0, list.records(), view, width, rows, qtweb::Job::everything);
    gExport.step(std::numeric_limits<double>::infinity());
    qtweb::unpremultiply(gExport.picture(), gExport.picture().rect, true, gExportRgba);
    return emscripten::val(emscripten::typed_memory_view(gExportRgba.size(), gExportRgba.data()));
}

// What the last events left that the page reports: alerts from index `from` on, the number
// of results, and the objects the exporters leave out.
std::string statusJson(int from) {
    if (!gHost) return "null";
    const auto& alerts = gHost->records().alerts;
    nlohmann::json newAlerts = nlohmann::json::array();
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i < alerts.size(); ++i)
        newAlerts.push_back(alerts[i]);
    nlohmann::json out = {{"alerts", std::move(newAlerts)},
                          {"alertCount", alerts.size()},
                          {"nonFinite", qtexport::countNonFinite(gHost->document())}};
    return out.dump();
}

// Every option the palette edits, for the page's gesture log (store names by item).
std::string optionCatalogJson() {
    nlohmann::json out = nlohmann::json::array();
    for (const qtsession::OptionInfo& o : qtsession::optionCatalog()) {
        out.push_back({{"name", std::string(o.name)},
                       {"type", qtsession::typeName(o.type)},
                       {"item", o.item},
                       {"tool", o.tool},
                       {"default", o.defaultValue}});
    }
    return out.dump();
}

// The palette controls' tooltips and short names (resources/option_tips.def) and the
// captions of the spin edits (the option table's), by palette item.
std::string controlTipsJson() {
    nlohmann::json out = nlohmann::json::object();
    for (const qtsession::ControlTip& tip : qtsession::controlTips()) {
        int item = tip.item;
        std::string caption;
        if (item < 0) {
            const qtsession::OptionInfo* option = qtsession::findOption(tip.option);
            if (!option) continue;
            item = option->item;
            caption = option->caption;
        }
        out[std::to_string(item)] = {
            {"what", std::string(tip.what)}, {"tip", std::string(tip.tip)}, {"caption", caption}};
    }
    return out.dump();
}

// The bounds of everything drawn, as the exporters draw it: [left, bottom, right, top] in
// document points over every anchor and handle, widened by half the widest stroke; null
// without art.
void growBounds(const qtexport::SceneNode& node, AIRealRect& box, bool& any, double& stroke) {
    for (const qtexport::SceneNode& child : node.children) growBounds(child, box, any, stroke);
    if (node.style.strokePaint) stroke = std::max(stroke, static_cast<double>(node.style.stroke.width));
    for (const AIPathSegment& s : node.segments) {
        for (AIRealPoint p : {s.p, s.in, s.out}) {
            if (!any) box = {p.h, p.v, p.h, p.v};
            any = true;
            box.left = std::min(box.left, p.h);
            box.right = std::max(box.right, p.h);
            box.bottom = std::min(box.bottom, p.v);
            box.top = std::max(box.top, p.v);
        }
    }
}

std::string artBoundsJson() {
    if (!gHost) return "null";
    const qtexport::Scene scene = qtexport::buildScene(gHost->document());
    AIRealRect box{};
    bool any = false;
    double stroke = 0;
    for (const qtexport::SceneLayer& layer : scene.layers)
        for (const qtexport::SceneNode& node : layer.nodes) growBounds(node, box, any, stroke);
    if (!any) return "null";
    const double half = stroke / 2;
    return nlohmann::json::array({box.left - half, box.bottom - half, box.right + half, box.top + half})
        .dump();
}

// The tool names the command line and gesture files use, by number.
std::string toolNamesJson() {
    nlohmann::json out = nlohmann::json::array();
    for (const qttable::Tool& tool : qttable::kTools) out.push_back(tool.name);
    return out.dump();
}

// A gesture file read as `quentarb draw --gesture` reads it, as the page's own log: tools by
// number and option values typed by their option. {"error": ...} names what is wrong.
std::string normalizeGesture(const std::string& text) {
    using Type = qtsession::GestureEvent::Type;
    try {
        const std::vector<qtsession::GestureEvent> events = qtsession::parseGesture(text);
        nlohmann::json out = nlohmann::json::array();
        for (size_t i = 0; i < events.size(); ++i) {
            const qtsession::GestureEvent& e = events[i];
            const std::string where = "gesture event " + std::to_string(i);
            switch (e.type) {
                case Type::down: out.push_back({{"type", "down"}, {"at", {e.at.h, e.at.v}}}); break;
                case Type::drag: {
                    nlohmann::json drag = {{"type", "drag"}, {"at", {e.at.h, e.at.v}}};
                    if (e.pressure != 255) drag["pressure"] = e.pressure;
                    if (e.modifiers) drag["modifiers"] = e.modifiers;
                    out.push_back(std::move(drag));
                    break;
                }
                case Type::up: out.push_back({{"type", "up"}}); break;
                case Type::undo: out.push_back({{"type", "undo"}}); break;
                case Type::redo: out.push_back({{"type", "redo"}}); break;
                case Type::cancel: out.push_back({{"type", "cancel"}}); break;
                case Type::reset: out.push_back({{"type", "reset"}}); break;
                case Type::tool: out.push_back({{"type", "tool"}, {"tool", e.number}}); break;
                case Type::shape: out.push_back({{"type", "shape"}, {"shape", e.number}}); break;
                case Type::set: {
                    const qtsession::OptionInfo* option = qtsession::findOption(e.option);
                    const std::string what = where + ": option " + qthost::inQuotes(e.option);
                    if (!option) throw qthost::UsageError(what + " is unknown");
                    if (option->item < 0) throw qthost::UsageError(what + " has no control in the palette");
                    nlohmann::json value;
                    if (option->type == qtsession::OptionType::Bool) {
                        value = qtsession::parseBool(e.value, what);
                    } else if (option->type == qtsession::OptionType::Real) {
                        value = qtsession::parseNumber(e.value, what);
                    } else {
                        value = std::clamp<long long>(qtsession::parseInteger(e.value, what), INT32_MIN,
                                                      INT32_MAX);
                    }
                    out.push_back({{"type", "set"}, {"option", e.option}, {"value", std::move(value)}});
                    break;
                }
            }
        }
        return nlohmann::json{{"events", std::move(out)}}.dump();
    } catch (const std::exception& error) {
        return nlohmann::json{{"error", error.what()}}.dump();
    }
}

// The palette items the page drives by number, from the tables.
std::string paletteItemsJson() {
    return nlohmann::json{{"toolSelector", qtsession::kToolSelectorItem},
                          {"lineType", qtsession::kLineTypeItem},
                          {"reset", qtsession::kResetItem}}
        .dump();
}

// A result code as the page reports it, as the command line does.
std::string errorCodeText(int code) { return qtsession::errorCodeText(code); }

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
    emscripten::function("documentPathCount", &documentPathCount);
    emscripten::function("paintFrame", &paintFrame);
    emscripten::function("paintedJob", &paintedJob);
    emscripten::function("presentPicture", &presentPicture);
    emscripten::function("pictureRgba", &pictureRgba);
    emscripten::function("pictureCounts", &pictureCounts);
    emscripten::function("exportBand", &exportBand);
    emscripten::function("optionCatalogJson", &optionCatalogJson);
    emscripten::function("paletteItemsJson", &paletteItemsJson);
    emscripten::function("errorCodeText", &errorCodeText);
    emscripten::function("redoLastDrag", &redoLastDrag);
    emscripten::function("cancelDrag", &cancelDrag);
    emscripten::function("undoableDrags", &undoableDrags);
    emscripten::function("redoableDrags", &redoableDrags);
    emscripten::function("controlTipsJson", &controlTipsJson);
    emscripten::function("toolNamesJson", &toolNamesJson);
    emscripten::function("normalizeGesture", &normalizeGesture);
    emscripten::function("artBoundsJson", &artBoundsJson);
}
