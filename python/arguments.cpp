// Reading the Python layer's arguments.
#include "python/arguments.h"

#include <pybind11/stl.h>

#include "session/parse.h"

namespace qtpython {

namespace py = pybind11;

namespace {

template <class T>
void take(const py::dict& arguments, const char* key, T& into) {
    if (arguments.contains(key) && !arguments[key].is_none()) into = arguments[key].cast<T>();
}

}  // namespace

qtsession::DrawInput drawInput(const py::dict& a) {
    qtsession::DrawInput in;
    take(a, "tool", in.tool);
    take(a, "shape", in.shape);
    take(a, "sets", in.sets);
    take(a, "from", in.from);
    take(a, "to", in.to);
    take(a, "steps", in.steps);
    take(a, "gesture", in.gesture);
    take(a, "gesture_text", in.gestureText);
    take(a, "modifiers", in.modifiers);
    take(a, "pressure", in.pressure);
    take(a, "pressure_device", in.pressureDevice);
    take(a, "page", in.page);
    take(a, "view", in.view);
    take(a, "color_model", in.colorModel);
    take(a, "fill", in.fill);
    take(a, "stroke", in.stroke);
    take(a, "max_steps", in.limits.steps);
    take(a, "max_gesture_bytes", in.limits.gestureBytes);
    take(a, "max_art", in.limits.art);
    take(a, "max_png_pixels", in.limits.pngPixels);
    // Read by the command line's own parsers, so a bad one is named as it names it.
    std::string number;
    if (take(a, "seed", number), !number.empty()) in.seed = qtsession::parseInteger(number, "--seed");
    number.clear();
    if (take(a, "stroke_width", number), !number.empty())
        in.strokeWidth = qtsession::parseNumber(number, "--stroke-width");
    return in;
}

py::str text(const std::string& bytes) {
    PyObject* decoded =
        PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "surrogateescape");
    if (!decoded) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

}  // namespace qtpython
