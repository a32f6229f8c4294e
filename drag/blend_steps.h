// Steps 9 to 11 of every copy: random opacity, pressure opacity and a random blending mode,
// each when its option is set.
#ifndef QT_DRAG_BLEND_STEPS_H
#define QT_DRAG_BLEND_STEPS_H

#include "drag/event.h"

namespace drag {

void opacityStep(AIArtHandle art);
void pressureOpacityStep(const Event& event, AIArtHandle art);
void blendStep(AIArtHandle art);

// Steps 9 to 11 in order, for the tools that apply them together.
void opacityBlendSteps(const Event& event, AIArtHandle art);

}  // namespace drag

#endif
