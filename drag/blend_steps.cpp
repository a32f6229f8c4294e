// The per-copy opacity and blending-mode steps.
#include "drag/blend_steps.h"

#include "frame/suite_pointers.h"
#include "options/store.h"

namespace {

// Draws map to twenty slots; the four beyond the host's sixteen modes fall back to normal.
constexpr int32_t kBlendSlots = 20;

}  // namespace

namespace drag {

void opacityStep(AIArtHandle art) {
    if (!g::opacity) return;
    sAIBlendStyle->SetOpacity(art, sAIRandom->FloatRnd());
}

void pressureOpacityStep(const Event& event, AIArtHandle art) {
    if (!g::pr_opacityvalue) return;
    sAIBlendStyle->SetOpacity(art, event.V);
}

void blendStep(AIArtHandle art) {
    if (!g::blend) return;
    int32_t mode = static_cast<int32_t>(sAIRandom->FloatRnd() * kBlendSlots);
    if (mode > kLastBlendMode) mode = kNormalBlendMode;
    sAIBlendStyle->SetBlendingMode(art, mode);
}

void opacityBlendSteps(const Event& event, AIArtHandle art) {
    opacityStep(art);
    pressureOpacityStep(event, art);
    blendStep(art);
}

}  // namespace drag
