// `quentarb gallery`: every mode with its defaults and a showcase setting, as PNG, SVG and
// JSON, with an index page.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/commands.h"
#include "app/messages.h"
#include "app/presets.h"
#include "app/progress.h"
#include "app/standard_output.h"
#include "export/files/atomic_file.h"
#include "export/files/cairo_export.h"
#include "export/files/document_file.h"
#include "export/json_export.h"
#include "export/scene.h"
#include "export/svg_export.h"
#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/parse.h"
#include "session/session.h"

namespace qtapp {

using namespace qtsession;
using namespace qtexport;

using qthost::inQuotes;
using qthost::printable;
using qthost::RunFailure;

namespace {

// Every mode at its defaults, then every preset of the table (resources/presets.json).
std::vector<Preset> pieces() {
    const PresetTable& table = builtInPresets();
    std::vector<Preset> list;
    for (int tool = 0; tool < qttable::kToolCount; ++tool) {
        Preset plain;
        plain.name = toolName(tool);
        plain.title = "defaults";
        plain.tool = tool;
        plain.from = {180, 300};
        plain.to = {430, 520};
        plain.config = table.document;
        list.push_back(std::move(plain));
    }
    list.insert(list.end(), table.presets.begin(), table.presets.end());
    return list;
}

std::string escapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

}  // namespace

// Every file is written atomically. A piece whose plug-in reports an error is status 1 and the
// gallery goes on; a file that cannot be written stops it with status 3.
size_t galleryPieceCount() { return pieces().size(); }

int runGallery(const std::string& directory, std::ostream& out, std::ostream& err, size_t first,
               size_t count) {
    namespace fs = std::filesystem;
    // The presets, the settings and the module are checked before the folder is made: a
    // refused run creates nothing. The first piece's session is the module's check.
    std::vector<Preset> all;
    std::unique_ptr<Session> ready;
    size_t end = 0;
    try {
        progressDelay();
        all = pieces();
        first = std::min(first, all.size());
        end = first + std::min(count, all.size() - first);
        if (first < end) ready = std::make_unique<Session>(all[first].config);
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
    size_t index = first;
    Progress progress;
    try {
        for (; index < end; ++index) {
            const Preset& piece = all[index];
            std::string name = std::to_string(index) + "-" + toolName(piece.tool);
            progress.step("piece " + std::to_string(index + 1) + " of " + std::to_string(all.size()));
            std::unique_ptr<Session> made =
                ready ? std::move(ready) : std::make_unique<Session>(piece.config);
            Session& session = *made;
            session.selectTool(piece.tool);
            session.selectShape(piece.shape);
            for (const auto& [option, value] : piece.sets) session.setOption(option, value);
            session.play(straightDrag(piece.from, piece.to, piece.steps, 255, 0));
            qthost::Host& host = session.host();
            RunInfo run{host.config().seed, host.results().all(), host.records().alerts};
            writeTextFile((fs::path(directory) / (name + ".json")).string(),
                          documentJson(host.document(), run));
            Scene scene = buildScene(host.document());
            writeTextFile((fs::path(directory) / (name + ".svg")).string(), sceneSvg(scene));
            const std::string png = (fs::path(directory) / (name + ".png")).string();
            if (std::string failure = writePng(scene, png); !failure.empty()) {
                throw RunFailure(failure.rfind("cannot ", 0) == 0
                                     ? failure
                                     : "cannot write " + inQuotes(png) + ": " + failure);
            }
            if (session.pluginFailed()) {
                progress.clear();
                err << "quentarb gallery: " << name << ": the plug-in reported an error\n";
                status = kExitPluginError;
            }
            html += "<figure><a href=\"" + name + ".svg\"><img src=\"" + name + ".png\" alt=\"" + name +
                    "\"></a><figcaption>" +
                    escapeHtml(std::string(toolName(piece.tool)) + ": " + piece.title) +
                    "</figcaption></figure>\n";
        }
        html += "</body></html>\n";
        writeTextFile((fs::path(directory) / "index.html").string(), html);
        progress.clear();
        std::string done =
            "gallery: " + std::to_string(end - first) + " pieces in " + printable(directory) + "\n";
        if (&out == &std::cout)
            writeStandardOutput(done);
        else
            out << done;
        return status;
    } catch (...) {
        progress.clear();
        return reportFailure("quentarb gallery", std::current_exception(), err);
    }
}

}  // namespace qtapp
