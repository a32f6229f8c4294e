// Rim random mode: the drag path and its duplicates scattered over the rectangle spanned by
// half the drag vector, each with its own random scale between a minimum and a maximum.
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

// A random turn is a draw times 6.283 radians, a little short of a full turn.
constexpr AIReal kRandomTurn = 6.283f;

// Shift and Alt: the drag path moves by the whole drag vector and the drag starts again at
// the mouse, so no copies follow on this event (as in the drag mode).
ASErr moveDragPath(const Event& event) {
    AIRealRect bounds;
    sAIArt->GetArtBounds(event.path, &bounds);
    const AIReal hx = (drag::state.endPoint.h - drag::state.startingPoint.h) / 2.0f;
    const AIReal hy = (drag::state.endPoint.v - drag::state.startingPoint.v) / 2.0f;
    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, 2.0f * hx, 2.0f * hy);
    tagStep(event.path);
    QT_PROPAGATE(transformStep(event, event.path, matrix, 1.0f));
    drag::state.startingPoint = drag::state.endPoint;
    return kNoErr;
}

// Shift and Alt move the drag path along; Shift alone adds a copy (back to 2 above 40).
ASErr applyModifierKeys(const Event& event) {
    switch (keysHeld()) {
        case Keys::shiftAlt: return moveDragPath(event);
        case Keys::shift:
            stepWrapping(g::copiesvalue_4, 1, 40, 2);
            show(&g::copiesvalue_4);
            break;
        case Keys::none: break;
    }
    return kNoErr;
}

struct CopyScale {
    AIReal h = 1.0f;  // per cent
    AIReal v = 1.0f;
};

// Two draws, each times the maximum and raised to the minimum; linked copies take the
// vertical factor for both.
CopyScale drawScale() {
    CopyScale scale;
    scale.h = sAIRandom->FloatRnd() * g::scalemaxvalue_4;
    scale.v = sAIRandom->FloatRnd() * g::scalemaxvalue_4;
    if (scale.h < g::scaleminvalue_4) scale.h = g::scaleminvalue_4;
    if (scale.v < g::scaleminvalue_4) scale.v = g::scaleminvalue_4;
    if (g::linkedvalue_4) scale.h = scale.v;
    return scale;
}

AIReal copyLineScale(const CopyScale& scale, int32_t i) {
    if (!scalesLines(i % 2 == 0)) return 1.0f;
    return sAIRealMath->AIRealSqrt(scale.h / 100.0f) * sAIRealMath->AIRealSqrt(scale.v / 100.0f);
}

}  // namespace

ASErr rimRandomTool(Event& event) {
    QT_PROPAGATE(applyModifierKeys(event));

    const int32_t copies = g::copiesvalue_4;
    const AIReal hx = (drag::state.endPoint.h - drag::state.startingPoint.h) / 2.0f;
    const AIReal hy = (drag::state.endPoint.v - drag::state.startingPoint.v) / 2.0f;
    if (hx == 0.0f && hy == 0.0f) return kNoErr;

    AIReal cx = 0.0f;
    AIReal cy = 0.0f;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    for (int32_t i = 0; i != copies; ++i) {
        const int32_t b = beneathFlag(event, i, 0, 0);
        // Copy 0 is the drag path itself; the later ones start from its transformed state.
        AIArtHandle copy = event.path;
        if (i > 0) QT_PROPAGATE(duplicateCopy(event.path, b, &copy));

        const CopyScale scale = drawScale();
        AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
            if (g::applyrotatevalue_4)
                sAIRealMath->AIRealMatrixConcatRotate(m, sAIRandom->FloatRnd() * kRandomTurn);
            sAIRealMath->AIRealMatrixConcatScale(m, scale.h / 100.0f, scale.v / 100.0f);
        });
        // The rim shift: somewhere between the drag path's place and half the drag vector.
        const AIReal rimV = sAIRandom->FloatRnd();
        const AIReal rimH = sAIRandom->FloatRnd();
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, rimH * hx, rimV * hy);
        if (g::jittervalue_4 != 0.0f) concatJitter(&matrix, g::jittervalue_4);

        // Copies of this mode are not tagged.
        fillStep(event, copy, i, copies - 1);
        strokeStep(event, copy, i, copies - 1);
        widthStep(event, copy);
        QT_PROPAGATE(transformStep(event, copy, matrix, copyLineScale(scale, i)));
        opacityBlendSteps(event, copy);
        QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
        QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_4));
    }
    return kNoErr;
}

}  // namespace drag
