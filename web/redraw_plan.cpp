// Deciding between a full redraw and drawing only new art.
#include "web/redraw_plan.h"

#include <algorithm>
#include <cstring>

namespace qtweb {

namespace {

struct Hasher {
    uint64_t h = 0x9e3779b97f4a7c15ull;
    void word(uint64_t w) { h = (h ^ w) * 0xff51afd7ed558ccdull; h ^= h >> 29; }
    void real(float x) {
        uint32_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        word(bits);
    }
    void color(const AIColor& c) {
        word(static_cast<uint32_t>(c.kind));
        for (float v : c.c.values) real(v);
    }
};

// Everything the scene builder reads to draw the art and its contents.
void fingerprint(const qthost::Document& doc, AIArtHandle art, Hasher& hash) {
    hash.word(reinterpret_cast<uintptr_t>(art));
    hash.word(static_cast<uint32_t>(doc.artType(art)));
    hash.real(doc.opacity(art));
    hash.word(static_cast<uint32_t>(doc.blendMode(art)));
    hash.word(doc.closed(art));
    for (const AIPathSegment& s : doc.segments(art)) {
        for (AIRealPoint p : {s.p, s.in, s.out}) {
            hash.real(p.h);
            hash.real(p.v);
        }
    }
    if (doc.artType(art) == kPathArt) {
        AIPathStyle style = doc.style(art);
        hash.word(style.fillPaint | style.strokePaint << 1 | style.evenodd << 2);
        hash.color(style.fill.color);
        hash.color(style.stroke.color);
        hash.real(style.stroke.width);
    }
    if (std::optional<qthost::Warp> warp = doc.warp(art)) {
        hash.word(static_cast<uint32_t>(warp->style) | warp->rotate << 8);
        hash.real(warp->bend);
        hash.real(warp->horizontal);
        hash.real(warp->vertical);
    }
    if (AIArtHandle shape = doc.envelopeShape(art)) fingerprint(doc, shape, hash);
    for (AIArtHandle child = doc.firstChild(art); child; child = doc.nextSibling(child)) {
        fingerprint(doc, child, hash);
    }
}

uint64_t fingerprintOf(const qthost::Document& doc, AIArtHandle art, uint32_t layer) {
    Hasher hash;
    hash.word(layer);
    fingerprint(doc, art, hash);
    return hash.h;
}

}  // namespace

void RedrawPlan::take(const qthost::Document& doc, const TopLevel& item, DrawList& list) {
    fingerprint_ += fingerprintOf(doc, item.art, item.layer);
    qtexport::SceneNode node;
    if (!qtexport::buildTopLevelNode(doc, item.art, node)) return;
    uint32_t before = list.paths;
    list.add(node);
    paths_ += list.paths - before;
    if (!compositesNormally(node)) ++blending_;
}

Redraw RedrawPlan::update(const qthost::Document& doc, bool everything, DrawList& list) {
    std::vector<TopLevel> now;
    now.reserve(drawn_.size() + 64);
    for (size_t layer = 0; layer < doc.layerCount(); ++layer) {
        for (AIArtHandle art = doc.firstLayerArt(layer); art; art = doc.nextSibling(art)) {
            now.push_back({art, static_cast<uint32_t>(layer)});
        }
    }
    // The art listed last time, still there unchanged at the start or at the end of the list.
    size_t kept = drawn_.size();
    bool atStart = valid_ && !everything && now.size() >= kept && std::equal(drawn_.begin(), drawn_.end(), now.begin());
    bool atEnd = !atStart && valid_ && !everything && now.size() > kept && blending_ == 0 &&
                 std::equal(drawn_.begin(), drawn_.end(), now.end() - static_cast<ptrdiff_t>(kept));
    if (atStart || atEnd) {
        size_t offset = atStart ? 0 : now.size() - kept;
        uint64_t sum = 0;
        for (size_t i = 0; i < kept; ++i) sum += fingerprintOf(doc, now[offset + i].art, now[offset + i].layer);
        if (sum == fingerprint_) {
            const bool added = now.size() > kept;
            if (atStart) {
                for (size_t i = kept; i < now.size(); ++i) take(doc, now[i], list);
            } else {
                DrawList front;
                for (size_t i = 0; i < now.size() - kept; ++i) take(doc, now[i], front);
                list.prepend(std::move(front));
            }
            drawn_ = std::move(now);
            if (!added) return Redraw::nothing;
            return atStart ? Redraw::above : Redraw::beneath;
        }
    }

    list.clear();
    fingerprint_ = 0;
    paths_ = 0;
    blending_ = 0;
    for (const TopLevel& item : now) take(doc, item, list);
    drawn_ = std::move(now);
    valid_ = true;
    return Redraw::everything;
}

}  // namespace qtweb
