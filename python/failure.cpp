// The engine's failures as Python exceptions.
#include "python/failure.h"

#include <array>
#include <new>
#include <stdexcept>
#include <utility>

#include "host/run_errors.h"

namespace qtpython {

namespace py = pybind11;

namespace {

PyObject* gLimitError = nullptr;
PyObject* gSessionError = nullptr;

// A limit's message says how to raise it with the command line's flag; in Python it is the
// keyword argument of that name.
constexpr std::array<std::pair<const char*, const char*>, 4> kLimitFlags = {{
    {"--max-steps", "max_steps"},
    {"--max-gesture-bytes", "max_gesture_bytes"},
    {"--max-art", "max_art"},
    {"--max-png-pixels", "max_png_pixels"},
}};

// A limit's failure, when the message is one: the keyword, and the message saying it.
bool asLimit(Failure& failure) {
    for (const auto& [flag, keyword] : kLimitFlags) {
        const std::string with = std::string("with ") + flag;
        const size_t at = failure.message.find(with);
        if (at == std::string::npos || at + with.size() != failure.message.size()) continue;
        failure.message.replace(at + 5, with.size() - 5, std::string(keyword) + "=N");
        failure.kind = FailureKind::limit;
        failure.limit = keyword;
        return true;
    }
    return false;
}

}  // namespace

Failure classify(const std::exception_ptr& exception, bool writing) {
    Failure failure;
    try {
        std::rethrow_exception(exception);
    } catch (const Classified& e) {
        return e.failure;
    } catch (const qthost::UsageError& e) {
        failure = {FailureKind::badInput, e.what(), {}};
    } catch (const qthost::RunFailure& e) {
        failure = {writing ? FailureKind::writing : FailureKind::other, e.what(), {}};
        if (failure.message == "out of memory") failure.kind = FailureKind::memory;
    } catch (const std::bad_alloc&) {
        failure = {FailureKind::memory, "out of memory", {}};
    } catch (const std::length_error&) {  // a container asked to grow past what it can hold
        failure = {FailureKind::memory, "out of memory", {}};
    } catch (const std::exception& e) {
        failure = {FailureKind::other, e.what(), {}};
    } catch (...) {
        failure = {FailureKind::other, "stopped by an unknown failure", {}};
    }
    asLimit(failure);
    return failure;
}

void setPythonError(const Failure& failure) {
    switch (failure.kind) {
        case FailureKind::badInput: PyErr_SetString(PyExc_ValueError, failure.message.c_str()); return;
        case FailureKind::memory: PyErr_SetString(PyExc_MemoryError, failure.message.c_str()); return;
        case FailureKind::writing: PyErr_SetString(PyExc_OSError, failure.message.c_str()); return;
        case FailureKind::stopped: PyErr_SetString(gSessionError, failure.message.c_str()); return;
        case FailureKind::other: PyErr_SetString(PyExc_RuntimeError, failure.message.c_str()); return;
        case FailureKind::limit: {
            PyObject* error = PyObject_CallFunction(gLimitError, "s", failure.message.c_str());
            if (!error) return;  // that failure is the error now
            PyObject* limit = PyUnicode_FromString(failure.limit.c_str());
            if (limit) PyObject_SetAttrString(error, "limit", limit);
            Py_XDECREF(limit);
            PyErr_SetObject(gLimitError, error);
            Py_DECREF(error);
            return;
        }
    }
}

void raise(const Failure& failure) {
    setPythonError(failure);
    throw py::error_already_set();
}

void addExceptionTypes(py::module_& module) {
    gLimitError = PyErr_NewExceptionWithDoc(
        "quentarb.LimitError",
        "A limit of the run was reached. The message names the limit and the keyword argument that "
        "raises it; `limit` is that argument's name.",
        PyExc_RuntimeError, nullptr);
    gSessionError = PyErr_NewExceptionWithDoc(
        "quentarb.SessionError",
        "The session stopped after a failure of the host (out of memory, a limit reached while drawing) "
        "and refuses every call: its document may be half changed. Start a new Session.",
        PyExc_RuntimeError, nullptr);
    if (!gLimitError || !gSessionError) throw py::error_already_set();
    module.attr("LimitError") = py::handle(gLimitError);
    module.attr("SessionError") = py::handle(gSessionError);
    // The engine's own exceptions met with the GIL held.
    py::register_exception_translator([](std::exception_ptr exception) {
        try {
            std::rethrow_exception(exception);
        } catch (const Classified&) {
            setPythonError(classify(exception));
        } catch (const qthost::UsageError&) {
            setPythonError(classify(exception));
        } catch (const qthost::RunFailure&) {
            setPythonError(classify(exception));
        }
    });
}

}  // namespace qtpython
