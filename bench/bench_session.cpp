#include "bench_session.h"

#include <malloc.h>

#include "session/option_catalog.h"

namespace qtbench {

Options styledOptions(int tool) {
    Options options = {
        {"patternoptions", "1"}, {"opacity", "1"},     {"blend", "1"},
        {"width", "1"},          {"filloptions", "3"}, {"strokeoptions", "3"},
    };
    // Where the mode has an envelope control (basic tile has none).
    const std::string envelope = "envelopevalue_" + std::to_string(tool);
    if (qtsession::findOption(envelope)) options.emplace_back(envelope, "1");
    return options;
}

std::unique_ptr<qtsession::Session> modeSession(int tool, const Options& options) {
    qthost::HostConfig config;
    auto session = std::make_unique<qtsession::Session>(config);
    // The module and its option store outlive a session: Reset starts each run from the defaults.
    session->reset();
    session->selectTool(tool);
    for (const auto& [name, value] : options) session->setOption(name, value);
    return session;
}

namespace {

void tallyArt(const qthost::Document& document, AIArtHandle art, PathTally& tally) {
    for (; art; art = document.nextSibling(art)) {
        if (document.artType(art) == kPathArt) {
            ++tally.paths;
            tally.segments += document.segments(art).size();
        }
        tallyArt(document, document.firstChild(art), tally);
    }
}

}  // namespace

PathTally tallyPaths(const qthost::Document& document) {
    PathTally tally;
    for (size_t layer = 0; layer < document.layerCount(); ++layer) {
        tallyArt(document, document.firstLayerArt(layer), tally);
    }
    return tally;
}

size_t heapBytesInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace qtbench
