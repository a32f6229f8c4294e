// The thirteen tool pages of the palette. Each page fills the same area at the top; rows of
// spin edits (caption at 10-185, spins at 190-250 and 260-320) are 22 apart, check boxes
// stand in columns at 10, 113 and 216.
#include "options/controls.h"

namespace options {
namespace {

constexpr EntryRun kCheckEntries[] = {{" Ignore checkerboard"}, {" Check ", 1, 9}};
constexpr EntryRun kFlipEntries[] = {{" Ignore turn"}, {" Turn ", 1, 4}};
constexpr EntryRun kScaleXEntries[] = {{" Default horizontal apply"}, {" Apply ", 1, 42}};
constexpr EntryRun kScaleYEntries[] = {{" Default vertical apply"}, {" Apply ", 1, 42}};

constexpr Control kGrid[] = {
    label(310, {10, 10, 185, 30}, Option::horizontalcopiesvalue_0),
    label(312, {10, 32, 185, 52}, Option::rotatevalue_0),
    label(313, {10, 54, 185, 74}, Option::jittervalue_0),
    control(Option::horizontalcopiesvalue_0, {190, 10, 250, 30}),
    control(Option::verticalcopiesvalue_0, {260, 10, 320, 30}),
    control(Option::rotatevalue_0, {190, 32, 250, 52}),
    control(Option::jittervalue_0, {190, 54, 250, 74}),
    control(Option::checkoptions_0, {10, 77, 160, 97}, kCheckEntries),
    control(Option::flipoptions_0, {170, 77, 320, 97}, kFlipEntries),
    control(Option::scalexoptions_0, {10, 102, 160, 122}, kScaleXEntries),
    control(Option::scaleyoptions_0, {170, 102, 320, 122}, kScaleYEntries),
    control(Option::trailvalue_0, {10, 125, 110, 139}),
    control(Option::envelopevalue_0, {113, 125, 213, 139}),
    control(Option::placementvalue_0, {216, 125, 316, 139}),
    control(Option::rotation_0, {10, 142, 110, 156}),
};

constexpr Control kDrag[] = {
    label(314, {10, 10, 185, 30}, Option::copiesvalue_1),
    label(315, {10, 32, 185, 52}, Option::rotatevalue_1),
    label(316, {10, 54, 185, 74}, Option::jitterxvalue_1),
    label(317, {10, 76, 185, 96}, Option::jitteryvalue_1),
    control(Option::copiesvalue_1, {190, 10, 250, 30}),
    control(Option::rotatevalue_1, {190, 32, 250, 52}),
    control(Option::jitterxvalue_1, {190, 54, 250, 74}),
    control(Option::jitteryvalue_1, {190, 76, 250, 96}),
    control(Option::trailvalue_1, {10, 100, 110, 114}),
    control(Option::envelopevalue_1, {113, 100, 213, 114}),
    control(Option::placementvalue_1, {216, 100, 316, 114}),
};

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

constexpr EntryRun kEdgeEntries[] = {
    {" Edge - Default"}, {" Edge - Turn 1"}, {" Edge - Turn 2"}, {" Edge - Flip"}, {" Edge - Randomized"}};

constexpr Control kFramed[] = {
    label(321, {10, 10, 185, 30}, Option::horizontalcopiesvalue_3),
    label(322, {10, 32, 185, 52}, Option::verticalcopiesvalue_3),
    label(323, {10, 54, 185, 74}, Option::rotateanglevalue_3),
    label(324, {10, 76, 185, 96}, Option::jittervalue_3),
    label(326, {10, 98, 185, 118}, Option::scalevalue_3),
    control(Option::horizontalcopiesvalue_3, {190, 10, 250, 30}),
    control(Option::verticalcopiesvalue_3, {190, 32, 250, 52}),
    control(Option::rotateanglevalue_3, {190, 54, 250, 74}),
    control(Option::jittervalue_3, {190, 76, 250, 96}),
    control(Option::scalevalue_3, {190, 98, 250, 118}),
    control(Option::edgeoptions_3, {10, 125, 160, 145}, kEdgeEntries),
    control(Option::trailvalue_3, {10, 150, 110, 164}),
    control(Option::envelopevalue_3, {113, 150, 213, 164}),
    control(Option::placementvalue_3, {216, 150, 316, 164}),
    control(Option::deletepathvalue_3, {10, 167, 110, 181}),
};

constexpr Control kRimRandom[] = {
    label(327, {10, 10, 185, 30}, Option::copiesvalue_4),
    label(328, {10, 32, 185, 52}, Option::scaleminvalue_4),
    label(329, {10, 54, 185, 74}, Option::scalemaxvalue_4),
    label(330, {10, 76, 185, 96}, Option::jittervalue_4),
    control(Option::copiesvalue_4, {190, 10, 250, 30}),
    control(Option::scaleminvalue_4, {190, 32, 250, 52}),
    control(Option::scalemaxvalue_4, {190, 54, 250, 74}),
    control(Option::jittervalue_4, {190, 76, 250, 96}),
    control(Option::trailvalue_4, {10, 100, 110, 114}),
    control(Option::envelopevalue_4, {113, 100, 213, 114}),
    control(Option::applyrotatevalue_4, {216, 100, 316, 114}),
    control(Option::linkedvalue_4, {10, 117, 110, 131}),
};

}  // namespace

std::span<const Control> toolPage(int32_t tool) {
    switch (tool) {
        case 0:
            return kGrid;
        case 1:
            return kDrag;
        case 2:
            return kZoom;
        case 3:
            return kFramed;
        case 4:
            return kRimRandom;
        default:
            return toolPageFrom5(tool);
    }
}

}  // namespace options
