// The arguments of draw() and Session() as the Python layer hands them over (already in the
// command line's text forms: "X,Y", "L,T,R,B", "NAME=VALUE"), into the command line's inputs.
#ifndef QT_PYTHON_ARGUMENTS_H
#define QT_PYTHON_ARGUMENTS_H

#include <pybind11/pybind11.h>

#include "session/draw_plan.h"

namespace qtpython {

// Keys missing from `arguments` keep the command line's defaults. UsageError for a seed or a
// stroke width that is not a number, as the command line says it.
qtsession::DrawInput drawInput(const pybind11::dict& arguments);

// Engine text as Python text: UTF-8, with any other byte kept as a lone surrogate.
pybind11::str text(const std::string& bytes);

}  // namespace qtpython

#endif
