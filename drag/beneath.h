// Step 1 of every copy: placement above or beneath, which copies of a series go below all
// other art.
#ifndef QT_DRAG_BENEATH_H
#define QT_DRAG_BENEATH_H

#include "drag/event.h"

// 1 when a copy is placed beneath the other art, else 0. grid is 1 for the grid and
// basic tile tools (a = row, b = column), 0 for the others (a = copy index).
int32_t beneathtest(int32_t option, int32_t a, int32_t b, int32_t tally, uint8_t grid);

namespace drag {

// The beneath flag b of a copy (0 when beneathoptions is 0).
int32_t beneathFlag(const Event& event, int32_t a, int32_t b, uint8_t grid);

}  // namespace drag

#endif
