// Framed mode: duplicates of the drag path on the border cells of a grid spanning the drag,
// each turned, scaled and jittered about the drag path's centre. The drag path is only the
// model: it never moves, and Delete removes it once the frame is laid.
#include "drag/drag_state.h"
#include "drag/driver.h"
#include "drag/jitter.h"
#include "drag/keys.h"
#include "drag/framed_edges.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {


// Shift and Alt step the jitter by 5 (back to 0 above 200); Shift alone grows the frame by
// a row and a column (back to 2 above 40). The palette shows the new values.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::jittervalue_3, 5.0f, 200.0f, 0.0f);
            show(&g::jittervalue_3);
            break;
        case Keys::shift:
            stepWrapping(g::horizontalcopiesvalue_3, 1, 40, 2);
            stepWrapping(g::verticalcopiesvalue_3, 1, 40, 2);
            show(&g::horizontalcopiesvalue_3);
            show(&g::verticalcopiesvalue_3);
            break;
        case Keys::none:
            break;
    }
}

// The copy's line scale: sqrt(s) * sqrt(s) with standard scaling, or with the alternate
// scaling on cells whose row and column are both even; 1 when the copies keep their size.
AIReal cellLineScale(AIReal s, int32_t r, int32_t c) {
    if (s == 1.0f) return 1.0f;
    const bool standard = g::scalelinesoptions == 1;
    const bool alternate = g::scalelinesoptions == 2 && r % 2 == 0 && c % 2 == 0;
    if (!standard && !alternate) return 1.0f;
    return sAIRealMath->AIRealSqrt(s) * sAIRealMath->AIRealSqrt(s);
}

}  // namespace

ASErr framedTool(Event& event) {
    applyModifierKeys();

    const int32_t columns = g::horizontalcopiesvalue_3;
    const int32_t rows = g::verticalcopiesvalue_3;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const AIReal sx = dx / static_cast<AIReal>(columns - 1);
    const AIReal sy = dy / static_cast<AIReal>(rows - 1);
    const AIReal s = g::scalevalue_3 / 100.0f;
    const int32_t cycle = (columns - 1) * (rows - 1);  // fill and stroke fallback
    if (dx == 0.0f && dy == 0.0f) return kNoErr;

    AIReal cx = 0.0f;
    AIReal cy = 0.0f;
    ASErr result = artCentre(event.path, &cx, &cy);
    if (result != kNoErr) return result;
    const AIReal angle = sAIRealMath->DegreeToRadian(g::rotateanglevalue_3);
    const FrameShape frame{rows, columns};

    AIReal oy = 0.0f;
    for (int32_t r = 0; r < rows; ++r, oy += sy) {
        AIReal ox = 0.0f;
        for (int32_t c = 0; c < columns; ++c, ox += sx) {
            const int32_t b = beneathFlag(event, r, c, 1);
            // The placement draw comes for every cell, inner ones included.
            if (placementSkips(g::placementvalue_3)) continue;
            if (!onFrameBorder(frame, r, c)) continue;

            AIArtHandle copy = nullptr;
            result = duplicateCopy(event.path, b, &copy);
            if (result != kNoErr) return result;

            AIRealMatrix matrix;
            sAIRealMath->AIRealMatrixSetTranslate(&matrix, -cx, -cy);
            sAIRealMath->AIRealMatrixConcatRotate(&matrix, angle);
            const EdgeTurn turn = framedEdgeTurn(g::edgeoptions_3, frame, r, c);
            if (turn.turns) sAIRealMath->AIRealMatrixConcatRotate(&matrix, turn.angle);
            if (s != 1.0f) sAIRealMath->AIRealMatrixConcatScale(&matrix, s, s);
            if (g::jittervalue_3 != 0.0f) concatJitter(&matrix, g::jittervalue_3);
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, cx, cy);
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);

            // Copies of this mode are not tagged.
            fillStep(event, copy, r * c, cycle);
            strokeStep(event, copy, r * c, cycle);
            widthStep(event, copy);
            result = transformStep(event, copy, matrix, cellLineScale(s, r, c));
            if (result != kNoErr) return result;
            opacityBlendSteps(event, copy);
            result = patternStep(event, copy, b, cx, cy);
            if (result != kNoErr) return result;
            result = envelopeStep(copy, g::envelopevalue_3);
            if (result != kNoErr) return result;
        }
    }
    if (g::deletepathvalue_3) result = sAIArt->DisposeArt(event.path);
    return result;
}

}  // namespace drag
