// The pages of the modes that scatter copies at random scales over the drag: rim random
// and background.
#include "options/tool_pages.h"

namespace options {
namespace {

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

std::span<const Control> rimRandomPage() { return kRimRandom; }
std::span<const Control> backgroundPage() { return kBackground; }

}  // namespace options
