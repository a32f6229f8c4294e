// The three commands of `quentarb`. Each returns the process exit status: 0 success, 1 when
// the plug-in returned an error to the host (the document is still written), 2 for bad
// arguments or a bad gesture file, refused before any work (nothing written), 3 when the run
// could not finish (out of memory, a limit reached mid-run, a write error; nothing written).
#ifndef QT_APP_COMMANDS_H
#define QT_APP_COMMANDS_H

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "session/draw_plan.h"

namespace qtapp {

// The drawing's inputs (session/draw_plan.h) and where the document goes.
struct DrawArgs : qtsession::DrawInput {
    std::string out;
};

int runDraw(const DrawArgs& args, std::ostream& err);
int runOptions(const std::optional<std::string>& tool, bool json, std::ostream& out, std::ostream& err);
// The gallery: every piece, or the `count` pieces from `first` on (named by their place in
// the whole gallery), with an index page of those.
int runGallery(const std::string& directory, std::ostream& out, std::ostream& err, size_t first = 0,
               size_t count = SIZE_MAX);
size_t galleryPieceCount();

}  // namespace qtapp

#endif
