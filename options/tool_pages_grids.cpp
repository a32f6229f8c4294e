// The pages of the modes that lay copies out in rows and columns over the drag: grid,
// framed, checkerboard and basic tile.
#include "options/tool_pages.h"

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

constexpr Control kBasicTile[] = {
    label(365, {10, 10, 185, 30}, Option::jittervalue_11),
    control(Option::jittervalue_11, {190, 10, 250, 30}),
};

}  // namespace

std::span<const Control> gridPage() { return kGrid; }
std::span<const Control> framedPage() { return kFramed; }
std::span<const Control> checkerboardPage() { return kCheckerboard; }
std::span<const Control> basicTilePage() { return kBasicTile; }

}  // namespace options
