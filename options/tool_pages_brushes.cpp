// The pages of the modes that paint new art as the mouse moves rather than lay copies over
// the drag: zoom (a bundle of lines per event) and paint (a stamp per event).
#include "options/tool_pages.h"

namespace options {
namespace {

constexpr EntryRun kZoomEntries[] = {{" Zoom - Default"}, {" Grid"},        {" Left right"},
                                     {" Top down"},       {" Bottom zoom"}, {" Abstract"}};

constexpr Control kZoom[] = {
    label(318, {10, 10, 185, 30}, Option::copiesvalue_2),
    label(319, {10, 32, 185, 52}, Option::interpolatevalue_2),
    label(320, {10, 54, 185, 74}, Option::curvevalue_2),
    control(Option::copiesvalue_2, {190, 10, 250, 30}),
    control(Option::interpolatevalue_2, {190, 32, 250, 52}),
    control(Option::curvevalue_2, {190, 54, 250, 74}),
    control(Option::zoomoptions_2, {10, 80, 160, 100}, kZoomEntries),
    control(Option::trailvalue_2, {10, 105, 110, 119}),
    control(Option::envelopevalue_2, {113, 105, 213, 119}),
    control(Option::lengthvalue_2, {216, 105, 316, 119}),
    control(Option::viewvalue_2, {10, 123, 110, 137}),
};

// The paint tool always trails: `trailvalue_10` has no check box.
constexpr Control kPaint[] = {
    label(360, {10, 10, 185, 30}, Option::scaledhvalue_10),
    label(361, {10, 32, 185, 52}, Option::scaledvvalue_10),
    label(362, {10, 54, 185, 74}, Option::fadefillvalue_10),
    label(363, {10, 76, 185, 96}, Option::intensityvalue_10),
    label(364, {10, 98, 185, 118}, Option::jittervalue_10),
    control(Option::scaledhvalue_10, {190, 10, 250, 30}),
    control(Option::scaledvvalue_10, {190, 32, 250, 52}),
    control(Option::fadefillvalue_10, {190, 54, 250, 74}),
    control(Option::intensityvalue_10, {190, 76, 250, 96}),
    control(Option::jittervalue_10, {190, 98, 250, 118}),
    control(Option::envelopevalue_10, {10, 125, 110, 139}),
    control(Option::placementvalue_10, {113, 125, 213, 139}),
    control(Option::anglevalue_10, {216, 125, 316, 139}),
    control(Option::followvalue_10, {10, 142, 110, 156}),
};

}  // namespace

std::span<const Control> zoomPage() { return kZoom; }
std::span<const Control> paintPage() { return kPaint; }

}  // namespace options
