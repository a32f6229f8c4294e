// The centre of a copy, and turning (scaling, mirroring) a copy about it: the one matrix
// sequence every mode builds its copies with.
#ifndef QT_DRAG_ART_CENTRE_H
#define QT_DRAG_ART_CENTRE_H

#include <type_traits>

#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "sdk/quen_tarb_sdk.h"

namespace drag {

// Centre of the art's bounds: (left + (right - left) / 2, bottom + (top - bottom) / 2).
ASErr artCentre(AIArtHandle art, AIReal* cx, AIReal* cy);

// How the move of the centre to the origin joins the matrix: it sets the matrix afresh, or
// follows the moves the matrix already holds (the basic tile mirrors a cell after its offset).
enum class CentreMove { sets, follows };

// The centre (cx, cy) moved to the origin, `about` applied there, the centre moved back:
// translate by (-cx, -cy), then `about(matrix)` concatenates the turns, scales or mirrors,
// then translate by (cx, cy). Concatenating applies after what the matrix holds, so the copy
// turns about its own centre. `about` may return a host code: a failure ends the matrix
// there and is returned (the grid duplicates its cell between its scale and its turns).
template <class About>
ASErr aboutCentre(AIRealMatrix* matrix, AIReal cx, AIReal cy, About&& about,
                  CentreMove move = CentreMove::sets) {
    if (move == CentreMove::sets)
        sAIRealMath->AIRealMatrixSetTranslate(matrix, -cx, -cy);
    else
        sAIRealMath->AIRealMatrixConcatTranslate(matrix, -cx, -cy);
    if constexpr (std::is_void_v<std::invoke_result_t<About&, AIRealMatrix*>>)
        about(matrix);
    else
        QT_PROPAGATE(about(matrix));
    sAIRealMath->AIRealMatrixConcatTranslate(matrix, cx, cy);
    return kNoErr;
}

// A new matrix turning about (cx, cy), for an `about` that cannot fail.
template <class About>
AIRealMatrix aboutCentre(AIReal cx, AIReal cy, About&& about) {
    static_assert(std::is_void_v<std::invoke_result_t<About&, AIRealMatrix*>>);
    AIRealMatrix matrix;
    aboutCentre(&matrix, cx, cy, about);
    return matrix;
}

}  // namespace drag

#endif
