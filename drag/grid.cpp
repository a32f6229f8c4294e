// Grid mode: the drag path laid out in columns along the horizontal drag distance and rows
// along the vertical one. The first made cell is the drag path itself and stays where it
// is; every other cell is a duplicate of it, moved to its grid place.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/envelope_step.h"
#include "drag/grid_rules.h"
#include "drag/jitter.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

// A quarter turn: the single-precision value of pi / 2 (bits 0x3FC90FDB).
constexpr AIReal kQuarterTurn = 1.57079637f;

// Shift and Alt turn the angle by 5 degrees; Shift alone grows the grid by a row and a
// column (back to 2 after 40). The palette shows the new values.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::rotatevalue_0, 5.0f, 360.0f, 0.0f);
            show(&g::rotatevalue_0);
            break;
        case Keys::shift:
            stepWrapping(g::verticalcopiesvalue_0, 1, 40, 2);
            stepWrapping(g::horizontalcopiesvalue_0, 1, 40, 2);
            show(&g::horizontalcopiesvalue_0);
            show(&g::verticalcopiesvalue_0);
            break;
        case Keys::none: break;
    }
}

// Column rule at k times row rule at r; rules 27 and 28 draw for every cell they serve,
// the column rule first.
ScaleFactors cellScale(int32_t r, int32_t k) {
    const AIReal columnDraw = gridScaleRuleDraws(g::scalexoptions_0) ? sAIRandom->FloatRnd() : 0.0f;
    const ScaleFactors column = gridScaleRule(g::scalexoptions_0, k, columnDraw);
    const AIReal rowDraw = gridScaleRuleDraws(g::scaleyoptions_0) ? sAIRandom->FloatRnd() : 0.0f;
    const ScaleFactors row = gridScaleRule(g::scaleyoptions_0, r, rowDraw);
    return {column.h * row.h, column.v * row.v};
}

// Alternate line scaling scales the cells whose row and column are both even.
AIReal cellLineScale(const ScaleFactors& scale, int32_t r, int32_t k) {
    if (!scalesLines(r % 2 == 0 && k % 2 == 0)) return 1.0f;
    return sAIRealMath->AIRealSqrt(scale.h) * sAIRealMath->AIRealSqrt(scale.v);
}

}  // namespace

ASErr gridTool(Event& event) {
    applyModifierKeys();

    const int32_t cols = g::horizontalcopiesvalue_0;
    const int32_t rows = g::verticalcopiesvalue_0;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const int32_t cycle = rows - 1;  // fill and stroke fallback: both follow the rows
    // One column (or row) divides by zero: 0 / 0 is not a number and so not zero, and the
    // step is only added after the last column (or row), never used in a translation.
    const AIReal sx = dx / static_cast<AIReal>(cols - 1);
    const AIReal sy = dy / static_cast<AIReal>(rows - 1);
    if (sx == 0.0f && sy == 0.0f) return kNoErr;

    const AIReal angle = sAIRealMath->DegreeToRadian(g::rotatevalue_0);
    AIReal cx = 0.0f;
    AIReal cy = 0.0f;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    int32_t made = 0;
    AIReal oy = 0.0f;
    for (int32_t r = 0; r != rows; ++r) {
        AIReal ox = 0.0f;
        for (int32_t k = 0; k != cols; ++k, ox += sx) {
            const int32_t b = beneathFlag(event, r, k, 1);
            const bool dropped =
                placementSkips(g::placementvalue_0) || gridCheckDrops(g::checkoptions_0, r, k);
            // Rules 27 and 28 take their draws for every cell, also for a dropped one.
            const ScaleFactors scale = cellScale(r, k);
            if (dropped) continue;
            const AIReal lineScale = cellLineScale(scale, r, k);
            // D itself: turned by the fixed angle in place; its duplicates inherit it.
            const bool isPath = made == 0;
            made = 1;
            AIArtHandle cell = event.path;
            AIRealMatrix matrix;
            QT_PROPAGATE(aboutCentre(&matrix, cx, cy, [&](AIRealMatrix* m) -> ASErr {
                sAIRealMath->AIRealMatrixConcatScale(m, scale.h, scale.v);
                if (isPath) {
                    sAIRealMath->AIRealMatrixConcatRotate(m, angle);
                    return kNoErr;
                }
                QT_PROPAGATE(duplicateCopy(event.path, b, &cell));
                if (g::rotation_0) sAIRealMath->AIRealMatrixConcatRotate(m, sAIRandom->FloatRnd() * angle);
                if (gridTurns(g::flipoptions_0, r, k)) sAIRealMath->AIRealMatrixConcatRotate(m, kQuarterTurn);
                return kNoErr;
            }));
            if (!isPath) sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);
            if (g::jittervalue_0 != 0.0f) concatJitter(&matrix, g::jittervalue_0);

            tagStep(cell);
            QT_PROPAGATE(transformStep(event, cell, matrix, lineScale));
            fillStep(event, cell, r, cycle);
            strokeStep(event, cell, r, cycle);
            widthStep(event, cell);
            opacityBlendSteps(event, cell);
            QT_PROPAGATE(patternStep(event, cell, b, cx, cy));
            QT_PROPAGATE(envelopeStep(cell, g::envelopevalue_0));
        }
        oy += sy;
    }
    return kNoErr;
}

}  // namespace drag
