// quentarb._quentarb: the engine's side of the Python package. The package's Python files give
// it its Python shape (quentarb/__init__.py); everything here returns plain values and arrays.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "export/json_export.h"
#include "export/json_writer.h"
#include "export/srgb.h"
#include "host/run_errors.h"
#include "python/arguments.h"
#include "python/failure.h"
#include "python/geometry.h"
#include "python/package.h"
#include "python/py_session.h"
#include "python/snapshot.h"
#include "session/option_catalog.h"
#include "session/option_listing.h"
#include "session/parse.h"

namespace py = pybind11;

namespace qtpython {

namespace {

// ---- Documents ----

py::tuple paint(bool painted, const AIColor& color) {
    py::list values;
    for (int i = 0; i < qtexport::colorComponentCount(color.kind); ++i) values.append(color.c.values[i]);
    const qtexport::Rgb rgb = qtexport::toSrgb(color);
    return py::make_tuple(painted, qtexport::colorKindName(color.kind), py::tuple(values),
                          py::make_tuple(rgb.r, rgb.g, rgb.b));
}

py::dict tags(const qtexport::SceneNode& node) {
    py::dict out;
    for (const auto& [name, value] : node.tags) out[text(name)] = text(value);
    return out;
}

// Segments (M x 6: anchor, in, out), corner flags (M), each path's first segment (P + 1), and
// per path: closed, even-odd, fill and stroke (painted, kind, components, sRGB), stroke width,
// opacity, blend mode and its name, tags, layer, and the groups it is in.
py::tuple pathsOf(const Snapshot& s) {
    const std::vector<ScenePath> paths = scenePaths(s.scene);
    size_t total = 0;
    for (const ScenePath& p : paths) total += p.node->segments.size();
    py::array_t<double> segments({total, size_t(6)});
    py::array_t<bool> corners(total);
    py::array_t<int64_t> offsets(paths.size() + 1);
    {
        double* d = segments.mutable_data();
        bool* c = corners.mutable_data();
        int64_t* o = offsets.mutable_data();
        py::gil_scoped_release release;
        size_t at = 0;
        for (size_t i = 0; i < paths.size(); ++i) {
            o[i] = static_cast<int64_t>(at);
            for (const AIPathSegment& seg : paths[i].node->segments) {
                for (AIRealPoint p : {seg.p, seg.in, seg.out}) {
                    *d++ = p.h;
                    *d++ = p.v;
                }
                c[at++] = seg.corner != 0;
            }
        }
        o[paths.size()] = static_cast<int64_t>(at);
    }
    py::list meta;
    for (const ScenePath& p : paths) {
        const qtexport::SceneNode& n = *p.node;
        py::list groups;
        for (const qtexport::SceneNode* g : p.groups) {
            groups.append(
                py::make_tuple(g->opacity, g->blendMode, qtexport::blendModeCss(g->blendMode), tags(*g)));
        }
        meta.append(
            py::make_tuple(n.closed, n.style.evenodd != 0, paint(n.style.fillPaint != 0, n.style.fill.color),
                           paint(n.style.strokePaint != 0, n.style.stroke.color), n.style.stroke.width,
                           n.opacity, n.blendMode, qtexport::blendModeCss(n.blendMode), tags(n),
                           text(s.scene.layers[p.layer].name), py::tuple(groups)));
    }
    return py::make_tuple(segments, corners, offsets, meta);
}

// Points (K x 2) and each path's first point (P + 1).
py::tuple polylinesOf(const Snapshot& s, double tolerance) {
    if (!(tolerance > 0.0) || !std::isfinite(tolerance))
        throw qthost::UsageError("polylines: tolerance must be above 0");
    Polylines lines = withoutGil([&] { return flatten(scenePaths(s.scene), tolerance); });
    py::array_t<double> points({lines.points.size() / 2, size_t(2)});
    if (!lines.points.empty())
        std::memcpy(points.mutable_data(), lines.points.data(), lines.points.size() * sizeof(double));
    py::array_t<int64_t> offsets(lines.offsets.size());
    int64_t* o = offsets.mutable_data();
    for (size_t i = 0; i < lines.offsets.size(); ++i) o[i] = static_cast<int64_t>(lines.offsets[i]);
    return py::make_tuple(points, offsets);
}

std::shared_ptr<Snapshot> shared(Snapshot&& snapshot) {
    return std::make_shared<Snapshot>(std::move(snapshot));
}

// ---- One-call drawing ----

py::tuple draw(const py::dict& arguments) {
    const qtsession::DrawInput input = drawInput(arguments);
    struct Drawn {
        Snapshot snapshot;
        std::vector<std::string> warnings;
    };
    Drawn drawn = withoutGil([&] {
        const qtsession::DrawPlan plan = qtsession::planDraw(input);
        std::unique_ptr<qtsession::Session> session = privateSession(plan.config);
        qtsession::startDrawing(*session, plan);
        session->play(plan.events);
        return Drawn{takeSnapshot(session->host(), input.limits.pngPixels), plan.warnings};
    });
    py::list warnings;
    for (const std::string& w : drawn.warnings) warnings.append(text(w));
    return py::make_tuple(shared(std::move(drawn.snapshot)), warnings);
}

// ---- The catalogue ----

// A number as the JSON listing writes it, read back as JSON reads it.
py::object listed(qtsession::OptionType type, double x) {
    if (type == qtsession::OptionType::Bool) return py::bool_(x != 0.0);
    if (type == qtsession::OptionType::Int) return py::int_(static_cast<long long>(std::llround(x)));
    std::string token;
    qtexport::JsonWriter(token).value(static_cast<float>(x));
    if (token == "null") return py::none();
    if (token.find_first_of(".eE") == std::string::npos) return py::int_(std::stoll(token));
    double value = 0.0;
    std::from_chars(token.data(), token.data() + token.size(), value);
    return py::float_(value);
}

py::list options(const std::optional<std::string>& tool) {
    std::vector<qtsession::OptionRow> rows = withoutGil([&] {
        std::optional<int> only;
        if (tool) only = qtsession::parseTool(*tool);
        std::unique_ptr<qtsession::Session> session = privateSession({});
        return qtsession::optionRows(*session, only);
    });
    py::list out;
    for (const qtsession::OptionRow& row : rows) {
        const qtsession::OptionInfo& o = *row.info;
        const bool ranged = o.type != qtsession::OptionType::Bool;
        py::dict d;
        d["name"] = text(std::string(o.name));
        d["type"] = qtsession::typeName(o.type);
        d["default"] = listed(o.type, o.defaultValue);
        d["value"] = listed(o.type, row.value);
        d["min"] = row.min && ranged ? listed(o.type, *row.min) : py::none();
        d["max"] = row.max && ranged ? listed(o.type, *row.max) : py::none();
        d["item"] = o.item >= 0 ? py::object(py::int_(o.item)) : py::none();
        d["label"] = row.hasLabel ? py::object(text(row.label)) : py::none();
        d["tool"] = o.tool >= 0 ? py::object(py::int_(o.tool)) : py::none();
        out.append(d);
    }
    return out;
}

py::list toolNames() {
    py::list names;
    for (int i = 0; std::string_view(qtsession::toolName(i)) != "?"; ++i)
        names.append(qtsession::toolName(i));
    return names;
}

// The line types as the palette's popup names them.
py::list shapeNames() {
    std::vector<std::string> names = withoutGil([] {
        std::unique_ptr<qtsession::Session> session = privateSession({});
        std::vector<std::string> out;
        qthost::DialogItem* popup = session->palette().item(qtsession::findOption("currentpath")->item);
        for (const auto& entry : popup->entries()) {
            std::string_view name = entry->text;
            while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
            out.emplace_back(name);
        }
        return out;
    });
    py::list out;
    for (const std::string& n : names) out.append(text(n));
    return out;
}

}  // namespace

}  // namespace qtpython

PYBIND11_MODULE(_quentarb, m) {
    using namespace qtpython;
    m.doc() = "The engine of the quentarb package; use the quentarb module itself.";
    addExceptionTypes(m);

    py::class_<Snapshot, std::shared_ptr<Snapshot>>(m, "Snapshot")
        .def_property_readonly("json", [](const Snapshot& s) { return text(s.json); })
        .def_property_readonly("results", [](const Snapshot& s) { return s.results; })
        .def_property_readonly("alerts",
                               [](const Snapshot& s) {
                                   py::list alerts;
                                   for (const std::string& a : s.alerts) alerts.append(text(a));
                                   return alerts;
                               })
        .def_property_readonly("seed", [](const Snapshot& s) { return s.seed; })
        .def_property_readonly(
            "page", [](const Snapshot& s) { return py::make_tuple(s.scene.pageWidth, s.scene.pageHeight); })
        .def_property_readonly("left_out", [](const Snapshot& s) { return s.leftOut; })
        .def_property_readonly("path_count", &Snapshot::pathCount)
        .def("svg", [](const Snapshot& s) { return text(withoutGil([&] { return s.svg(); })); })
        .def("pdf", [](const Snapshot& s) { return py::bytes(withoutGil([&] { return s.pdf(); })); })
        .def("png", [](const Snapshot& s,
                       double scale) { return py::bytes(withoutGil([&] { return s.png(scale); })); })
        .def("save",
             [](const Snapshot& s, const std::string& path) { withoutGil([&] { s.save(path); }, true); })
        .def("paths", &pathsOf)
        .def("polylines", &polylinesOf);

    py::class_<PySession>(m, "Session")
        .def(py::init(
            [](const py::dict& arguments) { return std::make_unique<PySession>(drawInput(arguments)); }))
        .def("tool", &PySession::tool)
        .def("shape", &PySession::shape)
        .def("set", &PySession::set)
        .def("reset", &PySession::reset)
        .def("down", &PySession::down)
        .def("drag", &PySession::drag)
        .def("up", &PySession::up)
        .def("cancel", &PySession::cancel)
        .def("undo", &PySession::undo)
        .def("redo", &PySession::redo)
        .def("document", [](PySession& s) { return shared(s.document()); })
        .def("close", &PySession::close);

    m.def("draw", &draw);
    m.def("options", &options);
    m.def("tool_names", &toolNames);
    m.def("shape_names", &shapeNames);
    m.def("default_limits", [] {
        const qtsession::Limits limits;
        py::dict d;
        d["max_steps"] = limits.steps;
        d["max_gesture_bytes"] = limits.gestureBytes;
        d["max_art"] = limits.art;
        d["max_png_pixels"] = limits.pngPixels;
        return d;
    });
}
