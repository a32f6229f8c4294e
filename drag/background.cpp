// Background: copies of the drag path scattered at random inside the rectangle of the drag,
// each at a random scale between the minimum and the maximum, optionally turned at random
// and optionally kept to a band along the rectangle's sides. Delete removes the drag path.
#include "drag/drag_state.h"
#include "drag/driver.h"
#include "drag/keys.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

constexpr AIReal kTwoPi = 6.2831855f;

// Both bits move the drag path by the drag vector and the drag's start with it, so that the
// scattering below finds an empty rectangle.
ASErr moveDragPath(const Event& event) {
    AIRealRect bounds;
    if (ASErr err = sAIArt->GetArtBounds(event.path, &bounds)) return err;
    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, drag::state.endPoint.h - drag::state.startingPoint.h,
                                          drag::state.endPoint.v - drag::state.startingPoint.v);
    tagStep(event.path);
    if (ASErr err = transformStep(event, event.path, matrix, 1.0f)) return err;
    drag::state.startingPoint = drag::state.endPoint;
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
    // Shift and Alt move the drag path along; Shift alone adds a copy (back to 2 above 40).
    switch (keysHeld()) {
        case Keys::shiftAlt:
            if (ASErr err = moveDragPath(event)) return err;
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_12, 1, 40, 2);
            show(&g::copiesvalue_12);
            break;
        case Keys::none:
            break;
    }

    const int32_t n = g::copiesvalue_12;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    if (dy != 0.0f || dx != 0.0f) {
        AIReal cx = 0.0f, cy = 0.0f;
        if (ASErr err = artCentre(event.path, &cx, &cy)) return err;

        for (int32_t i = 0; i != n; ++i) {
            const int32_t b = beneathFlag(event, i, 0, 0);
            AIArtHandle copy = nullptr;
            // Every later step works on the duplicate, so a failed one ends the event.
            if (ASErr err = duplicateCopy(event.path, b, &copy)) return err;

            // Every draw below the minimum is raised to it.
            AIReal sx = sAIRandom->FloatRnd() * g::scalemaxvalue_12;
            AIReal sy = sAIRandom->FloatRnd() * g::scalemaxvalue_12;
            if (sx < g::scaleminvalue_12) sx = g::scaleminvalue_12;
            if (sy < g::scaleminvalue_12) sy = g::scaleminvalue_12;
            if (g::linkedvalue_12) sx = sy;
            const AIRealPoint offset = scatterOffset(dx, dy);

            AIRealMatrix matrix;
            sAIRealMath->AIRealMatrixSetTranslate(&matrix, -cx, -cy);
            if (g::applyrotatevalue_12) {
                sAIRealMath->AIRealMatrixConcatRotate(&matrix, sAIRandom->FloatRnd() * kTwoPi);
            }
            sAIRealMath->AIRealMatrixConcatScale(&matrix, sx / 100.0f, sy / 100.0f);
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, cx, cy);
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, offset.h, offset.v);

            AIReal lineScale = 1.0f;
            if (g::scalelinesoptions == 1 || (g::scalelinesoptions == 2 && i % 2 == 0)) {
                lineScale = sAIRealMath->AIRealSqrt(sx / 100.0f) * sAIRealMath->AIRealSqrt(sy / 100.0f);
            }

            fillStep(event, copy, i, n - 1);
            strokeStep(event, copy, i, n - 1);
            widthStep(event, copy);
            if (ASErr err = transformStep(event, copy, matrix, lineScale)) return err;
            opacityBlendSteps(event, copy);
            if (ASErr err = patternStep(event, copy, b, cx, cy)) return err;
            if (ASErr err = envelopeStep(copy, g::envelopevalue_12)) return err;
        }
    }

    if (g::deletepathvalue_12) return sAIArt->DisposeArt(event.path);
    return kNoErr;
}

}  // namespace drag
