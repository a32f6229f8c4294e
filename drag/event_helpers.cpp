// Small helpers the branches share: art centre, random sign, modifier state.
#include "drag/driver.h"
#include "frame/suite_pointers.h"

namespace drag {

ASErr artCentre(AIArtHandle art, AIReal* cx, AIReal* cy) {
    AIRealRect bounds{};
    const ASErr error = sAIArt->GetArtBounds(art, &bounds);
    if (error) return error;
    *cx = bounds.left + (bounds.right - bounds.left) / 2;
    *cy = bounds.bottom + (bounds.top - bounds.bottom) / 2;
    return kNoErr;
}

AIReal randomSign() { return sAIRandom->FloatRnd() > 0.5f ? -1.0f : 1.0f; }

// A null tracker asks for the event in progress.
ASUInt32 modifiers() { return sADMTracker->GetModifiers(nullptr); }

}  // namespace drag
