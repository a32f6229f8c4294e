// Editing art in place: segments, closing, style, opacity, blend mode and tags. Changes to
// art that existed at the last recording point are logged so that undo can restore them.
#include <algorithm>
#include <cstring>

#include "host/Bits.h"
#include "host/Document.h"

namespace qthost {

namespace {

ASErr pathOnly(const void* art, ASInt16 type) {
    if (!art) return kBadArtHandleErr;
    return type == kPathArt ? kNoErr : kBadParameterErr;
}

}  // namespace

// Art made since the last recording point goes away as a whole on undo, so its edits need
// no log entries; only older art is logged.
bool Document::recordsChangesOf(const Art& art) const { return art.bornAt < marks_.back().logSize; }

// Segment storage that may be written, sized for `newCount`. Storage allocated since the
// last recording point is written in place; older storage is left untouched for undo and the
// path moves to fresh space at the end of the arena (undo truncates the arena back).
AIPathSegment* Document::writableSegments(uint32_t slot, uint32_t newCount) {
    Art& art = arts_[slot];
    size_t fresh = marks_.back().arenaSize;
    // Older art owns fresh space only once it has moved (an empty path never has).
    bool ownsFreshSpace = !recordsChangesOf(art) || (art.segCapacity > 0 && art.segOffset >= fresh);
    if (ownsFreshSpace && newCount <= art.segCapacity) return segmentArena_.data() + art.segOffset;
    if (ownsFreshSpace && art.segOffset + art.segCapacity == segmentArena_.size()) {
        // Last in the arena: grow in place.
        uint32_t capacity = std::max<uint32_t>(newCount, art.segCapacity * 2);
        makeRoom(segmentArena_, art.segOffset + capacity - segmentArena_.size());
        segmentArena_.resize(art.segOffset + capacity);
        art.segCapacity = capacity;
        return segmentArena_.data() + art.segOffset;
    }
    if (!ownsFreshSpace)
        logChange({ChangeKind::segments, slot, art.segOffset, art.segCount, art.segCapacity});
    uint32_t capacity = std::max<uint32_t>(newCount, ownsFreshSpace ? art.segCapacity * 2 : art.segCount);
    uint32_t offset = static_cast<uint32_t>(segmentArena_.size());
    makeRoom(segmentArena_, capacity);
    segmentArena_.resize(offset + capacity);
    std::memcpy(segmentArena_.data() + offset, segmentArena_.data() + art.segOffset,
                std::min(art.segCount, capacity) * sizeof(AIPathSegment));
    art.segOffset = offset;
    art.segCapacity = capacity;
    return segmentArena_.data() + offset;
}

ASErr Document::getSegmentCount(AIArtHandle path, ASInt16* count) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (!count) return kBadParameterErr;
    *count = static_cast<ASInt16>(a->segCount);
    return kNoErr;
}

ASErr Document::setSegmentCount(AIArtHandle path, ASInt16 count) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (count < 0) return kBadParameterErr;
    uint32_t slot = static_cast<uint32_t>(a - arts_.data());
    uint32_t oldCount = a->segCount;
    AIPathSegment* segs = writableSegments(slot, static_cast<uint32_t>(count));
    // New segments start zeroed.
    for (uint32_t i = oldCount; i < static_cast<uint32_t>(count); ++i) segs[i] = AIPathSegment{};
    arts_[slot].segCount = static_cast<uint32_t>(count);
    return kNoErr;
}

ASErr Document::getSegments(AIArtHandle path, ASInt16 first, ASInt16 count, AIPathSegment* out) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (first < 0 || count < 0 || (count > 0 && !out)) return kBadParameterErr;
    if (static_cast<uint32_t>(first) + static_cast<uint32_t>(count) > a->segCount) return kBadParameterErr;
    std::memcpy(out, segmentArena_.data() + a->segOffset + first, static_cast<size_t>(count) * sizeof(AIPathSegment));
    return kNoErr;
}

ASErr Document::setSegments(AIArtHandle path, ASInt16 first, ASInt16 count, const AIPathSegment* in) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (first < 0 || count < 0 || (count > 0 && !in)) return kBadParameterErr;
    // A write may start at the current count (appending) but leave no gap.
    if (static_cast<uint32_t>(first) > a->segCount) return kBadParameterErr;
    uint32_t end = static_cast<uint32_t>(first) + static_cast<uint32_t>(count);
    if (end > 32767) return kBadParameterErr;
    uint32_t slot = static_cast<uint32_t>(a - arts_.data());
    uint32_t newCount = std::max(end, a->segCount);
    AIPathSegment* segs = writableSegments(slot, newCount);
    if (count > 0) std::memmove(segs + first, in, static_cast<size_t>(count) * sizeof(AIPathSegment));
    arts_[slot].segCount = newCount;
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
    if (recordsChangesOf(*a))
        logChange({ChangeKind::closed, static_cast<uint32_t>(a - arts_.data()), a->closed ? 1u : 0u});
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

namespace {

bool sameColor(const AIColor& x, const AIColor& y) {
    if (x.kind != y.kind) return false;
    for (int i = 0; i < 4; ++i)
        if (bitsOf(x.c.values[i]) != bitsOf(y.c.values[i])) return false;
    return true;
}

bool sameBits(AIReal x, AIReal y) { return bitsOf(x) == bitsOf(y); }

// Field by field: the struct has padding, and a style read back must be the one written.
bool sameStyle(const AIPathStyle& x, const AIPathStyle& y) {
    return x.fillPaint == y.fillPaint && x.strokePaint == y.strokePaint && x.evenodd == y.evenodd &&
           sameColor(x.fill.color, y.fill.color) && x.fill.overprint == y.fill.overprint &&
           sameColor(x.stroke.color, y.stroke.color) && x.stroke.overprint == y.stroke.overprint &&
           sameBits(x.stroke.width, y.stroke.width) && x.stroke.cap == y.stroke.cap &&
           x.stroke.join == y.stroke.join && sameBits(x.stroke.miterLimit, y.stroke.miterLimit);
}

}  // namespace

// Points the art at `style`: the table's last entry when it is the same (copies styled alike
// share it), else a new entry.
void Document::restyle(uint32_t slot, const AIPathStyle& style) {
    Art& art = arts_[slot];
    if (sameStyle(styles_[art.style], style)) return;
    if (recordsChangesOf(art)) logChange({ChangeKind::style, slot, art.style});
    if (!sameStyle(styles_.back(), style)) styles_.push_back(style);
    art.style = static_cast<uint32_t>(styles_.size() - 1);
}

ASErr Document::setStyle(AIArtHandle path, const AIPathStyle& style) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    restyle(static_cast<uint32_t>(a - arts_.data()), style);
    return kNoErr;
}

ASErr Document::setOpacity(AIArtHandle art, AIReal opacity) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (recordsChangesOf(*a))
        logChange({ChangeKind::opacity, static_cast<uint32_t>(a - arts_.data()), bitsOf(a->opacity)});
    a->opacity = opacity;
    return kNoErr;
}

ASErr Document::setBlendMode(AIArtHandle art, ASInt32 mode) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (mode < kNormalBlendMode || mode > kLastBlendMode) return kBadParameterErr;
    if (recordsChangesOf(*a))
        logChange({ChangeKind::blendMode, static_cast<uint32_t>(a - arts_.data()), a->blendMode});
    a->blendMode = static_cast<uint8_t>(mode);
    return kNoErr;
}

uint32_t Document::intern(std::string_view text) {
    auto found = stringIds_.find(text);
    if (found != stringIds_.end()) return found->second;
    uint32_t id = static_cast<uint32_t>(strings_.size());
    strings_.emplace_back(text);
    stringIds_.emplace(strings_.back(), id);
    return id;
}

// The three texts of a tag as interned ids; the tag set last is compared first, since a drag
// tags every copy alike.
uint32_t Document::internTag(const char* name, const char* type, const char* value) {
    if (lastTag_.name != UINT32_MAX && std::strcmp(lastTagTexts_[0], name) == 0 &&
        std::strcmp(lastTagTexts_[1], type) == 0 && std::strcmp(lastTagTexts_[2], value) == 0)
        return lastTag_.name;
    lastTag_ = {intern(name), intern(type), intern(value)};
    lastTagTexts_[0] = strings_[lastTag_.name].c_str();
    lastTagTexts_[1] = strings_[lastTag_.type].c_str();
    lastTagTexts_[2] = strings_[lastTag_.value].c_str();
    return lastTag_.name;
}

// The set `set` with `tag` in it: a tag of the same name is replaced in place (the order stays
// that of first setting), a new name goes last.
uint32_t Document::tagSetWith(uint32_t set, const TagRef& tag) {
    if (lastTagEdit_.from == set && lastTagEdit_.tag == tag) return lastTagEdit_.to;
    std::vector<TagRef> tags = tagSets_[set];
    auto same = std::find_if(tags.begin(), tags.end(), [&](const TagRef& t) { return t.name == tag.name; });
    if (same != tags.end())
        *same = tag;
    else
        tags.push_back(tag);
    std::string key(reinterpret_cast<const char*>(tags.data()), tags.size() * sizeof(TagRef));
    auto [found, added] = tagSetIds_.emplace(std::move(key), static_cast<uint32_t>(tagSets_.size()));
    if (added) tagSets_.push_back(std::move(tags));
    lastTagEdit_ = {set, tag, found->second};
    return found->second;
}

ASErr Document::setTag(AIArtHandle art, const char* name, const char* type, const char* value) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!name || !*name) return kBadParameterErr;
    uint32_t slot = static_cast<uint32_t>(a - arts_.data());
    internTag(name, type ? type : "", value ? value : "");
    uint32_t set = tagSetWith(arts_[slot].tags, lastTag_);
    a = &arts_[slot];
    if (set == a->tags) return kNoErr;
    if (recordsChangesOf(*a)) logChange({ChangeKind::tags, slot, a->tags});
    a->tags = set;
    return kNoErr;
}

ASErr Document::getTag(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value,
                       ASInt32 maxLen) const {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!name) return kBadParameterErr;
    auto found = stringIds_.find(std::string_view(name));
    const TagRef* hit = nullptr;
    if (found != stringIds_.end())
        for (const TagRef& t : tagSets_[a->tags])
            if (t.name == found->second) hit = &t;
    if (!hit) return kBadParameterErr;  // no such tag
    auto copy = [](const std::string& text, char* out, ASInt32 max) {
        if (!out || max <= 0) return;
        size_t n = std::min(text.size(), static_cast<size_t>(max - 1));
        std::memcpy(out, text.data(), n);
        out[n] = '\0';
    };
    copy(strings_[hit->type], type, maxType);
    copy(strings_[hit->value], value, maxLen);
    return kNoErr;
}

}  // namespace qthost
