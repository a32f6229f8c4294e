// The Shift and Alt keys during a drag: which gesture an event carries, the counting that
// wraps round, and showing a changed option in its palette control.
#ifndef QT_DRAG_KEYS_H
#define QT_DRAG_KEYS_H

#include <cstdint>

#include "sdk/quen_tarb_sdk.h"

namespace drag {

enum class Keys { none, shift, shiftAlt };

// Modifier state of the event in progress.
ASUInt32 modifiers();

// The gesture of the event in progress: Shift with Alt, Shift alone, or neither (Alt alone
// counts as neither).
Keys keysHeld();

// Adds `step` to `value`; past `last` (above it for a step up, below it for a step down)
// the value starts again at `restart`.
void stepWrapping(int32_t& value, int32_t step, int32_t last, int32_t restart);
void stepWrapping(float& value, float step, float last, float restart);

// Shows the option's value in its palette control, found through the option table; before
// the palette exists there is nothing to show it in.
void show(const int32_t* option);
void show(const float* option);

}  // namespace drag

#endif
