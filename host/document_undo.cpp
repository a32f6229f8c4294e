// Undo: recording points over the change log, and the revert of each kind of change.
#include "host/bits.h"
#include "host/document.h"

namespace qthost {

size_t Document::placeRecordingPoint() {
    return changes_.place({0, segments_.size(), styles_.size(), warps_.size()});
}

size_t Document::recordingDepth() const { return changes_.depth(); }

size_t Document::changeLogSize() const { return changes_.size(); }

void Document::revertChange(const Change& change) {
    Art& art = arts_[change.slot];
    switch (change.kind) {
        case ChangeKind::created: freeSlot(change.slot); break;
        case ChangeKind::disposed:
            link(change.slot, change.a, change.b);
            killTree(change.slot, true);
            break;
        case ChangeKind::moved:
        case ChangeKind::envelopeShape:  // unlink also clears the envelope's shape
            unlink(change.slot);
            link(change.slot, change.a, change.b);
            break;
        case ChangeKind::segments: art.segments = {change.a, change.b, change.c}; break;
        case ChangeKind::closed: art.closed = change.a != 0; break;
        case ChangeKind::style: art.style = change.a; break;
        case ChangeKind::opacity: art.opacity = realOf(change.a); break;
        case ChangeKind::blendMode: art.blendMode = static_cast<uint8_t>(change.a); break;
        case ChangeKind::tags: art.tags = change.a; break;
        case ChangeKind::warp: art.warp = change.a; break;
        case ChangeKind::layerInserted:
            layers_.revertInsert({change.a, change.b, change.c});
            freeSlot(change.slot);
            break;
        case ChangeKind::currentLayer: layers_.restoreCurrent(change.a); break;
    }
}

void Document::revertTo(size_t depth) {
    const size_t logBefore = changes_.size();
    RecordingPoint point = changes_.revertTo(depth, [this](const Change& change) { revertChange(change); });
    // Every segment, style and warp stored since the point belonged to art or edits just reverted.
    segments_.truncate(point.arenaSize);
    styles_.truncate(point.styleCount);
    warps_.truncate(point.warpCount);
    if (changes_.size() != logBefore) revisions_.reverted(changes_.size());
}

struct Document::Snapshot {
    HandleTable<ArtRecord> arts;
    size_t liveArt;
    SegmentArena segments;
    StyleTable styles;
    WarpTable warps;
    ChangeLog changes;
    LayerList layers;
    size_t topLevelArt;
};

std::shared_ptr<const Document::Snapshot> Document::snapshot() const {
    return std::make_shared<const Snapshot>(
        Snapshot{arts_, liveArt_, segments_, styles_, warps_, changes_, layers_, topLevelArt_});
}

void Document::restore(const Snapshot& snapshot) {
    arts_.assignRecords(snapshot.arts);
    liveArt_ = snapshot.liveArt;
    segments_ = snapshot.segments;
    styles_ = snapshot.styles;
    warps_ = snapshot.warps;
    changes_ = snapshot.changes;
    layers_ = snapshot.layers;
    topLevelArt_ = snapshot.topLevelArt;
    revisions_.forgetAll();
}

void Document::revertToLastRecordingPoint() {
    size_t depth = changes_.depth();
    revertTo(depth);
    if (depth > 0) placeRecordingPoint();
}

}  // namespace qthost
