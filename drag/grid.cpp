// Grid mode: the drag path laid out in columns along the horizontal drag distance and rows
// along the vertical one. The first made cell is the drag path itself and stays where it
// is; every other cell is a duplicate of it, moved to its grid place.
#include "drag/driver.h"
#include "drag/grid_rules.h"
#include "frame/SuitePointers.h"
#include "options/store.h"

namespace drag {

namespace {

constexpr ASInt32 kColumnsItem = 25;
constexpr ASInt32 kRowsItem = 26;
constexpr ASInt32 kRotationItem = 27;

// A quarter turn: the single-precision value of pi / 2 (bits 0x3FC90FDB).
constexpr AIReal kQuarterTurn = 1.57079637f;

// Shows a value the keys changed in its palette control; before the palette exists there is
// nothing to show it in.
void showInt(ASInt32 itemID, ASInt32 value) {
    if (!g::dialogref) return;
    if (ADMItemRef item = sADMDialog->GetItem(g::dialogref, itemID)) sADMItem->SetIntValue(item, value);
}

void showFloat(ASInt32 itemID, AIReal value) {
    if (!g::dialogref) return;
    if (ADMItemRef item = sADMDialog->GetItem(g::dialogref, itemID)) sADMItem->SetFloatValue(item, value);
}

// Shift and Alt turn the angle by 5 degrees; Shift alone grows the grid by a row and a
// column (back to 2 after 40). The palette shows the new values.
void applyModifierKeys() {
    const ASUInt32 keys = modifiers();
    if ((keys & kShiftModifier) != 0 && (keys & kOptionModifier) != 0) {
        g::rotatevalue_0 += 5.0f;
        if (g::rotatevalue_0 > 360.0f) g::rotatevalue_0 = 0.0f;
        showFloat(kRotationItem, g::rotatevalue_0);
    } else if ((keys & kShiftModifier) != 0) {
        if (++g::verticalcopiesvalue_0 > 40) g::verticalcopiesvalue_0 = 2;
        if (++g::horizontalcopiesvalue_0 > 40) g::horizontalcopiesvalue_0 = 2;
        showInt(kColumnsItem, g::horizontalcopiesvalue_0);
        showInt(kRowsItem, g::verticalcopiesvalue_0);
    }
}

// Column rule at k times row rule at r; rules 27 and 28 draw for every cell they serve,
// the column rule first.
GridScale cellScale(int32_t r, int32_t k) {
    const AIReal columnDraw = gridScaleRuleDraws(g::scalexoptions_0) ? sAIRandom->FloatRnd() : 0.0f;
    const GridScale column = gridScaleRule(g::scalexoptions_0, k, columnDraw);
    const AIReal rowDraw = gridScaleRuleDraws(g::scaleyoptions_0) ? sAIRandom->FloatRnd() : 0.0f;
    const GridScale row = gridScaleRule(g::scaleyoptions_0, r, rowDraw);
    return {column.x * row.x, column.y * row.y};
}

AIReal cellLineScale(const GridScale& scale, int32_t r, int32_t k) {
    const bool standard = g::scalelinesoptions == 1;
    const bool alternate = g::scalelinesoptions == 2 && r % 2 == 0 && k % 2 == 0;
    if (!standard && !alternate) return 1.0f;
    return sAIRealMath->AIRealSqrt(scale.x) * sAIRealMath->AIRealSqrt(scale.y);
}

// Four draws: the vertical sign, the horizontal sign, the vertical and horizontal magnitudes.
void concatJitter(AIRealMatrix* matrix, AIReal jitter) {
    const AIReal signV = randomSign();
    const AIReal signH = randomSign();
    const AIReal magnitudeV = sAIRandom->FloatRnd();
    const AIReal magnitudeH = sAIRandom->FloatRnd();
    sAIRealMath->AIRealMatrixConcatTranslate(matrix, magnitudeH * signH * jitter,
                                             magnitudeV * signV * jitter);
}

}  // namespace

ASErr gridTool(Event& event) {
    applyModifierKeys();

    const int32_t cols = g::horizontalcopiesvalue_0;
    const int32_t rows = g::verticalcopiesvalue_0;
    const AIReal dx = g::endPoint.h - g::startingPoint.h;
    const AIReal dy = g::endPoint.v - g::startingPoint.v;
    const int32_t cycle = rows - 1;  // fill and stroke fallback: both follow the rows
    // One column (or row) divides by zero: 0 / 0 is not a number and so not zero, and the
    // step is only added after the last column (or row), never used in a translation.
    const AIReal sx = dx / static_cast<AIReal>(cols - 1);
    const AIReal sy = dy / static_cast<AIReal>(rows - 1);
    if (sx == 0.0f && sy == 0.0f) return kNoErr;

    const AIReal angle = sAIRealMath->DegreeToRadian(g::rotatevalue_0);
    AIReal cx = 0.0f;
    AIReal cy = 0.0f;
    ASErr result = artCentre(event.path, &cx, &cy);
    if (result != kNoErr) return result;

    int32_t made = 0;
    AIReal oy = 0.0f;
    for (int32_t r = 0; r != rows; ++r) {
        AIReal ox = 0.0f;
        for (int32_t k = 0; k != cols; ++k, ox += sx) {
            const int32_t b = beneathFlag(event, r, k, 1);
            const bool dropped = placementSkips(g::placementvalue_0) || gridCheckDrops(g::checkoptions_0, r, k);
            // Rules 27 and 28 take their draws for every cell, also for a dropped one.
            const GridScale scale = cellScale(r, k);
            if (dropped) continue;
            const AIReal lineScale = cellLineScale(scale, r, k);
            AIArtHandle cell = event.path;
            AIRealMatrix matrix;
            sAIRealMath->AIRealMatrixSetTranslate(&matrix, -cx, -cy);
            sAIRealMath->AIRealMatrixConcatScale(&matrix, scale.x, scale.y);
            if (made == 0) {
                // D itself: turned by the fixed angle in place; its duplicates inherit it.
                made = 1;
                sAIRealMath->AIRealMatrixConcatRotate(&matrix, angle);
                sAIRealMath->AIRealMatrixConcatTranslate(&matrix, cx, cy);
            } else {
                result = duplicateCopy(event.path, b, &cell);
                if (result != kNoErr) return result;
                if (g::rotation_0)
                    sAIRealMath->AIRealMatrixConcatRotate(&matrix, sAIRandom->FloatRnd() * angle);
                if (gridTurns(g::flipoptions_0, r, k))
                    sAIRealMath->AIRealMatrixConcatRotate(&matrix, kQuarterTurn);
                sAIRealMath->AIRealMatrixConcatTranslate(&matrix, cx, cy);
                sAIRealMath->AIRealMatrixConcatTranslate(&matrix, ox, oy);
            }
            if (g::jittervalue_0 != 0.0f) concatJitter(&matrix, g::jittervalue_0);

            tagStep(cell);
            result = transformStep(event, cell, matrix, lineScale);
            if (result != kNoErr) return result;
            fillStep(event, cell, r, cycle);
            strokeStep(event, cell, r, cycle);
            widthStep(event, cell);
            opacityBlendSteps(event, cell);
            result = patternStep(event, cell, b, cx, cy);
            if (result != kNoErr) return result;
            result = envelopeStep(cell, g::envelopevalue_0);
            if (result != kNoErr) return result;
        }
        oy += sy;
    }
    return result;
}

}  // namespace drag
