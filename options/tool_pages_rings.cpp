// The pages of the modes that wind copies around the drag path's centre: windmill and
// spiral. The windmill page is the tallest: its last row of check boxes ends at 199, above
// the shared block at 222.
#include "options/tool_pages.h"

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

}  // namespace

std::span<const Control> windmillPage() { return kWindmill; }
std::span<const Control> spiralPage() { return kSpiral; }

}  // namespace options
