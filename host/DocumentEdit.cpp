// Editing art in place: segments, closing, style, opacity, blend mode and tags. Changes to
// art that existed at the last recording point are logged so that undo can restore them.
#include <algorithm>
#include <cstring>

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
        segmentArena_.resize(art.segOffset + capacity);
        art.segCapacity = capacity;
        return segmentArena_.data() + art.segOffset;
    }
    if (!ownsFreshSpace) log_.push_back({ChangeKind::segments, slot, art.segOffset, art.segCount, art.segCapacity});
    uint32_t capacity = std::max<uint32_t>(newCount, ownsFreshSpace ? art.segCapacity * 2 : art.segCount);
    uint32_t offset = static_cast<uint32_t>(segmentArena_.size());
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
        log_.push_back({ChangeKind::closed, static_cast<uint32_t>(a - arts_.data()), a->closed ? 1u : 0u});
    a->closed = closed != 0;
    return kNoErr;
}

ASErr Document::getStyle(AIArtHandle path, AIPathStyle* style) const {
    const Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (!style) return kBadParameterErr;
    *style = a->style;
    return kNoErr;
}

ASErr Document::setStyle(AIArtHandle path, const AIPathStyle& style) {
    Art* a = resolve(path);
    if (ASErr err = pathOnly(a, a ? a->type : 0)) return err;
    if (recordsChangesOf(*a)) {
        log_.push_back({ChangeKind::style, static_cast<uint32_t>(a - arts_.data()),
                        static_cast<uint32_t>(savedStyles_.size())});
        savedStyles_.push_back(a->style);
    }
    a->style = style;
    return kNoErr;
}

ASErr Document::setOpacity(AIArtHandle art, AIReal opacity) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (recordsChangesOf(*a)) {
        Change change{ChangeKind::opacity, static_cast<uint32_t>(a - arts_.data())};
        change.f = a->opacity;
        log_.push_back(change);
    }
    a->opacity = opacity;
    return kNoErr;
}

ASErr Document::setBlendMode(AIArtHandle art, ASInt32 mode) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (mode < kNormalBlendMode || mode > kLastBlendMode) return kBadParameterErr;
    if (recordsChangesOf(*a))
        log_.push_back({ChangeKind::blendMode, static_cast<uint32_t>(a - arts_.data()),
                        static_cast<uint32_t>(a->blendMode)});
    a->blendMode = mode;
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

ASErr Document::setTag(AIArtHandle art, const char* name, const char* type, const char* value) {
    Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!name || !*name) return kBadParameterErr;
    uint32_t slot = static_cast<uint32_t>(a - arts_.data());
    TagRef tag{intern(name), intern(type ? type : ""), intern(value ? value : "")};
    a = &arts_[slot];
    if (recordsChangesOf(*a)) {
        std::vector<uint32_t> saved;
        saved.push_back(a->tagCount);
        for (uint8_t i = 0; i < a->tagCount && i < 2; ++i)
            saved.insert(saved.end(), {a->inlineTags[i].name, a->inlineTags[i].type, a->inlineTags[i].value});
        for (const TagRef& t : a->moreTags) saved.insert(saved.end(), {t.name, t.type, t.value});
        log_.push_back({ChangeKind::tags, slot, static_cast<uint32_t>(savedTags_.size())});
        savedTags_.push_back(std::move(saved));
    }
    // Same name: the value is replaced in place, so the order stays that of first setting.
    for (uint8_t i = 0; i < a->tagCount && i < 2; ++i)
        if (a->inlineTags[i].name == tag.name) return a->inlineTags[i] = tag, kNoErr;
    for (TagRef& t : a->moreTags)
        if (t.name == tag.name) return t = tag, kNoErr;
    if (a->tagCount < 2)
        a->inlineTags[a->tagCount] = tag;
    else
        a->moreTags.push_back(tag);
    ++a->tagCount;
    return kNoErr;
}

ASErr Document::getTag(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value,
                       ASInt32 maxLen) const {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!name) return kBadParameterErr;
    auto found = stringIds_.find(std::string_view(name));
    const TagRef* hit = nullptr;
    if (found != stringIds_.end()) {
        for (uint8_t i = 0; i < a->tagCount && i < 2; ++i)
            if (a->inlineTags[i].name == found->second) hit = &a->inlineTags[i];
        for (const TagRef& t : a->moreTags)
            if (t.name == found->second) hit = &t;
    }
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
