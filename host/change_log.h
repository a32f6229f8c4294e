// Undo's record: an append-only log of changes and the recording points placed in it. A
// revert walks the log backwards to a point, so it costs time in proportion to what it undoes.
#ifndef QT_HOST_CHANGE_LOG_H
#define QT_HOST_CHANGE_LOG_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/vector_growth.h"

namespace qthost {

enum class ChangeKind : uint8_t {
    created,
    disposed,
    moved,
    segments,
    closed,
    style,
    opacity,
    blendMode,
    tags,
    warp,
    envelopeShape,
    layerInserted,
    currentLayer
};

// One entry; the meaning of a, b, c depends on the kind (an opacity keeps its bits in a).
struct Change {
    ChangeKind kind;
    uint32_t slot;
    uint32_t a = 0, b = 0, c = 0;
};

// A recording point: the log's size and the sizes of the tables a revert cuts back to.
struct RecordingPoint {
    size_t logSize;
    size_t arenaSize;
    size_t styleCount;
    size_t warpCount;
};

class ChangeLog {
  public:
    // Depth 0 is the empty document, whose table sizes are given.
    explicit ChangeLog(const RecordingPoint& empty) { points_.push_back(empty); }

    void record(const Change& change) {
        makeRoom(log_, 1);
        log_.push_back(change);
    }
    size_t size() const { return log_.size(); }
    const RecordingPoint& lastPoint() const { return points_.back(); }

    // Places a point (its logSize is set here) and returns its depth: 1 for the first.
    size_t place(RecordingPoint point) {
        point.logSize = log_.size();
        points_.push_back(point);
        return points_.size() - 1;
    }
    size_t depth() const { return points_.size() - 1; }

    // Hands `revert` every change since point `depth`, newest first, and removes them, that
    // point and the later ones (depth 0 stays). Returns the point, whose tables the caller cuts
    // back to.
    template <typename Revert>
    RecordingPoint revertTo(size_t depth, Revert&& revert) {
        depth = std::min(depth, points_.size() - 1);
        RecordingPoint point = points_[depth];
        while (log_.size() > point.logSize) {
            revert(log_.back());
            log_.pop_back();
        }
        points_.resize(std::max<size_t>(depth, 1));
        return point;
    }

  private:
    std::vector<Change> log_;
    std::vector<RecordingPoint> points_;
};

}  // namespace qthost

#endif
