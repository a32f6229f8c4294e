// How the plug-in passes an error. Every error code the plug-in itself makes comes from
// makeError (one place to set a breakpoint); QT_PROPAGATE hands a failing code up unchanged,
// whether the plug-in made it or a host call returned it. ai::Error is the frame's one
// exception type: host-call wrappers raise it with the host's code, and exceptionBoundary
// turns it (and any other exception) back into a code where a call leaves the plug-in.
#ifndef QT_FRAME_ERROR_H
#define QT_FRAME_ERROR_H

#include <exception>

#include "sdk/quen_tarb_sdk.h"

// Returns `code`. Never inlined, so that a breakpoint here stops at every error the plug-in
// makes; the host's own codes are passed on as they come and do not pass here.
[[gnu::noinline]] ASErr makeError(ASErr code) noexcept;

// Returns the code of `expr` from the calling function when it is not kNoErr.
#define QT_PROPAGATE(expr)                                                                  \
    do {                                                                                    \
        if (const ASErr qtPropagated = (expr); qtPropagated != kNoErr) return qtPropagated; \
    } while (false)

namespace ai {

class Error : public std::exception {
  public:
    explicit Error(ASErr code) noexcept : code_(code) {}
    operator ASErr() const noexcept { return code_; }
    ASErr code() const noexcept { return code_; }
    const char* what() const noexcept override { return "ai::Error"; }

  private:
    ASErr code_;
};

// Raises the host's code when a call failed.
inline void check(ASErr code) {
    if (code != kNoErr) throw Error(code);
}

}  // namespace ai

// The exception boundary: no exception may cross into the host. Runs `call` and returns its
// code; an ai::Error becomes the code it carries, any other exception kCantHappenErr.
template <class Call>
ASErr exceptionBoundary(Call&& call) noexcept {
    try {
        return call();
    } catch (const ai::Error& e) {
        return e.code();
    } catch (...) {
        return makeError(kCantHappenErr);
    }
}

#endif
