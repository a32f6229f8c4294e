// The paint tool's own styling of a stamp: colour intensity, opacity fade and its form of
// pressure opacity, which scale what the stamp already has rather than replace it.
#ifndef QT_DRAG_PAINT_STAMP_H
#define QT_DRAG_PAINT_STAMP_H

#include "drag/event.h"

namespace drag {

// When `intensityvalue_10` is not 0: every fill component c becomes
// c + count_10 * intensity * c / 100 (grey, four-colour and three-colour fills only).
void paintIntensityStep(AIArtHandle stamp);
// When the running fade is not exactly 1: opacity times `fadefillaccvalue_10`.
void paintFadeStep(AIArtHandle stamp);
// When `pr_opacityvalue` is set: opacity times the pressure factor V.
void paintPressureOpacityStep(const Event& event, AIArtHandle stamp);

}  // namespace drag

#endif
