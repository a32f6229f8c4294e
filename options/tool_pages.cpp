// The thirteen tool pages of the palette. Each page fills the same area at the top; rows of
// spin edits (caption at 10-185, spins at 190-250 and 260-320) are 22 apart, check boxes
// stand in columns at 10, 113 and 216.
#include "options/controls.h"
#include "options/store.h"

namespace options {
namespace {

using namespace g;

constexpr EntryRun kCheckEntries[] = {{" Ignore checkerboard"}, {" Check ", 1, 9}};
constexpr EntryRun kFlipEntries[] = {{" Ignore turn"}, {" Turn ", 1, 4}};
constexpr EntryRun kScaleXEntries[] = {{" Default horizontal apply"}, {" Apply ", 1, 42}};
constexpr EntryRun kScaleYEntries[] = {{" Default vertical apply"}, {" Apply ", 1, 42}};

constexpr Control kGrid[] = {
    staticText(310, {10, 10, 185, 30}, "Columns / rows"),
    staticText(312, {10, 32, 185, 52}, "Rotation (o)"),
    staticText(313, {10, 54, 185, 74}, "Jitter (p)"),
    intSpin(25, {190, 10, 250, 30}, 1, 300, &horizontalcopiesvalue_0),
    intSpin(26, {260, 10, 320, 30}, 1, 300, &verticalcopiesvalue_0),
    floatSpin(27, {190, 32, 250, 52}, -360, 360, &rotatevalue_0),
    floatSpin(28, {190, 54, 250, 74}, 0, 1000, &jittervalue_0),
    popup(33, {10, 77, 160, 97}, kCheckEntries, &checkoptions_0),
    popup(36, {170, 77, 320, 97}, kFlipEntries, &flipoptions_0),
    popup(34, {10, 102, 160, 122}, kScaleXEntries, &scalexoptions_0),
    popup(35, {170, 102, 320, 122}, kScaleYEntries, &scaleyoptions_0),
    checkBox(29, {10, 125, 110, 139}, "Trail", &trailvalue_0),
    checkBox(30, {113, 125, 213, 139}, "Warp [R]", &envelopevalue_0),
    checkBox(31, {216, 125, 316, 139}, "Create [R]", &placementvalue_0),
    checkBox(32, {10, 142, 110, 156}, "Rotation [R]", &rotation_0),
};

constexpr Control kDrag[] = {
    staticText(314, {10, 10, 185, 30}, "Copies"),
    staticText(315, {10, 32, 185, 52}, "Rotation (o)"),
    staticText(316, {10, 54, 185, 74}, "Jitter (p) (Horz)"),
    staticText(317, {10, 76, 185, 96}, "Jitter (p) (Vert)"),
    intSpin(42, {190, 10, 250, 30}, 2, 500, &copiesvalue_1),
    floatSpin(43, {190, 32, 250, 52}, -360, 360, &rotatevalue_1),
    floatSpin(44, {190, 54, 250, 74}, 0, 1000, &jitterxvalue_1),
    floatSpin(45, {190, 76, 250, 96}, 0, 1000, &jitteryvalue_1),
    checkBox(47, {10, 100, 110, 114}, "Trail", &trailvalue_1),
    checkBox(48, {113, 100, 213, 114}, "Warp [R]", &envelopevalue_1),
    checkBox(49, {216, 100, 316, 114}, "Create [R]", &placementvalue_1),
};

constexpr EntryRun kZoomEntries[] = {{" Zoom - Default"}, {" Grid"},        {" Left right"},
                                     {" Top down"},       {" Bottom zoom"}, {" Abstract"}};

constexpr Control kZoom[] = {
    staticText(318, {10, 10, 185, 30}, "Copies"),
    staticText(319, {10, 32, 185, 52}, "Interpolate (%)"),
    staticText(320, {10, 54, 185, 74}, "Curve (p)"),
    intSpin(50, {190, 10, 250, 30}, 2, 500, &copiesvalue_2),
    floatSpin(51, {190, 32, 250, 52}, 0, 100, &interpolatevalue_2),
    floatSpin(52, {190, 54, 250, 74}, 0, 1000, &curvevalue_2),
    popup(53, {10, 80, 160, 100}, kZoomEntries, &zoomoptions_2),
    checkBox(54, {10, 105, 110, 119}, "Trail", &trailvalue_2),
    checkBox(55, {113, 105, 213, 119}, "Warp [R]", &envelopevalue_2),
    checkBox(56, {216, 105, 316, 119}, "Length [R]", &lengthvalue_2),
    checkBox(57, {10, 123, 110, 137}, "Document view", &viewvalue_2),
};

constexpr EntryRun kEdgeEntries[] = {
    {" Edge - Default"}, {" Edge - Turn 1"}, {" Edge - Turn 2"}, {" Edge - Flip"}, {" Edge - Randomized"}};

constexpr Control kFramed[] = {
    staticText(321, {10, 10, 185, 30}, "Copies / width"),
    staticText(322, {10, 32, 185, 52}, "Copies / height"),
    staticText(323, {10, 54, 185, 74}, "Rotation (o)"),
    staticText(324, {10, 76, 185, 96}, "Jitter (p)"),
    staticText(326, {10, 98, 185, 118}, "Scale (%)"),
    intSpin(70, {190, 10, 250, 30}, 2, 300, &horizontalcopiesvalue_3),
    intSpin(71, {190, 32, 250, 52}, 2, 300, &verticalcopiesvalue_3),
    floatSpin(72, {190, 54, 250, 74}, -360, 360, &rotateanglevalue_3),
    floatSpin(73, {190, 76, 250, 96}, 0, 1000, &jittervalue_3),
    floatSpin(74, {190, 98, 250, 118}, 3, 120, &scalevalue_3),
    popup(78, {10, 125, 160, 145}, kEdgeEntries, &edgeoptions_3),
    checkBox(77, {10, 150, 110, 164}, "Trail", &trailvalue_3),
    checkBox(79, {113, 150, 213, 164}, "Warp [R]", &envelopevalue_3),
    checkBox(80, {216, 150, 316, 164}, "Create [R]", &placementvalue_3),
    checkBox(75, {10, 167, 110, 181}, "Delete", &deletepathvalue_3),
};

constexpr Control kRimRandom[] = {
    staticText(327, {10, 10, 185, 30}, "Copies"),
    staticText(328, {10, 32, 185, 52}, "Scale (% Min)"),
    staticText(329, {10, 54, 185, 74}, "Scale (% Max)"),
    staticText(330, {10, 76, 185, 96}, "Jitter (p)"),
    intSpin(90, {190, 10, 250, 30}, 2, 300, &copiesvalue_4),
    floatSpin(91, {190, 32, 250, 52}, 3, 200, &scaleminvalue_4),
    floatSpin(92, {190, 54, 250, 74}, 3, 200, &scalemaxvalue_4),
    floatSpin(93, {190, 76, 250, 96}, 0, 1000, &jittervalue_4),
    checkBox(96, {10, 100, 110, 114}, "Trail", &trailvalue_4),
    checkBox(97, {113, 100, 213, 114}, "Warp [R]", &envelopevalue_4),
    checkBox(98, {216, 100, 316, 114}, "Rotation [R]", &applyrotatevalue_4),
    checkBox(95, {10, 117, 110, 131}, "Linked scale", &linkedvalue_4),
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
