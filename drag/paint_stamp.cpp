// The paint tool's intensity, fade and pressure-opacity steps.
#include "drag/paint_stamp.h"

#include "drag/drag_state.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

// Components that the intensity changes: grey, three-colour and four-colour fills only.
int changedComponents(ASInt32 kind) {
    if (kind == kGrayColor) return 1;
    if (kind == kThreeColor) return 3;
    if (kind == kFourColor) return 4;
    return 0;
}

}  // namespace

void paintIntensityStep(AIArtHandle stamp) {
    if (g::intensityvalue_10 == 0.0f) return;
    AIPathStyle style;
    // Nothing sound could be written back from a style that was not read.
    if (sAIPathStyle->GetPathStyle(stamp, &style) != kNoErr) return;
    const int components = changedComponents(style.fill.color.kind);
    if (components == 0) return;  // other kinds keep their colour and the style is not written
    const AIReal step = static_cast<AIReal>(g::count_10) * g::intensityvalue_10;
    for (int n = 0; n < components; ++n) {
        const AIReal c = style.fill.color.c.values[n];
        style.fill.color.c.values[n] = c + step * c / 100.0f;
    }
    sAIPathStyle->SetPathStyle(stamp, &style);
}

void paintFadeStep(AIArtHandle stamp) {
    if (drag::state.fadefillaccvalue_10 == 1.0f) return;
    sAIBlendStyle->SetOpacity(stamp, sAIBlendStyle->GetOpacity(stamp) * drag::state.fadefillaccvalue_10);
}

void paintPressureOpacityStep(const Event& event, AIArtHandle stamp) {
    if (!g::pr_opacityvalue) return;
    sAIBlendStyle->SetOpacity(stamp, sAIBlendStyle->GetOpacity(stamp) * event.V);
}

}  // namespace drag
