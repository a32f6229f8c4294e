// Paint: a brush that leaves one stamp per processed event, a duplicate of the drag path
// scaled by a running scale, turned, moved by the drag vector, faded and made more or less
// intense from event to event. The drag path itself is removed on every event.
#include "drag/drag_state.h"
#include "drag/driver.h"
#include "drag/keys.h"
#include "drag/paint_stamp.h"
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
        case Keys::none:
            break;
    }
}

// The stamp's matrix: the running scale about D's centre, the turns, the jitter and the
// drag vector, in that order of application; and the line scale of the running scale.
AIRealMatrix stampMatrix(AIReal cx, AIReal cy, AIReal* lineScale) {
    AIRealMatrix matrix;
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, -cx, -cy);
    sAIRealMath->AIRealMatrixConcatScale(&matrix, drag::state.scalehvalue_10, drag::state.scalevvalue_10);
    *lineScale = 1.0f;
    if (g::scalelinesoptions == 1 || (g::scalelinesoptions == 2 && g::count_10 % 2 == 0)) {
        *lineScale = sAIRealMath->AIRealSqrt(drag::state.scalehvalue_10) * sAIRealMath->AIRealSqrt(drag::state.scalevvalue_10);
    }
    if (g::followvalue_10) {
        sAIRealMath->AIRealMatrixConcatRotate(
            &matrix, sAIRealMath->AIRealPointAngle(&drag::state.endPoint, &drag::state.lastposition_10));
    }
    if (g::anglevalue_10) {
        sAIRealMath->AIRealMatrixConcatRotate(&matrix, sAIRandom->FloatRnd() * kTwoPi);
    }
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, cx, cy);
    if (g::jittervalue_10 != 0.0f) {
        const AIReal signV = randomSign();
        const AIReal signH = randomSign();
        const AIReal sizeV = sAIRandom->FloatRnd();
        const AIReal sizeH = sAIRandom->FloatRnd();
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, sizeH * signH * g::jittervalue_10,
                                                 sizeV * signV * g::jittervalue_10);
    }
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, drag::state.endPoint.h - drag::state.startingPoint.h,
                                             drag::state.endPoint.v - drag::state.startingPoint.v);
    return matrix;
}

// Makes and styles this event's stamp.
ASErr makeStamp(const Event& event, int32_t b, AIReal cx, AIReal cy) {
    AIArtHandle stamp = nullptr;
    // Every later step works on the stamp, so a failed duplicate ends the event.
    if (ASErr err = duplicateCopy(event.path, b, &stamp)) return err;
    AIReal lineScale = 1.0f;
    const AIRealMatrix matrix = stampMatrix(cx, cy, &lineScale);

    tagStep(stamp);
    if (ASErr err = transformStep(event, stamp, matrix, lineScale)) return err;
    fillStep(event, stamp, g::count_10, kCycle);
    strokeStep(event, stamp, g::count_10, kCycle);
    widthStep(event, stamp);
    paintIntensityStep(stamp);
    opacityStep(stamp);
    paintFadeStep(stamp);
    paintPressureOpacityStep(event, stamp);
    blendStep(stamp);
    if (ASErr err = patternStep(event, stamp, b, cx, cy)) return err;
    return envelopeStep(stamp, g::envelopevalue_10);
}

}  // namespace

ASErr paintTool(Event& event) {
    applyModifierKeys();

    g::count_10 += 1;
    const int32_t b = beneathFlag(event, 0, 0, 0);
    const bool dropped = placementSkips(g::placementvalue_10);
    AIReal cx = 0.0f, cy = 0.0f;
    if (ASErr err = artCentre(event.path, &cx, &cy)) return err;
    if (!dropped) {
        if (ASErr err = makeStamp(event, b, cx, cy)) return err;
    }

    sAIArt->DisposeArt(event.path);

    // A dropped stamp still advances the running values.
    drag::state.scalehvalue_10 = g::scaledhvalue_10 * drag::state.scalehvalue_10 / 100.0f;
    drag::state.scalevvalue_10 = g::scaledvvalue_10 * drag::state.scalevvalue_10 / 100.0f;
    drag::state.fadefillaccvalue_10 = g::fadefillvalue_10 * drag::state.fadefillaccvalue_10 / 100.0f;
    drag::state.lastposition_10 = drag::state.endPoint;
    return kNoErr;
}

}  // namespace drag
