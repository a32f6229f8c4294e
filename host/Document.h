// The host's in-memory document: layers, art objects with stable handles, swatches, and the
// change log that undo reverts. The suites mutate it; exporters and tests read it through the
// const API below.
#ifndef QT_HOST_DOCUMENT_H
#define QT_HOST_DOCUMENT_H

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sdk/QuenTarbSDK.h"

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

// An envelope's warp: style 1..15, bend and distortions in -1..1, rotate flag.
struct Warp {
    ASInt32 style = 0;
    AIReal bend = 0.0f;
    AIReal horizontal = 0.0f;
    AIReal vertical = 0.0f;
    bool rotate = false;
};

// One art tag; the views stay valid as long as the document lives.
struct TagView {
    std::string_view name;
    std::string_view type;
    std::string_view value;
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
    size_t layerCount() const { return layerOrder_.size(); }
    const std::string& layerName(size_t index) const;
    size_t currentLayerIndex() const;
    // The layer's top-level art, back to front (paint order).
    std::vector<AIArtHandle> layerArt(size_t index) const;

    // Per art. An invalid or disposed handle reads as kUnknownArt with empty contents.
    bool isLive(AIArtHandle art) const;
    ASInt16 artType(AIArtHandle art) const;
    std::span<const AIPathSegment> segments(AIArtHandle art) const;
    bool closed(AIArtHandle art) const;
    AIPathStyle style(AIArtHandle art) const;
    AIReal opacity(AIArtHandle art) const;
    ASInt32 blendMode(AIArtHandle art) const;
    std::vector<TagView> tags(AIArtHandle art) const;        // in the order first set
    std::vector<AIArtHandle> children(AIArtHandle art) const;  // group/envelope contents, back to front
    AIArtHandle envelopeShape(AIArtHandle art) const;          // the object an envelope was made from
    std::optional<Warp> warp(AIArtHandle art) const;
    // No-allocation walking: first child (or first art of a layer), next sibling; null at the end.
    AIArtHandle firstChild(AIArtHandle art) const;
    AIArtHandle firstLayerArt(size_t layer) const;
    AIArtHandle nextSibling(AIArtHandle art) const;
    // Every live art object in the document, nested contents and envelope shapes included.
    size_t liveArtCount() const { return liveArt_; }
    // How many times a handle of art that is gone (disposed, reverted, its slot reused) was
    // used: by the plug-in through a suite, or by any reader. Each use is refused.
    uint64_t staleHandleUses() const { return staleHandleUses_; }

    // ---- Editing (the suites) ----
    ASErr newArt(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr disposeArt(AIArtHandle art);
    ASErr reorderArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep);
    ASErr duplicateArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr getArtType(AIArtHandle art, ASInt16* type) const;
    // Geometric bounds of the curves (not of the control points); an empty path gives a
    // zero rectangle at the origin.
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
    ASErr getTag(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value, ASInt32 maxLen) const;

    // Anchors and handles through the matrix; kScaleLines multiplies stroke widths by lineScale.
    ASErr transformArt(AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale, ASInt32 flags);

    ASErr makeEnvelope(const AIArtHandle* artList, ASInt32 count, AIArtHandle envelopeObject, AIArtHandle* envelope);
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

private:
    static constexpr uint32_t kNone = UINT32_MAX;

    struct TagRef {
        uint32_t name, type, value;  // interned texts
        bool operator==(const TagRef&) const = default;
    };

    // One art object in its slot. Slots are reused after undo frees them; the generation
    // tells a stale handle from a live one. Trivially copyable and small, because a
    // duplicate copies it and a drag makes tens of thousands: styles, warps and tag sets
    // live in tables and the record holds their indices.
    struct Art {
        uint32_t generation = 1;
        ASInt16 type = kUnknownArt;
        bool inUse : 1 = false;      // allocated: in the document, or disposed but revivable by undo
        bool alive : 1 = false;      // in the document
        bool layerRoot : 1 = false;  // the invisible container of a layer's top-level art
        bool closed : 1 = false;
        uint8_t blendMode = kNormalBlendMode;
        uint32_t parent = kNone, prev = kNone, next = kNone;
        uint32_t firstChild = kNone, lastChild = kNone;
        uint32_t shape = kNone;   // envelope: the object it was made from
        uint32_t bornAt = 0;      // change-log size when it was made
        uint32_t segOffset = 0, segCount = 0, segCapacity = 0;  // in segmentArena_
        uint32_t style = 0;                                     // in styles_
        uint32_t warp = kNone;                                  // in warps_; none: no warp
        uint32_t tags = 0;                                      // in tagSets_; 0: no tags
        AIReal opacity = 1.0f;
    };

    struct Layer {
        std::string name;
        uint32_t root = kNone;  // art slot holding the top-level art
        bool alive = false;
    };

    enum class ChangeKind : uint8_t {
        created, disposed, moved, segments, closed, style, opacity, blendMode, tags, warp,
        envelopeShape, layerInserted, currentLayer
    };
    // One entry of the change log; the meaning of a, b, c depends on the kind (an opacity
    // keeps its bits in a).
    struct Change {
        ChangeKind kind;
        uint32_t slot;
        uint32_t a = 0, b = 0, c = 0;
    };
    // A recording point: the sizes of everything a revert truncates back to.
    struct Mark {
        size_t logSize;
        size_t arenaSize;
        size_t styleCount;
        size_t warpCount;
    };

    // A handle is slot + 1 in the low bits and the slot's generation above them, so a disposed
    // or recycled slot never answers to an old handle. Pointer-sized, so 32-bit builds narrow it.
    static constexpr unsigned kSlotBits = sizeof(uintptr_t) == 8 ? 32 : 22;
    static constexpr uintptr_t kSlotMask = (uintptr_t(1) << kSlotBits) - 1;
    static constexpr uintptr_t kGenerationMask = sizeof(uintptr_t) == 8 ? 0xffffffffu : 0x3ffu;

    // The live art a handle names, or null. Inline: every suite call on art starts here.
    const Art* resolve(AIArtHandle handle) const {
        uintptr_t bits = reinterpret_cast<uintptr_t>(handle);
        uintptr_t slotPlusOne = bits & kSlotMask;
        if (slotPlusOne == 0 || slotPlusOne > arts_.size()) return nullptr;
        const Art& art = arts_[slotPlusOne - 1];
        if (art.layerRoot) return nullptr;
        if (!art.inUse || !art.alive || (art.generation & kGenerationMask) != (bits >> kSlotBits)) {
            ++staleHandleUses_;
            return nullptr;
        }
        return &art;
    }
    Art* resolve(AIArtHandle handle) {
        return const_cast<Art*>(static_cast<const Document*>(this)->resolve(handle));
    }
    AIArtHandle handleOf(uint32_t slot) const;
    uint32_t allocSlot(bool layerRoot = false);
    uint32_t allocSlot(Art contents, bool layerRoot = false);
    void freeSlot(uint32_t slot);

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
    void boundsOf(uint32_t slot, bool& any, AIRealRect& box) const;
    void transformTree(uint32_t slot, const AIRealMatrix& m, AIReal lineScale, ASInt32 flags);

    // Grows by half rather than doubling: a Trail-on drag keeps hundreds of thousands of
    // copies, and a doubled vector can hold twice what it uses.
    template <typename T>
    static void makeRoom(std::vector<T>& v, size_t extra) {
        size_t need = v.size() + extra;
        if (need > v.capacity()) v.reserve(std::max(need, v.capacity() + v.capacity() / 2));
    }
    void logChange(const Change& change) {
        makeRoom(log_, 1);
        log_.push_back(change);
    }
    bool recordsChangesOf(const Art& art) const;
    AIPathSegment* writableSegments(uint32_t slot, uint32_t newCount);
    void restyle(uint32_t slot, const AIPathStyle& style);
    uint32_t intern(std::string_view text);
    uint32_t internTag(const char* name, const char* type, const char* value);
    uint32_t tagSetWith(uint32_t set, const TagRef& tag);
    void revertChange(const Change& change);

    DocumentSetup setup_;
    std::vector<Swatch> swatches_;

    std::vector<Art> arts_;
    std::vector<uint32_t> freeSlots_;
    size_t liveArt_ = 0;
    std::vector<AIPathSegment> segmentArena_;

    std::vector<Layer> layers_;         // every layer ever inserted, by id
    std::vector<uint32_t> layerOrder_;  // live layer ids, bottom to top
    uint32_t currentLayer_ = 0;
    uint32_t layerNumber_ = 1;          // number of the last "Layer N" name given

    std::deque<std::string> strings_;   // interned tag texts; deque keeps views stable
    std::unordered_map<std::string_view, uint32_t> stringIds_;
    TagRef lastTag_{UINT32_MAX, 0, 0};  // the tag set last: a drag sets the same one on every copy
    const char* lastTagTexts_[3] = {};  // its texts, stable in strings_

    // Tag sets, interned: art shares them, so a tag costs a copy nothing. Set 0 is empty.
    std::vector<std::vector<TagRef>> tagSets_;
    std::unordered_map<std::string, uint32_t> tagSetIds_;  // key: the set's TagRef bytes
    struct TagEdit {
        uint32_t from = UINT32_MAX;
        TagRef tag{};
        uint32_t to = 0;
    } lastTagEdit_;

    // Styles and warps by index. Entries made since a recording point go on its revert;
    // style 0 is the document's default style.
    std::vector<AIPathStyle> styles_;
    std::vector<Warp> warps_;

    std::vector<Change> log_;
    std::vector<Mark> marks_;
    mutable uint64_t staleHandleUses_ = 0;
};

}  // namespace qthost

#endif
