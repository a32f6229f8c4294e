// Deciding between a full redraw and drawing only new art.
#include "web/redraw_plan.h"

#include <utility>

namespace qtweb {

void RedrawPlan::take(qthost::ArtView art, DrawList& list) {
    qtexport::SceneNode node;
    if (!qtexport::buildTopLevelNode(art, node)) return;
    const uint32_t before = list.paths;
    list.add(node);
    paths_ += list.paths - before;
    if (!compositesNormally(node)) ++blending_;
}

Redraw RedrawPlan::update(const qthost::Document& doc, bool everything, DrawList& list) {
    Redraw how = Redraw::everything;
    if (!everything && &doc == document_) {
        const qthost::ChangesSince changes = doc.changesSince(revision_);
        if (changes.nothingNew()) {
            revision_ = doc.revision();
            return Redraw::nothing;
        }
        const bool onlyAbove = changes.beneath.empty();
        // Art put beneath changes how art above it blends, unless everything drawn is "over".
        const bool onlyBeneath = changes.above.empty() && blending_ == 0;
        if (changes.earlierArtUnchanged && !changes.newArtBetween && (onlyAbove || onlyBeneath)) {
            if (onlyAbove) {
                for (qthost::ArtView art : changes.above) take(art, list);
                how = Redraw::above;
            } else {
                DrawList front;
                for (qthost::ArtView art : changes.beneath) take(art, front);
                list.prepend(std::move(front));
                how = Redraw::beneath;
            }
        }
    }
    if (how == Redraw::everything) {
        list.clear();
        paths_ = 0;
        blending_ = 0;
        for (size_t layer = 0; layer < doc.layerCount(); ++layer) {
            for (qthost::ArtView art : doc.topLevelArt(layer)) take(art, list);
        }
    }
    // Read after the update, so the next one asks about what came since.
    document_ = &doc;
    revision_ = doc.revision();
    return how;
}

}  // namespace qtweb
