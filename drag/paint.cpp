// Paint: a brush that leaves one stamp per processed event, a duplicate of the drag path
// scaled by a running scale, turned, moved by the drag vector, faded and made more or less
// intense from event to event. The drag path itself is removed on every event.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/envelope_step.h"
#include "drag/jitter.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/paint_stamp.h"
#include "drag/pattern_step.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

constexpr AIReal kTwoPi = 6.2831855f;
constexpr int32_t kCycle = 100;  // fill and stroke cycle when the process values are 0

// Both bits raise the jitter by 1 (past 30 back to 0); Shift alone lowers both scale steps by
// 0.01 (below 1 back to 100).
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::jittervalue_10, 1.0f, 30.0f, 0.0f);
            show(&g::jittervalue_10);
            break;
        case Keys::shift:
            stepWrapping(g::scaledhvalue_10, -0.01f, 1.0f, 100.0f);
            stepWrapping(g::scaledvvalue_10, -0.01f, 1.0f, 100.0f);
            show(&g::scaledhvalue_10);
            show(&g::scaledvvalue_10);
            break;
        case Keys::none: break;
    }
}

// The stamp's matrix: the running scale about D's centre, the turns, the jitter and the
// drag vector, in that order of application; and the line scale of the running scale.
AIRealMatrix stampMatrix(AIReal cx, AIReal cy, AIReal* lineScale) {
    const AIReal h = drag::state.scalehvalue_10;
    const AIReal v = drag::state.scalevvalue_10;
    AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
        sAIRealMath->AIRealMatrixConcatScale(m, h, v);
        // The stamp count stands for the copy index of the other modes.
        *lineScale = 1.0f;
        if (scalesLines(g::count_10 % 2 == 0))
            *lineScale = sAIRealMath->AIRealSqrt(h) * sAIRealMath->AIRealSqrt(v);
        if (g::followvalue_10) {
            sAIRealMath->AIRealMatrixConcatRotate(
                m, sAIRealMath->AIRealPointAngle(&drag::state.endPoint, &drag::state.lastposition_10));
        }
        if (g::anglevalue_10) sAIRealMath->AIRealMatrixConcatRotate(m, sAIRandom->FloatRnd() * kTwoPi);
    });
    if (g::jittervalue_10 != 0.0f) concatJitter(&matrix, g::jittervalue_10);
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, drag::state.endPoint.h - drag::state.startingPoint.h,
                                             drag::state.endPoint.v - drag::state.startingPoint.v);
    return matrix;
}

// Makes and styles this event's stamp.
ASErr makeStamp(const Event& event, int32_t b, AIReal cx, AIReal cy) {
    AIArtHandle stamp = nullptr;
    // Every later step works on the stamp, so a failed duplicate ends the event.
    QT_PROPAGATE(duplicateCopy(event.path, b, &stamp));
    AIReal lineScale = 1.0f;
    const AIRealMatrix matrix = stampMatrix(cx, cy, &lineScale);

    tagStep(stamp);
    QT_PROPAGATE(transformStep(event, stamp, matrix, lineScale));
    fillStep(event, stamp, g::count_10, kCycle);
    strokeStep(event, stamp, g::count_10, kCycle);
    widthStep(event, stamp);
    paintIntensityStep(stamp);
    opacityStep(stamp);
    paintFadeStep(stamp);
    paintPressureOpacityStep(event, stamp);
    blendStep(stamp);
    QT_PROPAGATE(patternStep(event, stamp, b, cx, cy));
    return envelopeStep(stamp, g::envelopevalue_10);
}

}  // namespace

ASErr paintTool(Event& event) {
    applyModifierKeys();

    g::count_10 += 1;
    const int32_t b = beneathFlag(event, 0, 0, 0);
    const bool dropped = placementSkips(g::placementvalue_10);
    AIReal cx = 0.0f, cy = 0.0f;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));
    if (!dropped) QT_PROPAGATE(makeStamp(event, b, cx, cy));

    sAIArt->DisposeArt(event.path);

    // A dropped stamp still advances the running values.
    drag::state.scalehvalue_10 = g::scaledhvalue_10 * drag::state.scalehvalue_10 / 100.0f;
    drag::state.scalevvalue_10 = g::scaledvvalue_10 * drag::state.scalevvalue_10 / 100.0f;
    drag::state.fadefillaccvalue_10 = g::fadefillvalue_10 * drag::state.fadefillaccvalue_10 / 100.0f;
    drag::state.lastposition_10 = drag::state.endPoint;
    return kNoErr;
}

}  // namespace drag
