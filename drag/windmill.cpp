// Windmill: copies of the drag path on concentric circles around its centre, one ring per
// circle, each copy turned, re-sized by index, pushed by the turn mode and jittered.
#include <cmath>

#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/envelope_step.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "drag/random_sign.h"
#include "drag/windmill_scaling.h"
#include "drag/windmill_turn.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

constexpr AIReal kTwoPi = 6.2831855f;

// Points per unit of `measureoptions_5`: points, cm, inches.
AIReal unitFactor(int32_t measure) {
    switch (measure) {
        case 1: return 28.347f;
        case 2: return 71.9467f;
        default: return 1.0f;
    }
}

// Both bits turn every copy 5 degrees further; Shift alone adds a copy per circle.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::rotatevalue_5, 5.0f, 360.0f, 0.0f);
            show(&g::rotatevalue_5);
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_5, 1, 40, 2);
            show(&g::copiesvalue_5);
            break;
        case Keys::none: break;
    }
}

// Square roots of mirrored (negative) factors would give a NaN stroke width; a mirror
// keeps the stroke's size, so the line scale uses the magnitudes.
AIReal lineScale(AIReal sh, AIReal sv, int32_t i) {
    if (!scalesLines(i % 2 == 0)) return 1.0f;
    return sAIRealMath->AIRealSqrt(std::fabs(sh)) * sAIRealMath->AIRealSqrt(std::fabs(sv));
}

// One ring of n copies at radius R (already in points).
ASErr makeCircle(const Event& event, AIReal R, AIReal f) {
    const int32_t n = g::copiesvalue_5;
    AIReal startAngle = 0;
    if (g::matchvalue_5)
        startAngle = sAIRealMath->AIRealPointAngle(&drag::state.startingPoint, &drag::state.endPoint);
    const AIReal step = kTwoPi / static_cast<AIReal>(n) * g::gapvvalue_5 / 100;
    const AIReal rho = sAIRealMath->DegreeToRadian(g::rotatevalue_5);
    const AIReal s = g::scalevalue_5 / 100;
    AIReal theta = 0;
    AIReal cx = 0, cy = 0;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    for (int32_t i = 0; i < n; ++i, theta += step) {
        const WindmillTurn turn = turn_function(g::turnoptions_5, g::turnvalue_5, i, n);
        const int32_t b = beneathFlag(event, i, 0, 0);
        if (placementSkips(g::placementvalue_5)) continue;

        AIArtHandle copy = nullptr;
        QT_PROPAGATE(duplicateCopy(event.path, b, &copy));
        const ScaleFactors factor = windmill_scaling(g::windmilloptions_5, 1, 1, i, event.tally);
        const AIReal sh = factor.h * s * drag::state.resizeaccvalue_5 / 100;
        const AIReal sv = s * factor.v * drag::state.resizeaccvalue_5 / 100;

        AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
            sAIRealMath->AIRealMatrixConcatRotate(m, g::alignvalue_5 ? rho + theta : rho);
            sAIRealMath->AIRealMatrixConcatScale(m, sh, sv);
        });
        const AIReal lines = lineScale(sh, sv, i);
        if (g::jittervalue_5 != 0) {
            const AIReal signV = randomSign();
            const AIReal signH = randomSign();
            const AIReal magnitudeV = sAIRandom->FloatRnd();
            const AIReal magnitudeH = sAIRandom->FloatRnd();
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, magnitudeH * signH * f * g::jittervalue_5,
                                                     magnitudeV * signV * f * g::jittervalue_5);
        }
        // Even copies sit further out by the offset.
        const AIReal a = i % 2 == 0 ? g::offsetvalue_5 * f : 0;
        sAIRealMath->AIRealMatrixConcatTranslate(
            &matrix, sAIRealMath->AIRealCos(theta + startAngle + turn.xa) * (turn.xr + R + a),
            sAIRealMath->AIRealSin(theta + startAngle + turn.ya) * (turn.yr + R + a));
        QT_PROPAGATE(transformStep(event, copy, matrix, lines));

        // Windmill copies carry no art tag.
        fillStep(event, copy, i, n - 1);
        strokeStep(event, copy, i, n - 1);
        widthStep(event, copy);
        opacityBlendSteps(event, copy);
        QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
        QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_5));
    }
    return kNoErr;
}

}  // namespace

ASErr windmillTool(Event& event) {
    applyModifierKeys();
    const AIReal f = unitFactor(g::measureoptions_5);
    for (int32_t k = 0; k < g::circlesvalue_5; ++k) {
        const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
        const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
        AIReal R =
            sAIRealMath->AIRealSqrt(dx * dx + dy * dy) + static_cast<AIReal>(k) * g::circlesradiusvalue_5;
        if (g::initialvalue_5 > R) R = 0;
        R = R * f;
        if (R != 0) QT_PROPAGATE(makeCircle(event, R, f));
        // The re-scale runs on across circles and events, skipped circles included.
        drag::state.resizeaccvalue_5 = g::resizevalue_5 * drag::state.resizeaccvalue_5 / 100;
    }
    if (g::deletepathvalue_5) return sAIArt->DisposeArt(event.path);
    return kNoErr;
}

}  // namespace drag
