// Envelopes and layers.
#include <algorithm>

#include "host/document.h"

namespace qthost {

// The envelope takes the first listed art's place; the listed art moves inside it in list
// order and the envelope object becomes its shape.
ASErr Document::makeEnvelope(const AIArtHandle* artList, ASInt32 count, AIArtHandle envelopeObject,
                             AIArtHandle* envelope) {
    if (!envelope || !artList || count < 1) return kBadParameterErr;
    const Art* object = resolve(envelopeObject);
    if (!object) return kBadArtHandleErr;
    uint32_t objectSlot = slotOf(object);
    if (isEnvelopeShape(objectSlot)) return kBadParameterErr;
    std::vector<uint32_t> contents;
    contents.reserve(static_cast<size_t>(count));
    for (ASInt32 i = 0; i < count; ++i) {
        const Art* a = resolve(artList[i]);
        if (!a) return kBadArtHandleErr;
        uint32_t slot = slotOf(a);
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
    changed();

    for (uint32_t slot : contents) {
        Change change{ChangeKind::moved, slot, arts_[slot].parent, arts_[slot].prev};
        bool record = recordsChangesOf(arts_[slot]);
        changed(arts_[slot]);
        unlink(slot);
        link(slot, env, arts_[env].lastChild);
        if (record) logChange(change);
    }

    Change shapeChange{ChangeKind::envelopeShape, objectSlot, arts_[objectSlot].parent,
                       arts_[objectSlot].prev};
    bool record = recordsChangesOf(arts_[objectSlot]);
    changed(arts_[objectSlot]);
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
    if (recordsChangesOf(*a)) logChange({ChangeKind::warp, slotOf(a), a->warp});
    changed(*a);
    a->warp = warps_.add(warp);
    return kNoErr;
}

// ---- Layers ----

AILayerHandle Document::layerHandle(size_t index) const { return layers_.handle(index); }

AILayerHandle Document::currentLayer() const { return layers_.currentHandle(); }

ASErr Document::insertLayer(AILayerHandle reference, ASInt16 paintOrder, AILayerHandle* layer) {
    if (!layer) return kBadParameterErr;
    std::optional<size_t> at = layers_.insertionPoint(reference, paintOrder);
    if (!at) return kBadParameterErr;
    uint32_t root = newLayerRoot();
    LayerList::Inserted inserted = layers_.insert(*at, root);
    logChange(
        {ChangeKind::layerInserted, root, inserted.id, inserted.previousCurrent, inserted.previousNumber});
    changed();
    *layer = layers_.currentHandle();
    return kNoErr;
}

ASErr Document::setCurrentLayer(AILayerHandle layer) {
    uint32_t before = layers_.currentId();
    if (!layers_.setCurrent(layer)) return kBadParameterErr;
    logChange({ChangeKind::currentLayer, 0, before});
    changed();
    return kNoErr;
}

}  // namespace qthost
