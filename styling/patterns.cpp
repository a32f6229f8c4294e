// Mirrored-copy figures: duplicates of a copy reflected about an origin, then mirrored,
// turned or shrunk about their own centres. Each duplicate carries the art tag, written
// again before every transform of it.
#include "styling/patterns.h"

#include "frame/error.h"
#include "frame/suite_pointers.h"

namespace {

constexpr const char* kTagName = "quen-tarb";
constexpr const char* kTagType = "string";
constexpr const char* kTagValue = "quen-tarb";

// The figures move and scale geometry only: line scale 1, flags "transform the object".
constexpr AIReal kLineScale = 1.0f;
constexpr ASInt32 kFlags = kTransformObjects;

struct Scale {
    AIReal h, v;
};

// Stage-2 scales of D1, D2 and D3 for groups 1 to 3.
constexpr Scale kGroupScales[3][3] = {
    {{-1.0f, 1.0f}, {-1.0f, -1.0f}, {1.0f, -1.0f}},
    {{-0.5f, 0.5f}, {-1.0f, -1.0f}, {0.5f, -0.5f}},
    {{-0.2f, 0.2f}, {-1.0f, -1.0f}, {0.2f, -0.2f}},
};

ASErr centreOf(AIArtHandle art, AIRealPoint* centre) {
    AIRealRect bounds{};
    QT_PROPAGATE(sAIArt->GetArtBounds(art, &bounds));
    centre->h = bounds.left + (bounds.right - bounds.left) * 0.5f;
    centre->v = bounds.bottom + (bounds.top - bounds.bottom) * 0.5f;
    return kNoErr;
}

ASErr tagAndTransform(AIArtHandle art, const AIRealMatrix& matrix) {
    sAITag->SetTag(art, kTagName, kTagType, kTagValue);
    return sAITransformArt->TransformArt(art, &matrix, kLineScale, kFlags);
}

// Stage 1: translate by -c, by c, then by the reflection offset (dx, dy, or both).
ASErr reflect(AIArtHandle duplicate, AIRealPoint c, AIReal offsetH, AIReal offsetV) {
    AIRealMatrix matrix{};
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, -c.h, -c.v);
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, c.h, c.v);
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, offsetH, offsetV);
    return tagAndTransform(duplicate, matrix);
}

// Stage 2: scale about the centre e of the duplicate's own bounds.
ASErr shapeAboutCentre(AIArtHandle duplicate, AIRealPoint e, Scale scale) {
    AIRealMatrix matrix{};
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, -e.h, -e.v);
    sAIRealMath->AIRealMatrixConcatScale(&matrix, scale.h, scale.v);
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, e.h, e.v);
    return tagAndTransform(duplicate, matrix);
}

// Group 4: D1 only, mirrored across the vertical line through x. Before the mirror it takes
// a transform that leaves it in place (by -e, then by e), tagged like every other.
ASErr mirrorOnce(AIArtHandle art, ASInt16 order, AIReal x) {
    AIArtHandle d1 = nullptr;
    AIRealPoint c{};
    QT_PROPAGATE(sAIArt->DuplicateArt(art, order, art, &d1));
    QT_PROPAGATE(centreOf(d1, &c));
    QT_PROPAGATE(reflect(d1, c, 2 * (x - c.h), 0.0f));

    AIRealPoint e{};
    QT_PROPAGATE(centreOf(d1, &e));
    AIRealMatrix matrix{};
    sAIRealMath->AIRealMatrixSetTranslate(&matrix, -e.h, -e.v);
    sAIRealMath->AIRealMatrixConcatTranslate(&matrix, e.h, e.v);
    QT_PROPAGATE(tagAndTransform(d1, matrix));
    return shapeAboutCentre(d1, e, {-1.0f, 1.0f});
}

// Groups 1 to 3: D1 reflected across the vertical line through the origin, D2 through the
// origin itself, D3 across the horizontal line; all three placed with D1's centre c.
ASErr mirrorFourFold(AIArtHandle art, ASInt16 order, AIReal x, AIReal y, const Scale (&scales)[3]) {
    AIArtHandle d[3] = {nullptr, nullptr, nullptr};
    AIRealPoint c{};
    QT_PROPAGATE(sAIArt->DuplicateArt(art, order, art, &d[0]));
    QT_PROPAGATE(centreOf(d[0], &c));
    const AIReal dx = 2 * (x - c.h);
    const AIReal dy = 2 * (y - c.v);
    QT_PROPAGATE(reflect(d[0], c, dx, 0.0f));
    QT_PROPAGATE(sAIArt->DuplicateArt(art, order, art, &d[1]));
    QT_PROPAGATE(reflect(d[1], c, dx, dy));
    QT_PROPAGATE(sAIArt->DuplicateArt(art, order, art, &d[2]));
    QT_PROPAGATE(reflect(d[2], c, 0.0f, dy));

    for (int k = 0; k < 3; ++k) {
        AIRealPoint e{};
        QT_PROPAGATE(centreOf(d[k], &e));
        QT_PROPAGATE(shapeAboutCentre(d[k], e, scales[k]));
    }
    return kNoErr;
}

}  // namespace

ASErr patternoptions(AIArtHandle art, uint8_t beneath, AIReal x, AIReal y, int32_t group) {
    const ASInt16 order = beneath != 0 ? kPlaceBelowAll : kPlaceAboveAll;
    if (group >= 1 && group <= 3) return mirrorFourFold(art, order, x, y, kGroupScales[group - 1]);
    if (group == 4) return mirrorOnce(art, order, x);
    return kNoErr;
}
