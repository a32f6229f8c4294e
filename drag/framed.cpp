// Framed mode: duplicates of the drag path on the border cells of a grid spanning the drag,
// each turned, scaled and jittered about the drag path's centre. The drag path is only the
// model: it never moves, and Delete removes it once the frame is laid.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/envelope_step.h"
#include "drag/framed_edges.h"
#include "drag/jitter.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "frame/error.h"
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
        case Keys::none: break;
    }
}

// The copy's line scale: sqrt(s) * sqrt(s) with standard scaling, or with the alternate
// scaling on cells whose row and column are both even; 1 when the copies keep their size.
AIReal cellLineScale(AIReal s, int32_t r, int32_t c) {
    if (s == 1.0f) return 1.0f;
    if (!scalesLines(r % 2 == 0 && c % 2 == 0)) return 1.0f;
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
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));
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
            QT_PROPAGATE(duplicateCopy(event.path, b, &copy));

            AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
                sAIRealMath->AIRealMatrixConcatRotate(m, angle);
                const EdgeTurn turn = framedEdgeTurn(g::edgeoptions_3, frame, r, c);
                if (turn.turns) sAIRealMath->AIRealMatrixConcatRotate(m, turn.angle);
                if (s != 1.0f) sAIRealMath->AIRealMatrixConcatScale(m, s, s);
                if (g::jittervalue_3 != 0.0f) concatJitter(m, g::jittervalue_3);
            });
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);

            // Copies of this mode are not tagged.
            fillStep(event, copy, r * c, cycle);
            strokeStep(event, copy, r * c, cycle);
            widthStep(event, copy);
            QT_PROPAGATE(transformStep(event, copy, matrix, cellLineScale(s, r, c)));
            opacityBlendSteps(event, copy);
            QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
            QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_3));
        }
    }
    if (g::deletepathvalue_3) return sAIArt->DisposeArt(event.path);
    return kNoErr;
}

}  // namespace drag
