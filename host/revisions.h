// Document revisions, for readers that redraw only what changed. The revision moves on with
// every change. Each revision a reader was given is remembered, with the change log's size and
// the top-level art count at that moment, for as long as no art that existed then has changed:
// a reader holding a remembered revision knows that all it read is still there as it was, and
// what is new is the art made since (whose change-log entries lie past the remembered size).
//
// Why the log's size tells old art from new: every art object's creation is logged, at the
// log's size when it was made (ArtRecord::bornAt). Art made before revision r has bornAt below
// r's log size, as long as no undo cut the log back below that size, which forgets r.
#ifndef QT_HOST_REVISIONS_H
#define QT_HOST_REVISIONS_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/art_view.h"

namespace qthost {

using Revision = uint64_t;

// What changed since a revision, as Document::changesSince tells it.
struct ChangesSince {
    // True when every art object that existed at the revision is as it was: not edited, moved,
    // disposed, put back or taken away by undo, and nothing placed inside it. False too for a
    // revision this document did not give or no longer remembers: then read everything again.
    bool earlierArtUnchanged = false;
    // When earlierArtUnchanged: the top-level art made since, back to front, lying above all
    // earlier art (the top of the topmost layers) and beneath all of it (the bottom of the
    // lowest layers).
    std::vector<ArtView> above;
    std::vector<ArtView> beneath;
    // Some top-level art made since lies between earlier art; above and beneath are then not
    // the whole of what is new.
    bool newArtBetween = false;

    bool nothingNew() const {
        return earlierArtUnchanged && above.empty() && beneath.empty() && !newArtBetween;
    }
};

class RevisionMarks {
  public:
    struct Mark {
        Revision revision;
        size_t logSize;      // the change log's size when the revision was given
        size_t topLevelArt;  // top-level art in all layers then
    };

    Revision current() const { return revision_; }

    // A change that alters no art that existed before it (art made, the current layer chosen).
    void changed() { ++revision_; }
    // A change to the art made at log size `bornAt`, or to what it holds: every remembered
    // revision it existed at is forgotten. Marks are kept in the order of their log sizes, so
    // those are the last ones.
    void artChanged(size_t bornAt) {
        ++revision_;
        while (!marks_.empty() && marks_.back().logSize > bornAt) marks_.pop_back();
    }
    // Undo cut the log back to `logSize` entries: revisions given when it was longer saw
    // changes that are now undone.
    void reverted(size_t logSize) { artChanged(logSize); }
    // The whole document was replaced (a redo restores a snapshot): no revision given before
    // tells anything about it.
    void forgetAll() {
        ++revision_;
        marks_.clear();
    }

    // Remembers the revision now (once) and returns it.
    Revision mark(size_t logSize, size_t topLevelArt) {
        if (marks_.empty() || marks_.back().revision != revision_) {
            if (marks_.size() == kMaxMarks) marks_.erase(marks_.begin(), marks_.begin() + kMaxMarks / 2);
            marks_.push_back({revision_, logSize, topLevelArt});
        }
        return revision_;
    }

    // The remembered revision, or null.
    const Mark* find(Revision revision) const {
        auto it = std::lower_bound(marks_.begin(), marks_.end(), revision,
                                   [](const Mark& m, Revision r) { return m.revision < r; });
        return it != marks_.end() && it->revision == revision ? &*it : nullptr;
    }

  private:
    // Readers ask about recent revisions; the oldest half goes when this many are remembered.
    static constexpr size_t kMaxMarks = 1024;

    Revision revision_ = 1;  // 0 is never given: a reader may use it for "nothing read yet"
    std::vector<Mark> marks_;
};

}  // namespace qthost

#endif
