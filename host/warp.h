// An envelope's warp, and the table of warps set on envelopes.
#ifndef QT_HOST_WARP_H
#define QT_HOST_WARP_H

#include <cstdint>
#include <vector>

#include "sdk/quen_tarb_sdk.h"

namespace qthost {

// Style 1..15, bend and distortions in -1..1, rotate flag.
struct Warp {
    ASInt32 style = 0;
    AIReal bend = 0.0f;
    AIReal horizontal = 0.0f;
    AIReal vertical = 0.0f;
    bool rotate = false;
};

// Warps by index, one entry per setting; entries added since a recording point go on its revert.
class WarpTable {
  public:
    const Warp& operator[](uint32_t index) const { return warps_[index]; }
    size_t size() const { return warps_.size(); }
    uint32_t add(const Warp& warp) {
        warps_.push_back(warp);
        return static_cast<uint32_t>(warps_.size() - 1);
    }
    void truncate(size_t size) { warps_.resize(size); }

  private:
    std::vector<Warp> warps_;
};

}  // namespace qthost

#endif
