// What changed since a revision: the remembered mark says whether the art that existed then is
// untouched; the new top-level art is found from both ends of the paint order.
#include <algorithm>

#include "host/document.h"

namespace qthost {

ChangesSince Document::changesSince(Revision since) const {
    ChangesSince changes;
    const RevisionMarks::Mark* mark = revisions_.find(since);
    if (!mark) return changes;
    changes.earlierArtUnchanged = true;
    // No earlier top-level art went, so the difference is the new art.
    const size_t made = topLevelArt_ - mark->topLevelArt;
    if (made == 0) return changes;
    auto isNew = [&](ArtView art) { return art.record()->bornAt >= mark->logSize; };

    // From the top of the topmost layer down, then from the bottom of the lowest layer up,
    // while the art is new.
    bool earlierSeen = false;
    for (size_t layer = layers_.count(); layer-- > 0 && !earlierSeen;) {
        for (ArtView art = topmostArt(layer); art; art = art.previous()) {
            if (!isNew(art)) {
                earlierSeen = true;
                break;
            }
            changes.above.push_back(art);
        }
    }
    std::reverse(changes.above.begin(), changes.above.end());
    earlierSeen = changes.above.size() == made;  // all found: what is left is earlier art
    for (size_t layer = 0; layer < layers_.count() && !earlierSeen; ++layer) {
        for (ArtView art : topLevelArt(layer)) {
            if (!isNew(art)) {
                earlierSeen = true;
                break;
            }
            changes.beneath.push_back(art);
        }
    }
    changes.newArtBetween = changes.above.size() + changes.beneath.size() != made;
    return changes;
}

}  // namespace qthost
