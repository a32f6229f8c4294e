// Tool pages 5 to 12 of the palette (windmill to background). The windmill page is the
// tallest: its last row of check boxes ends at 199, above the shared block at 222.
#include "options/controls.h"

namespace options {
namespace {

constexpr EntryRun kMeasureEntries[] = {{" Points"}, {" cm"}, {" Inches"}};
constexpr EntryRun kWindmillEntries[] = {{" Ignore"}, {" Re-size ", 1, 55}};
constexpr EntryRun kTurnEntries[] = {{" Turn - Vertical"}, {" Horizontal"}, {" Shear 1"},  {" Shear 2"},
                                     {" Shear 3"},         {" Ripple 1"},   {" Ripple 2"}, {" Ripple 3"}};

constexpr Control kWindmill[] = {
    label(331, {10, 10, 185, 30}, Option::copiesvalue_5),
    label(332, {10, 32, 185, 52}, Option::rotatevalue_5),
    label(333, {10, 54, 185, 74}, Option::scalevalue_5),
    label(334, {10, 76, 185, 96}, Option::offsetvalue_5),
    label(335, {10, 98, 185, 118}, Option::initialvalue_5),
    label(336, {10, 120, 185, 140}, Option::jittervalue_5),
    control(Option::copiesvalue_5, {190, 10, 250, 30}),
    control(Option::circlesvalue_5, {260, 10, 320, 30}),
    control(Option::rotatevalue_5, {190, 32, 250, 52}),
    control(Option::gapvvalue_5, {260, 32, 320, 52}),
    control(Option::scalevalue_5, {190, 54, 250, 74}),
    control(Option::turnvalue_5, {260, 54, 320, 74}),
    control(Option::offsetvalue_5, {190, 76, 250, 96}),
    control(Option::circlesradiusvalue_5, {260, 76, 320, 96}),
    control(Option::initialvalue_5, {190, 98, 250, 118}),
    control(Option::resizevalue_5, {260, 98, 320, 118}),
    control(Option::jittervalue_5, {190, 120, 250, 140}),
    control(Option::measureoptions_5, {10, 145, 100, 165}, kMeasureEntries),
    control(Option::windmilloptions_5, {110, 145, 200, 165}, kWindmillEntries),
    control(Option::turnoptions_5, {210, 145, 300, 165}, kTurnEntries),
    control(Option::trailvalue_5, {10, 168, 110, 182}),
    control(Option::envelopevalue_5, {113, 168, 213, 182}),
    control(Option::placementvalue_5, {216, 168, 316, 182}),
    control(Option::deletepathvalue_5, {10, 185, 110, 199}),
    control(Option::alignvalue_5, {113, 185, 213, 199}),
    control(Option::matchvalue_5, {216, 185, 316, 199}),
};

constexpr EntryRun kScaleEntries[] = {{" Default apply"},
                                      {" Apply ", 1, 16},
                                      {" Apply 17 (scale swap)"},
                                      {" Apply 18 (scale swap)"},
                                      {" Apply ", 19, 31}};

constexpr Control kScaledown[] = {
    label(338, {10, 10, 185, 30}, Option::copiesvalue_6),
    label(339, {10, 32, 185, 52}, Option::scalehvalue_6),
    label(341, {10, 54, 185, 74}, Option::jittervalue_6),
    label(342, {10, 76, 185, 96}, Option::twistvalue_6),
    label(343, {10, 98, 185, 118}, Option::fadefillvalue_6),
    label(344, {10, 120, 185, 140}, Option::turnvalue_6),
    control(Option::copiesvalue_6, {190, 10, 250, 30}),
    control(Option::scalehvalue_6, {190, 32, 250, 52}),
    control(Option::scalevvalue_6, {260, 32, 320, 52}),
    control(Option::jittervalue_6, {190, 54, 250, 74}),
    control(Option::twistvalue_6, {190, 76, 250, 96}),
    control(Option::fadefillvalue_6, {190, 98, 250, 118}),
    control(Option::turnvalue_6, {190, 120, 250, 140}),
    control(Option::rotatevalue_6, {260, 120, 320, 140}),
    control(Option::scaleoptions_6, {10, 145, 160, 165}, kScaleEntries),
    control(Option::trailvalue_6, {10, 168, 110, 182}),
    control(Option::envelopevalue_6, {113, 168, 213, 182}),
    control(Option::placementvalue_6, {216, 168, 316, 182}),
};

constexpr Control kBounceAlong[] = {
    label(345, {10, 10, 185, 30}, Option::copiesvalue_7),
    label(346, {10, 32, 185, 52}, Option::scalevalue_7),
    label(347, {10, 54, 185, 74}, Option::jittervalue_7),
    label(349, {10, 76, 185, 96}, Option::bouncevalue_7),
    control(Option::copiesvalue_7, {190, 10, 250, 30}),
    control(Option::scalevalue_7, {190, 32, 250, 52}),
    control(Option::rotatevalue_7, {260, 32, 320, 52}),
    control(Option::jittervalue_7, {190, 54, 250, 74}),
    control(Option::bouncevalue_7, {190, 76, 250, 96}),
    control(Option::trailvalue_7, {10, 100, 110, 114}),
    control(Option::envelopevalue_7, {113, 100, 213, 114}),
    control(Option::placementvalue_7, {216, 100, 316, 114}),
    control(Option::crunchvalue_7, {10, 117, 110, 131}),
};

constexpr Control kSpiral[] = {
    label(350, {10, 10, 185, 30}, Option::copiesvalue_8),
    label(351, {10, 32, 185, 52}, Option::scalevalue_8),
    label(352, {10, 54, 185, 74}, Option::rotatevalue_8),
    label(353, {10, 76, 185, 96}, Option::spiralsvalue_8),
    label(354, {10, 98, 185, 118}, Option::decayvalue_8),
    label(355, {10, 120, 185, 140}, Option::jittervalue_8),
    control(Option::copiesvalue_8, {190, 10, 250, 30}),
    control(Option::scalevalue_8, {190, 32, 250, 52}),
    control(Option::rotatevalue_8, {190, 54, 250, 74}),
    control(Option::spiralsvalue_8, {190, 76, 250, 96}),
    control(Option::decayvalue_8, {190, 98, 250, 118}),
    control(Option::jittervalue_8, {190, 120, 250, 140}),
    control(Option::trailvalue_8, {10, 145, 110, 159}),
    control(Option::envelopevalue_8, {113, 145, 213, 159}),
    control(Option::placementvalue_8, {216, 145, 316, 159}),
    control(Option::deletepathvalue_8, {10, 162, 110, 176}),
    control(Option::alignvalue_8, {113, 162, 213, 176}),
    control(Option::matchvalue_8, {216, 162, 316, 176}),
    control(Option::reversevalue_8, {10, 179, 110, 193}),
};

constexpr Control kCheckerboard[] = {
    label(356, {10, 10, 185, 30}, Option::horizontalcopiesvalue_9),
    label(357, {10, 32, 185, 52}, Option::verticalcopiesvalue_9),
    label(358, {10, 54, 185, 74}, Option::rotatevalue_9),
    label(359, {10, 76, 185, 96}, Option::jittervalue_9),
    control(Option::horizontalcopiesvalue_9, {190, 10, 250, 30}),
    control(Option::verticalcopiesvalue_9, {190, 32, 250, 52}),
    control(Option::rotatevalue_9, {190, 54, 250, 74}),
    control(Option::jittervalue_9, {190, 76, 250, 96}),
    control(Option::trailvalue_9, {10, 100, 110, 114}),
    control(Option::envelopevalue_9, {113, 100, 213, 114}),
    control(Option::placementvalue_9, {216, 100, 316, 114}),
    control(Option::scaledvalue_9, {10, 117, 110, 131}),
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

constexpr Control kBasicTile[] = {
    label(365, {10, 10, 185, 30}, Option::jittervalue_11),
    control(Option::jittervalue_11, {190, 10, 250, 30}),
};

// `deletepathvalue_12` has no check box either; it keeps its default.
constexpr Control kBackground[] = {
    label(366, {10, 10, 185, 30}, Option::copiesvalue_12),
    label(367, {10, 32, 185, 52}, Option::scaleminvalue_12),
    label(368, {10, 54, 185, 74}, Option::scalemaxvalue_12),
    label(369, {10, 76, 185, 96}, Option::framevalue_12),
    control(Option::copiesvalue_12, {190, 10, 250, 30}),
    control(Option::scaleminvalue_12, {190, 32, 250, 52}),
    control(Option::scalemaxvalue_12, {190, 54, 250, 74}),
    control(Option::framevalue_12, {190, 76, 250, 96}),
    control(Option::trailvalue_12, {10, 100, 110, 114}),
    control(Option::envelopevalue_12, {113, 100, 213, 114}),
    control(Option::applyrotatevalue_12, {216, 100, 316, 114}),
    control(Option::linkedvalue_12, {10, 117, 110, 131}),
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
