// Background: copies of the drag path scattered at random inside the rectangle of the drag,
// each at a random scale between the minimum and the maximum, optionally turned at random
// and optionally kept to a band along the rectangle's sides. Delete removes the drag path.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/envelope_step.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

constexpr AIReal kTwoPi = 6.2831855f;

// Both bits move the drag path by the drag vector and the drag's start with it, so that the
// scattering below finds an empty rectangle.
ASErr moveDragPath(const Event& event) {
    AIRealRect bounds;
    QT_PROPAGATE(sAIArt->GetArtBounds(event.path, &bounds));
    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, drag::state.endPoint.h - drag::state.startingPoint.h,
                                          drag::state.endPoint.v - drag::state.startingPoint.v);
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
            stepWrapping(g::copiesvalue_12, 1, 40, 2);
            show(&g::copiesvalue_12);
            break;
        case Keys::none: break;
    }
    return kNoErr;
}

// Where in the drag rectangle (dx by dy) a copy goes. Below a frame of 50 % the copy keeps to
// a band of that width along one of the four sides.
AIRealPoint scatterOffset(AIReal dx, AIReal dy) {
    AIRealPoint offset;
    if (g::framevalue_12 != 50.0f) {
        const AIReal fx = sAIRandom->FloatRnd() * dx * g::framevalue_12 / 100.0f;
        const AIReal fy = sAIRandom->FloatRnd() * dy * g::framevalue_12 / 100.0f;
        if (sAIRandom->FloatRnd() > 0.5f) {  // a band along the left or right side
            offset.h = sAIRandom->FloatRnd() > 0.5f ? fx : dx - fx;
            offset.v = sAIRandom->FloatRnd() * dy;
        } else {  // a band along the bottom or top side
            offset.v = sAIRandom->FloatRnd() > 0.5f ? fy : dy - fy;
            offset.h = sAIRandom->FloatRnd() * dx;
        }
    } else {
        offset.h = sAIRandom->FloatRnd() * dx;
        offset.v = sAIRandom->FloatRnd() * dy;
    }
    return offset;
}

}  // namespace

ASErr backgroundTool(Event& event) {
    QT_PROPAGATE(applyModifierKeys(event));

    const int32_t n = g::copiesvalue_12;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    if (dy != 0.0f || dx != 0.0f) {
        AIReal cx = 0.0f, cy = 0.0f;
        QT_PROPAGATE(artCentre(event.path, &cx, &cy));

        for (int32_t i = 0; i != n; ++i) {
            const int32_t b = beneathFlag(event, i, 0, 0);
            AIArtHandle copy = nullptr;
            // Every later step works on the duplicate, so a failed one ends the event.
            QT_PROPAGATE(duplicateCopy(event.path, b, &copy));

            // Every draw below the minimum is raised to it.
            AIReal sx = sAIRandom->FloatRnd() * g::scalemaxvalue_12;
            AIReal sy = sAIRandom->FloatRnd() * g::scalemaxvalue_12;
            if (sx < g::scaleminvalue_12) sx = g::scaleminvalue_12;
            if (sy < g::scaleminvalue_12) sy = g::scaleminvalue_12;
            if (g::linkedvalue_12) sx = sy;
            const AIRealPoint offset = scatterOffset(dx, dy);

            AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
                if (g::applyrotatevalue_12)
                    sAIRealMath->AIRealMatrixConcatRotate(m, sAIRandom->FloatRnd() * kTwoPi);
                sAIRealMath->AIRealMatrixConcatScale(m, sx / 100.0f, sy / 100.0f);
            });
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, offset.h, offset.v);

            AIReal lineScale = 1.0f;
            if (scalesLines(i % 2 == 0))
                lineScale = sAIRealMath->AIRealSqrt(sx / 100.0f) * sAIRealMath->AIRealSqrt(sy / 100.0f);

            fillStep(event, copy, i, n - 1);
            strokeStep(event, copy, i, n - 1);
            widthStep(event, copy);
            QT_PROPAGATE(transformStep(event, copy, matrix, lineScale));
            opacityBlendSteps(event, copy);
            QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
            QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_12));
        }
    }

    if (g::deletepathvalue_12) return sAIArt->DisposeArt(event.path);
    return kNoErr;
}

}  // namespace drag
