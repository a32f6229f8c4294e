// Spiral: n copies per turn, a turns, wound about the drag path's centre at the drag's length.
// The radius decays and the copies shrink from one made copy to the next; the drag path is
// only the model and the Delete switch removes it at the end of the event.
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

constexpr AIReal kTwoPi = 6.2831855f;

// Both bits count the arms 2 ... 30, then 1; Shift alone counts the copies 2 ... 40, then 2.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::spiralsvalue_8, 1, 30, 1);
            show(&g::spiralsvalue_8);
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_8, 1, 40, 2);
            show(&g::copiesvalue_8);
            break;
        case Keys::none: break;
    }
}

}  // namespace

ASErr spiralTool(Event& event) {
    applyModifierKeys();

    const int32_t perTurn = g::copiesvalue_8;
    const int32_t total = perTurn * g::spiralsvalue_8;
    const AIReal dx = drag::state.endPoint.h - drag::state.startingPoint.h;
    const AIReal dy = drag::state.endPoint.v - drag::state.startingPoint.v;
    const AIReal radius = sAIRealMath->AIRealSqrt(dx * dx + dy * dy);

    // Match starts the spiral in the drag's direction, seen from the drag's midpoint.
    AIReal startAngle = 0.0f;
    if (g::matchvalue_8) {
        const AIRealPoint middle = {(drag::state.startingPoint.h + drag::state.endPoint.h) / 2.0f,
                                    (drag::state.startingPoint.v + drag::state.endPoint.v) / 2.0f};
        startAngle = sAIRealMath->AIRealPointAngle(&middle, &drag::state.endPoint);
    }
    if (radius == 0.0f) return kNoErr;

    AIReal cx = 0.0f, cy = 0.0f;
    QT_PROPAGATE(artCentre(event.path, &cx, &cy));

    const AIReal step = kTwoPi / static_cast<AIReal>(perTurn);
    const AIReal turn = sAIRealMath->DegreeToRadian(g::rotatevalue_8);
    AIReal theta = 0.0f;
    AIReal scale = 1.0f;
    AIReal decay = 1.0f;

    for (int32_t i = 0; i < total; ++i, theta += step) {
        const int32_t b = beneathFlag(event, i, 0, 0);
        if (placementSkips(g::placementvalue_8)) continue;

        AIArtHandle copy = nullptr;
        QT_PROPAGATE(duplicateCopy(event.path, b, &copy));
        // Dropped copies neither shrink nor decay the spiral; only the angle moves on.
        if (i > 0) {
            scale = scale * g::scalevalue_8 / 100.0f;
            decay = decay * g::decayvalue_8 / 100.0f;
        }

        const AIReal phi = g::reversevalue_8 ? startAngle + theta : startAngle - theta;
        AIRealMatrix matrix = aboutCentre(cx, cy, [&](AIRealMatrix* m) {
            sAIRealMath->AIRealMatrixConcatRotate(m, g::alignvalue_8 ? turn + theta : turn);
            sAIRealMath->AIRealMatrixConcatScale(m, scale, scale);
        });
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, sAIRealMath->AIRealCos(phi) * radius * decay,
                                                 sAIRealMath->AIRealSin(phi) * radius * decay);
        if (g::jittervalue_8 != 0.0f) concatJitter(&matrix, g::jittervalue_8);

        AIReal lineScale = 1.0f;
        if (scalesLines(i % 2 == 0))
            lineScale = sAIRealMath->AIRealSqrt(scale) * sAIRealMath->AIRealSqrt(scale);

        fillStep(event, copy, i, total - 1);
        strokeStep(event, copy, i, total - 1);
        widthStep(event, copy);
        QT_PROPAGATE(transformStep(event, copy, matrix, lineScale));
        opacityBlendSteps(event, copy);
        QT_PROPAGATE(patternStep(event, copy, b, cx, cy));
        QT_PROPAGATE(envelopeStep(copy, g::envelopevalue_8));
    }

    if (g::deletepathvalue_8) return sAIArt->DisposeArt(event.path);
    return kNoErr;
}

}  // namespace drag
