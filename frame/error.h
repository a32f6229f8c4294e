// ai::Error: the frame's one exception type. Host-call wrappers raise it with the host's
// code; MultiArrowToolPlugin::Message turns it back into that code.
#ifndef QT_FRAME_ERROR_H
#define QT_FRAME_ERROR_H

#include <exception>

#include "sdk/quen_tarb_sdk.h"

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

#endif
