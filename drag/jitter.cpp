// The jitter of a copy: the draws in their fixed order.
#include "drag/jitter.h"

#include "drag/random_sign.h"
#include "frame/suite_pointers.h"

namespace drag {

void concatJitter(AIRealMatrix* matrix, AIReal jitterH, AIReal jitterV) {
    const AIReal signV = randomSign();
    const AIReal signH = randomSign();
    const AIReal magnitudeV = sAIRandom->FloatRnd();
    const AIReal magnitudeH = sAIRandom->FloatRnd();
    sAIRealMath->AIRealMatrixConcatTranslate(matrix, magnitudeH * signH * jitterH,
                                             magnitudeV * signV * jitterV);
}

void concatJitter(AIRealMatrix* matrix, AIReal jitter) { concatJitter(matrix, jitter, jitter); }

}  // namespace drag
