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

#include "session/limits.h"

namespace qtapp {

struct DrawArgs {
    std::string tool = "grid";
    int shape = 0;
    std::vector<std::string> sets;  // NAME=VALUE, in order
    // Unset: 100,100 to 300,250 in 8 steps. Given together with a gesture: a bad argument.
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<int> steps;
    std::string gesture;
    std::string modifiers = "0";
    int pressure = 255;
    bool pressureDevice = false;
    long long seed = 1;
    std::string page = "612,792";
    std::string view;
    std::string colorModel = "rgb";
    std::optional<std::string> fill;    // unset: white in the document's colour model
    std::optional<std::string> stroke;  // unset: black in the document's colour model
    double strokeWidth = 1.0;
    std::string out;
    qtsession::Limits limits;
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
