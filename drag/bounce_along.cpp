// Bounce-along: copies of the drag path evenly along the drag in groups; within a group
// they shrink towards its middle and grow back after it (or, with crunch, only shrink).
// The first copy made is the drag path itself.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/envelope_step.h"
#include "drag/jitter.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

// Both bits add a group; Shift alone adds a copy per group.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::bouncevalue_7, 1, 20, 1);
            show(&g::bouncevalue_7);
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_7, 1, 40, 2);
            show(&g::copiesvalue_7);
            break;
        case Keys::none: break;
    }
}

// The scale step of a duplicate at place i of a group of n: down up to the middle
// (integer division), up after it; crunch only goes down.
AIReal stepScale(AIReal S, int32_t i, int32_t n) {
    if (g::crunchvalue_7 || i <= (n - 1) / 2) return S * g::scalevalue_7 / 100;
    return S * 100 / g::scalevalue_7;
}

// The drag path as the first copy: turned by rho about its centre and tagged.
ASErr turnDragPath(const Event& event, AIReal rho, AIReal cx, AIReal cy) {
    const AIRealMatrix turn =
        aboutCentre(cx, cy, [&](AIRealMatrix* m) { sAIRealMath->AIRealMatrixConcatRotate(m, rho); });
    tagStep(event.path);
    return transformStep(event, event.path, turn, 1.0f);
}

AIReal lineScale(AIReal S, int32_t i) {
    if (!scalesLines(i % 2 == 0)) return 1.0f;
    return sAIRealMath->AIRealSqrt(S) * sAIRealMath->AIRealSqrt(S);
}

}  // namespace

ASErr bounceAlongTool(Event& event) {
    applyModifierKeys();
    const int32_t n = g::copiesvalue_7;
    const int32_t groups = g::bouncevalue_7;
    const AIReal places = static_cast<AIReal>(n * groups - 1);
    const AIReal sx = (drag::state.endPoint.h - drag::state.startingPoint.h) / places;
    const AIReal sy = (drag::state.endPoint.v - drag::state.startingPoint.v) / places;
    if (sx == 0 && sy == 0) return kNoErr;

    const AIReal rho = sAIRealMath->DegreeToRadian(g::rotatevalue_7);
    AIReal cx = 0, cy = 0;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    const int32_t fallback = (n - 1) * (groups - 1);
    bool pathUsed = false;
    AIReal ox = 0, oy = 0;
    for (int32_t k = 0; k < groups; ++k) {
        AIReal S = 1;
        for (int32_t i = 0; i < n; ++i, ox += sx, oy += sy) {
            const int32_t b = beneathFlag(event, i, k, 1);
            if (placementSkips(g::placementvalue_7)) continue;

            AIArtHandle copy = event.path;
            if (pathUsed) {
                QT_PROPAGATE(duplicateCopy(event.path, b, &copy));
                S = stepScale(S, i, n);
            } else {
                pathUsed = true;
                QT_PROPAGATE(turnDragPath(event, rho, cx, cy));
            }

            AIRealMatrix matrix =
                aboutCentre(cx, cy, [&](AIRealMatrix* m) { sAIRealMath->AIRealMatrixConcatScale(m, S, S); });
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);
            if (g::jittervalue_7 != 0) concatJitter(&matrix, g::jittervalue_7);
            const AIReal lines = lineScale(S, i);

            tagStep(copy);
            QT_PROPAGATE(transformStep(event, copy, matrix, lines));
            fillStep(event, copy, i * k, fallback);
            strokeStep(event, copy, i * k, fallback);
            widthStep(event, copy);
            opacityBlendSteps(event, copy);
            QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
            QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_7));
        }
    }
    return kNoErr;
}

}  // namespace drag
