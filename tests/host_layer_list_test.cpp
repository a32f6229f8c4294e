// The layer list: names, positions, the current layer, and the revert of an insertion.
#include <gtest/gtest.h>

#include "host/layer_list.h"

namespace {

using qthost::LayerList;

std::vector<std::string> names(const LayerList& layers) {
    std::vector<std::string> out;
    for (size_t i = 0; i < layers.count(); ++i) out.push_back(layers.name(i));
    return out;
}

TEST(HostLayerList, InsertionsTakeTheirPlaceAndTheirRevertGivesTheNumberBack) {
    LayerList layers(100);
    const AILayerHandle first = layers.currentHandle();
    EXPECT_EQ(layers.insertionPoint(nullptr, kPlaceAbove), std::nullopt) << "no reference";
    EXPECT_EQ(layers.insertionPoint(first, kPlaceInsideOnTop), std::nullopt) << "layers do not nest";
    ASSERT_EQ(layers.insertionPoint(first, kPlaceBelow), 0u);
    LayerList::Inserted below = layers.insert(0, 101);
    const AILayerHandle belowHandle = layers.currentHandle();
    EXPECT_EQ(names(layers), (std::vector<std::string>{"Layer 2", "Layer 1"}));
    EXPECT_EQ(layers.currentRoot(), 101u) << "a new layer is current";
    EXPECT_EQ(layers.currentIndex(), 0u);

    ASSERT_TRUE(layers.setCurrent(first));
    EXPECT_EQ(layers.currentRoot(), 100u);
    layers.revertInsert(below);
    EXPECT_EQ(names(layers), std::vector<std::string>{"Layer 1"});
    EXPECT_FALSE(layers.setCurrent(belowHandle)) << "the reverted layer's handle";
    layers.insert(*layers.insertionPoint(nullptr, kPlaceAboveAll), 102);
    EXPECT_EQ(names(layers), (std::vector<std::string>{"Layer 1", "Layer 2"})) << "the number is given again";
    EXPECT_EQ(layers.handle(2), nullptr);
}

}  // namespace
