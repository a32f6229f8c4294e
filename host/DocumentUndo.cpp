// Undo: recording points over the append-only change log. A revert walks the log backwards
// to the point, so it costs time in proportion to the changes it undoes.
#include <algorithm>

#include "host/Bits.h"
#include "host/Document.h"

namespace qthost {

size_t Document::placeRecordingPoint() {
    marks_.push_back({log_.size(), segmentArena_.size(), styles_.size(), warps_.size()});
    return marks_.size() - 1;
}

size_t Document::recordingDepth() const { return marks_.size() - 1; }

size_t Document::changeLogSize() const { return log_.size(); }

void Document::revertChange(const Change& change) {
    Art& art = arts_[change.slot];
    switch (change.kind) {
    case ChangeKind::created:
        freeSlot(change.slot);
        break;
    case ChangeKind::disposed:
        link(change.slot, change.a, change.b);
        killTree(change.slot, true);
        break;
    case ChangeKind::moved:
    case ChangeKind::envelopeShape:  // unlink also clears the envelope's shape
        unlink(change.slot);
        link(change.slot, change.a, change.b);
        break;
    case ChangeKind::segments:
        art.segOffset = change.a;
        art.segCount = change.b;
        art.segCapacity = change.c;
        break;
    case ChangeKind::closed:
        art.closed = change.a != 0;
        break;
    case ChangeKind::style:
        art.style = change.a;
        break;
    case ChangeKind::opacity:
        art.opacity = realOf(change.a);
        break;
    case ChangeKind::blendMode:
        art.blendMode = static_cast<uint8_t>(change.a);
        break;
    case ChangeKind::tags:
        art.tags = change.a;
        break;
    case ChangeKind::warp:
        art.warp = change.a;
        break;
    case ChangeKind::layerInserted:
        layerOrder_.erase(std::find(layerOrder_.begin(), layerOrder_.end(), change.a));
        layers_[change.a].alive = false;
        if (change.a + 1 == layers_.size()) layers_.pop_back();
        freeSlot(change.slot);
        currentLayer_ = change.b;
        layerNumber_ = change.c;
        break;
    case ChangeKind::currentLayer:
        currentLayer_ = change.a;
        break;
    }
}

void Document::revertTo(size_t depth) {
    depth = std::min(depth, marks_.size() - 1);
    Mark mark = marks_[depth];
    while (log_.size() > mark.logSize) {
        revertChange(log_.back());
        log_.pop_back();
    }
    // Every segment, style and warp stored since the point belonged to art or edits just reverted.
    segmentArena_.resize(mark.arenaSize);
    styles_.resize(mark.styleCount);
    warps_.resize(mark.warpCount);
    marks_.resize(std::max<size_t>(depth, 1));
}

void Document::revertToLastRecordingPoint() {
    size_t depth = marks_.size() - 1;
    revertTo(depth);
    if (depth > 0) placeRecordingPoint();
}

}  // namespace qthost
