// Editing art in place: segments, closing, style, opacity, blend mode and tags. Changes to
// art that existed at the last recording point are logged so that undo can restore them.
#include <algorithm>
#include <cstring>

#include "host/bits.h"
#include "host/document.h"

namespace qthost {

namespace {

ASErr pathOnly(const void* art, ASInt16 type) {
    if (!art) return kBadArtHandleErr;
    return type == kPathArt ? kNoErr : kBadParameterErr;
}

}  // namespace

// Segment storage that may be written, sized for `newCount`. Storage allocated since the
// last recording point is written in place; older storage is left untouched for undo and the
// path moves to fresh space at the end of the arena (undo truncates the arena back).
AIPathSegment* Document::writableSegments(uint32_t slot, uint32_t newCount) {
    Art& art = arts_[slot];
    changed(art);
    size_t fresh = changes_.lastPoint().arenaSize;
    // Older art owns fresh space only once it has moved (an empty path never has).
    bool ownsFreshSpace =
        !recordsChangesOf(art) || (art.segments.capacity > 0 && art.segments.offset >= fresh);
    if (!ownsFreshSpace)  // it moves, and undo must find the old place
        logChange(
            {ChangeKind::segments, slot, art.segments.offset, art.segments.count, art.segments.capacity});
    return segments_.writable(art.segments, newCount, ownsFreshSpace);
}

ASErr Document::getSegmentCount(AIArtHandle path, ASInt16* count) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (!count) return kBadParameterErr;
    *count = static_cast<ASInt16>(a->segments.count);
    return kNoErr;
}

ASErr Document::setSegmentCount(AIArtHandle path, ASInt16 count) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (count < 0) return kBadParameterErr;
    uint32_t slot = slotOf(a);
    uint32_t oldCount = a->segments.count;
    AIPathSegment* segs = writableSegments(slot, static_cast<uint32_t>(count));
    // New segments start zeroed.
    for (uint32_t i = oldCount; i < static_cast<uint32_t>(count); ++i) segs[i] = AIPathSegment{};
    arts_[slot].segments.count = static_cast<uint32_t>(count);
    return kNoErr;
}

ASErr Document::getSegments(AIArtHandle path, ASInt16 first, ASInt16 count, AIPathSegment* out) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (first < 0 || count < 0 || (count > 0 && !out)) return kBadParameterErr;
    if (static_cast<uint32_t>(first) + static_cast<uint32_t>(count) > a->segments.count)
        return kBadParameterErr;
    if (count > 0)
        std::memcpy(out, segments_.at(a->segments.offset) + first,
                    static_cast<size_t>(count) * sizeof(AIPathSegment));
    return kNoErr;
}

ASErr Document::setSegments(AIArtHandle path, ASInt16 first, ASInt16 count, const AIPathSegment* in) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (first < 0 || count < 0 || (count > 0 && !in)) return kBadParameterErr;
    // A write may start at the current count (appending) but leave no gap.
    if (static_cast<uint32_t>(first) > a->segments.count) return kBadParameterErr;
    uint32_t end = static_cast<uint32_t>(first) + static_cast<uint32_t>(count);
    if (end > 32767) return kBadParameterErr;
    uint32_t slot = slotOf(a);
    uint32_t newCount = std::max(end, a->segments.count);
    AIPathSegment* segs = writableSegments(slot, newCount);
    if (count > 0) std::memmove(segs + first, in, static_cast<size_t>(count) * sizeof(AIPathSegment));
    arts_[slot].segments.count = newCount;
    return kNoErr;
}

ASErr Document::getClosed(AIArtHandle path, ASBoolean* closed) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (!closed) return kBadParameterErr;
    *closed = a->closed ? 1 : 0;
    return kNoErr;
}

ASErr Document::setClosed(AIArtHandle path, ASBoolean closed) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (recordsChangesOf(*a)) logChange({ChangeKind::closed, slotOf(a), a->closed ? 1u : 0u});
    changed(*a);
    a->closed = closed != 0;
    return kNoErr;
}

ASErr Document::getStyle(AIArtHandle path, AIPathStyle* style) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (!style) return kBadParameterErr;
    *style = styles_[a->style];
    return kNoErr;
}

// Points the art at `style`: the table's last entry when it is the same (copies styled alike
// share it), else a new entry.
void Document::restyle(uint32_t slot, const AIPathStyle& style) {
    Art& art = arts_[slot];
    if (sameStyle(styles_[art.style], style)) return;
    if (recordsChangesOf(art)) logChange({ChangeKind::style, slot, art.style});
    changed(art);
    art.style = styles_.add(style);
}

ASErr Document::setStyle(AIArtHandle path, const AIPathStyle& style) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    restyle(slotOf(a), style);
    return kNoErr;
}

ASErr Document::setOpacity(AIArtHandle art, AIReal opacity) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (recordsChangesOf(*a)) logChange({ChangeKind::opacity, slotOf(a), bitsOf(a->opacity)});
    changed(*a);
    a->opacity = opacity;
    return kNoErr;
}

ASErr Document::setBlendMode(AIArtHandle art, ASInt32 mode) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (mode < kNormalBlendMode || mode > kLastBlendMode) return kBadParameterErr;
    if (recordsChangesOf(*a)) logChange({ChangeKind::blendMode, slotOf(a), a->blendMode});
    changed(*a);
    a->blendMode = static_cast<uint8_t>(mode);
    return kNoErr;
}

ASErr Document::setTag(AIArtHandle art, const char* name, const char* type, const char* value) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!name || !*name) return kBadParameterErr;
    uint32_t set = tags_.setWith(a->tags, tags_.tag(name, type ? type : "", value ? value : ""));
    if (set == a->tags) return kNoErr;
    if (recordsChangesOf(*a)) logChange({ChangeKind::tags, slotOf(a), a->tags});
    changed(*a);
    a->tags = set;
    return kNoErr;
}

ASErr Document::getTag(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value,
                       ASInt32 maxLen) const {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!name) return kBadParameterErr;
    std::optional<uint32_t> id = tags_.find(name);
    const TagInterner::Tag* hit = nullptr;
    if (id)
        for (const TagInterner::Tag& t : tags_.set(a->tags))
            if (t.name == *id) hit = &t;
    if (!hit) return kBadParameterErr;  // no such tag
    auto copy = [](const std::string& text, char* out, ASInt32 max) {
        if (!out || max <= 0) return;
        size_t n = std::min(text.size(), static_cast<size_t>(max - 1));
        std::memcpy(out, text.data(), n);
        out[n] = '\0';
    };
    copy(tags_.text(hit->type), type, maxType);
    copy(tags_.text(hit->value), value, maxLen);
    return kNoErr;
}

}  // namespace qthost
