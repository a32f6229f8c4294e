#include "host/layer_list.h"

#include <algorithm>

namespace qthost {

LayerList::LayerList(uint32_t root) {
    layers_.push_back({"Layer 1", root, true});
    order_.push_back(0);
}

const std::string& LayerList::name(size_t index) const {
    static const std::string none;
    return index < order_.size() ? layers_[order_[index]].name : none;
}

size_t LayerList::currentIndex() const {
    for (size_t i = 0; i < order_.size(); ++i)
        if (order_[i] == current_) return i;
    return 0;
}

std::optional<size_t> LayerList::insertionPoint(AILayerHandle reference, ASInt16 paintOrder) const {
    if (paintOrder == kPlaceAboveAll) return order_.size();
    if (paintOrder == kPlaceBelowAll) return 0;
    if (paintOrder != kPlaceAbove && paintOrder != kPlaceBelow) return std::nullopt;
    uintptr_t id = reinterpret_cast<uintptr_t>(reference);
    auto found = id == 0 ? order_.end() : std::find(order_.begin(), order_.end(), id - 1);
    if (found == order_.end()) return std::nullopt;
    return static_cast<size_t>(found - order_.begin()) + (paintOrder == kPlaceAbove ? 1 : 0);
}

LayerList::Inserted LayerList::insert(size_t at, uint32_t root) {
    Inserted inserted{static_cast<uint32_t>(layers_.size()), current_, number_};
    layers_.push_back({"Layer " + std::to_string(++number_), root, true});
    order_.insert(order_.begin() + static_cast<ptrdiff_t>(at), inserted.id);
    current_ = inserted.id;
    return inserted;
}

void LayerList::revertInsert(const Inserted& inserted) {
    order_.erase(std::find(order_.begin(), order_.end(), inserted.id));
    layers_[inserted.id].alive = false;
    if (inserted.id + 1 == layers_.size()) layers_.pop_back();
    current_ = inserted.previousCurrent;
    number_ = inserted.previousNumber;
}

bool LayerList::setCurrent(AILayerHandle layer) {
    uintptr_t id = reinterpret_cast<uintptr_t>(layer);
    if (id == 0 || id > layers_.size() || !layers_[id - 1].alive) return false;
    current_ = static_cast<uint32_t>(id - 1);
    return true;
}

}  // namespace qthost
