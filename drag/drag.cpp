// Drag mode: a row of styled copies of the drag path spread evenly along the drag, the
// first turned about its centre, every one jittered. Shift cycles the copy count; Shift
// with Alt moves the drag path along instead of copying it.
#include "drag/drag_state.h"
#include "drag/driver.h"
#include "drag/keys.h"
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
    const ASErr error = transformStep(event, path, matrix, 1.0f);
    if (error) return error;
    drag::state.startingPoint = drag::state.endPoint;
    return kNoErr;
}

}  // namespace

ASErr dragTool(Event& event) {
    AIArtHandle path = event.path;

    // Shift and Alt move the drag path along; Shift alone adds a copy per event, wrapping
    // from 40 back to 2.
    switch (keysHeld()) {
        case Keys::shiftAlt:
            if (const ASErr error = moveDragPath(event, path)) return error;
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_1, 1, kMostCopiesByKey, kFewestCopies);
            show(&g::copiesvalue_1);
            break;
        case Keys::none:
            break;
    }

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
    ASErr error = artCentre(path, &cx, &cy);
    if (error) return error;

    for (int32_t i = 0; i < n; ++i) {
        const int32_t b = beneathFlag(event, i, 0, 0);
        if (!placementSkips(g::placementvalue_1)) {
            AIRealMatrix matrix{};
            sAIRealMath->AIRealMatrixSetTranslate(&matrix, 0, 0);
            AIArtHandle copy = path;
            if (i == 0) {
                // The drag path itself, turned about its centre.
                sAIRealMath->AIRealMatrixSetTranslate(&matrix, -cx, -cy);
                sAIRealMath->AIRealMatrixConcatRotate(&matrix, angle);
                sAIRealMath->AIRealMatrixConcatTranslate(&matrix, cx, cy);
            } else {
                error = duplicateCopy(path, b, &copy);
                if (error) return error;
            }
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);

            // Jitter draws: vertical sign, horizontal sign, vertical and horizontal magnitude.
            const AIReal sv = randomSign();
            const AIReal sh = randomSign();
            const AIReal rv = sAIRandom->FloatRnd();
            const AIReal rh = sAIRandom->FloatRnd();
            sAIRealMath->AIRealMatrixConcatTranslate(&matrix, rh * sh * g::jitterxvalue_1,
                                                     rv * sv * g::jitteryvalue_1);

            fillStep(event, copy, i, fallback);
            strokeStep(event, copy, i, fallback);
            widthStep(event, copy);
            tagStep(copy);
            error = transformStep(event, copy, matrix, 1.0f);
            if (error) return error;
            opacityStep(copy);
            pressureOpacityStep(event, copy);
            blendStep(copy);
            error = patternStep(event, copy, b, cx, cy);
            if (error) return error;
            error = envelopeStep(copy, g::envelopevalue_1);
            if (error) return error;
        }
        // Dropped copies still advance, so the made ones keep their places.
        ox += sx;
        oy += sy;
    }
    return kNoErr;
}

}  // namespace drag
