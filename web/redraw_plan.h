// The draw list of the whole document, kept up to date between calls, and what changed in it:
// nothing, only new top-level art above or beneath the rest, or everything. The host's
// revisions tell it: the plan keeps the revision it last drew and asks what changed since,
// so an update costs as much as the new art, whatever the document holds.
#ifndef QT_WEB_REDRAW_PLAN_H
#define QT_WEB_REDRAW_PLAN_H

#include <cstdint>

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
    void forget() { revision_ = 0; }

  private:
    // Adds the art to the list, counting its paths and whether it blends.
    void take(qthost::ArtView art, DrawList& list);

    const qthost::Document* document_ = nullptr;
    qthost::Revision revision_ = 0;  // the revision the list shows; 0: none yet
    uint32_t paths_ = 0;
    uint32_t blending_ = 0;  // drawn objects that do not composite normally
};

}  // namespace qtweb

#endif
