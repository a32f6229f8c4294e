// Path styles by index. Art that is styled alike shares an entry; entries added since a
// recording point go on its revert. Entry 0 is the document's default style.
#ifndef QT_HOST_STYLE_TABLE_H
#define QT_HOST_STYLE_TABLE_H

#include <cstdint>
#include <vector>

#include "host/bits.h"
#include "sdk/quen_tarb_sdk.h"

namespace qthost {

inline bool sameColor(const AIColor& x, const AIColor& y) {
    if (x.kind != y.kind) return false;
    for (int i = 0; i < 4; ++i)
        if (bitsOf(x.c.values[i]) != bitsOf(y.c.values[i])) return false;
    return true;
}

// Field by field, by bits: the struct has padding, and a style read back must be the one written.
inline bool sameStyle(const AIPathStyle& x, const AIPathStyle& y) {
    auto sameBits = [](AIReal a, AIReal b) { return bitsOf(a) == bitsOf(b); };
    return x.fillPaint == y.fillPaint && x.strokePaint == y.strokePaint && x.evenodd == y.evenodd &&
           sameColor(x.fill.color, y.fill.color) && x.fill.overprint == y.fill.overprint &&
           sameColor(x.stroke.color, y.stroke.color) && x.stroke.overprint == y.stroke.overprint &&
           sameBits(x.stroke.width, y.stroke.width) && x.stroke.cap == y.stroke.cap &&
           x.stroke.join == y.stroke.join && sameBits(x.stroke.miterLimit, y.stroke.miterLimit);
}

class StyleTable {
  public:
    explicit StyleTable(const AIPathStyle& defaultStyle) { styles_.push_back(defaultStyle); }

    const AIPathStyle& operator[](uint32_t index) const { return styles_[index]; }
    size_t size() const { return styles_.size(); }

    // The index of `style`: the last entry when it is the same (copies styled alike share
    // it), else a new entry.
    uint32_t add(const AIPathStyle& style) {
        if (!sameStyle(styles_.back(), style)) styles_.push_back(style);
        return static_cast<uint32_t>(styles_.size() - 1);
    }

    // Drops the entries after the first `size`; the default stays.
    void truncate(size_t size) { styles_.resize(size); }

  private:
    std::vector<AIPathStyle> styles_;
};

}  // namespace qthost

#endif
