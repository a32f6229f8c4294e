// How a failure of the engine reaches Python: caught where it happens (the GIL released),
// kept as a Failure, and raised once the GIL is back, as the exception Python users expect.
#ifndef QT_PYTHON_FAILURE_H
#define QT_PYTHON_FAILURE_H

#include <pybind11/pybind11.h>

#include <exception>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace qtpython {

enum class FailureKind {
    badInput,  // ValueError: refused before any work, with the command line's message
    limit,     // quentarb.LimitError: names the limit and the argument that raises it
    memory,    // MemoryError
    writing,   // OSError: a file could not be written
    stopped,   // quentarb.SessionError: the session refuses calls after a fault
    other,     // RuntimeError
};

struct Failure {
    FailureKind kind = FailureKind::other;
    std::string message;
    std::string limit;  // the argument that raises the limit ("max_art"), for kind limit
};

// A failure already classified, on its way out of the GIL-free part.
struct Classified : std::exception {
    explicit Classified(Failure f) : failure(std::move(f)) {}
    const char* what() const noexcept override { return failure.message.c_str(); }
    Failure failure;
};

// The exception being handled, classified. `writing`: a run failure there is a file's.
Failure classify(const std::exception_ptr& failure, bool writing = false);

// Sets the failure as the Python error (the GIL held).
void setPythonError(const Failure& failure);
// Raises the failure as a Python exception (the GIL held).
[[noreturn]] void raise(const Failure& failure);

// Creates quentarb.LimitError and quentarb.SessionError in the module, and has every engine
// exception that reaches pybind11 raised as its Python kind.
void addExceptionTypes(pybind11::module_& module);

// Runs `work` with the GIL released; a C++ failure comes back as the Python exception.
template <class Work>
auto withoutGil(Work&& work, bool writing = false) -> decltype(work()) {
    std::optional<Failure> failed;
    {
        pybind11::gil_scoped_release release;
        try {
            if constexpr (std::is_void_v<decltype(work())>) {
                work();
                return;
            } else {
                return work();
            }
        } catch (...) {
            failed = classify(std::current_exception(), writing);
        }
    }
    raise(*failed);
}

}  // namespace qtpython

#endif
