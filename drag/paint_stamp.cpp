// The paint tool's intensity, fade and pressure-opacity steps.
#include "drag/paint_stamp.h"

#include "frame/SuitePointers.h"
#include "options/store.h"

namespace drag {

namespace {

// The intensity's changed components of one kind of colour; false for kinds it leaves alone.
bool intensify(AIColor* color, AIReal step) {
    int components = 0;
    switch (color->kind) {
        case kGrayColor: components = 1; break;
        case kThreeColor: components = 3; break;
        case kFourColor: components = 4; break;
        default: return false;
    }
    for (int n = 0; n < components; ++n) {
        const AIReal c = color->c.values[n];
        color->c.values[n] = c + step * c / 100.0f;
    }
    return true;
}

}  // namespace

void paintIntensityStep(AIArtHandle stamp) {
    if (g::intensityvalue_10 == 0.0f) return;
    AIPathStyle style;
    // Nothing sound could be written back from a style that was not read.
    if (sAIPathStyle->GetPathStyle(stamp, &style) != kNoErr) return;
    const AIReal step = static_cast<AIReal>(g::count_10) * g::intensityvalue_10;
    if (!intensify(&style.fill.color, step)) return;
    sAIPathStyle->SetPathStyle(stamp, &style);
}

void paintFadeStep(AIArtHandle stamp) {
    if (g::fadefillaccvalue_10 == 1.0f) return;
    sAIBlendStyle->SetOpacity(stamp, sAIBlendStyle->GetOpacity(stamp) * g::fadefillaccvalue_10);
}

void paintPressureOpacityStep(const Event& event, AIArtHandle stamp) {
    if (!g::pr_opacityvalue) return;
    sAIBlendStyle->SetOpacity(stamp, sAIBlendStyle->GetOpacity(stamp) * event.V);
}

}  // namespace drag
