// The per-copy steps that make, colour, size, tag and move a copy. Every mode applies the
// steps to each art object it makes, in the order the mode fixes: 1 the beneath flag
// (drag/beneath.h); 2 to 8 here; 9 to 11 opacity and blending (drag/blend_steps.h); 12 the
// pattern (drag/pattern_step.h); 13 the envelope (drag/envelope_step.h). Steps that can end
// the event return the host's code; the others ignore the host's answers.
#ifndef QT_DRAG_COPY_STEPS_H
#define QT_DRAG_COPY_STEPS_H

#include "drag/event.h"

namespace drag {

// Step 2: with the tool's Create switch on, one draw; true when the copy is not made.
bool placementSkips(bool createSwitch);
// Step 3: duplicate `source` above all art (b == 0) or below all art (b == 1).
ASErr duplicateCopy(AIArtHandle source, int32_t b, AIArtHandle* copy);
// Steps 4 and 5: fill and stroke series; P and Q are the fallbacks the tool gives when the
// process values are 0 (resolved here).
void fillStep(const Event& event, AIArtHandle art, int32_t index, int32_t fallback);
void strokeStep(const Event& event, AIArtHandle art, int32_t index, int32_t fallback);
// Step 6: stroke width, when `width` or `pr_widthvalue` is set.
void widthStep(const Event& event, AIArtHandle art);
// Step 7: the art tag.
void tagStep(AIArtHandle art);
// Step 8: transform with the tool's matrix and line scale.
ASErr transformStep(const Event& event, AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale);

// Whether a copy's strokes scale with it (its line scale is not 1): always with standard
// line scaling (`scalelinesoptions` 1), with alternate scaling (2) only when the mode counts
// the copy as even, never when the lines keep their width (0).
bool scalesLines(bool evenCopy);

}  // namespace drag

#endif
