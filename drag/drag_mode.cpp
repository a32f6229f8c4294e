// Drag mode: a row of styled copies of the drag path spread evenly along the drag, the
// first turned about its centre, every one jittered. Shift cycles the copy count; Shift
// with Alt moves the drag path along instead of copying it.
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

constexpr int32_t kMostCopiesByKey = 40;
constexpr int32_t kFewestCopies = 2;

// Shift and Alt: shift D by the whole drag vector and restart the drag from the mouse.
ASErr moveDragPath(const Event& event, AIArtHandle path) {
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    // The bounds are read (and their result ignored) as the move always has; it needs none.
    AIRealRect bounds{};
    sAIArt->GetArtBounds(path, &bounds);
    AIRealMatrix matrix{};
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, dx, dy);
    tagStep(path);
    QT_PROPAGATE(transformStep(event, path, matrix, 1.0f));
    drag::state.startingPoint = drag::state.endPoint;
    return kNoErr;
}

// Shift and Alt move the drag path along; Shift alone adds a copy per event, wrapping from
// 40 back to 2.
ASErr applyModifierKeys(const Event& event) {
    switch (keysHeld()) {
        case Keys::shiftAlt: return moveDragPath(event, event.path);
        case Keys::shift:
            stepWrapping(g::copiesvalue_1, 1, kMostCopiesByKey, kFewestCopies);
            show(&g::copiesvalue_1);
            break;
        case Keys::none: break;
    }
    return kNoErr;
}

}  // namespace

ASErr dragTool(Event& event) {
    QT_PROPAGATE(applyModifierKeys(event));
    AIArtHandle path = event.path;

    const int32_t n = g::copiesvalue_1;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const AIReal sx = dx / static_cast<AIReal>(n - 1);
    const AIReal sy = dy / static_cast<AIReal>(n - 1);
    const int32_t fallback = n - 1;  // P and Q when the process values are 0

    // Back on the mouse-down point: nothing at all, not even a styled drag path.
    if (dx == 0 && dy == 0) return kNoErr;

    const AIReal angle = sAIRealMath->DegreeToRadian(g::rotatevalue_1);
    AIReal ox = 0, oy = 0;
    AIReal cx = 0, cy = 0;
    QT_PROPAGATE(artCentre(path, &cx, &cy));

    for (int32_t i = 0; i < n; ++i) {
        const int32_t b = beneathFlag(event, i, 0, 0);
        if (!placementSkips(g::placementvalue_1)) {
            AIRealMatrix matrix{};
            sAIRealMath->AIRealMatrixSetTranslate(&matrix, 0, 0);
            AIArtHandle copy = path;
            if (i == 0) {
                // The drag path itself, turned about its centre.
                aboutCentre(&matrix, cx, cy,
                            [&](AIRealMatrix* m) { sAIRealMath->AIRealMatrixConcatRotate(m, angle); });
            } else {
                QT_PROPAGATE(duplicateCopy(path, b, &copy));
            }
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);
            // Every copy is jittered, even with both limits at 0: the draws are always taken.
            concatJitter(&matrix, g::jitterxvalue_1, g::jitteryvalue_1);

            fillStep(event, copy, i, fallback);
            strokeStep(event, copy, i, fallback);
            widthStep(event, copy);
            tagStep(copy);
            QT_PROPAGATE(transformStep(event, copy, matrix, 1.0f));
            opacityStep(copy);
            pressureOpacityStep(event, copy);
            blendStep(copy);
            QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
            QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_1));
        }
        // Dropped copies still advance, so the made ones keep their places.
        ox += sx;
        oy += sy;
    }
    return kNoErr;
}

}  // namespace drag
