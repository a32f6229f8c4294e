// The jitter of a copy: the draws in their fixed order.
#include "drag/jitter.h"

#include "drag/driver.h"
#include "frame/suite_pointers.h"

namespace drag {

void concatJitter(AIRealMatrix* matrix, AIReal jitter) {
    const AIReal signV = randomSign();
    const AIReal signH = randomSign();
    const AIReal magnitudeV = sAIRandom->FloatRnd();
    const AIReal magnitudeH = sAIRandom->FloatRnd();
    sAIRealMath->AIRealMatrixConcatTranslate(matrix, magnitudeH * signH * jitter, magnitudeV * signV * jitter);
}

}  // namespace drag
