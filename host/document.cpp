// The document's tree of art: slots, handles, paint order, duplication and disposal.
#include "host/document.h"

#include "host/swatches.h"

namespace qthost {

namespace {

AIPathStyle defaultStyle(const DocumentSetup& setup) {
    const Paint fill = setup.fill.value_or(Paint::white(setup.colorModel));
    const Paint stroke = setup.stroke.value_or(Paint::black(setup.colorModel));
    AIPathStyle style{};
    style.fillPaint = fill.paint;
    style.fill.color = fill.color;
    style.strokePaint = stroke.paint;
    style.stroke.color = stroke.color;
    style.stroke.width = setup.strokeWidth;
    style.stroke.miterLimit = 4.0f;
    return style;
}

}  // namespace

Paint Paint::white() {
    Paint p{true, {}};
    p.color.kind = kGrayColor;
    p.color.c.g.gray = 0.0f;
    return p;
}

Paint Paint::black() {
    Paint p{true, {}};
    p.color.kind = kGrayColor;
    p.color.c.g.gray = 1.0f;
    return p;
}

Paint Paint::white(ColorModel model) {
    Paint p{true, {}};
    switch (model) {
        case ColorModel::gray: return white();
        case ColorModel::cmyk: p.color.kind = kFourColor; break;  // no ink
        case ColorModel::rgb:
            p.color.kind = kThreeColor;
            p.color.c.rgb = {1.0f, 1.0f, 1.0f};
            break;
    }
    return p;
}

Paint Paint::black(ColorModel model) {
    Paint p{true, {}};
    switch (model) {
        case ColorModel::gray: return black();
        case ColorModel::cmyk:
            p.color.kind = kFourColor;
            p.color.c.f.black = 1.0f;
            break;
        case ColorModel::rgb: p.color.kind = kThreeColor; break;  // all zero
    }
    return p;
}

Paint Paint::none() {
    Paint p{false, {}};
    p.color.kind = kNoneColor;
    return p;
}

Document::Document(const DocumentSetup& setup)
    : setup_(setup),
      swatches_(defaultSwatches(setup.colorModel)),
      styles_(defaultStyle(setup)),
      changes_({0, 0, 1, 0}),  // the empty document (its default style only): depth 0
      layers_(newLayerRoot()) {}

Document::~Document() = default;

AIRealPoint Document::viewCenter() const {
    const AIRealRect& v = setup_.view;
    return {v.left + (v.right - v.left) / 2.0f, v.bottom + (v.top - v.bottom) / 2.0f};
}

const std::string& Document::layerName(size_t index) const { return layers_.name(index); }

size_t Document::currentLayerIndex() const { return layers_.currentIndex(); }

std::vector<AIArtHandle> Document::layerArt(size_t index) const {
    std::vector<AIArtHandle> out;
    for (AIArtHandle a = firstLayerArt(index); a; a = nextSibling(a)) out.push_back(a);
    return out;
}

// ---- Slots and handles ----

// A slot holding `contents` (taken by value: the table may move), unlinked.
uint32_t Document::allocSlot(Art contents, bool layerRoot) {
    uint32_t slot = arts_.allocate(contents);
    Art& art = arts_[slot];
    art.parent = art.prev = art.next = kNone;
    art.firstChild = art.lastChild = art.shape = kNone;
    art.layerRoot = layerRoot;
    art.bornAt = static_cast<uint32_t>(changes_.size());
    if (!layerRoot) ++liveArt_;
    return slot;
}

// The invisible group that holds a new layer's top-level art.
uint32_t Document::newLayerRoot() {
    uint32_t root = allocSlot(true);
    arts_[root].type = kGroupArt;
    return root;
}

void Document::freeSlot(uint32_t slot) {
    Art& art = arts_[slot];
    unlink(slot);
    // Anything still inside goes free with it later (it was made earlier); cut it loose now.
    for (uint32_t c = art.firstChild; c != kNone;) {
        uint32_t next = arts_[c].next;
        arts_[c].parent = arts_[c].prev = arts_[c].next = kNone;
        if (art.layerRoot) --topLevelArt_;
        c = next;
    }
    if (art.shape != kNone) arts_[art.shape].parent = kNone;
    if (art.alive && !art.layerRoot) --liveArt_;
    art.firstChild = art.lastChild = art.shape = kNone;
    arts_.release(slot);
}

// ---- Links ----

// Linking and unlinking change what the parent holds; a layer's root counts its art instead.
void Document::link(uint32_t slot, uint32_t parent, uint32_t after) {
    Art& art = arts_[slot];
    Art& p = arts_[parent];
    if (p.layerRoot)
        ++topLevelArt_;
    else
        changed(p);
    art.parent = parent;
    art.prev = after;
    art.next = after == kNone ? p.firstChild : arts_[after].next;
    if (art.prev != kNone)
        arts_[art.prev].next = slot;
    else
        p.firstChild = slot;
    if (art.next != kNone)
        arts_[art.next].prev = slot;
    else
        p.lastChild = slot;
}

void Document::unlink(uint32_t slot) {
    Art& art = arts_[slot];
    if (art.parent == kNone) return;
    Art& p = arts_[art.parent];
    if (p.layerRoot)
        --topLevelArt_;
    else
        changed(p);
    if (p.shape == slot) {
        p.shape = kNone;
    } else {
        if (art.prev != kNone)
            arts_[art.prev].next = art.next;
        else
            p.firstChild = art.next;
        if (art.next != kNone)
            arts_[art.next].prev = art.prev;
        else
            p.lastChild = art.prev;
    }
    art.parent = art.prev = art.next = kNone;
}

bool Document::isInside(uint32_t slot, uint32_t ancestor) const {
    for (uint32_t s = slot; s != kNone; s = arts_[s].parent)
        if (s == ancestor) return true;
    return false;
}

// Links `slot` where the paint order puts it. The whole-layer orders use the current layer.
ASErr Document::place(uint32_t slot, ASInt16 paintOrder, const Art* prep) {
    uint32_t root = layers_.currentRoot();
    switch (paintOrder) {
        case kPlaceAboveAll: link(slot, root, arts_[root].lastChild); return kNoErr;
        case kPlaceBelowAll: link(slot, root, kNone); return kNoErr;
        default: break;
    }
    if (!prep) return kBadArtHandleErr;
    uint32_t p = slotOf(prep);
    if (p == slot || isInside(p, slot)) return kBadParameterErr;
    switch (paintOrder) {
        case kPlaceAbove: link(slot, prep->parent, p); return kNoErr;
        case kPlaceBelow: link(slot, prep->parent, prep->prev); return kNoErr;
        case kPlaceInsideOnTop:
        case kPlaceInsideOnBottom:
            if (prep->type != kGroupArt && prep->type != kEnvelopeArt) return kBadParameterErr;
            link(slot, p, paintOrder == kPlaceInsideOnTop ? prep->lastChild : kNone);
            return kNoErr;
        default: return kBadParameterErr;
    }
}

// Checks the paint order before anything is made, so a refusal leaves the document alone.
static bool validOrder(ASInt16 paintOrder) {
    return paintOrder >= kPlaceAbove && paintOrder <= kPlaceBelowAll;
}

// ---- Reading ----

ArtRange Document::topLevelArt(size_t layer) const {
    if (layer >= layers_.count()) return {};
    return ArtRange(&tables_, arts_[layers_.root(layer)].firstChild);
}

ArtView Document::topmostArt(size_t layer) const {
    if (layer >= layers_.count()) return {};
    uint32_t last = arts_[layers_.root(layer)].lastChild;
    return last != kNone ? ArtView(tables_, &arts_[last]) : ArtView();
}

std::vector<TagView> Document::tags(AIArtHandle art) const {
    TagRange range = view(art).tags();
    return {range.begin(), range.end()};
}

std::vector<AIArtHandle> Document::children(AIArtHandle art) const {
    std::vector<AIArtHandle> out;
    for (ArtView child : view(art).children()) out.push_back(child.handle());
    return out;
}

std::optional<Warp> Document::warp(AIArtHandle art) const {
    const Warp* warp = view(art).warp();
    return warp ? std::optional<Warp>(*warp) : std::nullopt;
}

AIArtHandle Document::firstChild(AIArtHandle art) const {
    ArtRange children = view(art).children();
    return children.empty() ? nullptr : (*children.begin()).handle();
}

AIArtHandle Document::firstLayerArt(size_t layer) const {
    ArtRange art = topLevelArt(layer);
    return art.empty() ? nullptr : (*art.begin()).handle();
}

ASErr Document::getArtType(AIArtHandle art, ASInt16* type) const {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!type) return kBadParameterErr;
    *type = a->type;
    return kNoErr;
}

// ---- Making and removing art ----

ASErr Document::newArt(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    if (!newArt) return kBadParameterErr;
    if (type != kPathArt && type != kGroupArt) return kBadParameterErr;
    if (!validOrder(paintOrder)) return kBadParameterErr;
    const Art* p = nullptr;
    if (paintOrder != kPlaceAboveAll && paintOrder != kPlaceBelowAll) {
        p = resolve(prep);
        if (!p) return kBadArtHandleErr;
    }
    uint32_t prepSlot = p ? slotOf(p) : kNone;
    if (p && isEnvelopeShape(prepSlot)) return kBadParameterErr;
    uint32_t slot = allocSlot();  // may move arts_
    Art& art = arts_[slot];
    art.type = type;
    art.style = 0;  // the document's default
    ASErr err = place(slot, paintOrder, prepSlot == kNone ? nullptr : &arts_[prepSlot]);
    if (err != kNoErr) {
        freeSlot(slot);
        return err;
    }
    logChange({ChangeKind::created, slot});
    changed();
    *newArt = handleOf(slot);
    return kNoErr;
}

void Document::killTree(uint32_t slot, bool alive) {
    Art& art = arts_[slot];
    if (art.alive != alive) {
        art.alive = alive;
        if (alive)
            ++liveArt_;
        else
            --liveArt_;
    }
    for (uint32_t c = arts_[slot].firstChild; c != kNone; c = arts_[c].next) killTree(c, alive);
    if (arts_[slot].shape != kNone) killTree(arts_[slot].shape, alive);
}

ASErr Document::disposeArt(AIArtHandle handle) {
    Art* art = resolve(handle);
    if (!art) return kBadArtHandleErr;
    uint32_t slot = slotOf(art);
    if (isEnvelopeShape(slot)) return kBadParameterErr;
    // The slot stays allocated: undo may bring the art back.
    Change change{ChangeKind::disposed, slot, art->parent, art->prev};
    bool record = recordsChangesOf(*art);
    changed(*art);
    unlink(slot);
    killTree(slot, false);
    if (record) logChange(change);
    return kNoErr;
}

ASErr Document::reorderArt(AIArtHandle handle, ASInt16 paintOrder, AIArtHandle prep) {
    Art* art = resolve(handle);
    if (!art) return kBadArtHandleErr;
    if (!validOrder(paintOrder)) return kBadParameterErr;
    const Art* p = nullptr;
    if (paintOrder != kPlaceAboveAll && paintOrder != kPlaceBelowAll) {
        p = resolve(prep);
        if (!p) return kBadArtHandleErr;
    }
    uint32_t slot = slotOf(art);
    if (isEnvelopeShape(slot)) return kBadParameterErr;
    if (p && isEnvelopeShape(slotOf(p))) return kBadParameterErr;
    if (p == art) return kNoErr;  // placed relative to itself: stays where it is
    if (p && isInside(slotOf(p), slot)) return kBadParameterErr;
    if (p && (paintOrder == kPlaceInsideOnTop || paintOrder == kPlaceInsideOnBottom) &&
        p->type != kGroupArt && p->type != kEnvelopeArt)
        return kBadParameterErr;
    Change change{ChangeKind::moved, slot, art->parent, art->prev};
    bool record = recordsChangesOf(*art);
    changed(*art);
    unlink(slot);
    ASErr err = place(slot, paintOrder, p);
    if (err != kNoErr) {  // cannot happen after the checks above; put it back regardless
        link(slot, change.a, change.b);
        return err;
    }
    if (record) logChange(change);
    return kNoErr;
}

// A deep copy of `source`'s tree, unlinked; every slot made is logged.
uint32_t Document::copyTree(uint32_t source) {
    uint32_t slot = allocSlot(arts_[source]);
    // The segments go to the end of the arena, which may grow and move.
    arts_[slot].segments = segments_.copy(arts_[source].segments);
    logChange({ChangeKind::created, slot});
    changed();
    for (uint32_t c = arts_[source].firstChild; c != kNone; c = arts_[c].next) {
        uint32_t child = copyTree(c);
        link(child, slot, arts_[slot].lastChild);
    }
    if (arts_[source].shape != kNone) {
        uint32_t shape = copyTree(arts_[source].shape);
        arts_[shape].parent = slot;
        arts_[slot].shape = shape;
    }
    return slot;
}

ASErr Document::duplicateArt(AIArtHandle handle, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    if (!newArt) return kBadParameterErr;
    const Art* art = resolve(handle);
    if (!art) return kBadArtHandleErr;
    if (!validOrder(paintOrder)) return kBadParameterErr;
    uint32_t prepSlot = kNone;
    if (paintOrder != kPlaceAboveAll && paintOrder != kPlaceBelowAll) {
        const Art* p = resolve(prep);
        if (!p) return kBadArtHandleErr;
        if ((paintOrder == kPlaceInsideOnTop || paintOrder == kPlaceInsideOnBottom) && p->type != kGroupArt &&
            p->type != kEnvelopeArt)
            return kBadParameterErr;
        prepSlot = slotOf(p);
        if (isEnvelopeShape(prepSlot)) return kBadParameterErr;
    }
    uint32_t slot = copyTree(slotOf(art));
    ASErr err = place(slot, paintOrder, prepSlot == kNone ? nullptr : &arts_[prepSlot]);
    if (err != kNoErr) return err;  // unreachable after the checks; the copy stays logged
    *newArt = handleOf(slot);
    return kNoErr;
}

}  // namespace qthost
