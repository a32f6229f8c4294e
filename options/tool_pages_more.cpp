// Tool pages 5 to 12 of the palette (windmill to background). The windmill page is the
// tallest: its last row of check boxes ends at 199, above the shared block at 222.
#include "options/controls.h"
#include "options/store.h"

namespace options {
namespace {

using namespace g;

constexpr EntryRun kMeasureEntries[] = {{" Points"}, {" cm"}, {" Inches"}};
constexpr EntryRun kWindmillEntries[] = {{" Ignore"}, {" Re-size ", 1, 55}};
constexpr EntryRun kTurnEntries[] = {{" Turn - Vertical"}, {" Horizontal"}, {" Shear 1"},  {" Shear 2"},
                                     {" Shear 3"},         {" Ripple 1"},   {" Ripple 2"}, {" Ripple 3"}};

constexpr Control kWindmill[] = {
    staticText(331, {10, 10, 185, 30}, "Copies / Circles"),
    staticText(332, {10, 32, 185, 52}, "Rotation (o)/ Factor"),
    staticText(333, {10, 54, 185, 74}, "Scale (%) / Turn (p)"),
    staticText(334, {10, 76, 185, 96}, "Alt (p) / CirclesRadius"),
    staticText(335, {10, 98, 185, 118}, "Initial (p) / Re-Scale(%)"),
    staticText(336, {10, 120, 185, 140}, "Jitter (p)"),
    intSpin(110, {190, 10, 250, 30}, 2, 300, &copiesvalue_5),
    intSpin(111, {260, 10, 320, 30}, 1, 30, &circlesvalue_5),
    floatSpin(113, {190, 32, 250, 52}, -360, 360, &rotatevalue_5),
    floatSpin(129, {260, 32, 320, 52}, -1000, 1000, &gapvvalue_5),
    floatSpin(117, {190, 54, 250, 74}, -120, 120, &scalevalue_5),
    floatSpin(118, {260, 54, 320, 74}, -500, 500, &turnvalue_5),
    floatSpin(115, {190, 76, 250, 96}, -500, 500, &offsetvalue_5),
    floatSpin(116, {260, 76, 320, 96}, -500, 500, &circlesradiusvalue_5),
    floatSpin(125, {190, 98, 250, 118}, 0, 1000, &initialvalue_5),
    floatSpin(126, {260, 98, 320, 118}, 3, 110, &resizevalue_5),
    floatSpin(114, {190, 120, 250, 140}, 0, 1000, &jittervalue_5),
    popup(119, {10, 145, 100, 165}, kMeasureEntries, &measureoptions_5),
    popup(120, {110, 145, 200, 165}, kWindmillEntries, &windmilloptions_5),
    popup(121, {210, 145, 300, 165}, kTurnEntries, &turnoptions_5),
    checkBox(124, {10, 168, 110, 182}, "Trail", &trailvalue_5),
    checkBox(127, {113, 168, 213, 182}, "Warp [R]", &envelopevalue_5),
    checkBox(128, {216, 168, 316, 182}, "Create [R]", &placementvalue_5),
    checkBox(122, {10, 185, 110, 199}, "Delete", &deletepathvalue_5),
    checkBox(112, {113, 185, 213, 199}, "Align", &alignvalue_5),
    checkBox(123, {216, 185, 316, 199}, "Match", &matchvalue_5),
};

constexpr EntryRun kScaleEntries[] = {{" Default apply"},
                                      {" Apply ", 1, 16},
                                      {" Apply 17 (scale swap)"},
                                      {" Apply 18 (scale swap)"},
                                      {" Apply ", 19, 31}};

constexpr Control kScaledown[] = {
    staticText(338, {10, 10, 185, 30}, "Copies"),
    staticText(339, {10, 32, 185, 52}, "Scale (%)"),
    staticText(341, {10, 54, 185, 74}, "Jitter (p)"),
    staticText(342, {10, 76, 185, 96}, "Twists"),
    staticText(343, {10, 98, 185, 118}, "Opacity fade (%)"),
    staticText(344, {10, 120, 185, 140}, "Turn / Rotate (o)"),
    intSpin(140, {190, 10, 250, 30}, 2, 500, &copiesvalue_6),
    floatSpin(141, {190, 32, 250, 52}, -120, 120, &scalehvalue_6),
    floatSpin(142, {260, 32, 320, 52}, -120, 120, &scalevvalue_6),
    floatSpin(144, {190, 54, 250, 74}, 0, 1000, &jittervalue_6),
    intSpin(143, {190, 76, 250, 96}, 0, 50, &twistvalue_6),
    floatSpin(150, {190, 98, 250, 118}, 0, 200, &fadefillvalue_6),
    floatSpin(152, {190, 120, 250, 140}, -360, 360, &turnvalue_6),
    floatSpin(153, {260, 120, 320, 140}, -360, 360, &rotatevalue_6),
    popup(151, {10, 145, 160, 165}, kScaleEntries, &scaleoptions_6),
    checkBox(146, {10, 168, 110, 182}, "Trail", &trailvalue_6),
    checkBox(148, {113, 168, 213, 182}, "Warp [R]", &envelopevalue_6),
    checkBox(149, {216, 168, 316, 182}, "Create [R]", &placementvalue_6),
};

constexpr Control kBounceAlong[] = {
    staticText(345, {10, 10, 185, 30}, "Copies"),
    staticText(346, {10, 32, 185, 52}, "Scale / Rotation"),
    staticText(347, {10, 54, 185, 74}, "Jitter (p)"),
    staticText(349, {10, 76, 185, 96}, "Bounce"),
    intSpin(180, {190, 10, 250, 30}, 2, 500, &copiesvalue_7),
    floatSpin(181, {190, 32, 250, 52}, 3, 120, &scalevalue_7),
    floatSpin(182, {260, 32, 320, 52}, -360, 360, &rotatevalue_7),
    floatSpin(184, {190, 54, 250, 74}, 0, 1000, &jittervalue_7),
    intSpin(183, {190, 76, 250, 96}, 0, 50, &bouncevalue_7),
    checkBox(187, {10, 100, 110, 114}, "Trail", &trailvalue_7),
    checkBox(188, {113, 100, 213, 114}, "Warp [R]", &envelopevalue_7),
    checkBox(189, {216, 100, 316, 114}, "Create [R]", &placementvalue_7),
    checkBox(185, {10, 117, 110, 131}, "Crunch", &crunchvalue_7),
};

constexpr Control kSpiral[] = {
    staticText(350, {10, 10, 185, 30}, "Copies"),
    staticText(351, {10, 32, 185, 52}, "Scale (%)"),
    staticText(352, {10, 54, 185, 74}, "Rotation (o)"),
    staticText(353, {10, 76, 185, 96}, "Arms"),
    staticText(354, {10, 98, 185, 118}, "Decay (%)"),
    staticText(355, {10, 120, 185, 140}, "Jitter (p)"),
    intSpin(200, {190, 10, 250, 30}, 2, 500, &copiesvalue_8),
    floatSpin(204, {190, 32, 250, 52}, 3, 120, &scalevalue_8),
    floatSpin(202, {190, 54, 250, 74}, -360, 360, &rotatevalue_8),
    intSpin(205, {190, 76, 250, 96}, 1, 50, &spiralsvalue_8),
    floatSpin(206, {190, 98, 250, 118}, 3, 150, &decayvalue_8),
    floatSpin(203, {190, 120, 250, 140}, 0, 1000, &jittervalue_8),
    checkBox(210, {10, 145, 110, 159}, "Trail", &trailvalue_8),
    checkBox(211, {113, 145, 213, 159}, "Warp [R]", &envelopevalue_8),
    checkBox(212, {216, 145, 316, 159}, "Create [R]", &placementvalue_8),
    checkBox(207, {10, 162, 110, 176}, "Delete", &deletepathvalue_8),
    checkBox(201, {113, 162, 213, 176}, "Align", &alignvalue_8),
    checkBox(208, {216, 162, 316, 176}, "Match", &matchvalue_8),
    checkBox(209, {10, 179, 110, 193}, "Reverse", &reversevalue_8),
};

constexpr Control kCheckerboard[] = {
    staticText(356, {10, 10, 185, 30}, "Columns"),
    staticText(357, {10, 32, 185, 52}, "Rows"),
    staticText(358, {10, 54, 185, 74}, "Rotation (o)"),
    staticText(359, {10, 76, 185, 96}, "Jitter (p)"),
    intSpin(230, {190, 10, 250, 30}, 2, 300, &horizontalcopiesvalue_9),
    intSpin(231, {190, 32, 250, 52}, 2, 300, &verticalcopiesvalue_9),
    floatSpin(234, {190, 54, 250, 74}, -360, 360, &rotatevalue_9),
    floatSpin(235, {190, 76, 250, 96}, 0, 1000, &jittervalue_9),
    checkBox(238, {10, 100, 110, 114}, "Trail", &trailvalue_9),
    checkBox(236, {113, 100, 213, 114}, "Warp [R]", &envelopevalue_9),
    checkBox(237, {216, 100, 316, 114}, "Create [R]", &placementvalue_9),
    checkBox(233, {10, 117, 110, 131}, "Touch", &scaledvalue_9),
};

// The paint tool always trails: `trailvalue_10` has no check box.
constexpr Control kPaint[] = {
    staticText(360, {10, 10, 185, 30}, "Scale (% Horz)"),
    staticText(361, {10, 32, 185, 52}, "Scale (% Vert)"),
    staticText(362, {10, 54, 185, 74}, "Opacity fade (%)"),
    staticText(363, {10, 76, 185, 96}, "Intensity color"),
    staticText(364, {10, 98, 185, 118}, "Jitter (p)"),
    floatSpin(250, {190, 10, 250, 30}, 1, 120, &scaledhvalue_10),
    floatSpin(251, {190, 32, 250, 52}, 1, 120, &scaledvvalue_10),
    floatSpin(252, {190, 54, 250, 74}, 0, 200, &fadefillvalue_10),
    floatSpin(254, {190, 76, 250, 96}, -100, 100, &intensityvalue_10),
    floatSpin(253, {190, 98, 250, 118}, 0, 1000, &jittervalue_10),
    checkBox(256, {10, 125, 110, 139}, "Warp [R]", &envelopevalue_10),
    checkBox(258, {113, 125, 213, 139}, "Create [R]", &placementvalue_10),
    checkBox(257, {216, 125, 316, 139}, "Rotation [R]", &anglevalue_10),
    checkBox(255, {10, 142, 110, 156}, "Follow", &followvalue_10),
};

constexpr Control kBasicTile[] = {
    staticText(365, {10, 10, 185, 30}, "Jitter (p)"),
    floatSpin(270, {190, 10, 250, 30}, 0, 1000, &jittervalue_11),
};

// `deletepathvalue_12` has no check box either; it keeps its default.
constexpr Control kBackground[] = {
    staticText(366, {10, 10, 185, 30}, "Copies"),
    staticText(367, {10, 32, 185, 52}, "Scale (%Min)"),
    staticText(368, {10, 54, 185, 74}, "Scale (%Max)"),
    staticText(369, {10, 76, 185, 96}, "Frame (%)"),
    intSpin(290, {190, 10, 250, 30}, 2, 300, &copiesvalue_12),
    floatSpin(291, {190, 32, 250, 52}, 3, 200, &scaleminvalue_12),
    floatSpin(292, {190, 54, 250, 74}, 3, 200, &scalemaxvalue_12),
    floatSpin(293, {190, 76, 250, 96}, 0, 50, &framevalue_12),
    checkBox(296, {10, 100, 110, 114}, "Trail", &trailvalue_12),
    checkBox(297, {113, 100, 213, 114}, "Warp [R]", &envelopevalue_12),
    checkBox(298, {216, 100, 316, 114}, "Rotation [R]", &applyrotatevalue_12),
    checkBox(295, {10, 117, 110, 131}, "Linked scale", &linkedvalue_12),
};

}  // namespace

std::span<const Control> toolPageFrom5(int32_t tool) {
    switch (tool) {
        case 5:
            return kWindmill;
        case 6:
            return kScaledown;
        case 7:
            return kBounceAlong;
        case 8:
            return kSpiral;
        case 9:
            return kCheckerboard;
        case 10:
            return kPaint;
        case 11:
            return kBasicTile;
        case 12:
            return kBackground;
        default:
            return {};
    }
}

}  // namespace options
