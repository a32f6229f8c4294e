// The centre of a copy's bounds.
#include "drag/art_centre.h"

namespace drag {

ASErr artCentre(AIArtHandle art, AIReal* cx, AIReal* cy) {
    AIRealRect bounds{};
    QT_PROPAGATE(sAIArt->GetArtBounds(art, &bounds));
    *cx = bounds.left + (bounds.right - bounds.left) / 2;
    *cy = bounds.bottom + (bounds.top - bounds.bottom) / 2;
    return kNoErr;
}

}  // namespace drag
