// Scaledown: a row of copies along the drag, each scaled from the one before by the
// horizontal and vertical steps, turned, twisted and faded. Copy 0 is the drag path.
#include <cmath>

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
#include "drag/scaledown_scaling.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

constexpr AIReal kTwoPi = 6.2831855f;

// Both bits add a twist; Shift alone adds a copy.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::twistvalue_6, 1, 20, 0);
            show(&g::twistvalue_6);
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_6, 1, 40, 2);
            show(&g::copiesvalue_6);
            break;
        case Keys::none: break;
    }
}

// Mirrored (negative) factors keep the stroke's size: the roots take the magnitudes.
AIReal lineScale(AIReal gh, AIReal gv, int32_t i) {
    if (!scalesLines(i % 2 == 0)) return 1.0f;
    return sAIRealMath->AIRealSqrt(std::fabs(gh)) * sAIRealMath->AIRealSqrt(std::fabs(gv));
}

// Copy 0: D itself, brought to the top (or bottom), re-measured, tagged and turned by rho,
// so that the later duplicates carry the turn.
ASErr prepareDragPath(const Event& event, int32_t b, AIReal rho, AIReal* cx, AIReal* cy) {
    sAIArt->ReorderArt(event.path, b == 0 ? kPlaceAboveAll : kPlaceBelowAll, nullptr);
    QT_PROPAGATE(artCentre(event.path, cx, cy));
    tagStep(event.path);
    const AIRealMatrix turn =
        aboutCentre(*cx, *cy, [&](AIRealMatrix* m) { sAIRealMath->AIRealMatrixConcatRotate(m, rho); });
    return transformStep(event, event.path, turn, 1.0f);
}

// The fade multiplies whatever opacity the copy has by then.
void fadeStep(AIArtHandle art, AIReal fade) {
    if (fade == 1.0f) return;
    sAIBlendStyle->SetOpacity(art, sAIBlendStyle->GetOpacity(art) * fade);
}

}  // namespace

ASErr scaledownTool(Event& event) {
    applyModifierKeys();
    const int32_t n = g::copiesvalue_6;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const AIReal sx = dx / static_cast<AIReal>(n - 1);
    const AIReal sy = dy / static_cast<AIReal>(n - 1);
    if (sx == 0 && sy == 0) return kNoErr;

    const AIReal rho = sAIRealMath->DegreeToRadian(g::rotatevalue_6);
    const AIReal tau = sAIRealMath->DegreeToRadian(g::turnvalue_6);
    const AIReal omega = static_cast<AIReal>(g::twistvalue_6) * kTwoPi / static_cast<AIReal>(n - 1);
    AIReal cx = 0, cy = 0;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    AIReal ox = 0, oy = 0;
    AIReal runH = 1, runV = 1, fade = 1;
    AIReal counter = 0;
    for (int32_t i = 0; i < n; ++i, ox += sx, oy += sy) {
        const int32_t b = beneathFlag(event, i, 0, 0);
        if (placementSkips(g::placementvalue_6)) continue;

        AIArtHandle copy = event.path;
        if (i > 0) {
            QT_PROPAGATE(duplicateCopy(event.path, b, &copy));
            // Only made copies shrink and fade the row.
            runH = runH * g::scalehvalue_6 / 100;
            runV = runV * g::scalevvalue_6 / 100;
            fade = fade * g::fadefillvalue_6 / 100;
        } else {
            QT_PROPAGATE(prepareDragPath(event, b, rho, &cx, &cy));
        }
        const ScaleFactors factor = scaledown_scaling(g::scaleoptions_6, runH, runV, i, event.tally, counter);

        const AIReal index = static_cast<AIReal>(i);
        AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
            if (g::twistvalue_6 != 0) sAIRealMath->AIRealMatrixConcatRotate(m, index * omega);
            if (g::turnvalue_6 != 0) sAIRealMath->AIRealMatrixConcatRotate(m, index * tau);
            sAIRealMath->AIRealMatrixConcatScale(m, factor.h, factor.v);
        });
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);
        if (g::jittervalue_6 != 0) concatJitter(&matrix, g::jittervalue_6);
        const AIReal lines = lineScale(factor.h, factor.v, i);

        fillStep(event, copy, i, n - 1);
        strokeStep(event, copy, i, n - 1);
        widthStep(event, copy);
        tagStep(copy);
        QT_PROPAGATE(transformStep(event, copy, matrix, lines));
        opacityStep(copy);
        pressureOpacityStep(event, copy);
        fadeStep(copy, fade);
        blendStep(copy);
        QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
        QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_6));
    }
    return kNoErr;
}

}  // namespace drag
