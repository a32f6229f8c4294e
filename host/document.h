// The host's in-memory document: layers, art objects with stable handles, swatches, and the
// change log that undo reverts. The suites mutate it; exporters and tests read it through the
// const API below. It composes the parts that keep their own rules (handle table, segment
// arena, style and warp tables, tag interner, layers, change log) and keeps the art tree.
#ifndef QT_HOST_DOCUMENT_H
#define QT_HOST_DOCUMENT_H

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/art_record.h"
#include "host/art_view.h"
#include "host/change_log.h"
#include "host/handle_table.h"
#include "host/layer_list.h"
#include "host/optional_rect.h"
#include "host/revisions.h"
#include "host/segment_arena.h"
#include "host/style_table.h"
#include "host/tag_interner.h"
#include "host/warp.h"
#include "sdk/quen_tarb_sdk.h"

namespace qthost {

enum class ColorModel { rgb, cmyk, gray };

// A fill or stroke: whether it paints, and with which colour.
struct Paint {
    bool paint = false;
    AIColor color{};

    static Paint white();  // gray 0 (no ink)
    static Paint black();  // gray 1 (full ink)
    static Paint none();   // no paint
    // White and black in a colour model: gray 0 and 1, CMYK (0,0,0,0) and (0,0,0,1), RGB
    // (1,1,1) and (0,0,0).
    static Paint white(ColorModel model);
    static Paint black(ColorModel model);
};

struct Swatch {
    std::string name;
    AIColor color{};
};

// What a new document starts with.
struct DocumentSetup {
    AIReal pageWidth = 612.0f;
    AIReal pageHeight = 792.0f;
    AIRealRect view{0.0f, 792.0f, 612.0f, 0.0f};
    ColorModel colorModel = ColorModel::rgb;
    // New art's fill and stroke; unset, white and black in the document's colour model.
    std::optional<Paint> fill;
    std::optional<Paint> stroke;
    AIReal strokeWidth = 1.0f;
};

class Document {
  public:
    explicit Document(const DocumentSetup& setup = {});
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // ---- Reading (exporters, tests, the command line) ----
    AIReal pageWidth() const { return setup_.pageWidth; }
    AIReal pageHeight() const { return setup_.pageHeight; }
    AIRealRect viewBounds() const { return setup_.view; }
    AIRealPoint viewCenter() const;
    ColorModel colorModel() const { return setup_.colorModel; }
    std::span<const Swatch> swatches() const { return swatches_; }

    // Layers bottom to top; index 0 is "Layer 1".
    size_t layerCount() const { return layers_.count(); }
    const std::string& layerName(size_t index) const;
    size_t currentLayerIndex() const;
    // The layer's top-level art, back to front (paint order).
    std::vector<AIArtHandle> layerArt(size_t index) const;

    // Art, read through views (host/art_view.h): the handle is resolved once. A handle that
    // names no live art gives a view of no art.
    ArtView view(AIArtHandle art) const { return ArtView(tables_, resolve(art)); }
    // The layer's top-level art, back to front; the topmost object.
    ArtRange topLevelArt(size_t layer) const;
    ArtView topmostArt(size_t layer) const;
    // Geometric bounds of the curves (not of the control points), contents included; empty
    // for art with no points and for a handle that names no live art.
    OptionalRect artBounds(AIArtHandle art) const;

    // Shorthands for view(art).field(), for callers that read one field of an object. An
    // invalid or disposed handle reads as kUnknownArt with empty contents.
    bool isLive(AIArtHandle art) const { return resolve(art) != nullptr; }
    ASInt16 artType(AIArtHandle art) const { return view(art).type(); }
    std::span<const AIPathSegment> segments(AIArtHandle art) const { return view(art).segments(); }
    bool closed(AIArtHandle art) const { return view(art).closed(); }
    AIPathStyle style(AIArtHandle art) const { return view(art).style(); }
    AIReal opacity(AIArtHandle art) const { return view(art).opacity(); }
    ASInt32 blendMode(AIArtHandle art) const { return view(art).blendMode(); }
    std::vector<TagView> tags(AIArtHandle art) const;          // in the order first set
    std::vector<AIArtHandle> children(AIArtHandle art) const;  // group/envelope contents, back to front
    AIArtHandle envelopeShape(AIArtHandle art) const { return view(art).envelopeShape().handle(); }
    std::optional<Warp> warp(AIArtHandle art) const;
    // No-allocation walking: first child (or first art of a layer), next sibling; null at the end.
    AIArtHandle firstChild(AIArtHandle art) const;
    AIArtHandle firstLayerArt(size_t layer) const;
    AIArtHandle nextSibling(AIArtHandle art) const { return view(art).next().handle(); }
    // Every live art object in the document, nested contents and envelope shapes included.
    size_t liveArtCount() const { return liveArt_; }
    // How many times a handle of art that is gone (disposed, reverted, its slot reused) was
    // used: by the plug-in through a suite, or by any reader. Each use is refused.
    uint64_t staleHandleUses() const { return arts_.staleUses(); }

    // ---- Editing (the suites) ----
    ASErr newArt(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr disposeArt(AIArtHandle art);
    ASErr reorderArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep);
    ASErr duplicateArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr getArtType(AIArtHandle art, ASInt16* type) const;
    // The suite's bounds: artBounds, where art with no points gives a zero rectangle at the origin.
    ASErr getArtBounds(AIArtHandle art, AIRealRect* bounds) const;

    ASErr getSegmentCount(AIArtHandle path, ASInt16* count) const;
    ASErr setSegmentCount(AIArtHandle path, ASInt16 count);
    ASErr getSegments(AIArtHandle path, ASInt16 first, ASInt16 count, AIPathSegment* out) const;
    ASErr setSegments(AIArtHandle path, ASInt16 first, ASInt16 count, const AIPathSegment* in);
    ASErr getClosed(AIArtHandle path, ASBoolean* closed) const;
    ASErr setClosed(AIArtHandle path, ASBoolean closed);

    ASErr getStyle(AIArtHandle path, AIPathStyle* style) const;
    ASErr setStyle(AIArtHandle path, const AIPathStyle& style);
    ASErr setOpacity(AIArtHandle art, AIReal opacity);
    ASErr setBlendMode(AIArtHandle art, ASInt32 mode);
    ASErr setTag(AIArtHandle art, const char* name, const char* type, const char* value);
    ASErr getTag(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value,
                 ASInt32 maxLen) const;

    // Anchors and handles through the matrix; kScaleLines multiplies stroke widths by lineScale.
    ASErr transformArt(AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale, ASInt32 flags);

    ASErr makeEnvelope(const AIArtHandle* artList, ASInt32 count, AIArtHandle envelopeObject,
                       AIArtHandle* envelope);
    ASErr setWarp(AIArtHandle envelope, const Warp& warp);

    ASErr insertLayer(AILayerHandle reference, ASInt16 paintOrder, AILayerHandle* layer);
    AILayerHandle currentLayer() const;
    ASErr setCurrentLayer(AILayerHandle layer);
    AILayerHandle layerHandle(size_t index) const;

    // ---- Undo ----
    // A recording point; returns its depth (1 for the first), which revertTo accepts.
    size_t placeRecordingPoint();
    size_t recordingDepth() const;
    // Reverts every change since the last recording point, which stays.
    void revertToLastRecordingPoint();
    // Reverts every change since recording point `depth` and removes that point and the
    // later ones. Depth 0 reverts to the empty document.
    void revertTo(size_t depth);
    size_t changeLogSize() const;

    // ---- Redo ----
    // Everything an undo takes back, copied whole; restoring it brings the document back to
    // the moment it was taken, recording points and handles included. Tags are not in it:
    // they are interned for the document's life and nothing undoes them.
    struct Snapshot;
    std::shared_ptr<const Snapshot> snapshot() const;
    void restore(const Snapshot& snapshot);
    // ---- Revisions (host/revisions.h) ----
    // The revision now; reading it twice with no change between gives the same number. Each
    // revision read is remembered for changesSince (reading is why this has mutable state).
    Revision revision() const { return revisions_.mark(changes_.size(), topLevelArt_); }
    // What changed since `since`, read from the change log: whether the art that existed then is
    // untouched, and the top-level art made since, above and beneath it. Costs time in
    // proportion to the new top-level art.
    ChangesSince changesSince(Revision since) const;

  private:
    using Art = ArtRecord;
    static constexpr uint32_t kNone = kNoSlot;

    // The live art a handle names, or null. Inline: every suite call on art starts here.
    const Art* resolve(AIArtHandle handle) const { return arts_.resolve(handle); }
    Art* resolve(AIArtHandle handle) { return arts_.resolve(handle); }
    AIArtHandle handleOf(uint32_t slot) const {
        return reinterpret_cast<AIArtHandle>(arts_.handleBits(slot));
    }
    uint32_t slotOf(const Art* art) const { return arts_.slotOf(art); }
    uint32_t allocSlot(bool layerRoot = false) { return allocSlot(Art{}, layerRoot); }
    uint32_t allocSlot(Art contents, bool layerRoot = false);
    void freeSlot(uint32_t slot);
    uint32_t newLayerRoot();

    ASErr place(uint32_t slot, ASInt16 paintOrder, const Art* prep);
    void link(uint32_t slot, uint32_t parent, uint32_t after);  // after = none: first child
    void unlink(uint32_t slot);
    bool isInside(uint32_t slot, uint32_t ancestor) const;
    // An envelope consumes its shape: the shape is in no list of siblings, so nothing may be
    // placed beside it, and it moves or goes only with its envelope.
    bool isEnvelopeShape(uint32_t slot) const {
        uint32_t parent = arts_[slot].parent;
        return parent != kNone && arts_[parent].shape == slot;
    }
    uint32_t copyTree(uint32_t source);
    void killTree(uint32_t slot, bool alive);
    void boundsOf(uint32_t slot, OptionalRect& bounds) const;
    void transformTree(uint32_t slot, const AIRealMatrix& m, AIReal lineScale, ASInt32 flags);

    void logChange(const Change& change) { changes_.record(change); }
    // Every change goes through one of these, so the revision moves on; a change to art that
    // existed before (or to what it holds) also tells the revisions which art it was.
    void changed() { revisions_.changed(); }
    void changed(const Art& art) { revisions_.artChanged(art.bornAt); }
    // Art made since the last recording point goes away as a whole on undo, so its edits need
    // no log entries; only older art is logged.
    bool recordsChangesOf(const Art& art) const { return art.bornAt < changes_.lastPoint().logSize; }
    AIPathSegment* writableSegments(uint32_t slot, uint32_t newCount);
    void restyle(uint32_t slot, const AIPathStyle& style);
    void revertChange(const Change& change);

    DocumentSetup setup_;
    std::vector<Swatch> swatches_;
    HandleTable<ArtRecord> arts_;
    size_t liveArt_ = 0;
    SegmentArena segments_;
    StyleTable styles_;
    WarpTable warps_;
    TagInterner tags_;
    ChangeLog changes_;
    mutable RevisionMarks revisions_;
    size_t topLevelArt_ = 0;  // art whose parent is a layer's root, in all layers
    LayerList layers_;        // its first layer's root is art made when the tables above exist
    ArtTables tables_{arts_, segments_, styles_, warps_, tags_};
};

}  // namespace qthost

#endif
