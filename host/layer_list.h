// The document's layers: every layer ever inserted by id, the live ones in paint order, and
// the current one, which takes new art.
#ifndef QT_HOST_LAYER_LIST_H
#define QT_HOST_LAYER_LIST_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sdk/quen_tarb_sdk.h"

namespace qthost {

class LayerList {
  public:
    // Layer 1, with its art held under `root`.
    explicit LayerList(uint32_t root);

    size_t count() const { return order_.size(); }  // live layers
    const std::string& name(size_t index) const;    // bottom to top; empty past the end
    uint32_t root(size_t index) const { return layers_[order_[index]].root; }
    size_t currentIndex() const;
    uint32_t currentRoot() const { return layers_[current_].root; }

    // Handles are id + 1.
    AILayerHandle handle(size_t index) const {
        return index < order_.size() ? handleOf(order_[index]) : nullptr;
    }
    AILayerHandle currentHandle() const { return handleOf(current_); }

    // Where a new layer goes in the paint order, or nothing when the order or reference is bad.
    std::optional<size_t> insertionPoint(AILayerHandle reference, ASInt16 paintOrder) const;
    // What an insertion changes, for its revert.
    struct Inserted {
        uint32_t id, previousCurrent, previousNumber;
    };
    // A new current layer "Layer N" at position `at`, its art held under `root`.
    Inserted insert(size_t at, uint32_t root);
    void revertInsert(const Inserted& inserted);

    // The id of the current layer; setting it needs a live layer's handle.
    uint32_t currentId() const { return current_; }
    bool setCurrent(AILayerHandle layer);
    void restoreCurrent(uint32_t id) { current_ = id; }

  private:
    static AILayerHandle handleOf(uint32_t id) { return reinterpret_cast<AILayerHandle>(uintptr_t(id) + 1); }

    struct Layer {
        std::string name;
        uint32_t root;  // art slot holding the top-level art
        bool alive;
    };
    std::vector<Layer> layers_;    // by id
    std::vector<uint32_t> order_;  // live ids, bottom to top
    uint32_t current_ = 0;
    uint32_t number_ = 1;  // number of the last "Layer N" name given
};

}  // namespace qthost

#endif
