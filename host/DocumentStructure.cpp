// Envelopes and layers.
#include <algorithm>

#include "host/Document.h"

namespace qthost {

namespace {

inline AILayerHandle layerHandleOf(uint32_t id) { return reinterpret_cast<AILayerHandle>(uintptr_t(id) + 1); }

}  // namespace

// The envelope takes the first listed art's place; the listed art moves inside it in list
// order and the envelope object becomes its shape.
ASErr Document::makeEnvelope(const AIArtHandle* artList, ASInt32 count, AIArtHandle envelopeObject,
                             AIArtHandle* envelope) {
    if (!envelope || !artList || count < 1) return kBadParameterErr;
    const Art* object = resolve(envelopeObject);
    if (!object) return kBadArtHandleErr;
    uint32_t objectSlot = static_cast<uint32_t>(object - arts_.data());
    if (isEnvelopeShape(objectSlot)) return kBadParameterErr;
    std::vector<uint32_t> contents;
    contents.reserve(static_cast<size_t>(count));
    for (ASInt32 i = 0; i < count; ++i) {
        const Art* a = resolve(artList[i]);
        if (!a) return kBadArtHandleErr;
        uint32_t slot = static_cast<uint32_t>(a - arts_.data());
        if (isEnvelopeShape(slot)) return kBadParameterErr;
        if (isInside(slot, objectSlot) || isInside(objectSlot, slot)) return kBadParameterErr;
        if (std::find(contents.begin(), contents.end(), slot) != contents.end()) return kBadParameterErr;
        contents.push_back(slot);
    }

    uint32_t env = allocSlot();
    arts_[env].type = kEnvelopeArt;
    arts_[env].style = arts_[contents[0]].style;
    link(env, arts_[contents[0]].parent, contents[0]);
    logChange({ChangeKind::created, env});

    for (uint32_t slot : contents) {
        Change change{ChangeKind::moved, slot, arts_[slot].parent, arts_[slot].prev};
        bool record = recordsChangesOf(arts_[slot]);
        unlink(slot);
        link(slot, env, arts_[env].lastChild);
        if (record) logChange(change);
    }

    Change shapeChange{ChangeKind::envelopeShape, objectSlot, arts_[objectSlot].parent, arts_[objectSlot].prev};
    bool record = recordsChangesOf(arts_[objectSlot]);
    unlink(objectSlot);
    arts_[objectSlot].parent = env;
    arts_[env].shape = objectSlot;
    if (record) logChange(shapeChange);

    *envelope = handleOf(env);
    return kNoErr;
}

ASErr Document::setWarp(AIArtHandle envelope, const Warp& warp) {
    Art* a = resolve(envelope);
    if (!a) return kBadArtHandleErr;
    if (a->type != kEnvelopeArt) return kBadParameterErr;
    if (warp.style < kWarpStyleFirst || warp.style > kWarpStyleLast) return kBadParameterErr;
    auto inRange = [](AIReal x) { return x >= -1.0f && x <= 1.0f; };
    if (!inRange(warp.bend) || !inRange(warp.horizontal) || !inRange(warp.vertical)) return kBadParameterErr;
    if (recordsChangesOf(*a)) logChange({ChangeKind::warp, static_cast<uint32_t>(a - arts_.data()), a->warp});
    a->warp = static_cast<uint32_t>(warps_.size());
    warps_.push_back(warp);
    return kNoErr;
}

// ---- Layers ----

AILayerHandle Document::layerHandle(size_t index) const {
    return index < layerOrder_.size() ? layerHandleOf(layerOrder_[index]) : nullptr;
}

AILayerHandle Document::currentLayer() const { return layerHandleOf(currentLayer_); }

ASErr Document::insertLayer(AILayerHandle reference, ASInt16 paintOrder, AILayerHandle* layer) {
    if (!layer) return kBadParameterErr;
    size_t at;  // position in layerOrder_
    if (paintOrder == kPlaceAboveAll) {
        at = layerOrder_.size();
    } else if (paintOrder == kPlaceBelowAll) {
        at = 0;
    } else if (paintOrder == kPlaceAbove || paintOrder == kPlaceBelow) {
        uintptr_t id = reinterpret_cast<uintptr_t>(reference);
        auto found = id == 0 ? layerOrder_.end() : std::find(layerOrder_.begin(), layerOrder_.end(), id - 1);
        if (found == layerOrder_.end()) return kBadParameterErr;
        at = static_cast<size_t>(found - layerOrder_.begin()) + (paintOrder == kPlaceAbove ? 1 : 0);
    } else {
        return kBadParameterErr;
    }
    uint32_t id = static_cast<uint32_t>(layers_.size());
    uint32_t root = allocSlot(true);
    arts_[root].type = kGroupArt;
    logChange({ChangeKind::layerInserted, root, id, currentLayer_, layerNumber_});
    layers_.push_back({"Layer " + std::to_string(++layerNumber_), root, true});
    layerOrder_.insert(layerOrder_.begin() + static_cast<ptrdiff_t>(at), id);
    currentLayer_ = id;
    *layer = layerHandleOf(id);
    return kNoErr;
}

ASErr Document::setCurrentLayer(AILayerHandle layer) {
    uintptr_t id = reinterpret_cast<uintptr_t>(layer);
    if (id == 0 || id > layers_.size() || !layers_[id - 1].alive) return kBadParameterErr;
    logChange({ChangeKind::currentLayer, 0, currentLayer_});
    currentLayer_ = static_cast<uint32_t>(id - 1);
    return kNoErr;
}

}  // namespace qthost
