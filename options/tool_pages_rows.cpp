// The pages of the modes that lay a row of copies along the drag: drag, scaledown and
// bounce-along.
#include "options/tool_pages.h"

namespace options {
namespace {

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

}  // namespace

std::span<const Control> dragPage() { return kDrag; }
std::span<const Control> scaledownPage() { return kScaledown; }
std::span<const Control> bounceAlongPage() { return kBounceAlong; }

}  // namespace options
