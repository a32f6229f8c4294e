// Checkerboard: copies of the drag path on the dark squares of a board of 2c by 2r squares
// spanning the drag, odd rows shifted by one square. The first made copy is the drag path
// itself, turned and (with Touch) stretched to one square; the rest are moved duplicates.
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
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

// Both bits turn the board by 5 degrees (past 360 back to 0); Shift alone adds a column and
// a row (past 40 back to 2).
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::rotatevalue_9, 5.0f, 360.0f, 0.0f);
            show(&g::rotatevalue_9);
            break;
        case Keys::shift:
            stepWrapping(g::verticalcopiesvalue_9, 1, 40, 2);
            stepWrapping(g::horizontalcopiesvalue_9, 1, 40, 2);
            show(&g::horizontalcopiesvalue_9);
            show(&g::verticalcopiesvalue_9);
            break;
        case Keys::none: break;
    }
}

// Touch factor of one axis: the square's size over the drag path's extent. A path with no
// extent on that axis (a level or upright line) keeps its size there rather than turning
// into infinities.
AIReal touchFactor(AIReal square, AIReal extent) { return extent != 0.0f ? square / extent : 1.0f; }

// The line scale of the stretch. A leftward or downward drag mirrors the path; its strokes
// scale by the size of the stretch, so the roots are taken of the magnitudes.
AIReal touchLineScale(AIReal th, AIReal tv) {
    return sAIRealMath->AIRealSqrt(std::fabs(th)) * sAIRealMath->AIRealSqrt(std::fabs(tv));
}

}  // namespace

ASErr checkerboardTool(Event& event) {
    applyModifierKeys();

    const int32_t columns = g::horizontalcopiesvalue_9;
    const int32_t rows = g::verticalcopiesvalue_9;
    const int32_t across = 2 * columns - 1;  // squares: 0 ... 2c - 1 across, 0 ... 2r - 1 up
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const AIReal sx = dx / static_cast<AIReal>(across);
    const AIReal sy = dy / static_cast<AIReal>(2 * rows - 1);
    const int32_t fallback = (columns - 1) * (rows - 1) * 4 - 1;
    if (sx == 0.0f && sy == 0.0f) return kNoErr;

    const AIReal turn = sAIRealMath->DegreeToRadian(g::rotatevalue_9);
    AIRealRect bounds;
    QT_PROPAGATE(sAIArt->GetArtBounds(event.path, &bounds));
    const AIReal cx = bounds.left + (bounds.right - bounds.left) / 2.0f;
    const AIReal cy = bounds.bottom + (bounds.top - bounds.bottom) / 2.0f;
    const AIReal th = touchFactor(sx, bounds.right - bounds.left);
    const AIReal tv = touchFactor(sy, bounds.top - bounds.bottom);

    bool pathUsed = false;
    AIReal lineScale = 1.0f;  // set on the drag path, kept for its duplicates
    for (int32_t y = 0; y < 2 * rows; ++y) {
        const AIReal oy = static_cast<AIReal>(y) * sy;
        const bool oddRow = (y % 2) != 0;
        // Odd rows start one square before the board: x = -1 lies at offset sx.
        for (int32_t x = oddRow ? -1 : 0; x < across; x += 2) {
            const AIReal ox = static_cast<AIReal>(oddRow ? x + 2 : x) * sx;
            const int32_t b = beneathFlag(event, y, x, 1);
            if (placementSkips(g::placementvalue_9)) continue;

            AIArtHandle copy = event.path;
            AIRealMatrix matrix;
            if (!pathUsed) {
                // The drag path stays where it is: its square's offset is not applied.
                pathUsed = true;
                lineScale = 1.0f;
                matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
                    if (g::scaledvalue_9) {
                        sAIRealMath->AIRealMatrixConcatScale(m, th, tv);
                        if (scalesLines(y % 2 == 0 && x % 2 == 0)) lineScale = touchLineScale(th, tv);
                    }
                    sAIRealMath->AIRealMatrixConcatRotate(m, turn);
                });
            } else {
                QT_PROPAGATE(duplicateCopy(event.path, b, &copy));
                sAIRealMath->AIRealMatrixSetTranslate(&matrix, ox, oy);
            }
            if (g::jittervalue_9 != 0.0f) concatJitter(&matrix, g::jittervalue_9);

            // The copy index y * x is negative for the first square of an odd row.
            const int32_t index = y * x;
            tagStep(copy);
            QT_PROPAGATE(transformStep(event, copy, matrix, lineScale));
            fillStep(event, copy, index, fallback);
            strokeStep(event, copy, index, fallback);
            widthStep(event, copy);
            opacityBlendSteps(event, copy);
            QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
            QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_9));
        }
    }
    return kNoErr;
}

}  // namespace drag
