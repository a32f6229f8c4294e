// Basic tile: a two-by-two reflection tile of the drag path. Cell (0, 0) is the drag path
// itself; (0, 1) is mirrored left-right, (1, 0) top-bottom and (1, 1) both ways, each about
// the drag path's centre after its shift by the drag vector along its row and column.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/drag_state.h"
#include "drag/jitter.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

// The tile is always two by two.
constexpr AIReal kColumns = 2.0f;
constexpr AIReal kRows = 2.0f;

// The fill and stroke cycle when the process values are 0.
constexpr int32_t kCycle = 2;

// Mirror of the c-th duplicate (c = 1, 2, 3): left-right, top-bottom, both ways.
void concatMirror(AIRealMatrix* matrix, int32_t c) {
    const AIReal h = c == 2 ? 1.0f : -1.0f;
    const AIReal v = c == 1 ? 1.0f : -1.0f;
    sAIRealMath->AIRealMatrixConcatScale(matrix, h, v);
}

}  // namespace

ASErr basicTileTool(Event& event) {
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const AIReal sx = dx / (kColumns - 1.0f);
    const AIReal sy = dy / (kRows - 1.0f);
    if (sy == 0.0f && sx == 0.0f) return kNoErr;

    AIReal cx = 0.0f, cy = 0.0f;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    AIReal ox = 0.0f, oy = 0.0f;
    int32_t cell = 0;
    for (int32_t r = 0; r < 2; ++r) {
        for (int32_t k = 0; k < 2; ++k) {
            const int32_t b = beneathFlag(event, r, k, 1);
            AIArtHandle copy = event.path;
            AIRealMatrix matrix;
            if (cell == 0) {
                // The drag path keeps its place: nothing is applied about its centre.
                cell = 1;
                aboutCentre(&matrix, cx, cy, [](AIRealMatrix*) {});
            } else {
                QT_PROPAGATE(duplicateCopy(event.path, b, &copy));
                sAIRealMath->AIRealMatrixSetTranslate(&matrix, ox, oy);
                const auto mirror = [&](AIRealMatrix* m) { concatMirror(m, cell); };
                aboutCentre(&matrix, cx, cy, mirror, CentreMove::follows);
                ++cell;
            }
            if (g::jittervalue_11 != 0.0f) concatJitter(&matrix, g::jittervalue_11);

            tagStep(copy);
            QT_PROPAGATE(transformStep(event, copy, matrix, 1.0f));
            fillStep(event, copy, r + k, kCycle);
            strokeStep(event, copy, r + k, kCycle);
            widthStep(event, copy);
            opacityBlendSteps(event, copy);
            QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
            ox += sx;
        }
        oy += sy;
        ox = 0.0f;
    }
    return kNoErr;
}

}  // namespace drag
