// `quentarb gallery`: every mode with its defaults and a showcase setting, as PNG, SVG and
// JSON, with an index page.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <iostream>
#include <stdexcept>

#include "app/commands.h"
#include "app/standard_output.h"
#include "export/files/atomic_file.h"
#include "export/json_export.h"
#include "app/messages.h"
#include "export/files/document_file.h"
#include "session/parse.h"
#include "app/progress.h"
#include "export/scene.h"
#include "export/files/cairo_export.h"
#include "session/session.h"
#include "export/svg_export.h"
#include "host/run_errors.h"

namespace qtapp {

using namespace qtsession;
using namespace qtexport;

using qthost::RunFailure;
using qthost::inQuotes;
using qthost::printable;

namespace {

struct GalleryPiece {
    int tool;
    const char* title;
    int shape;
    std::vector<std::pair<std::string, std::string>> sets;
    AIRealPoint from, to;
};

// A closed shape with a colour series shows how each mode lays its copies out.
const std::vector<std::pair<std::string, std::string>> kColourful = {
    {"closedpath", "1"}, {"filloptions", "3"}, {"strokeoptions", "2"}};

std::vector<GalleryPiece> pieces() {
    std::vector<GalleryPiece> list;
    const AIRealPoint from{180, 300}, to{430, 520};
    for (int tool = 0; tool <= 12; ++tool) {
        list.push_back({tool, "defaults", 0, {}, from, to});
    }
    auto add = [&](int tool, const char* title, int shape, std::vector<std::pair<std::string, std::string>> sets,
                   AIRealPoint a = {180, 300}, AIRealPoint b = {430, 520}) {
        for (const auto& s : kColourful) sets.insert(sets.begin(), s);
        list.push_back({tool, title, shape, std::move(sets), a, b});
    };
    add(0, "checkerboard thinning, turns", 4, {{"checkoptions_0", "1"}, {"flipoptions_0", "2"}});
    add(1, "curved line, rotation", 5, {{"copiesvalue_1", "24"}, {"rotatevalue_1", "15"}});
    add(2, "grid zoom", 0, {{"zoomoptions_2", "1"}, {"copiesvalue_2", "40"}, {"curvevalue_2", "30"}}, {306, 396}, {320, 420});
    add(3, "framed, turned edges", 13, {{"edgeoptions_3", "1"}});
    add(4, "rim random", 14, {{"copiesvalue_4", "40"}});
    add(5, "windmill, two circles", 4, {{"copiesvalue_5", "16"}, {"circlesvalue_5", "2"}}, {306, 396}, {380, 470});
    add(6, "scaledown, twists", 5, {{"copiesvalue_6", "30"}, {"twistvalue_6", "3"}});
    add(7, "bounce-along", 4, {{"copiesvalue_7", "20"}});
    add(8, "spiral, five arms", 4, {{"spiralsvalue_8", "5"}, {"copiesvalue_8", "30"}}, {306, 396}, {420, 470});
    add(9, "checkerboard, touch", 3, {{"scaledvalue_9", "1"}});
    add(10, "paint, follow", 5, {{"followvalue_10", "1"}});
    add(11, "basic tile", 17, {});
    add(12, "background", 4, {{"copiesvalue_12", "120"}});
    add(0, "pattern 1, blend and opacity", 4, {{"patternoptions", "1"}, {"blend", "1"}, {"opacity", "1"}});
    add(1, "warp", 4, {{"envelopevalue_1", "1"}});
    return list;
}

// New art in three-colour paint, so that the colour series come out in colour.
qthost::HostConfig galleryConfig() {
    qthost::HostConfig config;
    config.fill = qthost::Paint::white(qthost::ColorModel::rgb);
    qthost::Paint stroke = qthost::Paint::black(qthost::ColorModel::rgb);
    stroke.color.c.rgb = {0.1f, 0.1f, 0.2f};
    config.stroke = stroke;
    return config;
}

std::string escapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out += c;
    }
    return out;
}

}  // namespace

// Every file is written atomically. A piece whose plug-in reports an error is status 1 and the
// gallery goes on; a file that cannot be written stops it with status 3.
int runGallery(const std::string& directory, std::ostream& out, std::ostream& err) {
    namespace fs = std::filesystem;
    const std::vector<GalleryPiece> all = pieces();
    // The module and the settings are checked before the folder is made: a refused run
    // creates nothing. The first piece's session is that check.
    std::unique_ptr<Session> first;
    try {
        progressDelay();
        first = std::make_unique<Session>(galleryConfig());
    } catch (...) {
        return reportFailure("quentarb gallery", std::current_exception(), err);
    }
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec || !fs::is_directory(directory, ec) || access(directory.c_str(), W_OK | X_OK) != 0) {
        err << "quentarb gallery: cannot write into " << inQuotes(directory) << "\n";
        return kExitBadInput;
    }
    std::string html =
        "<!doctype html>\n<html><head><meta charset=\"utf-8\"><title>QuenTarb gallery</title>\n"
        "<style>body{font-family:sans-serif;background:#eee}figure{display:inline-block;margin:8px;"
        "background:#fff;padding:6px}img{width:306px;height:396px;border:1px solid #ccc}</style>\n"
        "</head><body>\n<h1>QuenTarb: every mode</h1>\n";
    int status = 0;
    int index = 0;
    Progress progress;
    try {
        for (const GalleryPiece& piece : all) {
            std::string name = std::to_string(index++) + "-" + toolName(piece.tool);
            progress.step("piece " + std::to_string(index) + " of " + std::to_string(all.size()));
            std::unique_ptr<Session> made = first ? std::move(first) : std::make_unique<Session>(galleryConfig());
            Session& session = *made;
            session.selectTool(piece.tool);
            session.selectShape(piece.shape);
            for (const auto& [option, value] : piece.sets) session.setOption(option, value);
            session.play(straightDrag(piece.from, piece.to, 8, 255, 0));
            qthost::Host& host = session.host();
            RunInfo run{host.config().seed, host.results().all(), host.records().alerts};
            writeTextFile((fs::path(directory) / (name + ".json")).string(), documentJson(host.document(), run));
            Scene scene = buildScene(host.document());
            writeTextFile((fs::path(directory) / (name + ".svg")).string(), sceneSvg(scene));
            const std::string png = (fs::path(directory) / (name + ".png")).string();
            if (std::string failure = writePng(scene, png); !failure.empty()) {
                throw RunFailure(failure.rfind("cannot ", 0) == 0 ? failure : "cannot write " + inQuotes(png) + ": " + failure);
            }
            if (session.pluginFailed()) {
                progress.clear();
                err << "quentarb gallery: " << name << ": the plug-in reported an error\n";
                status = kExitPluginError;
            }
            html += "<figure><a href=\"" + name + ".svg\"><img src=\"" + name + ".png\" alt=\"" + name +
                    "\"></a><figcaption>" + escapeHtml(std::string(toolName(piece.tool)) + ": " + piece.title) +
                    "</figcaption></figure>\n";
        }
        html += "</body></html>\n";
        writeTextFile((fs::path(directory) / "index.html").string(), html);
        progress.clear();
        std::string done = "gallery: " + std::to_string(index) + " pieces in " + printable(directory) + "\n";
        if (&out == &std::cout) writeStandardOutput(done); else out << done;
        return status;
    } catch (...) {
        progress.clear();
        return reportFailure("quentarb gallery", std::current_exception(), err);
    }
}

}  // namespace qtapp
