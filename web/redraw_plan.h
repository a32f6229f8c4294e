// The draw list of the whole document, kept up to date between calls, and what changed in it:
// nothing, only new top-level art above or beneath the rest, or everything. The host's change
// log is private to it, so the plan compares the document's top-level art with what it listed
// last: same objects in the same order, and a fingerprint of everything a drawing reads from
// them.
#ifndef QT_WEB_REDRAW_PLAN_H
#define QT_WEB_REDRAW_PLAN_H

#include <cstdint>
#include <vector>

#include "host/document.h"
#include "web/draw_list.h"

namespace qtweb {

enum class Redraw : int32_t { nothing = 0, above = 1, beneath = 2, everything = 3 };

class RedrawPlan {
public:
    // Brings `list` (the same list at every call) up to date and says what changed: new
    // records at its end (above), at its start (beneath), or all of them. `everything`
    // rebuilds it whole.
    Redraw update(const qthost::Document& document, bool everything, DrawList& list);
    uint32_t pathCount() const { return paths_; }
    void forget() { valid_ = false; }

private:
    struct TopLevel {
        AIArtHandle art;
        uint32_t layer;
        bool operator==(const TopLevel&) const = default;
    };

    // Adds the art to the list; its contribution to the fingerprint, paths and odd blends.
    void take(const qthost::Document& document, const TopLevel& item, DrawList& list);

    std::vector<TopLevel> drawn_;
    uint64_t fingerprint_ = 0;  // sum over drawn_ of each object's fingerprint
    uint32_t paths_ = 0;
    uint32_t blending_ = 0;      // drawn objects that do not composite normally
    bool valid_ = false;
};

}  // namespace qtweb

#endif
