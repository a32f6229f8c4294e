// A read-only view of one art object: the handle is resolved once, and every field after
// that is a plain read of the document's tables (segments as a span, the style and warp by
// reference, tags and contents as ranges). Every reader of art goes through it: the JSON and
// SVG exporters, the scene, the playground, the tests.
//
// A view is valid until the document next changes. A default view names no art and reads as
// empty: type kUnknownArt, no segments, a zero style, opacity 0, normal blending.
#ifndef QT_HOST_ART_VIEW_H
#define QT_HOST_ART_VIEW_H

#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

#include "host/art_record.h"
#include "host/handle_table.h"
#include "host/segment_arena.h"
#include "host/style_table.h"
#include "host/tag_interner.h"
#include "host/warp.h"
#include "sdk/quen_tarb_sdk.h"

namespace qthost {

// One art tag; the views stay valid as long as the document lives.
struct TagView {
    std::string_view name;
    std::string_view type;
    std::string_view value;
};

// The tables a view reads. The document owns them and hands views a reference.
struct ArtTables {
    const HandleTable<ArtRecord>& arts;
    const SegmentArena& segments;
    const StyleTable& styles;
    const WarpTable& warps;
    const TagInterner& tags;
};

class ArtView;

// Siblings from a first one to the last, back to front (paint order).
class ArtRange {
  public:
    class iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ArtView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = ArtView;

        iterator() = default;
        iterator(const ArtTables* tables, uint32_t slot) : tables_(tables), slot_(slot) {}
        ArtView operator*() const;
        iterator& operator++() {
            slot_ = tables_->arts[slot_].next;
            return *this;
        }
        iterator operator++(int) {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return slot_ == other.slot_; }

      private:
        const ArtTables* tables_ = nullptr;
        uint32_t slot_ = kNoSlot;
    };

    ArtRange() = default;
    ArtRange(const ArtTables* tables, uint32_t first) : tables_(tables), first_(first) {}
    iterator begin() const { return {tables_, first_}; }
    iterator end() const { return {tables_, kNoSlot}; }
    bool empty() const { return first_ == kNoSlot; }

  private:
    const ArtTables* tables_ = nullptr;
    uint32_t first_ = kNoSlot;
};

// An art object's tags in the order first set.
class TagRange {
  public:
    class iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TagView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = TagView;

        iterator() = default;
        iterator(const TagInterner* interner, const TagInterner::Tag* tag) : interner_(interner), tag_(tag) {}
        TagView operator*() const {
            return {interner_->text(tag_->name), interner_->text(tag_->type), interner_->text(tag_->value)};
        }
        iterator& operator++() {
            ++tag_;
            return *this;
        }
        iterator operator++(int) {
            iterator before = *this;
            ++tag_;
            return before;
        }
        bool operator==(const iterator& other) const { return tag_ == other.tag_; }

      private:
        const TagInterner* interner_ = nullptr;
        const TagInterner::Tag* tag_ = nullptr;
    };

    TagRange() = default;
    TagRange(const TagInterner* interner, std::span<const TagInterner::Tag> tags)
        : interner_(interner), tags_(tags) {}
    iterator begin() const { return {interner_, tags_.data()}; }
    iterator end() const { return {interner_, tags_.data() + tags_.size()}; }
    size_t size() const { return tags_.size(); }
    bool empty() const { return tags_.empty(); }

  private:
    const TagInterner* interner_ = nullptr;
    std::span<const TagInterner::Tag> tags_;
};

class ArtView {
  public:
    ArtView() = default;
    ArtView(const ArtTables& tables, const ArtRecord* record) : tables_(&tables), record_(record) {}

    explicit operator bool() const { return record_ != nullptr; }
    bool operator==(const ArtView& other) const { return record_ == other.record_; }

    AIArtHandle handle() const {
        return record_
                   ? reinterpret_cast<AIArtHandle>(tables_->arts.handleBits(tables_->arts.slotOf(record_)))
                   : nullptr;
    }
    ASInt16 type() const { return record_ ? record_->type : static_cast<ASInt16>(kUnknownArt); }
    bool isPath() const { return type() == kPathArt; }

    // A path's anchors and handles; empty for other art.
    std::span<const AIPathSegment> segments() const {
        if (!record_ || record_->segments.count == 0) return {};
        return {tables_->segments.at(record_->segments.offset), record_->segments.count};
    }
    bool closed() const { return record_ && record_->closed; }
    const AIPathStyle& style() const { return record_ ? tables_->styles[record_->style] : kNoStyle; }
    AIReal opacity() const { return record_ ? record_->opacity : 0.0f; }
    ASInt32 blendMode() const {
        return record_ ? record_->blendMode : static_cast<ASInt32>(kNormalBlendMode);
    }
    // An envelope's warp, or null when it has none (and for other art).
    const Warp* warp() const {
        return record_ && record_->warp != kNoSlot ? &tables_->warps[record_->warp] : nullptr;
    }
    TagRange tags() const {
        return record_ ? TagRange(&tables_->tags, tables_->tags.set(record_->tags)) : TagRange();
    }

    // A group's or envelope's contents, back to front.
    ArtRange children() const { return record_ ? ArtRange(tables_, record_->firstChild) : ArtRange(); }
    // The object an envelope was made from; no art for other objects.
    ArtView envelopeShape() const { return at(record_ ? record_->shape : kNoSlot); }
    // The siblings in paint order: the next one above and the one beneath; no art at the ends.
    ArtView next() const { return at(record_ ? record_->next : kNoSlot); }
    ArtView previous() const { return at(record_ ? record_->prev : kNoSlot); }

    // The record itself, for the document's own readers.
    const ArtRecord* record() const { return record_; }

  private:
    static inline const AIPathStyle kNoStyle{};

    ArtView at(uint32_t slot) const {
        return slot == kNoSlot ? ArtView() : ArtView(*tables_, &tables_->arts[slot]);
    }

    const ArtTables* tables_ = nullptr;
    const ArtRecord* record_ = nullptr;
};

inline ArtView ArtRange::iterator::operator*() const { return ArtView(*tables_, &tables_->arts[slot_]); }

}  // namespace qthost

#endif
